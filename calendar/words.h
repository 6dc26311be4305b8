#pragma once

#include <initializer_list>
#include <string>

/// Marks a word of the texts the layers below the interface make (the input
/// refusals, the read-out) that the interface says in its user's language. The text stays as it is
/// here (UTF-8, Japanese); the interface looks it up by that text in `context`'s translation
/// (kWordsContext). lupdate reads the mark as QT_TRANSLATE_NOOP.
#define VELTARO_WORD(context, text) text

namespace veltaro {

/// The translation context of those words.
inline constexpr const char* kWordsContext = "veltaro::words";

/// The interface's translation of a marked word: its text in the language in
/// use (UTF-8), or the word itself where it has none.
using WordTranslation = std::string (*)(const char* word);

/// Installs `translation` for word(), from the interface layer that knows the
/// user's language; nullptr (the default) leaves every word as it is marked.
void setWordTranslation(WordTranslation translation);

/// `text`, a word marked VELTARO_WORD(kWordsContext, ...), in the language in use.
std::string word(const char* text);

/// `pattern` with each %1 .. %9 replaced by that argument, so that a
/// translation may put the numbers in its own order: "%1年%2月%3日".
std::string filled(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace veltaro
