#include "ui/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace veltaro::ui {

QTranslator* installQtJapanese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // qt_ja is the catalogue of Qt's modules: qtbase_ja, qtmultimedia_ja, ...
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace veltaro::ui
