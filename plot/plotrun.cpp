// The plot driver: stepping the observation moment through one drawing.
#include "plot/plotrun.h"

#include "astro/fault.h"
#include "astro/timeargs.h"
#include "calendar/calendar.h"
#include "calendar/kansi.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace veltaro::plot {

namespace {

// The value of pi the angle and age texts are scaled with.
constexpr double kPi = 3.14159265358979;

} // namespace

BatchEvaluator oneByOne(Evaluator evaluator) {
    return [evaluator = std::move(evaluator)](std::span<const astro::TideInput> at,
                                              std::span<astro::TideEvaluation> out) {
        astro::BatchOutcome outcome;
        for (; outcome.evaluated < at.size(); ++outcome.evaluated) {
            try {
                out[outcome.evaluated] = evaluator(at[outcome.evaluated]);
            } catch (const ArithmeticFault& fault) {
                outcome.fault = fault.what();
                break;
            }
        }
        return outcome;
    };
}

astro::TideInput tideInputOf(const ObservationState& state) {
    return {state.obsyear,   state.obsmonth, state.obsday, state.obshour,
            state.obsminute, state.obslat,   state.obslon};
}

astro::TideInput evaluationInput(const PlotRequest& request, const Moment& m) {
    const ObservationInput& at = request.start;
    return {m.year, m.month, m.day, m.hour, m.minute + minutesToLocalMean(request.clock, at.lon),
            at.lat, at.lon};
}

int plannedSteps(const PlotRequest& request) {
    return stepsPerPass(request.mode) * normalized(request).days;
}

std::string fixedText(double value, int decimals) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        return {};
    }
    return std::string(buffer, end);
}

std::string moonAngleText(double msangleRad) {
    return fixedText(msangleRad / kPi * 180, 2);
}

std::string moonPhaseText(double msgangleRad) {
    return fixedText(msgangleRad / 2 / kPi * 28, 1);
}

PlotRun::PlotRun(ObservationState& state, const PlotRequest& request, PlotSink& sink,
                 Evaluator evaluator)
    : PlotRun(state, request, sink, oneByOne(std::move(evaluator))) {}

PlotRun::PlotRun(ObservationState& state, const PlotRequest& request, PlotSink& sink,
                 BatchEvaluator evaluator)
    : m_state(state), m_request(request), m_sink(sink), m_evaluator(std::move(evaluator)) {
    // At most the days that end by the last accepted date (callers refuse more
    // with requestRefusal before they start a run).
    m_request = normalized(m_request);
    m_totalSteps = plannedSteps(m_request);
}

void PlotRun::showDayName() {
    m_sink.dayName(kansiOfDay(m_state.kansiname, m_state.jd));
}

void PlotRun::begin() {
    // The inputs, as the boxes gave them.
    const ObservationInput& in = m_request.start;
    m_state.obsyear = in.year;
    m_state.obsmonth = in.month;
    m_state.obsday = in.day;
    m_state.obslon = in.lon;
    m_state.obslat = in.lat;
    leapcheck(m_state.monthdays, m_state.obsyear);

    auto atMidnight = [this] {
        m_state.obsminute = 0;
        m_state.obshour = 0;
    };
    auto dateJd = [this] {
        m_state.jd = astro::julianday(m_state.obsyear, m_state.obsmonth, m_state.obsday, 0, 0);
        showDayName();
    };

    switch (m_request.mode) {
    case PlotMode::SixtyDay:
        m_sink.axisCaptions(m_request.mode);
        m_sink.tooltipsCleared();
        atMidnight();
        dateJd();
        break;
    case PlotMode::Annual:
        m_sink.dayChoiceHidden();
        atMidnight();
        dateJd();
        m_sink.axisCaptions(m_request.mode);
        m_sink.tooltipsCleared();
        break;
    case PlotMode::Diurnal:
        // The tooltips are not emptied: the day's steps rewrite every one.
        m_sink.axisCaptions(m_request.mode);
        dateJd();
        break;
    }
    m_phase = Phase::Steps;
    startDay();
}

void PlotRun::startDay() {
    if (m_request.mode == PlotMode::Diurnal) {
        m_state.obsminute = 0;
        m_state.obshour = 0;
    }
    m_dayStart = Moment{
        0, m_state.obsyear, m_state.obsmonth, m_state.obsday, m_state.obshour, m_state.obsminute};
    m_t = 0;
}

