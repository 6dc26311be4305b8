#pragma once

#include "calendar/input.h"
#include "cli/refusal.h"
#include "plot/plotrequest.h"
#include "plot/savefile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace veltaro::cli {

/// Prints "veltaro-tide: cannot write '<path>': <reason>" as one line on
/// standard error, the path escaped and cut short as a refusal's echo, and returns 1.
int cannotWrite(const QString& path, const QString& reason);

/// Why a file was not saved, in words for cannotWrite.
QString saveProblemText(const plot::SaveResult& result);

/// Writes `text` to standard output. False once any write to it has failed;
/// the first failure's reason is kept for finishOutput. Safe from any thread.
bool writeOut(std::string_view text);

/// True once a write to standard output has failed (a full disk, a closed pipe).
bool outputFailed();

/// Flushes standard output and returns the status to exit with: `status` when
/// everything reached the reader; otherwise 1, after one line on standard
/// error saying why ("cannot write the output: No space left on device").
int finishOutput(int status);

/// The tool's language (refusals, help): from LC_ALL, LC_MESSAGES and LANG, or
/// from --lang CODE (--lang=CODE) anywhere among the arguments, which is taken
/// out of argv (argc shrinks). Refuses a code that is no language; nothing
/// otherwise. `given` is set to "--lang=CODE" when the option was given.
std::optional<int> takeLanguage(int& argc, char* argv[], std::string& given);

/// Refuses the first argument that is not valid UTF-8, before Qt decodes
/// the arguments and would turn such bytes into U+FFFD. Nothing when all are.
std::optional<int> refuseInvalidUtf8(int argc, char* argv[]);

/// A date option YYYY-MM-DD (the year may carry a sign), read with the same rules
/// as the window's date boxes. On refusal `refusal` says why, naming `option`.
std::optional<ObservationInput> parseDate(const QString& text, Refusal& refusal,
                                          const QString& option = QStringLiteral("--date"));

/// A clock time HH:MM with 0 <= HH <= 23 and 0 <= MM <= 59, each read as the
/// date's numbers are (full-width digits, blanks around, a fraction rounded).
std::optional<std::pair<int, int>> parseTime(const QString& text, Refusal& refusal);

/// Reads the clock `option` names ("local", "jst", "ut", "+HH:MM", "-HH:MM";
/// readClock), `fallback` when it is not given. Local mean time is the time of
/// the observer's meridian: where `command` has no place (`hasPlace` false),
/// "local" is refused. Nothing, with the reason in `refusal`, for a refusal.
std::optional<ClockChoice> readClockOption(const QCommandLineParser& parser,
                                           const QCommandLineOption& option, ClockChoice fallback,
                                           bool hasPlace, const QString& command, Refusal& refusal);

/// The options every command has: --help, --date, --lon and --lat. The last
/// three are required wherever they are offered; their help says so.
struct SharedOptions {
    explicit SharedOptions(const QString& dateHelp);
    QCommandLineOption help;
    QCommandLineOption date;
    QCommandLineOption lon;
    QCommandLineOption lat;
};

/// The start of the help text of an option every command that has it requires.
QString requiredHelp(const QString& help);

/// "between 1600-01-01 and 2400-12-31": the dates every command accepts, for
/// the help texts of its date options.
QString acceptedDates();

/// Parses `args` for `command` and handles what every command handles alike:
/// --help (printed, status 0), unknown options, options without their value or
/// with one they do not take, and stray arguments (refused, status 2, the first
/// of them in the order given). Returns the exit status when the command is to
/// stop there, nothing when it goes on. Missing options are looked for only
/// after the given ones have been read (refuseMissing), so that a bad value is
/// reported even when another option is missing.
std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& args,
                                    const QString& command);

/// The first of `required` that is not given, refused as "--lat: missing; run
/// wants <usage>." (status 2); nothing when all are given.
std::optional<int> refuseMissing(const QCommandLineParser& parser, const QString& command,
                                 std::initializer_list<const QCommandLineOption*> required,
                                 const QString& usage);

/// The texts of --date (YYYY-MM-DD) and of --lon and --lat (decimal degrees,
/// "139.7447", or degrees:minutes:seconds, "139:44:41") as the window's boxes
/// would hold them, for the readers of typed input. An option not given reads
/// as a placeholder every reader accepts, so that the given ones are checked
/// before refuseMissing names the others. False, with the reason in `refusal`,
/// for a text not of its option's form.
bool placeTexts(const QCommandLineParser& parser, const SharedOptions& options, InputTexts& texts,
                Refusal& refusal);

/// A refusal of the readers placed at the option at fault, with what was typed
/// for it: --lon '200'; a refusal of the days names `days`.
Refusal inputRefusal(const QCommandLineParser& parser, const SharedOptions& options,
                     const QCommandLineOption* days, const plot::RequestRefusal& refusal);

/// Reads --date, --lon and --lat into `input` (placeTexts, readObservation);
/// those not given hold placeholders. False, with the reason in `refusal`, for
/// the first bad one.
bool readDateAndPoint(const QCommandLineParser& parser, const SharedOptions& options,
                      ObservationInput& input, Refusal& refusal);

/// A number as %.17g, the form every CSV column uses.
QByteArray number17(double value);

} // namespace veltaro::cli
