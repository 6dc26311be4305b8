// The commands' --help in the tool's language.
#include "cli/helptext.h"

#include "cli/refusal.h"

#include <QStringList>
#include <algorithm>

namespace veltaro::cli {

namespace {

// Qt's help: lines of 79 characters, the option names indented by 2, their
// column 1 wider than the longest names (at most 50), 1 blank before the text.
constexpr int kHelpWidth = 79;
constexpr int kNamesIndent = 2;
constexpr int kWidestNames = 50;

bool isWide(char16_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

/// Marks a line must not start with: closing brackets, commas, stops, the
/// prolonged sound mark and small kana.
bool opensNoLine(char16_t c) {
    return QStringView(
               u"、。，．・：；？！）〕］｝」』】〉》ー〜ぁぃぅぇぉっゃゅょァィゥェォッャュョ")
        .contains(QChar(c));
}

/// Commas, stops and closing brackets: a line may end after them whatever follows.
bool endsClause(char16_t c) {
    return QStringView(u"、。，．）〕］｝」』】〉》").contains(QChar(c));
}

/// Marks a line must not end with: opening brackets.
bool closesNoLine(char16_t c) {
    return QStringView(u"（〔［｛「『【〈《").contains(QChar(c));
}

/// The option's names as Qt's help writes them: "-h, --help", "--date <YYYY-MM-DD>".
QString namesColumn(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names()) {
        names << QLatin1String(name.size() == 1 ? "-" : "--") + name;
    }
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) {
        text += QStringLiteral(" <") + option.valueName() + u'>';
    }
    return text;
}

} // namespace

int terminalColumns(QStringView text) {
    int columns = 0;
    for (const QChar c : text) {
        columns += isWide(c.unicode()) ? 2 : 1;
    }
    return columns;
}

QString wrappedToColumns(const QString& text, int columns) {
    QString out;
    int used = 0; // columns of the line so far
    // In `out`: the last place the line may end, at a blank or before a character.
    qsizetype cut = -1;
    bool atBlank = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            out += c;
            used = 0;
            cut = -1;
            continue;
        }
        if (c == u' ') {
            if (used > 0) { // a blank may run past the end: it goes at the break
                cut = out.size();
                atBlank = true;
                out += c;
                ++used;
            }
            continue;
        }
        const char16_t before = i > 0 ? text[i - 1].unicode() : u' ';
        if (isWide(before) && (isWide(c.unicode()) || endsClause(before)) &&
            !opensNoLine(c.unicode()) && !closesNoLine(before)) {
            cut = out.size();
            atBlank = false;
        }
        const int width = isWide(c.unicode()) ? 2 : 1;
        if (used + width > columns && cut >= 0) {
            const QString rest = out.mid(cut + (atBlank ? 1 : 0));
            out.truncate(cut);
            out += u'\n' + rest;
            used = terminalColumns(rest);
            cut = -1;
        }
        out += c;
        used += width;
    }
    return out;
}

void addOptions(QCommandLineParser& parser, const std::vector<const QCommandLineOption*>& options) {
    qsizetype longest = 0;
    for (const QCommandLineOption* option : options) {
        longest = std::max(longest, namesColumn(*option).size());
    }
    const int textColumns =
        kHelpWidth - (kNamesIndent + int(std::min<qsizetype>(longest + 1, kWidestNames)) + 1);
    for (const QCommandLineOption* option : options) {
        if (toolLanguage() == ToolLanguage::English) {
            parser.addOption(*option);
            continue;
        }
        QCommandLineOption wrapped = *option;
        wrapped.setDescription(wrappedToColumns(option->description(), textColumns));
        parser.addOption(wrapped);
    }
}

QString commandHelp(const QCommandLineParser& parser, const QString& command) {
    // The parser names the binary by its path; name the command instead.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(u'\n'),
                 say("Usage: veltaro-tide %1 [options]", "使い方: veltaro-tide %1 [オプション]")
                     .arg(command));
    // Qt's own heading over the options.
    const QString heading = QStringLiteral("\n\nOptions:\n");
    const qsizetype at = text.indexOf(heading);
    if (at >= 0) {
        text.replace(at, heading.size(),
                     QStringLiteral("\n\n") + say("Options:", "オプション:") + u'\n');
    }
    return text;
}

} // namespace veltaro::cli
