// The language of the window's texts and of Qt's own.
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

// One row a language; its translation is ui/i18n/veltaro_<code>.ts.
constexpr auto kLanguages = std::to_array<Language>({
    {"ja", "日本語"},
    {"en", "English"},
});

// Where no interface language is spoken, English.
constexpr const char* kFallback = "en";

struct Installed {
    QString code = QString::fromLatin1(kLanguages.front().code);
    QTranslator* program = nullptr;
    QTranslator* qt = nullptr;
};

Installed& installed() {
    static Installed state;
    return state;
}

QTranslator* install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

void remove(QTranslator*& translator) {
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
}

} // namespace

std::span<const Language> languages() {
    return kLanguages;
}

QString knownLanguage(const QString& code) {
    for (const Language& language : kLanguages) {
        if (code == QLatin1String(language.code)) {
            return code;
        }
    }
    return {};
}

QString chooseLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        // "ja-JP" and "ja_JP" name Japanese; the language is the part before the region.
        const QString code = knownLanguage(tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower());
        if (!code.isEmpty()) {
            return code;
        }
    }
    return QString::fromLatin1(kFallback);
}

void useLanguage(const QString& code) {
    Installed& now = installed();
    if (knownLanguage(code).isEmpty() || QCoreApplication::instance() == nullptr) {
        return;
    }
    remove(now.program);
    remove(now.qt);
    now.code = code;
    // The source texts are Japanese: only the other languages have a translation.
    if (code != QLatin1String(kLanguages.front().code)) {
        now.program = install(u"veltaro_"_s + code, u":/i18n"_s);
    }
    // qt_<code> is the catalogue of Qt's modules: qtbase, qtmultimedia, ...
    now.qt = install(u"qt_"_s + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString languageInUse() {
    return installed().code;
}

} // namespace veltaro::ui
