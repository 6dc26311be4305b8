// Refused input in words: every reason the programs give, in one place.
#include "cli/refusal.h"

#include "calendar/clockchoice.h"
#include "calendar/daterange.h"
#include "calendar/input.h"
#include "cli/eventkinds.h"

#include <QStringList>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace veltaro::cli {

namespace {

// Longest echo of a typed text, and longest line, in a refusal [characters].
constexpr qsizetype kLongestEcho = 40;
constexpr qsizetype kLongestLine = 240;

/// `text` cut to `length` characters with "…" after it, never inside a
/// surrogate pair; as it is when it is not longer.
QString shortened(const QString& text, qsizetype length) {
    if (text.size() <= length) {
        return text;
    }
    if (text[length - 1].isHighSurrogate()) {
        --length;
    }
    return text.left(length) + QChar(0x2026);
}

/// Control characters (and the Unicode line breaks) written as escapes, so
/// whatever was typed stays on one line: \n, \r, \t, \x1b, \u2028.
QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            out += u"\\n";
        } else if (u == u'\r') {
            out += u"\\r";
        } else if (u == u'\t') {
            out += u"\\t";
        } else if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QChar(u'0'));
        } else if (u == 0x2028 || u == 0x2029) {
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QChar(u'0'));
        } else {
            out += c;
        }
    }
    return out;
}

/// What a refusal is about and why, in words.
struct Words {
    QString what; ///< when the refusal names no option and echoes nothing
    QString reason;
};

std::atomic<ToolLanguage> g_language{ToolLanguage::English};

/// "(see veltaro-tide run --help)"
QString seeHelp(ToolLanguage l, const QString& program, const QString& command) {
    const QString help = command.isEmpty() ? program : program + u' ' + command;
    return say(l, "(see %1 --help)", "（%1 --help を参照）").arg(help);
}

QString commandList(ToolLanguage l, const QString& program) {
    return say(l, "the commands are moment, day, run, plot and phases %1",
               "コマンドは moment、day、run、plot、phases です%1")
        .arg(seeHelp(l, program, {}));
}

QString modeList(ToolLanguage l) {
    QString list;
    for (std::size_t i = 0; i < plot::kModes.size(); ++i) {
        if (i > 0) {
            list += i + 1 < plot::kModes.size() ? say(l, ", ", "、") : say(l, " or ", "、");
        }
        list += QLatin1String(plot::kModes[i].option);
    }
    return list;
}

/// The clocks a --clock takes; local mean time only where the command has a place.
enum class LocalClock { Offered, NotOffered };

QString clockList(ToolLanguage l, LocalClock local) {
    return (local == LocalClock::Offered
                ? say(l, "local, jst, ut, or +HH:MM or -HH:MM ahead of UT up to %1:00",
                      "local、jst、ut、または UT からの時差 +HH:MM か -HH:MM（%1:00 まで）")
                : say(l, "jst, ut, or +HH:MM or -HH:MM ahead of UT up to %1:00",
                      "jst、ut、または UT からの時差 +HH:MM か -HH:MM（%1:00 まで）"))
        .arg(kMostClockOffsetMinutes / 60);
}

} // namespace

QString say(ToolLanguage language, const char* english, const char* japanese) {
    return QString::fromUtf8(language == ToolLanguage::Japanese ? japanese : english);
}

QString say(const char* english, const char* japanese) {
    return say(toolLanguage(), english, japanese);
}

ToolLanguage languageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value != nullptr && *value != '\0') {
            return std::strncmp(value, "ja", 2) == 0 ? ToolLanguage::Japanese
                                                     : ToolLanguage::English;
        }
    }
    return ToolLanguage::English;
}

namespace {

struct LanguageCode {
    const char* code;
    ToolLanguage language;
};
constexpr LanguageCode kLanguageCodes[] = {{"ja", ToolLanguage::Japanese},
                                           {"en", ToolLanguage::English}};

} // namespace

std::optional<ToolLanguage> languageOfCode(const QString& code) {
    for (const LanguageCode& row : kLanguageCodes) {
        if (code == QLatin1String(row.code)) {
            return row.language;
        }
    }
    return std::nullopt;
}

