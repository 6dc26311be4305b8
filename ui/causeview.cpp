#include "ui/causeview.h"

#include "astro/tide.h"
#include "plot/graphpainter.h"
#include "plot/graphwidget.h"
#include "plot/plotrun.h"
#include "plot/words.h"
#include "ui/fonts.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

namespace colours = plot::colours;

/// How much the sea's heights are enlarged against the Earth's radius in the drawing.
constexpr double kExaggeration = 5'000'000;
/// Centimetres in a kilometre: the curves' heights are read in centimetres.
constexpr double kCmPerKm = 100'000;
/// The longest a press of a play button plays [ms], and its quickest and slowest frame.
constexpr int kPlayMs = 12'000;
constexpr int kFastestFrameMs = 15;
constexpr int kSlowestFrameMs = 200;

constexpr QSize kCanvasSize(680, 350);
constexpr double kTopEarthPx = 95;    // the Earth's radius seen from the pole
constexpr double kSideEarthPx = 56;   // the Earth's radius in the side views
constexpr double kOutlineStepDeg = 2; // the outlines are drawn through points this far apart

double radians(double deg) {
    return deg * std::numbers::pi / 180;
}

QString fixed(double value, int decimals) {
    return QString::fromStdString(plot::fixedText(value, decimals));
}

QString cm(double km) {
    return QCoreApplication::translate("veltaro::ui::CauseView", "%1 cm")
        .arg(fixed(km * kCmPerKm, 1));
}

QString signedDegrees(double deg) {
    return (deg >= 0 ? u"+"_s : QString()) + fixed(deg, 1) + u"°"_s;
}

/// A whole number with its thousands grouped: "384,400".
QString grouped(double value) {
    return QLocale(QLocale::English).toString(qint64(std::llround(value)));
}

/// Pixels a height of `km` takes on a drawn Earth `earthPx` in radius.
double heightPx(double km, double earthPx) {
    return km * kExaggeration * earthPx / astro::kEarthRadiusKm;
}

/// `text` in `box`, its font made smaller (to three quarters at most) when
/// it is wider than the box and only then cut with "...": a caption in a
/// longer language stays whole and on its line.
void fittedText(QPainter& p, const QRectF& box, int flags, const QString& text) {
    const QFont font = p.font();
    const double wide = QFontMetricsF(font).horizontalAdvance(text);
    if (wide > box.width() && wide > 0) {
        // Glyphs do not scale exactly with the size: a text shrunk by the ratio
        // of the widths can still be a little too wide, so step on down.
        constexpr double kSmallest = 0.75;
        for (double shrink = std::max(kSmallest, box.width() / wide);;
             shrink = std::max(kSmallest, shrink - 0.01)) {
            QFont smaller = font;
            if (font.pointSizeF() > 0) {
                smaller.setPointSizeF(font.pointSizeF() * shrink);
            } else {
                smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * shrink)));
            }
            p.setFont(smaller);
            if (shrink <= kSmallest ||
                QFontMetricsF(smaller).horizontalAdvance(text) <= box.width()) {
                break;
            }
        }
    }
    p.drawText(box, flags, QFontMetricsF(p.font()).elidedText(text, Qt::ElideRight, box.width()));
    p.setFont(font);
}

} // namespace

/// The drawing: the Earth from the pole on the left, the side views on the right.
class CauseCanvas : public QWidget {
public:
    explicit CauseCanvas(QWidget* parent) : QWidget(parent) { setFixedSize(kCanvasSize); }

    void showCause(const std::optional<plot::Cause>& cause) {
        m_cause = cause;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), palette().color(QPalette::Base));
        if (!m_cause) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                       CauseView::tr("グラフの上にマウスを置くと、その時刻の月と太陽の位置"
                                     "と海面の盛り上がりをここに描きます。"));
            return;
        }
        paintFromPole(p, QRectF(0, 0, 350, kCanvasSize.height()));
        paintSide(p, QRectF(350, 0, 330, 175), m_cause->moon, CauseView::tr("月"), colours::kMoon);
        paintSide(p, QRectF(350, 175, 330, 175), m_cause->sun, CauseView::tr("太陽"),
                  colours::kSun);
    }

