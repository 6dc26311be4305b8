#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class QObject;

namespace veltaro::ui {

/// A language the window speaks: its code (the name of its translation,
/// ui/i18n/veltaro_<code>.ts) and its name as its own readers write it, for
/// 表示 → 言語.
struct Language {
    const char* code;
    const char* ownName;
};

/// The languages the window speaks; Japanese, the source language, first.
std::span<const Language> languages();

/// The language of the user's interface languages, most preferred first (as
/// QLocale::uiLanguages() lists them: "ja-JP", "en-US", "fr"): the first that
/// the window speaks; English when none is.
QString chooseLanguage(const QStringList& uiLanguages);

/// The language of `code` ("ja", "en"), or an empty string when the window does
/// not speak it.
QString knownLanguage(const QString& code);

/// Puts the program's texts and Qt's own (the edit menu of a text box, the file
/// and print dialogs, the buttons of standard boxes; from Debian's
/// qt6-translations-l10n where installed) into `code`'s language. Every window
/// gets a QEvent::LanguageChange. Does nothing for an unknown code.
void useLanguage(const QString& code);

/// The language in use ("ja" until useLanguage() chose another).
QString languageInUse();

/// The texts of a group of controls in the language in use: each is said once
/// when kept and again by retranslate() after the language has changed.
class Wording {
public:
    void keep(std::function<void()> say) {
        say();
        m_says.push_back(std::move(say));
    }
    void retranslate() const {
        for (const auto& say : m_says) {
            say();
        }
    }

private:
    std::vector<std::function<void()>> m_says;
};

} // namespace veltaro::ui
