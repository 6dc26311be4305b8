#include "ui/fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

QString gothicFamily() {
    return u"ＭＳ Ｐゴシック"_s;
}

void installGothicSubstitutes() {
    const QStringList faces{u"IPAPGothic"_s, u"Noto Sans CJK JP"_s, u"VL PGothic"_s,
                            u"TakaoPGothic"_s};
    // insertSubstitutions appends only faces that are not listed yet.
    QFont::insertSubstitutions(gothicFamily(), faces);
    QFont::insertSubstitutions(u"MS PGothic"_s, faces);
}

QFont gothicFont(double pointSize) {
    QFont font(gothicFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace veltaro::ui
