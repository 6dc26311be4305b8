// The single-value routines of timeargs.h, sun.h, moon.h, sky.h and tide.h:
// the kernel's templates for one value, a plain double. The elementary
// functions are SLEEF's two-lane ones with the value in the first lane, which
// give the same bits as every wider path.
#include "astro/fault.h"
#include "astro/moon.h"
#include "astro/sky.h"
#include "astro/sun.h"
#include "astro/tide.h"
#include "astro/timeargs.h"
#include "kernel_series.h"
#include "kernel_sky.h"
#include "kernel_time.h"
#include "lanes_sse2.h"

namespace veltaro::astro {

namespace kernel {

double sine(double x) {
    return _mm_cvtsd_f64(Sse2::sin(_mm_set_sd(x)));
}
double cosine(double x) {
    return _mm_cvtsd_f64(Sse2::cos(_mm_set_sd(x)));
}
double arctan(double x) {
    return _mm_cvtsd_f64(Sse2::atan(_mm_set_sd(x)));
}
double powerOfTen(double x) {
    return _mm_cvtsd_f64(Sse2::exp10(_mm_set_sd(x)));
}

} // namespace kernel

double julianday(double year, double month, double day, double hour, double minute) {
    return kernel::julianday(year, month, day, hour, minute);
}

double jcentury(double jd) {
    return kernel::jcentury(jd);
}

double obliquity(double tc) {
    return kernel::obliquity(tc);
}

std::int32_t daycount(double year, double month, double day) {
    bool unfit = false;
    const double k = kernel::daycount(year, month, day, unfit);
    if (unfit) {
        throw ArithmeticFault(kernel::kDayCountFault);
    }
    return static_cast<std::int32_t>(k);
}

double ephemtime(double year, double month, double day, double hour, double minute, double second,
                 double lonDeg) {
    bool unfit = false;
    const double t = kernel::ephemtime(year, month, day, hour, minute, second, lonDeg, unfit);
    if (unfit) {
        throw ArithmeticFault(kernel::kDayCountFault);
    }
    return t;
}

double siderealtime(double tc) {
    return kernel::siderealtime(tc);
}

double localsidereal(double st0h, double clockDeg, double lonDeg) {
    return kernel::localsidereal(st0h, clockDeg, lonDeg);
}

double sunlon(double t) {
    return kernel::sunlon(t);
}

double sundist(double t) {
    return kernel::sundist(t);
}

double moonlon(double t) {
    return kernel::moonlon(t);
}

double moonlat(double t) {
    return kernel::moonlat(t);
}

double moonpar(double t) {
    return kernel::moonpar(t);
}

double ecl2ra(double lonDeg, double latDeg, double obliquityDeg) {
    return kernel::ecl2ra(kernel::trig(lonDeg), kernel::trig(latDeg), kernel::trig(obliquityDeg));
}

double ecl2dec(double lonDeg, double latDeg, double obliquityDeg) {
    return kernel::ecl2dec(kernel::trig(lonDeg), kernel::trig(latDeg), kernel::trig(obliquityDeg));
}

double sepangle(double ra1Deg, double dec1Deg, double ra2Deg, double dec2Deg) {
    return kernel::sepangle(ra1Deg, kernel::polar(dec1Deg), ra2Deg, kernel::polar(dec2Deg));
}

double eqtide(double mu, double r, double z) {
    return kernel::eqtide(mu, r, z);
}

} // namespace veltaro::astro