private:
    /// The Earth seen from the pole nearer the place, the Sun to the right:
    /// a point whose meridian stands `a` degrees east of the Sun's is drawn `a`
    /// degrees anticlockwise (from the north) or clockwise (from the south).
    void paintFromPole(QPainter& p, const QRectF& area) {
        const plot::Cause& c = *m_cause;
        const bool south = plot::nearerPole(c.latDeg) == plot::Pole::South;
        const QPointF centre = area.center();
        const double earth = kTopEarthPx;
        const double circle = earth * std::cos(radians(c.latDeg));
        auto at = [&](double eastOfSunDeg, double radius) {
            const double a = radians(eastOfSunDeg);
            const double up = south ? -std::sin(a) : std::sin(a);
            return centre + QPointF(radius * std::cos(a), -radius * up);
        };
        // The Moon's meridian east of the Sun's.
        const double moonEast = c.moon.rightAscensionDeg - c.sun.rightAscensionDeg;

        // The Earth, its night half away from the Sun, and the pole.
        const QRectF disc(centre - QPointF(earth, earth), QSizeF(2 * earth, 2 * earth));
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(QColor(190, 220, 245));
        p.drawEllipse(disc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 60, 45));
        p.drawPie(disc, 90 * 16, 180 * 16);
        p.setBrush(Qt::black);
        p.drawEllipse(centre, 2, 2);

        // The place's circle of latitude, and the sea along it: each body's
        // and their sum, the height drawn outward from the circle.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        p.drawEllipse(centre, circle, circle);
        auto outline = [&](auto heightKm, QRgb colour, double width) {
            QPainterPath path;
            for (double a = 0; a <= 360; a += kOutlineStepDeg) {
                const QPointF point = at(a, circle + heightPx(heightKm(a), earth));
                a == 0 ? path.moveTo(point) : path.lineTo(point);
            }
            path.closeSubpath();
            p.setPen(QPen(QColor::fromRgb(colour), width));
            p.drawPath(path);
        };
        auto sunAt = [&](double a) { return plot::heightOnLatitudeKm(c.sun, c.latDeg, a); };
        auto moonAt = [&](double a) {
            return plot::heightOnLatitudeKm(c.moon, c.latDeg, a - moonEast);
        };
        outline(sunAt, colours::kSun, 1.2);
        outline(moonAt, colours::kMoon, 1.2);
        outline([&](double a) { return sunAt(a) + moonAt(a); }, colours::kCombined, 2);

        // The place: its meridian stands the Sun's hour angle east of the Sun's.
        const double place = c.sun.hourAngleDeg;
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(at(place, circle), at(place, circle + heightPx(c.totalKm(), earth)));
        p.setBrush(Qt::red);
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(at(place, circle), 4, 4);
        p.drawText(QRectF(at(place, circle - 30) - QPointF(30, 8), QSizeF(60, 16)), Qt::AlignCenter,
                   CauseView::tr("観測地"));

        // The Sun and the Moon, in their directions (not at their distances);
        // the Moon lit on the side facing the Sun.
        const QPointF sun = at(0, earth + 68); // beyond the Moon, which may stand in front
        p.setBrush(QColor::fromRgb(colours::kLitEdge));
        p.setPen(QPen(QColor::fromRgb(colours::kSun), 1));
        p.drawEllipse(sun, 9, 9);
        const QPointF moon = at(moonEast, earth + 48);
        const QRectF moonDisc(moon - QPointF(8, 8), QSizeF(16, 16));
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(QColor::fromRgb(colours::kNight));
        p.drawEllipse(moonDisc);
        p.setBrush(QColor::fromRgb(colours::kLit));
        p.drawPie(moonDisc, -90 * 16, 180 * 16); // the Sun is to the right
        p.setPen(palette().color(QPalette::WindowText));
        // Above the Sun, ending at its right edge: the side views begin there.
        p.drawText(QRectF(sun + QPointF(-51, -28), QSizeF(60, 16)), Qt::AlignRight,
                   CauseView::tr("太陽"));
        p.drawText(QRectF(moon + QPointF(10, -8), QSizeF(40, 16)), Qt::AlignLeft | Qt::AlignVCenter,
                   CauseView::tr("月"));

        fittedText(p, area.adjusted(6, 4, -6, 0), Qt::AlignLeft | Qt::AlignTop,
                   south ? CauseView::tr("南極の上から見た地球（時計回りに自転）")
                         : CauseView::tr("北極の上から見た地球（反時計回りに自転）"));
        // Which outline is which, in the curves' colours.
        QPointF key = area.bottomLeft() + QPointF(6, -40);
        for (const auto& [text, colour] :
             {std::pair{CauseView::tr("太陽"), colours::kSun},
              std::pair{CauseView::tr("月"), colours::kMoon},
              std::pair{CauseView::tr("太陽＋月"), colours::kCombined}}) {
            p.setPen(QPen(QColor::fromRgb(colour), 2));
            p.drawLine(key + QPointF(0, -4), key + QPointF(18, -4));
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(key + QPointF(22, 0), text);
            key += QPointF(30 + p.fontMetrics().horizontalAdvance(text), 0);
        }
        fittedText(p, area.adjusted(6, 0, -6, -4), Qt::AlignLeft | Qt::AlignBottom,
                   CauseView::tr("点線：観測地の緯度の円　海面の高さは%L1倍に誇張")
                       .arg(kExaggeration, 0, 'f', 0));
    }

    /// One body's bulge seen from the side, in the plane of the Earth's axis
    /// and the body: north up, the body to the right at its declination, the
    /// place's circle of latitude edge on, and the heights it passes under at
    /// the body's upper and lower meridian passages.
    void paintSide(QPainter& p, const QRectF& area, const plot::BodyAtPlace& body,
                   const QString& name, QRgb colour) {
        const plot::Cause& c = *m_cause;
        const QPointF centre = area.center() + QPointF(10, 14);
        const double earth = kSideEarthPx;
        auto at = [&](double upDeg, double radius) {
            const double a = radians(upDeg);
            return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
        };
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(QColor(190, 220, 245));
        p.drawEllipse(centre, earth, earth);
        p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        p.drawLine(at(90, earth + 10), at(270, earth + 10));
        p.drawLine(at(0, earth + 6), at(180, earth + 6));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(at(90, earth + 10) + QPointF(4, -8), QSizeF(20, 16)),
                   Qt::AlignLeft | Qt::AlignVCenter, CauseView::tr("北"));

        QPainterPath path;
        for (double a = 0; a <= 360; a += kOutlineStepDeg) {
            const double r =
                earth + heightPx(plot::bulgeKm(body, radians(a - body.declinationDeg)), earth);
            const QPointF point = at(a, r);
            a == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        path.closeSubpath();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor::fromRgb(colour), 1.5));
        p.drawPath(path);

        // The direction of the body, tilted by its declination.
        p.setPen(QPen(QColor::fromRgb(colour), 1, Qt::DashLine));
        p.drawLine(at(body.declinationDeg + 180, earth + 20), at(body.declinationDeg, earth + 60));

        // The circle of latitude edge on; the place on it as its meridian turns.
        const double lat = c.latDeg;
        const plot::TransitHeights transit = plot::transitHeights(body, lat);
        const QPointF upper = at(lat, earth);
        const QPointF lower = at(180 - lat, earth);
        p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        p.drawLine(upper, lower);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(upper, at(lat, earth + heightPx(transit.upperKm, earth)));
        p.drawLine(lower, at(180 - lat, earth + heightPx(transit.lowerKm, earth)));
        const QPointF place((upper.x() + lower.x()) / 2 +
                                (upper.x() - lower.x()) / 2 * std::cos(radians(body.hourAngleDeg)),
                            upper.y());
        p.setBrush(Qt::red);
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(place, 3.5, 3.5);
        p.setPen(palette().color(QPalette::WindowText));
        // The two heights outside the points, on the side away from the equator.
        const double away = lat >= 0 ? -18 : 2;
        p.drawText(QRectF(upper + QPointF(6, away), QSizeF(70, 16)), Qt::AlignLeft,
                   cm(transit.upperKm));
        p.drawText(QRectF(lower + QPointF(-76, away), QSizeF(70, 16)), Qt::AlignRight,
                   cm(transit.lowerKm));
        p.setPen(palette().color(QPalette::WindowText));
        fittedText(p, area.adjusted(6, 4, -6, 0), Qt::AlignLeft | Qt::AlignTop,
                   CauseView::tr("横から見た%1の潮（赤緯 %2、破線が%1の方向）")
                       .arg(name, signedDegrees(body.declinationDeg)));
    }

    std::optional<plot::Cause> m_cause;
};

