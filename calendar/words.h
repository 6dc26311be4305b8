#pragma once

/// Marks a name that the layers below the interface hold as data and the
/// interface says in its user's language: a mode's, a clock's, a tide's, a
/// mark's name, a unit. The text stays as it is here (UTF-8, Japanese); the
/// interface looks it up by that text in the translation's context
/// kWordsContext (plot/words.h). lupdate reads the mark as QT_TRANSLATE_NOOP.
#define VELTARO_WORD(context, text) text

namespace veltaro {

/// The translation context of those names and of the sentences made from them.
inline constexpr const char* kWordsContext = "veltaro::words";

} // namespace veltaro
