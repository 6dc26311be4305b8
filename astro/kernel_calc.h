#pragma once

// The tide evaluation over lanes: calc (tide.h) for one moment in each lane.

#include "astro/tide.h"
#include "kernel_series.h"
#include "kernel_sky.h"
#include "kernel_time.h"

namespace veltaro::astro::kernel {

/// The moments of the lanes, as TideInput holds them.
template <class V> struct MomentLanes { V year, month, day, hour, minute, lat, lon; };

/// Every quantity of the evaluation, as TideEvaluation holds them.
template <class V> struct EvaluationLanes {
    V jd, T, sunlon, sundist, moonlon, moonlat, moondist, obliquity, theta, SSlon, MMlon, zs, zm,
        MSangle, MSGangle, Ssea, Msea;
};

/// Both ecliptic longitudes on the same side of zero, for the angle between them.
///
/// sunlon and moonlon keep the sign of their sums, and the Sun's sum turns
/// positive about nine months before the Moon's (1974 April against 1974
/// December). Between the two the difference of the longitudes runs down to
/// -630 degrees, and below -360 sepangle would count a Moon west of the Sun as
/// east of it. Moving the negative one up a turn puts both in the same turn;
/// at every other moment both have the same sign and are left as they are.
template <class V> void sameTurn(V& sunLonDeg, V& moonLonDeg) {
    const auto sunNegative = sunLonDeg < 0.0;
    const auto moonNegative = moonLonDeg < 0.0;
    const auto apart = sunNegative ^ moonNegative;
    sunLonDeg = select(apart & sunNegative, sunLonDeg + 360.0, sunLonDeg);
    moonLonDeg = select(apart & moonNegative, moonLonDeg + 360.0, moonLonDeg);
}

/// What went wrong in the lanes: bit i for lane i.
struct LaneFaults {
    unsigned dayCount = 0;  ///< the date's day count does not fit 32 bits
    unsigned notFinite = 0; ///< some quantity is not a finite number
};

template <class V>
VELTARO_KERNEL_INLINE EvaluationLanes<V> calc(const MomentLanes<V>& at, LaneFaults& faults) {
    EvaluationLanes<V> e;

    // The positions of the Sun and the Moon at the moment.
    decltype(at.year < 0.0) unfit;
    e.T = ephemtime(at.year, at.month, at.day, at.hour, at.minute, V(0.0), at.lon, unfit);
    e.sunlon = sunlon(e.T);
    e.sundist = sundist(e.T);
    e.moonlon = moonlon(e.T);
    e.moonlat = moonlat(e.T);
    e.moondist = moonpar(e.T);

    // The date's quantities, from 0 h of the date.
    e.jd = julianday(at.year, at.month, at.day, V(0.0), V(0.0));
    const V tc = jcentury(e.jd);
    e.obliquity = obliquity(tc);

    // Equatorial coordinates; the Sun's ecliptic latitude is 0.
    e.SSlon = ecl2ra(e.sunlon, V(0.0), e.obliquity);
    const V sunDec = ecl2dec(e.sunlon, V(0.0), e.obliquity);
    e.MMlon = ecl2ra(e.moonlon, e.moonlat, e.obliquity);
    const V moonDec = ecl2dec(e.moonlon, e.moonlat, e.obliquity);

    // The zenith: right ascension theta, declination the latitude.
    const V clockDeg = (at.hour + at.minute / 60.0) * 15.0;
    e.theta = localsidereal(siderealtime(tc), clockDeg, at.lon);
    e.zs = sepangle(e.SSlon, sunDec, e.theta, at.lat);
    e.zm = sepangle(e.MMlon, moonDec, e.theta, at.lat);

    // The Sun-to-Moon angles, on the equatorial sphere and along the ecliptic.
    e.MSangle = sepangle(e.SSlon, sunDec, e.MMlon, moonDec);
    V sunLonDeg = e.sunlon;
    V moonLonDeg = e.moonlon;
    sameTurn(sunLonDeg, moonLonDeg);
    e.MSGangle = sepangle(sunLonDeg, V(0.0), moonLonDeg, V(0.0));

    e.Ssea = eqtide(kSunMassRatio, e.sundist, e.zs);
    e.Msea = eqtide(kMoonMassRatio, e.moondist, e.zm);

    const auto sound = finite(e.jd) & finite(e.T) & finite(e.sunlon) & finite(e.sundist) &
                       finite(e.moonlon) & finite(e.moonlat) & finite(e.moondist) &
                       finite(e.obliquity) & finite(e.theta) & finite(e.SSlon) & finite(e.MMlon) &
                       finite(e.zs) & finite(e.zm) & finite(e.MSangle) & finite(e.MSGangle) &
                       finite(e.Ssea) & finite(e.Msea);
    faults.dayCount = laneBits(unfit);
    faults.notFinite = laneBits(!sound);
    return e;
}

} // namespace veltaro::astro::kernel
