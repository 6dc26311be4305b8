#pragma once

// The commands' --help in the tool's language. Qt's help lays the options out
// in two columns and breaks their texts at blanks, counting characters; a
// Japanese text has few blanks and most of its characters fill two columns of
// a terminal, so in Japanese the texts are broken here first, by the columns
// they fill.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringView>
#include <vector>

namespace veltaro::cli {

/// Columns `text` fills on a terminal: two for a wide character (kana, kanji,
/// full-width forms and punctuation), one for any other.
int terminalColumns(QStringView text);

/// `text` in lines of at most `columns` terminal columns: broken at a blank,
/// which goes, between two wide characters or after a comma, stop or closing
/// bracket (、。）), never before a closing mark (、。）」ー) nor after an
/// opening one (（「). A line end in `text` stays; a piece with nowhere to
/// break stays whole, however long.
QString wrappedToColumns(const QString& text, int columns);

/// Adds `options` to `parser`, their texts broken for the column the help
/// gives them when the tool speaks Japanese (as given in English).
void addOptions(QCommandLineParser& parser, const std::vector<const QCommandLineOption*>& options);

/// The help of `command` as --help prints it, in the tool's language: its
/// usage line, description and options.
QString commandHelp(const QCommandLineParser& parser, const QString& command);

} // namespace veltaro::cli
