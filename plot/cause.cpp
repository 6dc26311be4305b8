#include "plot/cause.h"

#include "astro/angles.h"
#include "astro/sky.h"
#include "plot/plotrun.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace veltaro::plot {

namespace {

using astro::kDeg;

/// An angle [degrees] in (-180, 180].
double halfTurns(double deg) {
    double a = std::fmod(deg, 360.0);
    if (a > 180) {
        a -= 360;
    } else if (a <= -180) {
        a += 360;
    }
    return a;
}

BodyAtPlace bodyAt(double massRatio, double raDeg, double decDeg, double distanceKm,
                   double zenithRad, double siderealDeg, double heightKm) {
    const double pi = std::numbers::pi;
    const double arc = zenithRad > pi ? 2 * pi - zenithRad : zenithRad;
    return {massRatio,       raDeg,   decDeg, distanceKm, halfTurns(siderealDeg - raDeg),
            90 - arc / kDeg, heightKm};
}

} // namespace

Cause causeOf(const astro::TideInput& at, const astro::TideEvaluation& e) {
    const double sunDec = astro::ecl2dec(e.sunlon, 0, e.obliquity);
    const double moonDec = astro::ecl2dec(e.moonlon, e.moonlat, e.obliquity);
    return {at.lat,
            at.lon,
            e.theta,
            e.MSangle,
            bodyAt(astro::kSunMassRatio, e.SSlon, sunDec, e.sundist, e.zs, e.theta, e.Ssea),
            bodyAt(astro::kMoonMassRatio, e.MMlon, moonDec, e.moondist, e.zm, e.theta, e.Msea)};
}

double bulgeKm(const BodyAtPlace& body, double psiRad) {
    return astro::eqtide(body.massRatio, body.distanceKm, psiRad);
}

double peakKm(const BodyAtPlace& body) {
    return bulgeKm(body, 0);
}

double zenithDistanceRad(double latDeg, double declinationDeg, double hourAngleDeg) {
    const double lat = latDeg * kDeg;
    const double dec = declinationDeg * kDeg;
    const double c = std::sin(lat) * std::sin(dec) +
                     std::cos(lat) * std::cos(dec) * std::cos(hourAngleDeg * kDeg);
    return std::acos(std::clamp(c, -1.0, 1.0));
}

double heightOnLatitudeKm(const BodyAtPlace& body, double latDeg, double hourAngleDeg) {
    return bulgeKm(body, zenithDistanceRad(latDeg, body.declinationDeg, hourAngleDeg));
}

TransitHeights transitHeights(const BodyAtPlace& body, double latDeg) {
    return {heightOnLatitudeKm(body, latDeg, 0), heightOnLatitudeKm(body, latDeg, 180)};
}

int stepsOfSpan(PlotMode mode, PlaySpan span) {
    const ModeDefinition& m = modeDefinition(mode);
    const double minutesPerStep = 60.0 * m.hoursPerStep + m.minutesPerStep;
    const double days = span == PlaySpan::Day ? 1.0 : kSynodicMonthDays;
    return std::max(1, int(std::lround(days * 24 * 60 / minutesPerStep)));
}

std::optional<DrawingRecord::StepIndex> indexOfStep(const DrawingRecord& record,
                                                    const RecordedStep* step) {
    const auto& drawings = record.drawings();
    for (std::size_t d = drawings.size(); d-- > 0;) {
        const auto& steps = drawings[d].steps;
        // std::less orders pointers into different arrays too.
        const std::less<const RecordedStep*> before;
        if (!steps.empty() && !before(step, steps.data()) &&
            before(step, steps.data() + steps.size())) {
            return DrawingRecord::StepIndex{d, std::size_t(step - steps.data())};
        }
    }
    return std::nullopt;
}

Cause causeOfStep(const Drawing& drawing, const RecordedStep& step) {
    const astro::TideInput at = evaluationInput(drawing.request, step.moment());
    return causeOf(at, astro::calc(at));
}

} // namespace veltaro::plot
