#include "cli/common.h"

#include "calendar/daterange.h"
#include "cli/helptext.h"
#include "plot/csvnumbers.h"

#include <QRegularExpression>
#include <QStringList>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace veltaro::cli {

int cannotWrite(const QString& path, const QString& reason) {
    // The longest echo of a path [characters], as a refusal's.
    constexpr qsizetype kLongestPath = 40;
    std::fprintf(stderr, "veltaro-tide: cannot write '%s': %s\n",
                 echoed(path, kLongestPath).toUtf8().constData(),
                 echoed(reason, kLongestPath * 4).toUtf8().constData());
    return 1;
}

std::optional<int> takeLanguage(int& argc, char* argv[], std::string& given) {
    setToolLanguage(
        languageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    const std::string_view option = "--lang";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        int taken = 1;
        std::string_view code;
        if (arg == option) {
            if (i + 1 == argc) {
                return refuse({Complaint::MissingValue, QStringLiteral("--lang")});
            }
            code = argv[i + 1];
            taken = 2;
        } else if (arg.substr(0, option.size() + 1) == "--lang=") {
            code = arg.substr(option.size() + 1);
        } else {
            continue;
        }
        const QString text = QString::fromUtf8(code.data(), qsizetype(code.size()));
        const auto language = languageOfCode(text);
        if (!language) {
            Refusal refusal{Complaint::NoSuchLanguage, QStringLiteral("--lang"), text};
            refusal.detail = toolLanguageCodes();
            return refuse(refusal);
        }
        setToolLanguage(*language);
        given = "--lang=" + std::string(code);
        // The arguments after it move up; argv stays null-terminated.
        for (int j = i; j + taken <= argc; ++j) {
            argv[j] = argv[j + taken];
        }
        argc -= taken;
        --i;
    }
    return std::nullopt;
}

std::optional<int> refuseInvalidUtf8(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (!isValidUtf8(argv[i])) {
            Refusal refusal{Complaint::NotUtf8};
            refusal.typed = QString::fromUtf8(argv[i]);
            return refuse(refusal);
        }
    }
    return std::nullopt;
}

namespace {
// The reason (errno) of the first write to standard output that failed; 0 while none has.
std::atomic<int> outputError{0};
} // namespace

bool writeOut(std::string_view text) {
    if (outputError.load(std::memory_order_relaxed) != 0) {
        return false;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size()) {
        return true;
    }
    int expected = 0;
    outputError.compare_exchange_strong(expected, errno != 0 ? errno : EIO);
    return false;
}

bool outputFailed() {
    return outputError.load(std::memory_order_relaxed) != 0;
}

int finishOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        int expected = 0;
        outputError.compare_exchange_strong(expected, errno != 0 ? errno : EIO);
    }
    if (const int error = outputError.load(); error != 0) {
        std::fprintf(stderr, "veltaro-tide: cannot write the output: %s\n", std::strerror(error));
        return 1;
    }
    return status;
}

QString saveProblemText(const plot::SaveResult& result) {
    switch (result.problem) {
    case plot::SaveProblem::None:
        break;
    case plot::SaveProblem::IsFolder:
        return QStringLiteral("it is a folder");
    case plot::SaveProblem::IsLink:
        return QStringLiteral("it is a symbolic link; name the file itself");
    case plot::SaveProblem::NotRegular:
        return QStringLiteral("it is not a regular file");
    case plot::SaveProblem::CannotCreate:
    case plot::SaveProblem::CannotWrite:
        return QString::fromLocal8Bit(std::strerror(result.error));
    }
    return {};
}

QString requiredHelp(const QString& help) {
    return say("(required) ", "（必須）") + help;
}

QString acceptedDates() {
    return say("between %1-01-01 and %2-12-31", "%1-01-01 から %2-12-31 まで")
        .arg(kFirstYear)
        .arg(kLastYear);
}

SharedOptions::SharedOptions(const QString& dateHelp)
    : help({QStringLiteral("h"), QStringLiteral("help")},
           say("Show this help.", "このヘルプを表示します。")),
      date(QStringLiteral("date"), requiredHelp(dateHelp), QStringLiteral("YYYY-MM-DD")),
      lon(QStringLiteral("lon"),
          requiredHelp(say("Longitude, east positive, -180..180: decimal degrees or D:M:S "
                           "(139:44:41).",
                           "経度（東経が正、-180〜180）。10 進の度か、度:分:秒（139:44:41）で"
                           "指定します。")),
          QStringLiteral("LON")),
      lat(QStringLiteral("lat"),
          requiredHelp(say("Latitude, north positive, -90..90: decimal degrees or D:M:S "
                           "(35:39:16).",
                           "緯度（北緯が正、-90〜90）。10 進の度か、度:分:秒（35:39:16）で"
                           "指定します。")),
          QStringLiteral("LAT")) {}

