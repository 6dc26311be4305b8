#pragma once

class QCoreApplication;
class QTranslator;

namespace veltaro::ui {

/// Qt's own texts in Japanese, as the rest of the program is: a text box's edit
/// menu (元に戻す, コピー, ...), the file and print dialogs, the buttons of
/// standard boxes. They come from Qt's translations (Debian's
/// qt6-translations-l10n); where those are not installed, Qt's texts stay in
/// English and the program works the same. Returns the installed translator,
/// owned by `app`, or nullptr.
QTranslator* installQtJapanese(QCoreApplication& app);

} // namespace veltaro::ui
