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
        "as the window shows it beside 日干支. Prints CSV: date,jd,kansi_index,kansi,\n"
        "the date written YYYY-MM-DD however it was typed."));
    const SharedOptions options(QStringLiteral("The date, YYYY-MM-DD, %1.").arg(acceptedDates()));
    parser.addOption(options.help);
    parser.addOption(options.date);
    if (const auto status = parseCommandLine(parser, args, QStringLiteral("day"))) {
        return *status;
    }
    if (const auto status = refuseMissing(parser, QStringLiteral("day"), {&options.date},
                                          QStringLiteral("--date YYYY-MM-DD"))) {
        return *status;
    }

    Refusal refusal;
    const auto read = parseDate(parser.value(options.date).trimmed(), refusal);
    if (!read) {
        return refuse(refusal);
    }

    const double jd = astro::julianday(read->year, read->month, read->day, 0, 0);
    KansiNames names;
    kansiinit(names);
    const int index = kansiindex(std::floor(jd));
    const std::string name = kansiOfDay(names, jd);

    // The date as the run command writes it, whatever form it was typed in.
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", static_cast<int>(read->year),
                  static_cast<int>(read->month), static_cast<int>(read->day));
    QByteArray out = "date,jd,kansi_index,kansi\n";
    out += QByteArray(date) + ',' + number17(jd) + ',' + QByteArray::number(index) + ',' +
           QByteArray::fromStdString(name) + '\n';
    writeOut(std::string_view(out.constData(), static_cast<std::size_t>(out.size())));
    return 0;
}

} // namespace veltaro::cli