CauseView::CauseView(const plot::DrawingRecord& record, plot::GraphWidget* graph, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_record(record), m_graph(graph) {
    setObjectName(u"frmcause"_s);
    setFont(gothicFont(kDefaultPt));

    m_canvas = new CauseCanvas(this);
    m_canvas->setObjectName(u"piccause"_s);
    m_moment = new QLabel(this);
    m_moment->setObjectName(u"lblcausetime"_s);
    m_numbers = new QLabel(this);
    m_numbers->setObjectName(u"lblcause"_s);
    m_numbers->setTextFormat(Qt::RichText);
    m_moon = new QLabel(this);
    m_moon->setObjectName(u"piccausemoon"_s);
    m_moon->setFixedSize(plot::geometry::kMoonInner);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(u"sldcause"_s);
    m_slider->setEnabled(false);
    m_playDay = new QPushButton(this);
    m_playDay->setObjectName(u"btncauseday"_s);
    m_playMonth = new QPushButton(this);
    m_playMonth->setObjectName(u"btncausemonth"_s);
    sayTexts();
    for (QPushButton* button : {m_playDay, m_playMonth}) {
        button->setCheckable(true);
        button->setAutoDefault(false);
    }

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(m_numbers, 1);
    numbers->addWidget(m_moon, 0, Qt::AlignTop);
    auto* controls = new QHBoxLayout;
    controls->addWidget(m_slider, 1);
    controls->addWidget(m_playDay);
    controls->addWidget(m_playMonth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_canvas);
    layout->addWidget(m_moment);
    layout->addLayout(numbers);
    layout->addLayout(controls);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_slider, &QSlider::valueChanged, this, &CauseView::sliderMoved);
    connect(m_playDay, &QPushButton::toggled, this,
            [this](bool on) { on ? play(plot::PlaySpan::Day) : stopPlaying(); });
    connect(m_playMonth, &QPushButton::toggled, this,
            [this](bool on) { on ? play(plot::PlaySpan::Lunation) : stopPlaying(); });
    connect(&m_player, &QTimer::timeout, this, &CauseView::playStep);
    if (m_graph) {
        connect(m_graph, &plot::GraphWidget::stepPointed, this, &CauseView::showStep);
    }
    m_observer = m_record.observe([this](plot::RecordChange change) { follow(change); });
    follow(plot::RecordChange::Grew);
}

