// The record of what the graph shows.
#include "plot/drawingrecord.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace veltaro::plot {

Pole nearerPole(double latDeg) {
    return latDeg < 0 ? Pole::South : Pole::North;
}

double moonDrawnAngleRad(double msangleRad, double latDeg, MoonView view) {
    const bool mirrored = nearerPole(latDeg) == Pole::South && view == MoonView::AsSeenThere;
    return mirrored ? 2 * std::numbers::pi - msangleRad : msangleRad;
}

Moment RecordedStep::moment() const {
    return Moment{t, double(year), double(month), double(day), double(hour), double(minute)};
}

int Drawing::lastT() const {
    if (steps.empty()) {
        return -1;
    }
    // t grows through a pass; a continuous drawing that began a second pass
    // finished the first.
    return steps.size() >= std::size_t(stepsPerPass(mode())) ? kLastT : steps.back().t;
}

void DrawingRecord::beginDrawing(const PlotRequest& request, int expectedSteps) {
    Drawing& d = m_drawings.emplace_back();
    d.request = normalized(request);
    d.steps.reserve(static_cast<std::size_t>(std::max(expectedSteps, 0)));
    d.marks = axisMarks(d.request);
    m_open = true;
    tell(RecordChange::Grew);
}

void DrawingRecord::addStep(const Moment& m, const astro::TideEvaluation& e) {
    if (m_drawings.empty()) {
        return;
    }
    auto& steps = m_drawings.back().steps;
    steps.push_back(RecordedStep{e.Ssea, e.Msea, e.MSangle, e.MSGangle,
                                 static_cast<std::int16_t>(m.t), static_cast<std::int16_t>(m.year),
                                 static_cast<std::int8_t>(m.month), static_cast<std::int8_t>(m.day),
                                 static_cast<std::int8_t>(m.hour),
                                 static_cast<std::int8_t>(m.minute)});
    if (m.t % kColumn == 0 && m.t >= 0 && m.t <= kLastT) {
        m_moonPictures[static_cast<std::size_t>(m.t / kColumn)] =
            StepIndex{m_drawings.size() - 1, steps.size() - 1};
    }
}

void DrawingRecord::endDrawing(bool ranToEnd) {
    if (m_drawings.empty()) {
        return;
    }
    m_open = false;
    Drawing& d = m_drawings.back();
    d.ended = ranToEnd;
    if (!ranToEnd) {
        d.steps.shrink_to_fit();
    }
    tell(RecordChange::Grew);
}

void DrawingRecord::clear() {
    m_drawings.clear();
    m_drawings.shrink_to_fit();
    m_open = false;
    m_moonPictures = {};
    tell(RecordChange::Cleared);
}

int DrawingRecord::observe(Observer observer) const {
    m_observers.emplace_back(m_nextObserver, std::move(observer));
    return m_nextObserver++;
}

void DrawingRecord::unobserve(int id) const {
    std::erase_if(m_observers, [id](const auto& o) { return o.first == id; });
}

void DrawingRecord::publishGrowth() {
    tell(RecordChange::Grew);
}

void DrawingRecord::tell(RecordChange change) {
    // A copy: an observer may start or stop observing meanwhile.
    const auto observers = m_observers;
    for (const auto& [id, observer] : observers) {
        observer(change);
    }
}

bool DrawingRecord::empty() const {
    return stepCount() == 0;
}

std::size_t DrawingRecord::stepCount() const {
    std::size_t n = 0;
    for (const Drawing& d : m_drawings) {
        n += d.steps.size();
    }
    return n;
}

std::optional<DrawingRecord::StepIndex> DrawingRecord::moonPictureStep(int k) const {
    if (k < 0 || k >= kMoonPictures) {
        return std::nullopt;
    }
    return m_moonPictures[static_cast<std::size_t>(k)];
}

std::optional<double> DrawingRecord::moonAngleRad(int k) const {
    const auto at = moonPictureStep(k);
    if (!at) {
        return std::nullopt;
    }
    return m_drawings[at->drawing].steps[at->step].MSangle;
}

std::optional<double> DrawingRecord::moonDrawnAngleRad(int k, MoonView view) const {
    const auto at = moonPictureStep(k);
    if (!at) {
        return std::nullopt;
    }
    const Drawing& d = m_drawings[at->drawing];
    return plot::moonDrawnAngleRad(d.steps[at->step].MSangle, d.request.start.lat, view);
}

std::optional<double> DrawingRecord::moonTooltipAngleRad(int k) const {
    const auto at = moonPictureStep(k);
    if (!at || m_drawings.empty()) {
        return std::nullopt;
    }
    // A 60-day or annual drawing empties every tooltip when it starts.
    if (modeDefinition(m_drawings.back().mode()).emptiesTooltips &&
        at->drawing + 1 != m_drawings.size()) {
        return std::nullopt;
    }
    return m_drawings[at->drawing].steps[at->step].MSangle;
}

std::optional<PlotMode> DrawingRecord::axisMode() const {
    if (m_drawings.empty()) {
        return std::nullopt;
    }
    return m_drawings.back().mode();
}

std::size_t DrawingRecord::bytes() const {
    std::size_t n = sizeof *this + m_drawings.capacity() * sizeof(Drawing);
    for (const Drawing& d : m_drawings) {
        n += d.steps.capacity() * sizeof(RecordedStep) + d.marks.capacity() * sizeof(AxisMark);
    }
    return n;
}

std::optional<RoomRefusal> roomRefusal(const DrawingRecord& record, const PlotRequest& request) {
    const std::size_t held = record.stepCount();
    const auto asked = static_cast<std::size_t>(plannedSteps(request));
    if (held + asked <= kMostRecordedSteps) {
        return std::nullopt;
    }
    const int mostDays =
        static_cast<int>(kMostRecordedSteps / std::size_t(stepsPerPass(PlotMode::Diurnal)));
    const auto reason =
        asked > kMostRecordedSteps ? RoomRefusal::Reason::TooLong : RoomRefusal::Reason::ClearFirst;
    return RoomRefusal{reason, held, asked, kMostRecordedSteps, mostDays};
}

RecordSink::RecordSink(DrawingRecord& record, const PlotRequest& request) : m_record(record) {
    m_record.beginDrawing(request, plannedSteps(request));
}

void RecordSink::step(PlotMode, const Moment& moment, const astro::TideEvaluation& e) {
    m_record.addStep(moment, e);
}

void RecordSink::finish(bool ranToEnd) {
    m_record.endDrawing(ranToEnd);
}

// --- in words ---------------------------------------------------------------------

std::string dmsText(double degrees, bool latitude) {
    const long long seconds = std::llround(std::abs(degrees) * 3600);
    const char hemisphere = latitude ? (degrees < 0 ? 'S' : 'N') : (degrees < 0 ? 'W' : 'E');
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld°%02lld′%02lld″%c", seconds / 3600, seconds / 60 % 60,
                  seconds % 60, hemisphere);
    return buffer;
}

std::string placeText(double lat, double lon) {
    return dmsText(lat, true) + " " + dmsText(lon, false);
}

std::string isoDate(double year, double month, double day) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return buffer;
}

bool startsFreshGraph(const DrawingRecord& record, const PlotRequest& request) {
    const auto& drawings = record.drawings();
    if (drawings.empty()) {
        return false;
    }
    const PlotRequest& last = drawings.back().request;
    return last.mode != request.mode || last.clock != request.clock;
}

} // namespace veltaro::plot
