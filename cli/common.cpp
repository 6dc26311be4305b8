#include "cli/common.h"
#include "cli/csvnumbers.h"

#include <QRegularExpression>
#include <QStringList>

namespace veltaro::cli {

int fail(const QString& message) {
    std::fprintf(stderr, "veltaro-tide: %s\n", message.toUtf8().constData());
    return kBadInput;
}

QString reasonText(InputProblem problem) {
    const std::string_view message = inputMessage(problem);
    return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
}

SharedOptions::SharedOptions(const QString& dateHelp)
    : help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")),
      date(QStringLiteral("date"), dateHelp, QStringLiteral("YYYY-MM-DD")),
      lon(QStringLiteral("lon"),
          QStringLiteral("Longitude, east positive, -180..180: decimal degrees or D:M:S "
                         "(139:44:41)."),
          QStringLiteral("LON")),
      lat(QStringLiteral("lat"),
          QStringLiteral("Latitude, north positive, -90..90: decimal degrees or D:M:S "
                         "(35:39:16)."),
          QStringLiteral("LAT")) {}

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const QString& command,
                                    std::initializer_list<const QCommandLineOption*> required,
                                    const QString& usage) {
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
    for (const QCommandLineOption* needed : required) {
        if (!parser.isSet(*needed)) {
            return fail(QStringLiteral("%1 wants %2").arg(command, usage));
        }
    }
    return std::nullopt;
}

std::optional<ObservationInput> readDateAndPoint(const QCommandLineParser& parser,
                                                 const SharedOptions& options, QString& error) {
    auto input = parseDate(parser.value(options.date).trimmed(), error);
    if (!input) {
        return std::nullopt;
    }
    const auto lon = parseAngle(parser.value(options.lon).trimmed(), false, error);
    if (!lon) {
        return std::nullopt;
    }
    const auto lat = parseAngle(parser.value(options.lat).trimmed(), true, error);
    if (!lat) {
        return std::nullopt;
    }
    input->lon = *lon;
    input->lat = *lat;
    return input;
}

std::optional<ObservationInput> parseDate(const QString& text, QString& error) {
    // An optional sign on the year, then three fields separated by '-'.
    static const QRegularExpression form(QStringLiteral("^\\s*([+-]?[^-]+)-([^-]+)-([^-]+)\\s*$"));
    const auto match = form.match(text);
    if (!match.hasMatch()) {
        error = QStringLiteral("--date wants YYYY-MM-DD, got '%1'").arg(text);
        return std::nullopt;
    }
    const auto read = readDate(match.captured(1).toStdString(), match.captured(2).toStdString(),
                               match.captured(3).toStdString());
    if (!read.ok()) {
        error = QStringLiteral("--date '%1': %2").arg(text, reasonText(read.problem));
        return std::nullopt;
    }
    return read.value;
}

std::optional<double> parseAngle(const QString& text, bool latitude, QString& error) {
    const QString option = latitude ? QStringLiteral("--lat") : QStringLiteral("--lon");
    const QStringList parts = text.split(u':');
    if (parts.size() != 1 && parts.size() != 3) {
        error = QStringLiteral("%1 wants decimal degrees or D:M:S, got '%2'").arg(option, text);
        return std::nullopt;
    }
    const std::string deg = parts[0].toStdString();
    const std::string min = parts.size() == 3 ? parts[1].toStdString() : std::string("0");
    const std::string sec = parts.size() == 3 ? parts[2].toStdString() : std::string("0");
    const auto read = readAngle(deg, min, sec, latitude);
    if (!read.ok()) {
        error = QStringLiteral("%1 '%2': %3").arg(option, text, reasonText(read.problem));
        return std::nullopt;
    }
    return read.value;
}

std::optional<std::pair<int, int>> parseTime(const QString& text, QString& error) {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})\\s*$"));
    const auto match = form.match(text);
    if (match.hasMatch()) {
        const int hour = match.captured(1).toInt();
        const int minute = match.captured(2).toInt();
        if (hour <= 23 && minute <= 59) {
            return std::pair{hour, minute};
        }
    }
    error = QStringLiteral("--time wants HH:MM between 00:00 and 23:59, got '%1'").arg(text);
    return std::nullopt;
}

QByteArray number17(double value) {
    char buffer[kNumberRoom];
    const char* end = writeNumber17(buffer, value);
    return QByteArray(buffer, static_cast<qsizetype>(end - buffer));
}

} // namespace veltaro::cli
