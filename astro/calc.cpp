#include "astro/fault.h"
#include "astro/moon.h"
#include "astro/sky.h"
#include "astro/sun.h"
#include "astro/tide.h"
#include "astro/timeargs.h"
#include "astro/vectorstate.h"

#include <cmath>

namespace veltaro::astro {

namespace {

/// Both ecliptic longitudes on the same side of zero, for the angle between them.
///
/// sunlon and moonlon keep the sign of their sums, and the Sun's sum turns
/// positive about nine months before the Moon's (1974 April against 1974
/// December). Between the two the difference of the longitudes runs down to
/// -630 degrees, and below -360 sepangle would count a Moon west of the Sun as
/// east of it. Moving the negative one up a turn puts both in the same turn;
/// at every other moment both have the same sign and are left as they are.
void sameTurn(double& sunLonDeg, double& moonLonDeg) {
    if ((sunLonDeg < 0) == (moonLonDeg < 0)) {
        return;
    }
    double& negative = sunLonDeg < 0 ? sunLonDeg : moonLonDeg;
    negative += 360;
}

bool allFinite(const TideEvaluation& e) {
    const double values[] = {e.jd,       e.T,         e.sunlon,   e.sundist, e.moonlon, e.moonlat,
                             e.moondist, e.obliquity, e.theta,    e.SSlon,   e.MMlon,   e.zs,
                             e.zm,       e.MSangle,   e.MSGangle, e.Ssea,    e.Msea};
    for (const double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

} // namespace

TideEvaluation calc(const TideInput& at) {
    settleVectorRegisters();
    TideEvaluation e{};

    // The positions of the Sun and the Moon at the moment.
    e.T = ephemtime(at.year, at.month, at.day, at.hour, at.minute, 0, at.lon);
    e.sunlon = sunlon(e.T);
    e.sundist = sundist(e.T);
    e.moonlon = moonlon(e.T);
    e.moonlat = moonlat(e.T);
    e.moondist = moonpar(e.T);

    // The date's quantities, from 0 h of the date.
    e.jd = julianday(at.year, at.month, at.day, 0, 0);
    const double tc = jcentury(e.jd);
    e.obliquity = obliquity(tc);

    // Equatorial coordinates; the Sun's ecliptic latitude is 0.
    e.SSlon = ecl2ra(e.sunlon, 0, e.obliquity);
    const double sunDec = ecl2dec(e.sunlon, 0, e.obliquity);
    e.MMlon = ecl2ra(e.moonlon, e.moonlat, e.obliquity);
    const double moonDec = ecl2dec(e.moonlon, e.moonlat, e.obliquity);

    // The zenith: right ascension theta, declination the latitude.
    const double clockDeg = (at.hour + at.minute / 60) * 15;
    e.theta = localsidereal(siderealtime(tc), clockDeg, at.lon);
    e.zs = sepangle(e.SSlon, sunDec, e.theta, at.lat);
    e.zm = sepangle(e.MMlon, moonDec, e.theta, at.lat);

    // The Sun-to-Moon angles, on the equatorial sphere and along the ecliptic.
    e.MSangle = sepangle(e.SSlon, sunDec, e.MMlon, moonDec);
    double sunLonDeg = e.sunlon;
    double moonLonDeg = e.moonlon;
    sameTurn(sunLonDeg, moonLonDeg);
    e.MSGangle = sepangle(sunLonDeg, 0, moonLonDeg, 0);

    e.Ssea = eqtide(kSunMassRatio, e.sundist, e.zs);
    e.Msea = eqtide(kMoonMassRatio, e.moondist, e.zm);

    if (!allFinite(e)) {
        throw ArithmeticFault("calc: the evaluation gave a value that is not a finite number");
    }
    return e;
}

} // namespace veltaro::astro