CauseView::~CauseView() {
    m_record.unobserve(m_observer);
}

void CauseView::setMoonView(plot::MoonView view) {
    m_moonView = view;
    if (m_shown) {
        showIndex(*m_shown, false);
    }
}

std::optional<std::size_t> CauseView::lastDrawingWithSteps() const {
    const auto& drawings = m_record.drawings();
    for (std::size_t d = drawings.size(); d-- > 0;) {
        if (!drawings[d].steps.empty()) {
            return d;
        }
    }
    return std::nullopt;
}

void CauseView::follow(plot::RecordChange change) {
    if (change == plot::RecordChange::Cleared) {
        stopPlaying();
        m_shown.reset();
        m_cause.reset();
        m_canvas->showCause(m_cause);
        m_moment->clear();
        m_numbers->clear();
        m_moon->clear();
    }
    // The slider runs over the steps of the most recent drawing.
    const auto last = lastDrawingWithSteps();
    const QSignalBlocker quiet(m_slider);
    m_slider->setEnabled(last.has_value());
    m_slider->setRange(0, last ? int(m_record.drawings()[*last].steps.size()) - 1 : 0);
    if (m_shown && last && m_shown->drawing == *last) {
        m_slider->setValue(int(m_shown->step));
    }
}

void CauseView::showStep(const plot::RecordedStep* step) {
    if (step == nullptr) {
        return;
    }
    if (const auto at = plot::indexOfStep(m_record, step)) {
        showIndex(*at, false);
    }
}

void CauseView::sliderMoved(int value) {
    const auto last = lastDrawingWithSteps();
    if (last && value >= 0 && std::size_t(value) < m_record.drawings()[*last].steps.size()) {
        showIndex({*last, std::size_t(value)}, true);
    }
}

void CauseView::sayTexts() {
    setWindowTitle(tr("潮の原因：地球と月・太陽"));
    m_moon->setToolTip(tr("観測地から見た月"));
    m_playDay->setText(tr("1日を再生"));
    m_playMonth->setText(tr("1朔望月を再生"));
}

void CauseView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        sayTexts();
        if (m_shown) {
            showIndex(*m_shown, false); // the moment and the table in the new words
        }
        m_canvas->update();
    }
    QWidget::changeEvent(event);
}

