#pragma once

// Why the curves go as they do: for one evaluated moment, where the Sun and the
// Moon stand seen from the place, and the equilibrium sea surface each raises
// around the Earth. The heights at the place are the evaluation's own; the
// shape around the Earth follows the same law (astro::eqtide). Plain C++, no Qt.

#include "astro/tide.h"
#include "plot/drawingrecord.h"

#include <cstddef>
#include <optional>

namespace veltaro::plot {

/// One body as seen from the place at one moment.
struct BodyAtPlace {
    double massRatio;         ///< body/Earth mass ratio, as the evaluation takes it
    double rightAscensionDeg; ///< [degrees], -90 < alpha < 270 (SSlon, MMlon)
    double declinationDeg;    ///< [degrees], north positive
    double distanceKm;        ///< from the Earth's centre [km]
    double hourAngleDeg;      ///< west of the place's meridian [degrees], (-180, 180]
    double altitudeDeg;       ///< above the horizon [degrees], 90 - zenith distance
    double heightKm;          ///< equilibrium height it raises at the place [km] (Ssea, Msea)
};

/// The Sun and the Moon at one moment and place, from one evaluation.
struct Cause {
    double latDeg;      ///< the place's latitude [degrees], north positive
    double lonDeg;      ///< the place's longitude [degrees], east positive
    double siderealDeg; ///< local sidereal angle, right ascension of the meridian [degrees]
    double msangleRad;  ///< Sun-to-Moon angle on the equatorial sphere [radians] (MSangle)
    BodyAtPlace sun;
    BodyAtPlace moon;

    /// The combined height at the place [km], as the graph plots it: Sun + Moon.
    double totalKm() const { return sun.heightKm + moon.heightKm; }
};

/// The Sun and the Moon seen from the place of `at`, from its evaluation `e`.
///
/// Given:
///   at      the moment and place the evaluation was made for
///   e       astro::calc(at)
///
/// Returned:
///   right ascensions, distances and heights as `e` holds them; declinations by
///   ecl2dec from the same ecliptic places and obliquity, as calc forms them;
///   hour angle theta - alpha reduced to (-180, 180]; altitude 90 degrees less
///   the zenith distance.
///
/// Notes:
///  1. heightKm is Ssea or Msea itself, bit for bit: the view and the curves show
///     one number.
///  2. The evaluation's zenith distance is an eastward angle in [0, 2 pi); the
///     altitude is taken from its arc 0..pi.
Cause causeOf(const astro::TideInput& at, const astro::TideEvaluation& e);

/// Equilibrium height [km] at an angle `psiRad` [radians] from the point under
/// the body (the sub-body point), by astro::eqtide: largest at psi = 0 and pi,
/// -1/2 of that at psi = pi/2.
double bulgeKm(const BodyAtPlace& body, double psiRad);

/// The greatest height the body raises anywhere [km]: bulgeKm at psi = 0.
double peakKm(const BodyAtPlace& body);

/// Zenith distance [radians, 0..pi] of a body at declination `declinationDeg`
/// seen from latitude `latDeg` at hour angle `hourAngleDeg` [degrees]:
/// cos z = sin(lat) sin(dec) + cos(lat) cos(dec) cos(H).
double zenithDistanceRad(double latDeg, double declinationDeg, double hourAngleDeg);

/// Height [km] the body raises at latitude `latDeg` where its hour angle is
/// `hourAngleDeg` [degrees]: the sea surface along the place's circle of
/// latitude, which the place passes through once a day. At the place's own
/// hour angle it is heightKm, to rounding.
double heightOnLatitudeKm(const BodyAtPlace& body, double latDeg, double hourAngleDeg);

/// The heights [km] a place at `latDeg` passes under as the body crosses its
/// meridian above (hour angle 0) and below (hour angle 180 degrees) the pole:
/// the two daily highs of that body. Equal when the body stands on the equator
/// or the place does; otherwise the higher one is on the side of the body.
struct TransitHeights {
    double upperKm;
    double lowerKm;
};
TransitHeights transitHeights(const BodyAtPlace& body, double latDeg);

/// The mean synodic month, from new Moon to new Moon [days] (J. Meeus,
/// Astronomical Algorithms, 2nd ed., ch. 49, for 2000).
inline constexpr double kSynodicMonthDays = 29.530588861;

/// What the cause view plays through at one press.
enum class PlaySpan {
    Day,      ///< 24 hours
    Lunation, ///< a synodic month (kSynodicMonthDays)
};
/// The steps of a drawing of `mode` that cover `span` (whole steps, at least one).
int stepsOfSpan(PlotMode mode, PlaySpan span);

/// Where `step` stands in `record`: its drawing and its index there; nothing
/// when it is not one of the record's steps.
std::optional<DrawingRecord::StepIndex> indexOfStep(const DrawingRecord& record,
                                                    const RecordedStep* step);

/// The Sun and the Moon at the moment and place of a recorded step, evaluated
/// with the inputs the step was drawn with (evaluationInput), so that the
/// heights are the step's Ssea and Msea.
Cause causeOfStep(const Drawing& drawing, const RecordedStep& step);

} // namespace veltaro::plot
