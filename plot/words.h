#pragma once

/// Marks a word of the drawing's texts that the interface says in its user's
/// language. The text stays as it is here (UTF-8, Japanese); the window looks it
/// up by that text in `context`'s translation. lupdate reads the mark as
/// QT_TRANSLATE_NOOP.
#define VELTARO_WORD(context, text) text

namespace veltaro::plot {

/// The translation context of the drawing's words.
inline constexpr const char* kWordsContext = "veltaro::plot";

} // namespace veltaro::plot