void CauseView::showIndex(plot::DrawingRecord::StepIndex at, bool leadCursor) {
    const plot::Drawing& drawing = m_record.drawings()[at.drawing];
    const plot::RecordedStep& step = drawing.steps[at.step];
    m_shown = at;
    m_cause = plot::causeOfStep(drawing, step);
    m_canvas->showCause(m_cause);

    const QString reading = plot::stepText(drawing, step);
    m_moment->setText(
        tr("%1　%2", "the place, then the moment and its heights")
            .arg(QString::fromStdString(plot::placeText(m_cause->latDeg, m_cause->lonDeg)),
                 reading));
    m_numbers->setText(numbersText());
    const double dpr = devicePixelRatioF();
    QImage moon = plot::makeMoonImage(dpr);
    plot::lunadraw(moon, dpr,
                   plot::moonDrawnAngleRad(m_cause->msangleRad, m_cause->latDeg, m_moonView));
    moon.setDevicePixelRatio(dpr);
    m_moon->setPixmap(QPixmap::fromImage(moon));

    if (const auto last = lastDrawingWithSteps(); last && *last == at.drawing) {
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(int(at.step));
    }
    if (leadCursor && m_graph) {
        m_graph->showReading(step.t, reading);
    }
}

QString CauseView::numbersText() const {
    if (!m_cause) {
        return QString();
    }
    const plot::Cause& c = *m_cause;
    auto hourAngle = [](double deg) {
        const int minutes = int(std::lround(std::abs(deg) / 15 * 60));
        const QString span =
            tr("%1時間%2分").arg(minutes / 60).arg(minutes % 60, 2, 10, QChar(u'0'));
        return deg >= 0 ? tr("正中の%1後").arg(span) : tr("正中の%1前").arg(span);
    };
    auto row = [&](const QString& name, const plot::BodyAtPlace& b) {
        const plot::TransitHeights transit = plot::transitHeights(b, c.latDeg);
        return u"<tr><td>%1</td><td align=right>%2</td><td>%3</td><td align=right>%4</td>"
               "<td align=right>%5 km</td><td align=right><b>%6</b></td>"
               "<td align=right>%7</td></tr>"_s.arg(
                   name, signedDegrees(b.altitudeDeg), hourAngle(b.hourAngleDeg),
                   signedDegrees(b.declinationDeg), grouped(b.distanceKm), cm(b.heightKm),
                   tr("%1 ／ %2", "heights at the upper and the lower transit")
                       .arg(cm(transit.upperKm), cm(transit.lowerKm)));
    };
    return u"<table cellspacing=0 cellpadding=3><tr><th></th><th>%1</th><th>%2</th><th>%3</th>"
           "<th>%4</th><th>%5</th><th>%6</th></tr>"_s.arg(tr("高度"), tr("時角"), tr("赤緯"),
                                                          tr("距離"), tr("ここでの高さ"),
                                                          tr("正中 ／ 下方通過での高さ")) +
           row(tr("月"), c.moon) + row(tr("太陽"), c.sun) +
           u"<tr><td>%1</td><td></td><td></td><td></td><td></td><td align=right><b>%2</b></td>"
           "<td></td></tr></table>"_s.arg(tr("太陽＋月"), cm(c.totalKm()));
}

void CauseView::play(plot::PlaySpan span) {
    const auto last = lastDrawingWithSteps();
    QPushButton* other = span == plot::PlaySpan::Day ? m_playMonth : m_playDay;
    {
        const QSignalBlocker quiet(other);
        other->setChecked(false);
    }
    if (!last) {
        stopPlaying();
        return;
    }
    const int steps = plot::stepsOfSpan(m_record.drawings()[*last].mode(), span);
    m_playLeft = std::min(steps, m_slider->maximum() - m_slider->value());
    if (m_playLeft <= 0) {
        // At the end: play from the start.
        m_slider->setValue(0);
        m_playLeft = std::min(steps, m_slider->maximum());
    }
    // Many steps are played several to a frame, so that a press lasts about kPlayMs.
    const int frames = kPlayMs / kFastestFrameMs;
    m_playStride = (steps + frames - 1) / frames;
    const int frameMs = kPlayMs * m_playStride / steps;
    m_player.start(std::clamp(frameMs, kFastestFrameMs, kSlowestFrameMs));
}

void CauseView::playStep() {
    if (m_playLeft <= 0 || m_slider->value() >= m_slider->maximum()) {
        stopPlaying();
        return;
    }
    const int advance = std::min(m_playStride, m_playLeft);
    m_playLeft -= advance;
    m_slider->setValue(m_slider->value() + advance);
}

void CauseView::stopPlaying() {
    m_player.stop();
    m_playLeft = 0;
    for (QPushButton* button : {m_playDay, m_playMonth}) {
        const QSignalBlocker quiet(button);
        button->setChecked(false);
    }
}

} // namespace veltaro::ui
