#pragma once

#include "calendar/clockchoice.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <string_view>

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

    /// A word the drawing made (marked VELTARO_WORD in plot/), in the language
    /// in use; a text that is no such word (a number) as it is.
    static QString plotWord(std::string_view word);
    /// The clock's names of plot::clockShortName and plot::clockFullName, in
    /// the language in use.
    static QString clockShortName(const ClockChoice& clock);
    /// A caption of the time axis as the drawing words it, a number and its
    /// unit ("2時", "30日"), with the unit in the language in use.
    static QString axisCaption(const QString& caption);
    static QString clockFullName(const ClockChoice& clock);
};

} // namespace veltaro::ui