int PlotRun::plan(int count) {
    const ModeDefinition& mode = modeDefinition(m_request.mode);
    const int dt = mode.tPerStep;
    m_moments.clear();
    int planned = 0;
    while (planned < count) {
        const int n = std::min(count - planned, (kLastT - m_t) / dt + 1);
        for (int i = 0; i < n; ++i) {
            m_moments.push_back(Moment{m_t, m_state.obsyear, m_state.obsmonth, m_state.obsday,
                                       m_state.obshour, m_state.obsminute});
            m_state.obshour += mode.hoursPerStep;
            m_state.obsminute += mode.minutesPerStep;
            datecheck(m_state);
            m_t += dt;
        }
        planned += n;
        // A continuous drawing's next day follows in the same batch, so that
        // a batch is not cut short at every day's end; the last pass ends in
        // advance(), after its steps are reported.
        if (m_t <= kLastT || !m_request.continuous || m_dayCount + 1 == m_request.days) {
            break;
        }
        datecheck(m_state);
        ++m_dayCount;
        startDay();
    }
    return planned;
}

std::size_t PlotRun::evaluate(int count) {
    const auto n = static_cast<std::size_t>(count);
    m_inputs.resize(n);
    m_results.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        m_inputs[i] = evaluationInput(m_request, m_moments[i]);
    }
    astro::BatchOutcome outcome = m_evaluator(m_inputs, m_results);
    if (outcome.fault) {
        m_fault = std::move(outcome.fault);
        return outcome.evaluated;
    }
    return n;
}

void PlotRun::report(std::size_t count) {
    const PlotMode mode = m_request.mode;
    for (std::size_t i = 0; i < count; ++i) {
        const Moment& m = m_moments[i];
        const astro::TideEvaluation& e = m_results[i];
        m_state.jd = e.jd; // the evaluation sets the date's Julian day
        m_sink.step(mode, m, e);
        if (m.t % kColumn == 0) {
            m_sink.moonPicture(m.t / kColumn, e.MSangle);
        }
        if (mode == PlotMode::Diurnal && m.t == kLastT / 2) {
            m_sink.moonPhaseAtNoon(e.MSGangle);
        }
        ++m_stepsDone;
    }
}

int PlotRun::advance(int maxSteps) {
    if (m_phase == Phase::Done) {
        return 0;
    }
    if (m_phase == Phase::NotStarted) {
        begin();
    }
    const int planned = plan(std::max(maxSteps, 1));
    const std::size_t good = evaluate(planned);
    report(good);
    if (m_fault) {
        // The run stops at the moment that could not be evaluated.
        const Moment& bad = m_moments[good];
        m_state.obsyear = bad.year;
        m_state.obsmonth = bad.month;
        m_state.obsday = bad.day;
        m_state.obshour = bad.hour;
        m_state.obsminute = bad.minute;
        m_phase = Phase::Done;
        return static_cast<int>(good);
    }
    if (m_t > kLastT) {
        endOfPass();
    }
    return planned;
}

void PlotRun::endOfPass() {
    // The last pass: plan() has moved a continuous drawing past every earlier one.
    if (m_request.continuous) {
        datecheck(m_state);
        ++m_dayCount;
        writeBackDate();
    }
    m_phase = Phase::Done;
}

void PlotRun::writeBackDate() {
    m_sink.dateReached(static_cast<int>(m_state.obsyear), static_cast<int>(m_state.obsmonth),
                       static_cast<int>(m_state.obsday));
    m_state.jd = astro::julianday(m_state.obsyear, m_state.obsmonth, m_state.obsday, 0, 0);
    showDayName();
}

void PlotRun::runToEnd() {
    while (!done()) {
        advance(4096);
    }
}

void PlotRun::cancel() {
    if (m_phase == Phase::Done) {
        return;
    }
    m_cancelled = true;
    if (m_phase == Phase::Steps && m_request.continuous && m_dayCount > 0) {
        // As if the whole days drawn so far had been asked for: the moment
        // stands at 00:05 of the day after the last of them.
        m_state.obsyear = m_dayStart.year;
        m_state.obsmonth = m_dayStart.month;
        m_state.obsday = m_dayStart.day;
        m_state.obshour = 0;
        m_state.obsminute = 5;
        writeBackDate();
    }
    m_phase = Phase::Done;
}

} // namespace veltaro::plot
