#pragma once

// The drawing's words (plot/words.h) in the language the tool speaks.

namespace veltaro::cli {

/// Installs the programs' translation for toolLanguage() into the running
/// application, so that the words of a CSV's comment lines and of a picture's
/// captions are the tool's; Japanese, the words' own language, needs none.
/// Call after the application is made and the language is chosen.
void sayWordsInToolLanguage();

} // namespace veltaro::cli
