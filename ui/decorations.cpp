#include "ui/decorations.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace veltaro::ui {

VerticalLabel::VerticalLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

namespace {

/// Latin letters stacked one under another cannot be read as a word; they are
/// turned instead.
bool turned(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(),
                        [](QChar ch) { return ch.unicode() >= 0x3000; });
}

} // namespace

QSize VerticalLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    if (turned(text())) {
        return {metrics.height(), metrics.horizontalAdvance(text())};
    }
    int width = 0;
    for (const QChar ch : text()) {
        width = std::max(width, metrics.horizontalAdvance(ch));
    }
    return {width, metrics.height() * static_cast<int>(text().size())};
}

void VerticalLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int line = QFontMetrics(font()).height();
    if (turned(text())) {
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
        return;
    }
    int top = 0;
    // Surrogate pairs are not split: every caption here is BMP kanji and blanks.
    for (const QChar ch : text()) {
        painter.drawText(QRect(0, top, width(), line), Qt::AlignHCenter | Qt::AlignTop, ch);
        top += line;
    }
}

FittingLabel::FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const int wanted = QFontMetrics(font()).horizontalAdvance(text());
    if (wanted <= width() || wanted == 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.scale(static_cast<double>(width()) / wanted, 1);
    painter.drawText(QRect(0, 0, wanted, height()), static_cast<int>(alignment()), text());
}

LegendLine::LegendLine(const QColor& color, int thickness, QWidget* parent)
    : QWidget(parent), m_color(color), m_thickness(thickness) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LegendLine::setLook(const QColor& color, int thickness) {
    m_color = color;
    m_thickness = thickness;
    update();
}

void LegendLine::paintEvent(QPaintEvent*) {
    // The widget shown larger makes the line thicker in proportion.
    const double scale = static_cast<double>(height()) / kRoom;
    const int thick = std::max(1, static_cast<int>(std::lround(m_thickness * scale)));
    QPainter painter(this);
    painter.fillRect(QRect(0, (height() - thick) / 2, width(), thick), m_color);
}

GapRadioButton::GapRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void GapRadioButton::setTailAt(int x) {
    m_tailAt = x;
    update();
}

void GapRadioButton::setHeadEndAt(int x) {
    m_headEndAt = x;
    update();
}

void GapRadioButton::paintEvent(QPaintEvent* event) {
    constexpr QChar kIdeographicSpace(0x3000);
    const QString caption = text();
    const qsizetype gap = caption.indexOf(kIdeographicSpace);
    if (m_tailAt < 0 || gap < 0) {
        QRadioButton::paintEvent(event);
        return;
    }
    qsizetype tailStart = gap;
    while (tailStart < caption.size() && caption[tailStart] == kIdeographicSpace) {
        ++tailStart;
    }

    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = caption.left(gap);
    // The head is moved left just as far as it must to end by m_headEndAt.
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const QRect contents = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const int headRight = contents.left() + fontMetrics().horizontalAdvance(option.text);
    const int shift = m_headEndAt < 0
                          ? 0
                          : std::clamp(headRight - m_headEndAt, 0,
                                       std::max(0, contents.left() - indicator.right() - 3));
    if (shift == 0) {
        painter.drawControl(QStyle::CE_RadioButton, option);
    } else {
        QStyleOptionButton part = option;
        part.rect = indicator;
        painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, part);
        part.rect = contents.translated(-shift, 0);
        painter.drawControl(QStyle::CE_RadioButtonLabel, part);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = style()
                             ->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this)
                             .translated(-shift, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    const QRect tail(m_tailAt, 0, std::max(0, width() - m_tailAt), height());
    painter.drawItemText(tail, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                         caption.mid(tailStart), QPalette::WindowText);
}

} // namespace veltaro::ui
