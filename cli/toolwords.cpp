// The drawing's words in the language the tool speaks.
#include "cli/toolwords.h"

#include "cli/refusal.h"

#include <QCoreApplication>
#include <QTranslator>

namespace veltaro::cli {

void sayWordsInToolLanguage() {
    if (toolLanguage() == ToolLanguage::Japanese || QCoreApplication::instance() == nullptr) {
        return;
    }
    // Lives as long as the application it serves.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("veltaro_en"), QStringLiteral(":/i18n")) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
    }
}

} // namespace veltaro::cli
