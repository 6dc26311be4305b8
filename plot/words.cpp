// The drawing's sentences, made from the values the layers below report.
#include "plot/words.h"

#include "calendar/daterange.h"
#include "calendar/words.h"
#include "plot/plotrun.h"

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace veltaro::plot {

namespace {

QString say(const char* source) {
    return QCoreApplication::translate(kWordsContext, source);
}

/// What stands between two parts of a line: an ideographic space in Japanese.
QString gap() {
    return say(QT_TRANSLATE_NOOP("veltaro::words", "　"));
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString twoDigits(int n) {
    return u"%1"_s.arg(n, 2, 10, QLatin1Char('0'));
}

QString clockText(int hour, int minute) {
    return u"%1:%2"_s.arg(hour).arg(twoDigits(minute));
}

/// A height [km] in centimetres with one decimal; a value that rounds to zero
/// is shown without a sign.
QString centimetres(double km) {
    constexpr double kCmPerKm = 1e5;
    const double cm = std::round(km * kCmPerKm * 10) / 10 + 0.0;
    return fromUtf8(fixedText(cm == 0 ? 0.0 : cm, 1)) + u" cm"_s;
}

QString momentText(const RecordedStep& s) {
    return dateText(s.year, s.month, s.day) + u' ' + clockText(s.hour, s.minute);
}

bool severalDays(const Drawing& d) {
    return d.request.continuous && d.request.days > 1;
}

/// "　潮名 中潮（旧暦5日）"; empty where the day's name cannot be found.
QString tideNameText(const Drawing& drawing, const RecordedStep& s) {
    const auto day = tideDayOf(drawing, s);
    if (!day) {
        return {};
    }
    return filled(say(QT_TRANSLATE_NOOP("veltaro::words", "　潮名 %1（旧暦%2日）")),
                  {tideName(day->name), QString::number(day->lunarDay)});
}

/// A whole number with a comma every three digits: "357,123".
QString groupedThousands(long long value) {
    QString digits = QString::number(value);
    for (auto at = digits.size() - 3; at > (value < 0 ? 1 : 0); at -= 3) {
        digits.insert(at, u',');
    }
    return digits;
}

/// The date of a Julian day number as "8月16日"; a translation may take the
/// month and the day with two digits (%3, %4).
QString monthDay(long dayNumber) {
    using namespace std::chrono;
    constexpr long kUnixEpoch = 2440588; // 1970-01-01
    const year_month_day date{sys_days{days{dayNumber - kUnixEpoch}}};
    const unsigned month = unsigned(date.month());
    const unsigned day = unsigned(date.day());
    return filled(
        say(QT_TRANSLATE_NOOP("veltaro::words", "%1月%2日")),
        {QString::number(month), QString::number(day), twoDigits(int(month)), twoDigits(int(day))});
}

} // namespace

QString filled(const QString& pattern, std::initializer_list<QString> args) {
    const std::vector<QString> values(args);
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const auto n = static_cast<std::size_t>(next.unicode() - u'1');
        if (pattern[i] == u'%' && next >= u'1' && next <= u'9' && n < values.size()) {
            out += values[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

QString said(const char* word) {
    return say(word);
}

QString arithmeticFaultMessage() {
    return say(QT_TRANSLATE_NOOP("veltaro::words",
                                 "計算中に数値の異常が起きたため、描画を中止しました。"));
}

QString inputErrorTitle() {
    return say(QT_TRANSLATE_NOOP("veltaro::words", "入力エラー"));
}

QString inputMessage(InputProblem problem) {
    switch (problem) {
    case InputProblem::None:
        return {};
    case InputProblem::Date:
        return say(QT_TRANSLATE_NOOP("veltaro::words", "日付の数値が不適切です。"));
    case InputProblem::DateRange:
        return say(QT_TRANSLATE_NOOP(
                       "veltaro::words",
                       "日付は%1年1月1日から%2年12月31日までの範囲で入力してください。"))
            .arg(kFirstYear)
            .arg(kLastYear);
    case InputProblem::LonNotNumber:
        return say(
            QT_TRANSLATE_NOOP("veltaro::words", "経度の度・分・秒に数値を入力してください。"));
    case InputProblem::LatNotNumber:
        return say(
            QT_TRANSLATE_NOOP("veltaro::words", "緯度の度・分・秒に数値を入力してください。"));
    case InputProblem::LonRange:
        return say(QT_TRANSLATE_NOOP("veltaro::words",
                                     "経度は西経180度から東経180度までの範囲で入力してください。"));
    case InputProblem::LatRange:
        return say(QT_TRANSLATE_NOOP("veltaro::words",
                                     "緯度は南緯90度から北緯90度までの範囲で入力してください。"));
    case InputProblem::ContDays:
        return say(QT_TRANSLATE_NOOP("veltaro::words",
                                     "連続描画の日数は1から%1までの整数で入力してください。"))
            .arg(kMostContinuousDays);
    case InputProblem::ContinuousReach:
        break; // its text names the days: continuousReachMessage
    }
    return {};
}

QString continuousReachMessage(int longestDays) {
    return say(QT_TRANSLATE_NOOP("veltaro::words", "連続描画で描けるのは%1年12月31日までです。"
                                                   "この開始日からは最大%2日分まで描画できます。"))
        .arg(kLastYear)
        .arg(longestDays);
}

QString refusalMessage(const RequestRefusal& refusal) {
    if (refusal.problem == InputProblem::ContinuousReach) {
        return continuousReachMessage(refusal.longestDays);
    }
    return inputMessage(refusal.problem);
}

QString modeName(PlotMode mode) {
    return say(modeDefinition(mode).name);
}

ModeNames modeNames() {
    ModeNames names;
    for (const ModeDefinition& m : kModes) {
        names[static_cast<std::size_t>(m.mode)] = modeName(m.mode).toStdString();
    }
    return names;
}

QStringList axisCaptions(PlotMode mode) {
    const ModeDefinition& m = modeDefinition(mode);
    const QString unit = say(m.captionUnit);
    QStringList captions;
    for (int h = 0; h < kMoonPictures; ++h) {
        captions << QString::number(m.captionStep * h) + unit;
    }
    return captions;
}

QString clockShortName(const ClockChoice& clock) {
    return say(clockShortWord(clock).c_str());
}

QString clockFullName(const ClockChoice& clock) {
    switch (clock.kind) {
    case ClockKind::LocalMean:
        return say(QT_TRANSLATE_NOOP("veltaro::words", "地方平均時（観測地の子午線）"));
    case ClockKind::Jst:
        return say(QT_TRANSLATE_NOOP("veltaro::words", "日本標準時（ＪＳＴ）"));
    case ClockKind::Ut:
        return say(QT_TRANSLATE_NOOP("veltaro::words", "世界時（ＵＴ）"));
    case ClockKind::Offset:
        break;
    }
    return clockShortName(clock) + say(QT_TRANSLATE_NOOP("veltaro::words", "（UTからの時差）"));
}

QString tideName(TideName name) {
    return say(tideNameDefinition(name).word);
}

QString dateText(int year, int month, int day) {
    // A translation may take the month and the day with two digits (%4, %5)
    // for an ISO date.
    return filled(say(QT_TRANSLATE_NOOP("veltaro::words", "%1年%2月%3日")),
                  {QString::number(year), QString::number(month), QString::number(day),
                   twoDigits(month), twoDigits(day)});
}

QString drawingTitle(const Drawing& drawing) {
    const PlotRequest& r = drawing.request;
    const ObservationInput& in = r.start;
    const int month = static_cast<int>(in.month);
    const int day = static_cast<int>(in.day);
    // %5 and %6 are the month and the day with two digits, for an ISO date.
    QString title =
        filled(say(QT_TRANSLATE_NOOP("veltaro::words", "%1　%2年%3月%4日")),
               {modeName(r.mode), QString::number(static_cast<int>(in.year)),
                QString::number(month), QString::number(day), twoDigits(month), twoDigits(day)});
    switch (r.mode) {
    case PlotMode::Diurnal:
        if (r.continuous && r.days > 1) {
            title += say(QT_TRANSLATE_NOOP("veltaro::words", "から%1日間（重ね描き）")).arg(r.days);
        }
        break;
    case PlotMode::SixtyDay:
        title += say(QT_TRANSLATE_NOOP("veltaro::words", "から60日間"));
        break;
    case PlotMode::Annual:
        title += say(QT_TRANSLATE_NOOP("veltaro::words", "から360日間"));
        break;
    }
    if (!drawing.ended) {
        title += say(QT_TRANSLATE_NOOP("veltaro::words", "（途中で中止）"));
    }
    return title + filled(say(QT_TRANSLATE_NOOP("veltaro::words", "　観測地点 %1　時刻 %2")),
                          {fromUtf8(placeText(in.lat, in.lon)), clockFullName(r.clock)});
}

QString stepText(const Drawing& drawing, const RecordedStep& s) {
    QString moment;
    if (drawing.mode() == PlotMode::Diurnal) {
        // The last step evaluates 24:00, which the clock has already carried
        // into 0:00 of the next day.
        const bool end = s.t == kLastT;
        moment = end ? clockText(24, 0) : clockText(s.hour, s.minute);
        if (severalDays(drawing)) {
            const CalendarDate date = end ? dayBefore(s) : CalendarDate{s.year, s.month, s.day};
            moment = dateText(date.year, date.month, date.day) + u' ' + moment;
        }
    } else {
        moment = momentText(s);
    }
    moment += u' ' + clockShortName(drawing.request.clock);
    return moment +
           filled(say(QT_TRANSLATE_NOOP("veltaro::words", "　太陽 %1　月 %2　太陽＋月 %3")),
                  {centimetres(s.Ssea), centimetres(s.Msea), centimetres(s.total())});
}

QString moonText(const Drawing& drawing, const RecordedStep& s) {
    QString text = filled(
        say(QT_TRANSLATE_NOOP("veltaro::words",
                              "太陽から月までの角度 %1°（赤道に沿って東回り）　%2 %3　月相 %4")),
        {fromUtf8(moonAngleText(s.MSangle)), momentText(s), clockShortName(drawing.request.clock),
         fromUtf8(moonPhaseText(s.MSGangle))});
    if (const auto age = moonAgeOf(drawing, s)) {
        text += filled(say(QT_TRANSLATE_NOOP("veltaro::words", "　月齢 %1日")),
                       {fromUtf8(fixedText(*age, 1))});
    }
    return text;
}

QString markLegend(std::initializer_list<MarkKind> kinds) {
    QStringList legend;
    for (const MarkKind kind : kinds) {
        const MarkWords words = markWords(kind);
        legend << QString::fromUtf8(words.sign) + u' ' + say(words.name);
    }
    return legend.join(gap());
}

QString markText(const Drawing& drawing, const AxisMark& mark) {
    const MarkMoment at = markMoment(drawing, mark);
    const MarkWords words = markWords(mark.kind);
    QString text = QString::fromUtf8(words.sign) + u' ' + say(words.name) + u' ' +
                   dateText(at.year, at.month, at.day) + u' ' + clockText(at.hour, at.minute) +
                   u' ' + clockShortName(drawing.request.clock);
    switch (mark.kind) {
    case MarkKind::NewMoon:
    case MarkKind::FullMoon:
        break;
    case MarkKind::Perigee:
    case MarkKind::Apogee:
        text += filled(say(QT_TRANSLATE_NOOP("veltaro::words", "　距離 %1 km")),
                       {groupedThousands(std::llround(mark.value))});
        break;
    case MarkKind::GreatestNorth:
    case MarkKind::GreatestSouth:
        text += filled(
            say(QT_TRANSLATE_NOOP("veltaro::words", "　赤緯 %1%2°")),
            {mark.value < 0 ? u"−"_s : u"+"_s, fromUtf8(fixedText(std::abs(mark.value), 1))});
        break;
    }
    return text;
}

QString tideDaysText(const std::vector<TideDay>& days) {
    if (days.size() == 1) {
        return say(QT_TRANSLATE_NOOP("veltaro::words", "%1 %2（旧暦%3日）"))
            .arg(monthDay(days.front().dayNumber), tideName(days.front().name))
            .arg(days.front().lunarDay);
    }
    QStringList changes;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i == 0 || days[i].name != days[i - 1].name) {
            changes << monthDay(days[i].dayNumber) + u' ' + tideName(days[i].name);
        }
    }
    if (changes.size() > 3) {
        changes = QStringList{changes.front(), QStringLiteral("…"), changes.back()};
    }
    return changes.join(QStringLiteral(" → "));
}

std::optional<GraphReading> readGraph(const DrawingRecord& record, const GraphPoint& point,
                                      double markReach) {
    const auto at = stepAt(record, point);
    if (!at) {
        return std::nullopt;
    }
    GraphReading reading{at->step->t, stepText(*at->drawing, *at->step), at->step};
    reading.text += tideNameText(*at->drawing, *at->step);
    if (const AxisMark* mark = markNear(*at->drawing, point.x, markReach)) {
        reading.mark = markText(*at->drawing, *mark);
        reading.text += gap() + reading.mark;
    }
    return reading;
}

std::optional<QString> readMoonPicture(const DrawingRecord& record, int k) {
    const auto at = moonStepAt(record, k);
    if (!at) {
        return std::nullopt;
    }
    return moonText(*at->drawing, *at->step);
}

} // namespace veltaro::plot