QString toolLanguageCodes() {
    QStringList codes;
    for (const LanguageCode& row : kLanguageCodes) {
        codes << QLatin1String(row.code);
    }
    return codes.join(QStringLiteral(", "));
}

ToolLanguage toolLanguage() {
    return g_language.load();
}

void setToolLanguage(ToolLanguage language) {
    g_language.store(language);
}

QString inputReason(const plot::RequestRefusal& refusal, ToolLanguage l) {
    switch (refusal.problem) {
    case InputProblem::None:
        break;
    case InputProblem::Date:
        return say(l, "no such date (the month must be 1..12 and the day within the month).",
                   "その日付はありません（月は 1〜12、日はその月の日数まで）。");
    case InputProblem::DateRange:
        return say(l, "outside the dates drawn, %1-01-01 to %2-12-31.",
                   "描ける日付（%1-01-01 から %2-12-31 まで）の外です。")
            .arg(kFirstYear)
            .arg(kLastYear);
    case InputProblem::LonNotNumber:
        return say(l, "not a number of degrees (139.7447, or D:M:S 139:44:41).",
                   "度の数ではありません（139.7447、または 度:分:秒 139:44:41）。");
    case InputProblem::LatNotNumber:
        return say(l, "not a number of degrees (35.6544, or D:M:S 35:39:16).",
                   "度の数ではありません（35.6544、または 度:分:秒 35:39:16）。");
    case InputProblem::LonRange:
        return say(l, "beyond 180 degrees east or west (-180..180).",
                   "東西 180 度を超えています（-180〜180）。");
    case InputProblem::LatRange:
        return say(l, "beyond 90 degrees north or south (-90..90).",
                   "南北 90 度を超えています（-90〜90）。");
    case InputProblem::ContDays:
        return say(l, "not a whole number of days from 1 to %1.",
                   "1 から %1 までの整数の日数ではありません。")
            .arg(kMostContinuousDays);
    case InputProblem::ContinuousReach:
        return (refusal.longestDays == 1
                    ? say(l,
                          "the drawing would run past %1-12-31; from this date it may draw at "
                          "most %2 day.",
                          "描画が %1-12-31 を越えます。この日付からは %2 日まで描けます。")
                    : say(l,
                          "the drawing would run past %1-12-31; from this date it may draw at "
                          "most %2 days.",
                          "描画が %1-12-31 を越えます。この日付からは %2 日まで描けます。"))
            .arg(kLastYear)
            .arg(refusal.longestDays);
    }
    return say(l, "refused.", "受け付けられません。");
}

