// veltaro-tide day: the Julian day and the sexagenary name of one date.
#include "cli/commands.h"
#include "cli/common.h"

#include "astro/timeargs.h"
#include "calendar/kansi.h"

#include <QCommandLineParser>
#include <cmath>
#include <cstdio>

namespace veltaro::cli {

int dayCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Julian day of 0 h of a date and the sexagenary (干支) name of that day,\n"
        "as the window shows it beside 日干支. Prints CSV: date,jd,kansi_index,kansi."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QStringLiteral("The date, YYYY-MM-DD, between 1600-01-01 and 2400-12-31."),
        QStringLiteral("YYYY-MM-DD"));
    parser.addOption(help);
    parser.addOption(date);

    if (!parser.parse(args)) {
        return fail(parser.errorText());
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(QStringLiteral("day takes no arguments besides --date, got '%1'")
                        .arg(parser.positionalArguments().join(u' ')));
    }
    if (!parser.isSet(date)) {
        return fail(QStringLiteral("day wants --date YYYY-MM-DD"));
    }

    const QString given = parser.value(date).trimmed();
    QString error;
    const auto read = parseDate(given, error);
    if (!read) {
        return fail(error);
    }

    const double jd = astro::julianday(read->year, read->month, read->day, 0, 0);
    KansiNames names;
    kansiinit(names);
    const int index = kansiindex(std::floor(jd));
    const std::string name = kansiOfDay(names, jd);

    QByteArray out = "date,jd,kansi_index,kansi\n";
    out += given.toUtf8() + ',' + number17(jd) + ',' + QByteArray::number(index) + ',' +
           QByteArray::fromStdString(name) + '\n';
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return 0;
}

} // namespace veltaro::cli
