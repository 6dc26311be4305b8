#pragma once

#include "calendar/input.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <cstdio>
#include <initializer_list>
#include <optional>

namespace veltaro::cli {

/// Exit status for input the tool refuses.
inline constexpr int kBadInput = 2;

/// Prints "veltaro-tide: <message>" as one line on standard error and returns
/// kBadInput. The message echoes at most one typed argument, between its first
/// and last single quote; a long one is cut short, and control characters
/// anywhere are written as escapes (\n, \x1b), so the line is always one line.
int fail(const QString& message);

/// A date option YYYY-MM-DD (the year may carry a sign), read with the same rules
/// as the window's date boxes. On refusal `error` holds the reason.
std::optional<ObservationInput> parseDate(const QString& text, QString& error);

/// A position option: decimal degrees ("139.7447") or degrees:minutes:seconds
/// ("139:44:41", "-135:30:0"), read with the same rules as the window's boxes.
std::optional<double> parseAngle(const QString& text, bool latitude, QString& error);

/// A clock time HH:MM with 0 <= HH <= 23 and 0 <= MM <= 59, each read as the
/// date's numbers are (full-width digits, blanks around, a fraction rounded).
std::optional<std::pair<int, int>> parseTime(const QString& text, QString& error);

/// The reason a typed value was refused, as the window words it.
QString reasonText(InputProblem problem);

/// The options every command has: --help, --date, --lon and --lat.
struct SharedOptions {
    explicit SharedOptions(const QString& dateHelp);
    QCommandLineOption help;
    QCommandLineOption date;
    QCommandLineOption lon;
    QCommandLineOption lat;
};

/// Parses `args` for `command` and handles what every command handles alike:
/// --help (printed, status 0), unknown options, stray arguments and missing
/// `required` options (one line on standard error, status 2). Returns the exit
/// status when the command is to stop there, nothing when it goes on.
std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const QString& command,
                                    std::initializer_list<const QCommandLineOption*> required,
                                    const QString& usage);

/// Reads --date, --lon and --lat into a validated date and point.
std::optional<ObservationInput> readDateAndPoint(const QCommandLineParser& parser,
                                                 const SharedOptions& options, QString& error);

/// A number as %.17g, the form every CSV column uses.
QByteArray number17(double value);

} // namespace veltaro::cli