namespace {

Words wordsFor(const QString& program, const Refusal& r, ToolLanguage l) {
    if (const auto* input = std::get_if<plot::RequestRefusal>(&r.why)) {
        return {{}, inputReason(*input, l)};
    }
    const QString command = say(l, "command", "コマンド");
    switch (std::get<Complaint>(r.why)) {
    case Complaint::NoCommand:
        return {command, say(l, "missing; %1.", "ありません。%1。").arg(commandList(l, program))};
    case Complaint::UnknownCommand:
        return {{},
                say(l, "unknown command; %1.", "不明なコマンドです。%1。")
                    .arg(commandList(l, program))};
    case Complaint::UnknownOption:
        return {{},
                say(l, "unknown option %1.", "不明なオプションです%1。")
                    .arg(seeHelp(l, program, r.command))};
    case Complaint::MissingValue:
        return {
            {},
            say(l, "wants a value %1.", "値がありません%1。").arg(seeHelp(l, program, r.command))};
    case Complaint::UnexpectedValue:
        return {
            {},
            say(l, "takes no value %1.", "値をとりません%1。").arg(seeHelp(l, program, r.command))};
    case Complaint::StrayArgument:
        return {
            {},
            say(l, "unexpected argument: %1 takes options only %2.",
                "余分な引数です。%1 はオプションだけをとります%2。")
                .arg(r.command.isEmpty() ? program : r.command, seeHelp(l, program, r.command))};
    case Complaint::MissingOption:
        return {{},
                say(l, "missing; %1 wants %2.", "ありません。%1 には %2 が要ります。")
                    .arg(r.command, r.detail)};
    case Complaint::NotUtf8:
        return {{}, say(l, "not valid UTF-8.", "正しい UTF-8 ではありません。")};
    case Complaint::NotDate:
        return {{}, say(l, "not a date YYYY-MM-DD.", "日付 YYYY-MM-DD ではありません。")};
    case Complaint::NotAngle:
        return {{},
                say(l, "neither decimal degrees (139.7447) nor D:M:S (139:44:41).",
                    "10 進の度（139.7447）でも 度:分:秒（139:44:41）でもありません。")};
    case Complaint::NotTime:
        return {{},
                say(l, "not a time HH:MM from 00:00 to 23:59.",
                    "00:00 から 23:59 までの時刻 HH:MM ではありません。")};
    case Complaint::NoSuchMode:
        return {{},
                say(l, "no such mode; %1.", "そのモードはありません。%1 のいずれかです。")
                    .arg(modeList(l))};
    case Complaint::NoSuchUnit:
        return {{},
                say(l, "no such unit; km, m or cm.",
                    "その単位はありません。km、m、cm のいずれかです。")};
    case Complaint::NoSuchClock:
    case Complaint::NoSuchPlacelessClock:
        return {{},
                say(l, "no such clock; %1.", "その時計はありません。%1 のいずれかです。")
                    .arg(clockList(l, std::get<Complaint>(r.why) == Complaint::NoSuchClock
                                          ? LocalClock::Offered
                                          : LocalClock::NotOffered))};
    case Complaint::NoSuchKind:
        return {{},
                say(l, "no such kind; %1, separated by commas.",
                    "その種類はありません。%1 をコンマで区切って指定します。")
                    .arg(eventKindList())};
    case Complaint::NoSuchLook:
        return {{},
                say(l, "no such look; standard or presentation.",
                    "その見た目はありません。standard か presentation です。")};
    case Complaint::NoPlaceForLocalClock:
        return {{},
                say(l,
                    "%1 has no place, so no local mean time; jst, ut, or +HH:MM or -HH:MM ahead "
                    "of UT.",
                    "%1 には観測地点がないので地方平均時は使えません。jst、ut、または UT "
                    "からの時差 +HH:MM か -HH:MM です。")
                    .arg(r.command)};
    case Complaint::DaysWithoutDayMode:
        return {{},
                say(l, "only with --mode day (60 and year draw one pass).",
                    "--mode day のときだけ指定できます（60 と year は一度だけ描きます）。")};
    case Complaint::NotPictureName:
        return {{},
                say(l, "the name must end in .png, .jpg, .jpeg, .svg or .pdf.",
                    "名前は .png、.jpg、.jpeg、.svg か .pdf で終えてください。")};
    case Complaint::ToBeforeFrom:
        return {{},
                say(l, "before --from '%1'.", "--from '%1' より前です。")
                    .arg(shortened(r.detail, kLongestEcho))};
    case Complaint::NotPlotCommand:
        return {command,
                say(l, "this program runs only the plot command of veltaro-tide %1.",
                    "このプログラムは veltaro-tide の plot コマンドだけを実行します%1。")
                    .arg(seeHelp(l, QStringLiteral("veltaro-tide"), QStringLiteral("plot")))};
    case Complaint::NoSuchLanguage:
        return {{},
                say(l, "no such language; %1.", "その言語はありません。%1 のいずれかです。")
                    .arg(r.detail)};
    }
    return {say(l, "input", "入力"), say(l, "refused.", "受け付けられません。")};
}

} // namespace

QString echoed(const QString& text, qsizetype length) {
    return escaped(shortened(text, length));
}

QString refusalLine(const QString& program, const Refusal& refusal, ToolLanguage language) {
    const Words words = wordsFor(program, refusal, language);
    QString what = echoed(refusal.option, kLongestEcho);
    if (refusal.typed) {
        what += QLatin1String(what.isEmpty() ? "'" : " '") + echoed(*refusal.typed, kLongestEcho) +
                u'\'';
    }
    if (what.isEmpty()) {
        what = words.what;
    }
    return shortened(program + QStringLiteral(": ") + what + QStringLiteral(": ") +
                         escaped(words.reason),
                     kLongestLine);
}

int refuse(const Refusal& refusal) {
    std::fprintf(
        stderr, "%s\n",
        refusalLine(QStringLiteral("veltaro-tide"), refusal, toolLanguage()).toUtf8().constData());
    return kBadInput;
}

} // namespace veltaro::cli
