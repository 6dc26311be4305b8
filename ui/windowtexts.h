#pragma once

#include "calendar/clockchoice.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace veltaro::plot {
struct RoomRefusal;
}

namespace veltaro::ui {

/// The window's sentences that are made from values: what the place boxes
/// will be drawn as and why a drawing does not fit on the graph.
class WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(WindowTexts)
public:
    /// The place to be drawn and the clock: "観測地点 東経 139°44′41″　北緯
    /// 35°39′16″　時刻 地方平均時（観測地の子午線）". A box that cannot be read
    /// (no value) gives a request to check the boxes instead.
    static QString placeNote(std::optional<double> lonDeg, std::optional<double> latDeg,
                             const ClockChoice& clock);
    /// Why a drawing does not fit on the graph, with its numbers.
    static QString roomRefusal(const plot::RoomRefusal& full);
};

} // namespace veltaro::ui
