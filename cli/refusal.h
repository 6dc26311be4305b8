#pragma once

// Refused input, as values and then as the one line that says so:
//   veltaro-tide: <what>: <reason>
// "--date '2026-13-01': no such date (...)", "--bogus: unknown option (...)".
// Every reason is worded here and only here, in English and in Japanese, from
// the values: the tool's own complaints and the readers' InputProblem with its
// numbers. Numbers and dates are written alike in both.

#include "plot/plotrequest.h"

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace veltaro::cli {

/// Exit status for input the tool refuses.
inline constexpr int kBadInput = 2;

/// What the programs refuse by checks of their own; the readers' reasons come
/// as plot::RequestRefusal.
enum class Complaint {
    NoCommand,            ///< no command given
    UnknownCommand,       ///< `typed` is no command
    UnknownOption,        ///< `option` is no option of the command
    MissingValue,         ///< `option` wants a value and none follows it
    UnexpectedValue,      ///< `option` takes no value, and `typed` was given to it
    StrayArgument,        ///< `typed` is no option, and the command takes nothing else
    MissingOption,        ///< `option` is required; `detail` is what the command wants
    NotUtf8,              ///< `typed` (its bad bytes shown as U+FFFD) is not valid UTF-8
    NotDate,              ///< not of the form YYYY-MM-DD
    NotAngle,             ///< neither decimal degrees nor D:M:S
    NotTime,              ///< not HH:MM from 00:00 to 23:59
    NoSuchMode,           ///< not a --mode
    NoSuchUnit,           ///< not a --unit
    NoSuchClock,          ///< not a --clock
    NoSuchPlacelessClock, ///< not a --clock of a command without a place (no local mean time)
    NoSuchLook,           ///< not a --look
    NoSuchKind,           ///< not one of --kinds
    NoPlaceForLocalClock, ///< local mean time asked for where no place is given
    DaysWithoutDayMode,   ///< --days with a mode that draws one pass
    NotPictureName,       ///< an --out name without .png, .jpg, .jpeg, .svg or .pdf
    ToBeforeFrom,         ///< --to before --from; `detail` is --from's date
    NotPlotCommand,       ///< the plot program run for anything but plot
    NoSuchLanguage,       ///< not a --lang; `detail` lists the languages
};

/// The language of the programs' messages on the command line.
enum class ToolLanguage { English, Japanese };

/// The language a command-line program speaks, as the C library chooses the
/// locale of messages: the first of LC_ALL, LC_MESSAGES and LANG that is set and
/// not empty; Japanese when it names Japanese ("ja_JP.UTF-8", "ja"), English
/// otherwise (also when none is set). Null stands for an unset variable.
ToolLanguage languageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);
/// The language of `code` as --lang takes it ("ja", "en"), or nothing.
std::optional<ToolLanguage> languageOfCode(const QString& code);
/// The codes --lang takes: "ja, en".
QString toolLanguageCodes();
/// The language refuse() and the help speak: English until set.
ToolLanguage toolLanguage();
void setToolLanguage(ToolLanguage language);

/// The text of `language` of the two, each UTF-8: every text the tool prints
/// is worded once in each language, side by side.
QString say(ToolLanguage language, const char* english, const char* japanese);
/// The same in toolLanguage().
QString say(const char* english, const char* japanese);

/// One refusal: why, and where.
struct Refusal {
    using Why = std::variant<Complaint, plot::RequestRefusal>;
    Refusal() = default;
    Refusal(Why reason, QString optionName = {}, std::optional<QString> typedText = std::nullopt)
        : why(reason), option(std::move(optionName)), typed(std::move(typedText)) {}

    Why why = Complaint::NoCommand;
    QString option;               ///< the option at fault, "--date"; empty for an argument
    std::optional<QString> typed; ///< the text typed for it, echoed between quotes
    QString command;              ///< the command that refuses, "run"; empty for the program
    QString detail;               ///< what the reason names besides (see Complaint)
};

/// The refusal as one line, without its line end: "<program>: <what>: <reason>".
/// The option and the typed text are cut short after 40 characters, control
/// characters anywhere are written as escapes (\n, \x1b), and the line is at
/// most 240 characters, so that whatever was typed it stays one line.
QString refusalLine(const QString& program, const Refusal& refusal,
                    ToolLanguage language = ToolLanguage::English);

/// The reason the readers' `refusal` is given for, as refusalLine words it.
QString inputReason(const plot::RequestRefusal& refusal,
                    ToolLanguage language = ToolLanguage::English);

/// Prints refusalLine("veltaro-tide", refusal, toolLanguage()) on standard
/// error and returns kBadInput.
int refuse(const Refusal& refusal);

/// `text` with control characters (and the Unicode line breaks) written as
/// escapes, cut short after `length` characters with "…".
QString echoed(const QString& text, qsizetype length);

} // namespace veltaro::cli