namespace {

/// Why QCommandLineParser::parse refused `args`: the first argument, in the
/// order given, that names no option of the command, gives a value to an
/// option that takes none, or else the last, an option left without its value.
Refusal parseRefusal(const QCommandLineParser& parser, const QStringList& args,
                     const QString& command) {
    const QStringList unknown = parser.unknownOptionNames();
    Refusal refusal{Complaint::MissingValue};
    refusal.command = command;
    // A known option took values unless it takes none (or its only value is the
    // one missing at the end).
    auto takesValues = [&](const QString& name) { return !parser.values(name).isEmpty(); };
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--") {
            break;
        }
        if (arg.startsWith(u"--")) {
            const qsizetype assign = arg.indexOf(u'=');
            const QString name = arg.mid(2, assign < 0 ? -1 : assign - 2);
            refusal.option = QStringLiteral("--") + name;
            if (unknown.contains(name)) {
                refusal.why = Complaint::UnknownOption;
                return refusal;
            }
            if (assign >= 0 && !takesValues(name)) {
                refusal.why = Complaint::UnexpectedValue;
                refusal.typed = arg.mid(assign + 1);
                return refusal;
            }
            if (assign < 0 && takesValues(name)) {
                ++i; // its value
            }
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            // Letters of one-letter options run together: "-h".
            for (qsizetype pos = 1; pos < arg.size(); ++pos) {
                refusal.option = QStringLiteral("-") + arg[pos];
                if (unknown.contains(arg.mid(pos, 1))) {
                    refusal.why = Complaint::UnknownOption;
                    return refusal;
                }
                if (pos + 1 < arg.size() && arg[pos + 1] == u'=') {
                    refusal.why = Complaint::UnexpectedValue;
                    refusal.typed = arg.mid(pos + 2);
                    return refusal;
                }
            }
        }
    }
    refusal.option = args.constLast().section(u'=', 0, 0);
    return refusal;
}

} // namespace

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const QString& command) {
    if (!parser.parse(args)) {
        return refuse(parseRefusal(parser, args, command));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(commandHelp(parser, command).toUtf8().constData(), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Refusal refusal{Complaint::StrayArgument};
        refusal.typed = parser.positionalArguments().constFirst();
        refusal.command = command;
        return refuse(refusal);
    }
    return std::nullopt;
}

std::optional<int> refuseMissing(const QCommandLineParser& parser, const QString& command,
                                 std::initializer_list<const QCommandLineOption*> required,
                                 const QString& usage) {
    for (const QCommandLineOption* needed : required) {
        if (!parser.isSet(*needed)) {
            Refusal refusal{Complaint::MissingOption};
            refusal.option = QStringLiteral("--") + needed->names().constLast();
            refusal.command = command;
            refusal.detail = usage;
            return refuse(refusal);
        }
    }
    return std::nullopt;
}

namespace {

/// A refusal of `option` for the text typed for it.
Refusal refusalOf(Complaint complaint, const QString& option, const QString& typed) {
    Refusal refusal{complaint};
    refusal.option = option;
    refusal.typed = typed;
    return refusal;
}

/// A date text split as the date boxes hold it, or the form's refusal.
bool splitDate(const QString& text, const QString& option, InputTexts& texts, Refusal& refusal) {
    // An optional sign on the year, then three fields separated by '-'.
    static const QRegularExpression form(QStringLiteral("^\\s*([+-]?[^-]+)-([^-]+)-([^-]+)\\s*$"));
    const auto match = form.match(text);
    if (!match.hasMatch()) {
        refusal = refusalOf(Complaint::NotDate, option, text);
        return false;
    }
    texts.year = match.captured(1).toStdString();
    texts.month = match.captured(2).toStdString();
    texts.day = match.captured(3).toStdString();
    return true;
}

/// An angle text, decimal degrees or D:M:S, split as the degree, minute and
/// second boxes hold it, or the form's refusal.
bool splitAngle(const QString& text, const QString& option, std::string& deg, std::string& min,
                std::string& sec, Refusal& refusal) {
    const QStringList parts = text.split(u':');
    if (parts.size() != 1 && parts.size() != 3) {
        refusal = refusalOf(Complaint::NotAngle, option, text);
        return false;
    }
    deg = parts[0].toStdString();
    min = parts.size() == 3 ? parts[1].toStdString() : std::string("0");
    sec = parts.size() == 3 ? parts[2].toStdString() : std::string("0");
    return true;
}

} // namespace

bool placeTexts(const QCommandLineParser& parser, const SharedOptions& options, InputTexts& texts,
                Refusal& refusal) {
    // Placeholders that every reader accepts, for the options not given.
    texts = InputTexts{"2000", "1", "1", "0", "0", "0", "0", "0", "0"};
    if (parser.isSet(options.date) && !splitDate(parser.value(options.date).trimmed(),
                                                 QStringLiteral("--date"), texts, refusal)) {
        return false;
    }
    if (parser.isSet(options.lon) &&
        !splitAngle(parser.value(options.lon).trimmed(), QStringLiteral("--lon"), texts.lonDeg,
                    texts.lonMin, texts.lonSec, refusal)) {
        return false;
    }
    return !parser.isSet(options.lat) ||
           splitAngle(parser.value(options.lat).trimmed(), QStringLiteral("--lat"), texts.latDeg,
                      texts.latMin, texts.latSec, refusal);
}

Refusal inputRefusal(const QCommandLineParser& parser, const SharedOptions& options,
                     const QCommandLineOption* days, const plot::RequestRefusal& refusal) {
    const QCommandLineOption* option = days;
    switch (refusal.box) {
    case InputBox::Year:
    case InputBox::Month:
    case InputBox::Day:
        option = &options.date;
        break;
    case InputBox::LonDeg:
    case InputBox::LonMin:
    case InputBox::LonSec:
        option = &options.lon;
        break;
    case InputBox::LatDeg:
    case InputBox::LatMin:
    case InputBox::LatSec:
        option = &options.lat;
        break;
    case InputBox::ContDays:
    case InputBox::None:
        break;
    }
    Refusal out{refusal};
    if (option != nullptr) {
        out.option = QStringLiteral("--") + option->names().constLast();
        out.typed = option == days ? parser.value(*option) : parser.value(*option).trimmed();
    }
    return out;
}

bool readDateAndPoint(const QCommandLineParser& parser, const SharedOptions& options,
                      ObservationInput& input, Refusal& refusal) {
    InputTexts texts;
    if (!placeTexts(parser, options, texts, refusal)) {
        return false;
    }
    const auto read = readObservation(texts);
    if (!read.ok()) {
        refusal = inputRefusal(parser, options, nullptr, {read.problem, read.box});
        return false;
    }
    input = *read.value;
    return true;
}

std::optional<ObservationInput> parseDate(const QString& text, Refusal& refusal,
                                          const QString& option) {
    InputTexts texts;
    if (!splitDate(text, option, texts, refusal)) {
        return std::nullopt;
    }
    const auto read = readDate(texts.year, texts.month, texts.day);
    if (!read.ok()) {
        refusal = Refusal{plot::RequestRefusal{read.problem, read.box}};
        refusal.option = option;
        refusal.typed = text;
        return std::nullopt;
    }
    return read.value;
}

std::optional<std::pair<int, int>> parseTime(const QString& text, Refusal& refusal) {
    // Hours and minutes are whole numbers read as the date's are.
    const QStringList parts = text.split(u':');
    if (parts.size() == 2) {
        const auto hour = parseWholeNumber(parts[0].toStdString());
        const auto minute = parseWholeNumber(parts[1].toStdString());
        if (hour && minute && *hour >= 0 && *hour <= 23 && *minute >= 0 && *minute <= 59) {
            return std::pair{*hour, *minute};
        }
    }
    refusal = refusalOf(Complaint::NotTime, QStringLiteral("--time"), text);
    return std::nullopt;
}

std::optional<ClockChoice> readClockOption(const QCommandLineParser& parser,
                                           const QCommandLineOption& option, ClockChoice fallback,
                                           bool hasPlace, const QString& command,
                                           Refusal& refusal) {
    if (!parser.isSet(option)) {
        return fallback;
    }
    const QString text = parser.value(option).trimmed();
    const auto clock = readClock(text.toStdString());
    const QString name = QStringLiteral("--") + option.names().constLast();
    if (!clock) {
        refusal = refusalOf(hasPlace ? Complaint::NoSuchClock : Complaint::NoSuchPlacelessClock,
                            name, text);
        return std::nullopt;
    }
    if (clock->kind == ClockKind::LocalMean && !hasPlace) {
        refusal = refusalOf(Complaint::NoPlaceForLocalClock, name, text);
        refusal.command = command;
        return std::nullopt;
    }
    return clock;
}

QByteArray number17(double value) {
    char buffer[plot::kNumberRoom];
    const char* end = plot::writeNumber17(buffer, value);
    return QByteArray(buffer, static_cast<qsizetype>(end - buffer));
}

} // namespace veltaro::cli
