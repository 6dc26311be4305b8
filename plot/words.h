#pragma once

// The words of the drawing, in the language of the installed translation.
// The layers below report what happened as values: a refused box's problem and
// its numbers, a step's moment and heights, a mark's kind, a mode, a clock.
// Here, and only here, they become the sentences that the window, the saved
// pictures and the tool show. The Japanese source texts are the program's own;
// another language is a translation of the context kWordsContext.

#include "calendar/clockchoice.h"
#include "calendar/input.h"
#include "plot/csvformat.h"
#include "plot/drawingrecord.h"
#include "plot/plotrequest.h"
#include "plot/readout.h"
#include "plot/tidename.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <vector>

namespace veltaro::plot {

/// `pattern` with each %1 .. %9 replaced by that argument, so that a
/// translation may put the values in its own order or leave some out
/// ("%1年%2月%3日" and "%1-%4-%5" from the same five).
QString filled(const QString& pattern, std::initializer_list<QString> args);

/// A word marked VELTARO_WORD (a mode's, a clock's, a tide's, a mark's name,
/// a unit), in the language in use.
QString said(const char* word);

/// Why a drawing stopped when its evaluation met an arithmetic fault.
QString arithmeticFaultMessage();

/// Title of every input-error message box: "入力エラー".
QString inputErrorTitle();
/// What is wrong with typed input, with the limits it names; empty for None.
/// ContinuousReach names the days left: continuousReachMessage.
QString inputMessage(InputProblem problem);
/// Refuses a continuous drawing that would run past the last accepted date,
/// naming that date and `longestDays`, the most days from the chosen start.
QString continuousReachMessage(int longestDays);
/// The message of a refused request (inputMessage or continuousReachMessage).
QString refusalMessage(const RequestRefusal& refusal);

/// The mode as the window's option buttons word it: "日周変化".
QString modeName(PlotMode mode);
/// Every mode's name, for the comment lines of a CSV.
ModeNames modeNames();
/// The 13 captions of the time axis of `mode`: "0時" .. "24時", "0日" .. "360日".
QStringList axisCaptions(PlotMode mode);
/// A clock's short name, as it follows a time: "地方時", "ＪＳＴ", "UT+05:30".
QString clockShortName(const ClockChoice& clock);
/// A clock's full name: "地方平均時（観測地の子午線）", "UT+05:30（UTからの時差）".
QString clockFullName(const ClockChoice& clock);
/// A day's tide name: "大潮".
QString tideName(TideName name);
/// "2027年1月6日".
QString dateText(int year, int month, int day);

/// One line naming a drawing: mode, start date and period, place, and whether
/// it was stopped, and the clock of its times: "日周変化　2002年8月16日から3日間（重ね描き）
/// 観測地点 35°39′16″N 139°44′41″E　時刻 日本標準時（ＪＳＴ）".
QString drawingTitle(const Drawing& drawing);

/// A step in words: its moment on the drawing's clock (the time in a one-day
/// diurnal graph, with 24:00 for its last step; the date too in a continuous
/// drawing, where 24:00 belongs to the day it ends; date and time in the others)
/// and the heights the Sun, the Moon and both raise [cm, one decimal]:
/// "12:05 ＪＳＴ　太陽 12.3 cm　月 -20.1 cm　太陽＋月 -7.8 cm".
QString stepText(const Drawing& drawing, const RecordedStep& step);
/// What a Moon picture shows: the Sun-to-Moon angle its tooltip gives, the
/// moment, the phase on the 28-day scale (月相) and the Moon's age (月齢):
/// "太陽から月までの角度 92.40°（赤道に沿って東回り）　2002年8月16日 0:00
/// 地方時　月相 7.2　月齢 7.6日".
QString moonText(const Drawing& drawing, const RecordedStep& step);
/// "● 新月　○ 満月": the signs and names of `kinds`, for a legend.
QString markLegend(std::initializer_list<MarkKind> kinds);
/// A mark with its moment on the drawing's clock, and the Moon's distance or
/// declination there: "● 新月 2002年8月9日 4:15 地方時",
/// "◆ 近地点 2026年12月24日 18:17 ＪＳＴ　距離 357,000 km".
QString markText(const Drawing& drawing, const AxisMark& mark);

/// What the diurnal graph says of the days `days` it drew: the one day's name
/// and day of the lunar month ("8月16日 中潮（旧暦9日）"), or the days where the
/// name changes (the first and the last of them only, when there are more than
/// three).
QString tideDaysText(const std::vector<TideDay>& days);

/// What the graph reads at the cursor: the step found by stepAt (the cursor line
/// stands at its t) and its text, the tide name of its day on the drawing's
/// clock ("潮名 中潮（旧暦5日）"), then the text of the mark nearest to x within
/// `markReach`, which `mark` holds alone (empty when there is none).
struct GraphReading {
    int t;
    QString text;
    const RecordedStep* step = nullptr;
    QString mark{};
};
std::optional<GraphReading> readGraph(const DrawingRecord& record, const GraphPoint& at,
                                      double markReach);
/// What Moon picture k reads (moonText of moonStepAt); nothing when it shows nothing.
std::optional<QString> readMoonPicture(const DrawingRecord& record, int k);

} // namespace veltaro::plot
