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

/// The angles every moment has alike, made once (not once a moment): the Sun's
/// ecliptic latitude 0 and the polar distance 90 of the ecliptic's points in
/// the angle along it.
template <class V> struct SharedAngles {
    Trig<V> zero = trig(V(0.0));
    Trig<V> equator = polar(V(0.0));
};

/// What went wrong in the lanes: bit i for lane i.
struct LaneFaults {
    unsigned dayCount = 0;  ///< the date's day count does not fit 32 bits
    unsigned notFinite = 0; ///< some quantity is not a finite number
};

template <class V>
VELTARO_KERNEL_INLINE EvaluationLanes<V> calc(const MomentLanes<V>& at,
                                              const SharedAngles<V>& shared, LaneFaults& faults) {
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
    const Trig<V> obliquity = trig(e.obliquity);
    const Trig<V> sunLon = trig(e.sunlon);
    const Trig<V> moonLon = trig(e.moonlon);
    const Trig<V> moonLat = trig(e.moonlat);
    e.SSlon = ecl2ra(sunLon, shared.zero, obliquity);
    const V sunDec = ecl2dec(sunLon, shared.zero, obliquity);
    e.MMlon = ecl2ra(moonLon, moonLat, obliquity);
    const V moonDec = ecl2dec(moonLon, moonLat, obliquity);

    // The zenith: right ascension theta, declination the latitude.
    const V clockDeg = (at.hour + at.minute / 60.0) * 15.0;
    e.theta = localsidereal(siderealtime(tc), clockDeg, at.lon);
    const Trig<V> sunPolar = polar(sunDec);
    const Trig<V> moonPolar = polar(moonDec);
    const Trig<V> zenithPolar = polar(at.lat);
    e.zs = sepangle(e.SSlon, sunPolar, e.theta, zenithPolar);
    e.zm = sepangle(e.MMlon, moonPolar, e.theta, zenithPolar);

    // The Sun-to-Moon angles, on the equatorial sphere and along the ecliptic.
    e.MSangle = sepangle(e.SSlon, sunPolar, e.MMlon, moonPolar);
    V sunLonDeg = e.sunlon;
    V moonLonDeg = e.moonlon;
    sameTurn(sunLonDeg, moonLonDeg);
    e.MSGangle = sepangle(sunLonDeg, shared.equator, moonLonDeg, shared.equator);

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
