#include "cli/common.h"

#include "calendar/daterange.h"
#include "plot/csvnumbers.h"

#include <QRegularExpression>
#include <QStringList>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace veltaro::cli {

namespace {

// Longest echo of a typed argument, and longest line, in a refusal [characters].
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

/// The message as one line: the argument it echoes, between the first and the
/// last single quote, cut short when long; control characters escaped.
QString oneLine(const QString& message) {
    QString line = message;
    const qsizetype open = line.indexOf(u'\'');
    const qsizetype close = line.lastIndexOf(u'\'');
    if (open >= 0 && close > open + 1) {
        const QString echo = line.mid(open + 1, close - open - 1);
        line = line.left(open + 1) + shortened(echo, kLongestEcho) + line.mid(close);
    }
    return shortened(escaped(line), kLongestLine);
}

} // namespace

int fail(const QString& message) {
    std::fprintf(stderr, "veltaro-tide: %s\n", oneLine(message).toUtf8().constData());
    return kBadInput;
}

int cannotWrite(const QString& path, const QString& reason) {
    std::fprintf(
        stderr, "veltaro-tide: %s\n",
        oneLine(QStringLiteral("cannot write '%1': %2").arg(path, reason)).toUtf8().constData());
    return 1;
}

std::optional<int> refuseInvalidUtf8(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (!isValidUtf8(argv[i])) {
            return fail(
                QStringLiteral("argument '%1' is not valid UTF-8").arg(QString::fromUtf8(argv[i])));
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

QString reasonText(InputProblem problem) {
    const std::string_view message = inputMessage(problem);
    return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
}

QString requiredHelp(const QString& help) {
    return QStringLiteral("(required) ") + help;
}

QString acceptedDates() {
    return QStringLiteral("between %1-01-01 and %2-12-31").arg(kFirstYear).arg(kLastYear);
}

SharedOptions::SharedOptions(const QString& dateHelp)
    : help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")),
      date(QStringLiteral("date"), requiredHelp(dateHelp), QStringLiteral("YYYY-MM-DD")),
      lon(QStringLiteral("lon"),
          requiredHelp(QStringLiteral("Longitude, east positive, -180..180: decimal degrees or "
                                      "D:M:S (139:44:41).")),
          QStringLiteral("LON")),
      lat(QStringLiteral("lat"),
          requiredHelp(QStringLiteral("Latitude, north positive, -90..90: decimal degrees or "
                                      "D:M:S (35:39:16).")),
          QStringLiteral("LAT")) {}

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const QString& command) {
    if (!parser.parse(args)) {
        return fail(parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The parser names the binary by its path; name the command instead.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(u'\n');
        text.replace(0, lineEnd, QStringLiteral("Usage: veltaro-tide %1 [options]").arg(command));
        std::fputs(text.toUtf8().constData(), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(QStringLiteral("%1 takes no arguments besides its options, got '%2'")
                        .arg(command, parser.positionalArguments().join(u' ')));
    }
    return std::nullopt;
}

std::optional<int> refuseMissing(const QCommandLineParser& parser, const QString& command,
                                 std::initializer_list<const QCommandLineOption*> required,
                                 const QString& usage) {
    for (const QCommandLineOption* needed : required) {
        if (!parser.isSet(*needed)) {
            return fail(QStringLiteral("--%1 is missing; %2 wants %3")
                            .arg(needed->names().constLast(), command, usage));
        }
    }
    return std::nullopt;
}

namespace {

/// A date text split as the date boxes hold it, or the form's refusal.
bool splitDate(const QString& text, const QString& option, InputTexts& texts, QString& error) {
    // An optional sign on the year, then three fields separated by '-'.
    static const QRegularExpression form(QStringLiteral("^\\s*([+-]?[^-]+)-([^-]+)-([^-]+)\\s*$"));
    const auto match = form.match(text);
    if (!match.hasMatch()) {
        error = QStringLiteral("%1 wants YYYY-MM-DD, got '%2'").arg(option, text);
        return false;
    }
    texts.year = match.captured(1).toStdString();
    texts.month = match.captured(2).toStdString();
    texts.day = match.captured(3).toStdString();
    return true;
}

/// An angle text, decimal degrees or D:M:S, split as the degree, minute and
/// second boxes hold it, or the form's refusal.
bool splitAngle(const QString& text, bool latitude, std::string& deg, std::string& min,
                std::string& sec, QString& error) {
    const QStringList parts = text.split(u':');
    if (parts.size() != 1 && parts.size() != 3) {
        error = QStringLiteral("%1 wants decimal degrees or D:M:S, got '%2'")
                    .arg(latitude ? QStringLiteral("--lat") : QStringLiteral("--lon"), text);
        return false;
    }
    deg = parts[0].toStdString();
    min = parts.size() == 3 ? parts[1].toStdString() : std::string("0");
    sec = parts.size() == 3 ? parts[2].toStdString() : std::string("0");
    return true;
}

} // namespace

bool placeTexts(const QCommandLineParser& parser, const SharedOptions& options, InputTexts& texts,
                QString& error) {
    // Placeholders that every reader accepts, for the options not given.
    texts = InputTexts{"2000", "1", "1", "0", "0", "0", "0", "0", "0"};
    if (parser.isSet(options.date) &&
        !splitDate(parser.value(options.date).trimmed(), QStringLiteral("--date"), texts, error)) {
        return false;
    }
    if (parser.isSet(options.lon) && !splitAngle(parser.value(options.lon).trimmed(), false,
                                                 texts.lonDeg, texts.lonMin, texts.lonSec, error)) {
        return false;
    }
    return !parser.isSet(options.lat) ||
           splitAngle(parser.value(options.lat).trimmed(), true, texts.latDeg, texts.latMin,
                      texts.latSec, error);
}

QString refusalText(const QCommandLineParser& parser, const SharedOptions& options,
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
    const QString reason = QString::fromStdString(plot::refusalMessage(refusal));
    if (option == nullptr) {
        return reason;
    }
    return QStringLiteral("--%1 '%2': %3")
        .arg(option->names().constLast(),
             option == days ? parser.value(*option) : parser.value(*option).trimmed(), reason);
}

bool readDateAndPoint(const QCommandLineParser& parser, const SharedOptions& options,
                      ObservationInput& input, QString& error) {
    InputTexts texts;
    if (!placeTexts(parser, options, texts, error)) {
        return false;
    }
    const auto read = readObservation(texts);
    if (!read.ok()) {
        error = refusalText(parser, options, nullptr, {read.problem, read.box});
        return false;
    }
    input = *read.value;
    return true;
}

std::optional<ObservationInput> parseDate(const QString& text, QString& error,
                                          const QString& option) {
    InputTexts texts;
    if (!splitDate(text, option, texts, error)) {
        return std::nullopt;
    }
    const auto read = readDate(texts.year, texts.month, texts.day);
    if (!read.ok()) {
        error = QStringLiteral("%1 '%2': %3").arg(option, text, reasonText(read.problem));
        return std::nullopt;
    }
    return read.value;
}

std::optional<std::pair<int, int>> parseTime(const QString& text, QString& error) {
    // Hours and minutes are whole numbers read as the date's are.
    const QStringList parts = text.split(u':');
    if (parts.size() == 2) {
        const auto hour = parseWholeNumber(parts[0].toStdString());
        const auto minute = parseWholeNumber(parts[1].toStdString());
        if (hour && minute && *hour >= 0 && *hour <= 23 && *minute >= 0 && *minute <= 59) {
            return std::pair{*hour, *minute};
        }
    }
    error = QStringLiteral("--time wants HH:MM between 00:00 and 23:59, got '%1'").arg(text);
    return std::nullopt;
}

QByteArray number17(double value) {
    char buffer[plot::kNumberRoom];
    const char* end = plot::writeNumber17(buffer, value);
    return QByteArray(buffer, static_cast<qsizetype>(end - buffer));
}

} // namespace veltaro::cli
