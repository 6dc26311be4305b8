#include "ui/frmushio.h"

#include "astro/timeargs.h"
#include "calendar/calendar.h"
#include "calendar/daterange.h"
#include "calendar/input.h"
#include "calendar/kansi.h"
#include "plot/drawingrecord.h"
#include "plot/graphpainter.h"
#include "plot/graphwidget.h"
#include "plot/plotcontroller.h"
#include "plot/plotrequest.h"
#include "plot/windowlayout.h"
#include "plot/words.h"
#include "ui/causeview.h"
#include "ui/decorations.h"
#include "ui/fonts.h"
#include "ui/graphsaver.h"
#include "ui/helpwindow.h"
#include "ui/layoutzoom.h"
#include "ui/runlifecycle.h"
#include "ui/updown.h"
#include "ui/viewsettings.h"
#include "ui/windowtexts.h"
#include "ui/windowzoom.h"

#include <veltaro_version.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

// The layout is drawn in twips (plot/windowlayout.h); the window maps 15 twips
// onto one device-independent pixel (1440 twips an inch at 96 pixels an inch).
namespace layout = plot::layout;
QRect twips(int left, int top, int width, int height) {
    return {layout::pixels(left), layout::pixels(top), layout::pixels(width),
            layout::pixels(height)};
}
QRect twips(const layout::TwipsRect& r) {
    return twips(r.left, r.top, r.width, r.height);
}

// The client area below the menu bar.
constexpr QSize kClientSize{layout::pixels(layout::kClient.width),
                            layout::pixels(layout::kClient.height)};

// Point sizes of the captions.
constexpr double kBoxPt = 11.25;    // date and point boxes, Moon's age, day name, hour labels
constexpr double kCaptionPt = 12.0; // captions of the top rows, the graph's caption
constexpr double kOptionPt = 9.75;  // option buttons, the Moon pictures' caption
constexpr double kLegendPt = 8.25;  // legend captions

// The default observation point (the former Tokyo observatory, Azabu).
constexpr auto kTokyo = std::to_array<const char*>({"139", "44", "41", "35", "39", "16"});

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The Japanese readings of the stems and branches in romaji; a day's name is
// read as its stem's reading, a hyphen and its branch's ("kinoe-ne"). They are
// names: a translation keeps them as they are, or spells them in its own script.
constexpr auto kStemReadings = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("DayNameReading", "kinoe"),
    QT_TRANSLATE_NOOP("DayNameReading", "kinoto"),
    QT_TRANSLATE_NOOP("DayNameReading", "hinoe"),
    QT_TRANSLATE_NOOP("DayNameReading", "hinoto"),
    QT_TRANSLATE_NOOP("DayNameReading", "tsuchinoe"),
    QT_TRANSLATE_NOOP("DayNameReading", "tsuchinoto"),
    QT_TRANSLATE_NOOP("DayNameReading", "kanoe"),
    QT_TRANSLATE_NOOP("DayNameReading", "kanoto"),
    QT_TRANSLATE_NOOP("DayNameReading", "mizunoe"),
    QT_TRANSLATE_NOOP("DayNameReading", "mizunoto"),
});
constexpr auto kBranchReadings = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("DayNameReading", "ne"),
    QT_TRANSLATE_NOOP("DayNameReading", "ushi"),
    QT_TRANSLATE_NOOP("DayNameReading", "tora"),
    QT_TRANSLATE_NOOP("DayNameReading", "u"),
    QT_TRANSLATE_NOOP("DayNameReading", "tatsu"),
    QT_TRANSLATE_NOOP("DayNameReading", "mi"),
    QT_TRANSLATE_NOOP("DayNameReading", "uma"),
    QT_TRANSLATE_NOOP("DayNameReading", "hitsuji"),
    QT_TRANSLATE_NOOP("DayNameReading", "saru"),
    QT_TRANSLATE_NOOP("DayNameReading", "tori"),
    QT_TRANSLATE_NOOP("DayNameReading", "inu"),
    QT_TRANSLATE_NOOP("DayNameReading", "i"),
});
static_assert(kStemReadings.size() == kKansiStems);
static_assert(kBranchReadings.size() == kKansiBranches);

QString reading(const KansiParts& parts) {
    auto word = [](const char* text) {
        return QCoreApplication::translate("DayNameReading", text);
    };
    return word(kStemReadings[static_cast<std::size_t>(parts.stem)]) + u'-' +
           word(kBranchReadings[static_cast<std::size_t>(parts.branch)]);
}

template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

frmushio::frmushio(ObservationState& state, Clock today, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_today(std::move(today)),
      m_sound(makeSystemNotifySound()) {
    if (!m_today) {
        m_today = [] { return QDate::currentDate(); };
    }
    setObjectName(u"frmushio"_s);
    setWindowTitle(u"Veltaro"_s);
    setFont(gothicFont(kDefaultPt));

    buildControls();
    buildMenus();
    m_layoutZoom = std::make_unique<LayoutZoom>(this, centralWidget());
    buildStatus();
    buildReadout();
    // While the mouse reads nothing, the status bar says what the boxes will draw.
    auto noteWhenNothingIsRead = [this] {
        m_reading = !m_readout->text().isEmpty();
        updatePlaceNote();
    };
    connect(m_picture1, &plot::GraphWidget::readout, this, noteWhenNothingIsRead);
    for (plot::MoonWidget* moon : m_picmoon) {
        connect(moon, &plot::MoonWidget::hovered, this, noteWhenNothingIsRead);
    }
    connectPlot();

    // Absolute layout: the window keeps the size its contents ask for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    startup();
}

frmushio::~frmushio() {
    // The controller writes the document: it goes first; then the views of the
    // document, before it goes with the members.
    if (m_plot->running()) {
        m_plot->cancel();
    }
    delete m_plot;
    m_plot = nullptr;
    delete m_cause;
    delete m_saver;
    delete m_picture1;
    for (plot::MoonWidget* moon : m_picmoon) {
        delete moon;
    }
}

void frmushio::useSettings(std::unique_ptr<QSettings> store) {
    m_view->useStore(std::move(store));
    if (const auto factor = m_view->storedZoom()) {
        setZoom(*factor);
    }
    connect(m_zoom, &WindowZoom::changed, m_view,
            [this](double factor, bool) { m_view->rememberZoom(factor); });
}

void frmushio::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_wording.retranslate();
        // The parts made by helpers of their own (absent while the window is built).
        if (m_view != nullptr && m_saver != nullptr && m_zoom != nullptr) {
            m_view->retranslate();
            m_saver->retranslate();
            m_zoom->retranslate();
        }
        updatePlaceNote();
    }
    QMainWindow::changeEvent(event);
}

void frmushio::setNotifySound(std::unique_ptr<NotifySound> sound) {
    m_sound = std::move(sound);
}

bool frmushio::drawing() const {
    return m_plot != nullptr && m_plot->running();
}

// ---------------------------------------------------------------------------
// Controls

void frmushio::buildControls() {
    auto* client = named(new QWidget(this), u"client"_s);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    // The helpers take a caption's source text (QT_TR_NOOP) and keep it in the
    // language in use.
    auto label = [this](QWidget* parent, const QString& name, const char* text, QRect where,
                        double pt) {
        auto* l = named(new QLabel(parent), name);
        if (text != nullptr) {
            m_wording.keep([l, text] { l->setText(tr(text)); });
        }
        l->setFont(gothicFont(pt));
        l->setGeometry(where);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    auto box = [](QWidget* parent, const QString& name, int maxLength, QRect where, double pt) {
        auto* t = named(new QLineEdit(parent), name);
        t->setFont(gothicFont(pt));
        t->setMaxLength(maxLength);
        t->setGeometry(where);
        return t;
    };
    auto spin = [this](QWidget* parent, const QString& name, QLineEdit* buddy, int min, int max,
                       QRect where) {
        auto* s = named(new UpDown(buddy, min, max, parent), name);
        s->setGeometry(where);
        m_spins.push_back(s);
        return s;
    };
    auto option = [this](QWidget* parent, const QString& name, const char* text, QRect where) {
        auto* o = named(new QRadioButton(parent), name);
        if (text != nullptr) {
            m_wording.keep([o, text] { o->setText(tr(text)); });
        }
        o->setFont(gothicFont(kOptionPt));
        o->setGeometry(where);
        return o;
    };
    auto button = [this](QWidget* parent, const QString& name, const char* text, QRect where) {
        auto* b = named(new QPushButton(parent), name);
        m_wording.keep([b, text] { b->setText(tr(text)); });
        b->setGeometry(where);
        b->setAutoDefault(false);
        return b;
    };

    // Date row. The caption names the clock the dates and times are read on.
    m_label1 = named(new FittingLabel(ViewSettings::dateCaption({}), client), u"Label1"_s);
    m_wording.keep([this] {
        m_label1->setText(ViewSettings::dateCaption(m_view ? m_view->clock() : ClockChoice{}));
    });
    m_label1->setFont(gothicFont(kCaptionPt));
    m_label1->setGeometry(twips(105, 240, 1455, 255));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_txtnen = box(client, u"txtnen"_s, 6, twips(1590, 160, 855, 330), kBoxPt);
    m_upd1 = spin(client, u"upd1"_s, m_txtnen, kFirstYear, kLastYear, twips(2430, 165, 240, 330));
    label(client, u"Label6"_s, QT_TR_NOOP("年"), twips(2730, 240, 255, 255), kCaptionPt);
    m_txtgetu = box(client, u"txtgetu"_s, 2, twips(3045, 160, 375, 330), kBoxPt);
    m_upd2 = spin(client, u"upd2"_s, m_txtgetu, 1, 12, twips(3420, 165, 240, 330));
    label(client, u"Label7"_s, QT_TR_NOOP("月"), twips(3780, 240, 255, 255), kCaptionPt);
    m_txtniti = box(client, u"txtniti"_s, 2, twips(4125, 160, 375, 330), kBoxPt);
    m_upd3 = spin(client, u"upd3"_s, m_txtniti, 1, 31, twips(4485, 165, 240, 330));
    label(client, u"Label8"_s, QT_TR_NOOP("日"), twips(4830, 240, 255, 255), kCaptionPt);

    // Longitude row.
    label(client, u"Label2"_s, QT_TR_NOOP("観測地点"), twips(5355, 240, 1095, 255), kCaptionPt);
    m_txtkei = box(client, u"txtkei"_s, 4, twips(6435, 160, 735, 330), kBoxPt);
    spin(client, u"UpDown5"_s, m_txtkei, -179, 179, twips(7155, 165, 240, 330));
    label(client, u"Label9"_s, QT_TR_NOOP("度"), twips(7455, 240, 255, 255), kCaptionPt);
    m_txtkeim = box(client, u"txtkeim"_s, 2, twips(7770, 160, 465, 330), kBoxPt);
    spin(client, u"UpDown6"_s, m_txtkeim, 0, 59, twips(8250, 165, 240, 330));
    label(client, u"Label10"_s, QT_TR_NOOP("分"), twips(8520, 240, 255, 255), kCaptionPt);
    m_txtkeis = box(client, u"txtkeis"_s, 2, twips(8805, 160, 465, 330), kBoxPt);
    spin(client, u"UpDown7"_s, m_txtkeis, 0, 59, twips(9240, 165, 240, 330));
    label(client, u"Label11"_s, QT_TR_NOOP("秒"), twips(9555, 240, 255, 255), kCaptionPt);

    // Latitude row. Seconds of latitude spin 0..59 like every other seconds box.
    m_txtido = box(client, u"txtido"_s, 3, twips(6435, 615, 735, 330), kBoxPt);
    spin(client, u"UpDown8"_s, m_txtido, -89, 89, twips(7155, 615, 240, 330));
    label(client, u"Label13"_s, QT_TR_NOOP("度"), twips(7455, 735, 255, 255), kCaptionPt);
    m_txtidom = box(client, u"txtidom"_s, 2, twips(7770, 615, 495, 330), kBoxPt);
    spin(client, u"UpDown9"_s, m_txtidom, 0, 59, twips(8250, 615, 240, 330));
    label(client, u"Label14"_s, QT_TR_NOOP("分"), twips(8520, 735, 255, 255), kCaptionPt);
    m_txtidos = box(client, u"txtidos"_s, 2, twips(8820, 630, 465, 330), kBoxPt);
    spin(client, u"UpDown10"_s, m_txtidos, 0, 59, twips(9240, 630, 240, 330));
    label(client, u"Label15"_s, QT_TR_NOOP("秒"), twips(9555, 735, 255, 255), kCaptionPt);

    // Period of the graph.
    auto* frame1 = named(new QFrame(client), u"Frame1"_s);
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setGeometry(twips(135, 630, 1395, 1050));
    m_optday = option(frame1, u"optday"_s, nullptr, twips(105, 210, 1140, 255));
    m_opt60 = option(frame1, u"opt60"_s, nullptr, twips(105, 480, 1155, 255));
    m_optyear = option(frame1, u"optyear"_s, nullptr, twips(105, 735, 1155, 255));
    // The modes' names are the drawing's own.
    m_wording.keep([this] {
        m_optday->setText(plot::modeName(plot::PlotMode::Diurnal));
        m_opt60->setText(plot::modeName(plot::PlotMode::SixtyDay));
        m_optyear->setText(plot::modeName(plot::PlotMode::Annual));
    });
    m_optday->setChecked(true);

    // One day or several days (diurnal graph only). The days box sits over the
    // gap the ideographic spaces leave in the caption of optyes.
    m_frame2 = named(new QFrame(client), u"Frame2"_s);
    m_frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame2->setGeometry(twips(1575, 630, 1870, 1050));
    m_option4 = option(m_frame2, u"Option4"_s, QT_TR_NOOP("一日描画"), twips(105, 300, 1125, 255));
    m_optyes = named(new GapRadioButton(QString(), m_frame2), u"optyes"_s);
    m_wording.keep([this] { m_optyes->setText(tr("連続　　　　　　日")); });
    m_optyes->setFont(gothicFont(kOptionPt));
    m_optyes->setGeometry(twips(105, 630, 1725, 255));
    m_option4->setChecked(true);
    m_txtcont = box(m_frame2, u"txtcont"_s, 3, twips(800, 630, 450, 270), kDefaultPt);
    m_txtcont->setText(u"2"_s);
    spin(m_frame2, u"UpDown1"_s, m_txtcont, 2, 60, twips(1240, 630, 240, 270));
    placeDaysCaption(1);

    // Moon's age and the day's name.
    label(client, u"Label12"_s, QT_TR_NOOP("月相："), twips(3675, 735, 630, 255), kBoxPt);
    m_lblmage = label(client, u"lblmage"_s, nullptr, twips(4365, 735, 540, 225), kBoxPt);
    label(client, u"Label5"_s, QT_TR_NOOP("日干支："), twips(4935, 735, 795, 255), kBoxPt);
    m_daykannsi = label(client, u"daykannsi"_s, nullptr, twips(5775, 735, 450, 270), kBoxPt);
    // Too narrow for the reading beside the name: another language has it as the tooltip.
    m_wording.keep([this] { showDayName(m_dayIndex); });

    // Legend: caption, then the swatch in the curve's colour.
    label(client, u"Label16"_s, QT_TR_NOOP("太陽による起潮力……"), twips(3675, 1155, 1695, 195),
          kLegendPt);
    label(client, u"Label17"_s, QT_TR_NOOP("月による起潮力………"), twips(3675, 1365, 1695, 195),
          kLegendPt);
    label(client, u"Label18"_s, QT_TR_NOOP("太陽＋月による起潮力"), twips(3675, 1575, 1695, 195),
          kLegendPt);
    struct Swatch {
        const char* name;
        int y; // twips
        QColor color;
    };
    // The swatches take the colours the curves are drawn in, so that each one
    // names its curve (a yellow Moon swatch beside a dark olive Moon curve would not).
    const Swatch swatches[] = {{"Line1", 1215, QColor(plot::colours::kSun)},
                               {"Line2", 1425, QColor(plot::colours::kMoon)},
                               {"Line3", 1635, QColor(plot::colours::kCombined)}};
    for (std::size_t i = 0; i < std::size(swatches); ++i) {
        const Swatch& s = swatches[i];
        auto* line = named(new LegendLine(s.color, 2, client), QString::fromLatin1(s.name));
        // A line from x = 5355 to 6090 twips, two pixels thick, centred on y.
        line->setGeometry(layout::pixels(5355), layout::pixels(s.y) - LegendLine::kRoom / 2,
                          layout::pixels(6090) - layout::pixels(5355), LegendLine::kRoom);
        m_legend[i] = line;
    }

    // Commands.
    m_btnhyouji =
        button(client, u"btnhyouji"_s, QT_TR_NOOP("描画開始"), twips(6465, 1155, 990, 495));
    m_btnclear = button(client, u"btnclear"_s, QT_TR_NOOP("消去"), twips(7560, 1155, 990, 495));
    m_btnend = button(client, u"btnend"_s, QT_TR_NOOP("終了"), twips(8715, 1155, 990, 495));

    // Moon pictures, their caption, the graph and its caption.
    auto* label3 = named(new VerticalLabel(QString(), client), u"Label3"_s);
    m_wording.keep([label3] { label3->setText(tr("月　影")); });
    label3->setFont(gothicFont(kOptionPt));
    label3->setGeometry(twips(layout::kMoonCaption));
    for (int k = 0; k < 13; ++k) {
        auto* moon = named(new plot::MoonWidget(m_record, k, client), u"picmoon%1"_s.arg(k));
        moon->setGeometry(twips(layout::moonPicture(k)));
        m_picmoon[k] = moon;
    }
    auto* label4 = named(new VerticalLabel(QString(), client), u"Label4"_s);
    m_wording.keep([label4] { label4->setText(tr("起潮力")); });
    label4->setFont(gothicFont(kCaptionPt));
    label4->setGeometry(twips(layout::kGraphCaption));
    m_picture1 = named(new plot::GraphWidget(m_record, client), u"Picture1"_s);
    m_picture1->setGeometry(twips(layout::kGraph));

    // Hour labels, one under every column boundary of the graph.
    for (int h = 0; h < plot::kMoonPictures; ++h) {
        // The drawing writes its own captions here; before it, the diurnal graph's.
        auto* l = label(client, u"lblnum%1"_s.arg(h), nullptr, twips(layout::hourLabel(h)), kBoxPt);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_lblnum[h] = l;
    }
    m_wording.keep([this] { showAxisCaptions(m_axisMode); });

    // Handlers.
    connect(m_upd1, &UpDown::steppedUp, this, &frmushio::yearStepped);
    connect(m_upd1, &UpDown::steppedDown, this, &frmushio::yearStepped);
    connect(m_upd2, &UpDown::steppedDown, this, &frmushio::monthSteppedDown);
    connect(m_upd2, &UpDown::steppedUp, this, &frmushio::monthSteppedUp);
    connect(m_upd3, &UpDown::steppedDown, this, &frmushio::daySteppedDown);
    connect(m_upd3, &UpDown::steppedUp, this, &frmushio::daySteppedUp);
    connect(m_optday, &QRadioButton::clicked, this, &frmushio::optdayClicked);
    connect(m_opt60, &QRadioButton::clicked, this, &frmushio::otherPeriodClicked);
    connect(m_optyear, &QRadioButton::clicked, this, &frmushio::otherPeriodClicked);
    connect(m_btnhyouji, &QPushButton::clicked, this, &frmushio::startDrawing);
    // Enter in any box draws, as the draw button does.
    for (QLineEdit* b : {m_txtnen, m_txtgetu, m_txtniti, m_txtkei, m_txtkeim, m_txtkeis, m_txtido,
                         m_txtidom, m_txtidos, m_txtcont}) {
        connect(b, &QLineEdit::returnPressed, this, &frmushio::startDrawing);
    }
    connect(m_btnclear, &QPushButton::clicked, this, &frmushio::btnclearClicked);
    connect(m_btnend, &QPushButton::clicked, this, &frmushio::quit);

    // Which sign is which way, where a number is typed.
    m_wording.keep([this] {
        m_txtkei->setToolTip(tr("経度の度：東経は正、西経は − を付けて（−180〜180）"));
        m_txtido->setToolTip(tr("緯度の度：北緯は正、南緯は − を付けて（−90〜90）"));
        for (QLineEdit* b : {m_txtkeim, m_txtkeis, m_txtidom, m_txtidos}) {
            b->setToolTip(b == m_txtkeim || b == m_txtidom ? tr("分（0〜59）") : tr("秒（0〜59）"));
        }
    });
    for (QLineEdit* b : {m_txtkei, m_txtkeim, m_txtkeis, m_txtido, m_txtidom, m_txtidos}) {
        connect(b, &QLineEdit::textChanged, this, &frmushio::updatePlaceNote);
    }
}

void frmushio::showStyle(plot::GraphStyle style) {
    m_picture1->setGraphStyle(style);
    m_saver->setGraphStyle(style);
    const plot::StyleLook look = plot::lookOf(style);
    const plot::CurveLook curves[] = {look.sun, look.moon, look.combined};
    for (std::size_t i = 0; i < m_legend.size(); ++i) {
        m_legend[i]->setLook(QColor::fromRgba(curves[i].colour), look.legendThickness);
    }
}

QString frmushio::placeNote() const {
    // What the boxes will be drawn as: a typed "-0" degrees with minutes is
    // read as east or north, and the note shows it.
    auto read = [](QLineEdit* d, QLineEdit* m, QLineEdit* s, bool latitude) {
        return readAngle(d->text().toStdString(), m->text().toStdString(), s->text().toStdString(),
                         latitude)
            .value;
    };
    return WindowTexts::placeNote(read(m_txtkei, m_txtkeim, m_txtkeis, false),
                                  read(m_txtido, m_txtidom, m_txtidos, true),
                                  m_view ? m_view->clock() : ClockChoice{});
}

void frmushio::updatePlaceNote() {
    if (m_readout != nullptr && !m_reading) {
        m_readout->setText(placeNote());
    }
}

void frmushio::placeDaysCaption(double factor) {
    const int gap = static_cast<int>(std::lround(3 * factor));
    const QWidget* updown1 = m_frame2->findChild<UpDown*>(u"UpDown1"_s);
    // The closing "日" of the caption stands just right of the spin button.
    m_optyes->setTailAt(updown1->geometry().right() + gap - m_optyes->x());
    // "連続" ends clear of the days box.
    m_optyes->setHeadEndAt(m_txtcont->x() - gap - m_optyes->x());
}

void frmushio::buildMenus() {
    auto* bar = menuBar();
    auto menu = [this, bar](const QString& name, const char* title) {
        auto* m = named(bar->addMenu(QString()), name);
        m_wording.keep([m, title] { m->setTitle(tr(title)); });
        m->menuAction()->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu* menu, const QString& name, const char* text,
                       void (frmushio::*handler)()) {
        auto* a = named(menu->addAction(QString()), name);
        m_wording.keep([a, text] { a->setText(tr(text)); });
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    auto* mnufile = menu(u"mnufile"_s, QT_TR_NOOP("ファイル(&F)"));
    m_mnuini =
        item(mnufile, u"mnuini"_s, QT_TR_NOOP("初期設定に戻す(&I)"), &frmushio::mnuiniClicked);
    m_mnuakasi = item(mnufile, u"mnuakasi"_s, QT_TR_NOOP("日本中央標準時子午線に移動"),
                      &frmushio::mnuakasiClicked);
    m_mnured =
        item(mnufile, u"mnured"_s, QT_TR_NOOP("緯度０（赤道上）に移動"), &frmushio::mnuredClicked);
    m_mnutokyo = item(mnufile, u"mnutokyo"_s, QT_TR_NOOP("旧東京天文台に移動（東京麻布）"),
                      &frmushio::mnutokyoClicked);
    QAction* mnuline1 = named(mnufile->addSeparator(), u"mnuline1"_s);
    m_mnuend = item(mnufile, u"mnuend"_s, QT_TR_NOOP("Veltaroを終了する(&E)"), &frmushio::quit);
    buildSaving(mnufile, mnuline1);

    auto* mnuvision = menu(u"mnuvision"_s, QT_TR_NOOP("表示(&V)"));
    m_mnubyouga =
        item(mnuvision, u"mnubyouga"_s, QT_TR_NOOP("描画開始(&S)"), &frmushio::startDrawing);
    m_mnuclear =
        item(mnuvision, u"mnuclear"_s, QT_TR_NOOP("グラフ消去(&C)"), &frmushio::mnuclearClicked);
    buildZoomMenu(mnuvision);
    m_view = new ViewSettings(this, mnuvision);
    m_view->addStyleItem(mnuvision);
    m_view->addMoonViewItem(mnuvision);
    m_mnucause =
        item(mnuvision, u"mnucause"_s, QT_TR_NOOP("潮の原因を見る(&W)…"), &frmushio::showCause);
    m_view->addLanguageMenu(mnuvision);
    connect(m_view, &ViewSettings::styleChanged, this, &frmushio::showStyle);
    connect(m_view, &ViewSettings::moonViewChanged, this, [this](plot::MoonView view) {
        for (plot::MoonWidget* moon : m_picmoon) {
            moon->setMoonView(view);
        }
        m_saver->setMoonView(view);
        if (m_cause != nullptr) {
            m_cause->setMoonView(view);
        }
    });
    connect(m_view, &ViewSettings::clockChanged, this, [this](const ClockChoice& clock) {
        m_label1->setText(ViewSettings::dateCaption(clock));
        updatePlaceNote();
        statusBar()->showMessage(tr("時刻を「%1」にしました。次の描画から、この時刻で描きます。")
                                     .arg(plot::clockFullName(clock)),
                                 5000);
    });

    auto* mnuhlp = menu(u"mnuhlp"_s, QT_TR_NOOP("ヘルプ(&H)"));
    m_mnutukaikata =
        item(mnuhlp, u"mnutukaikata"_s, QT_TR_NOOP("使い方(&H)…"), &frmushio::showHelp);
    m_mnutukaikata->setShortcut(QKeySequence(Qt::Key_F1));
    named(mnuhlp->addSeparator(), u"mnuline3"_s);
    m_mnuabout = item(mnuhlp, u"mnuabout"_s, QT_TR_NOOP("バージョン情報(&V)"), &frmushio::about);
}

void frmushio::buildSaving(QMenu* mnufile, QAction* before) {
    m_saver = new GraphSaver(this, m_record, m_files, m_messages);
    connect(m_saver, &GraphSaver::saved, this, [this](const QString& path) {
        statusBar()->showMessage(tr("「%1」に保存しました。").arg(path), 5000);
    });
    // In the File menu after the presets, before the separator above quitting.
    m_saver->addItems(mnufile, before, m_picture1);
}

void frmushio::buildStatus() {
    auto* status = statusBar();
    status->setObjectName(u"statusbar"_s);
    status->setSizeGripEnabled(false);
    m_progress = named(new QProgressBar(status), u"progress"_s);
    m_progress->setFixedWidth(200);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_btnstop = named(new QPushButton(status), u"btnstop"_s);
    m_btnstop->setAutoDefault(false);
    m_wording.keep([this] {
        m_btnstop->setText(tr("中止"));
        m_btnstop->setToolTip(tr("描画を中止します (Esc)"));
    });
    status->addPermanentWidget(m_progress);
    status->addPermanentWidget(m_btnstop);
}

void frmushio::showAxisCaptions(plot::PlotMode mode) {
    m_axisMode = mode;
    const QStringList captions = plot::axisCaptions(mode);
    for (int h = 0; h < plot::kMoonPictures; ++h) {
        m_lblnum[h]->setText(captions[h]);
    }
}

void frmushio::connectPlot() {
    m_plot = new plot::PlotController(m_state, m_record, this);
    m_plot->setObjectName(u"plotcontroller"_s);

    connect(m_plot, &plot::PlotController::axisCaptions, this, &frmushio::showAxisCaptions);
    // The run names the day it has just put into the state.
    connect(m_plot, &plot::PlotController::dayName, this, &frmushio::showStateDayName);
    // The Moon pictures' tooltips follow the document as the pictures do.
    m_record.observe([this](plot::RecordChange) {
        for (int k = 0; k < plot::kMoonPictures; ++k) {
            const auto angle = m_record.moonTooltipAngleRad(k);
            const QString text = angle ? fromUtf8(plot::moonAngleText(*angle)) : QString();
            if (m_picmoon[k]->toolTip() != text) {
                m_picmoon[k]->setToolTip(text);
            }
        }
    });
    connect(m_plot, &plot::PlotController::moonPhase, m_lblmage, &QLabel::setText);
    connect(m_plot, &plot::PlotController::dayChoiceHidden, m_frame2, &QWidget::hide);
    connect(m_plot, &plot::PlotController::dateReached, this, [this](int y, int m, int d) {
        m_txtnen->setText(QString::number(y));
        m_txtgetu->setText(QString::number(m));
        m_txtniti->setText(QString::number(d));
    });
    m_run = new RunLifecycle(this, *m_plot, m_progress, m_btnstop, m_btnhyouji, m_btnend);
    std::vector<QWidget*> locked{m_txtnen,  m_txtgetu, m_txtniti, m_txtkei,    m_txtkeim, m_txtkeis,
                                 m_txtido,  m_txtidom, m_txtidos, m_txtcont,   m_optday,  m_opt60,
                                 m_optyear, m_option4, m_optyes,  m_btnhyouji, m_btnclear};
    locked.insert(locked.end(), m_spins.begin(), m_spins.end());
    m_run->lock(std::move(locked),
                {m_mnuini, m_mnuakasi, m_mnured, m_mnutokyo, m_mnubyouga, m_mnuclear,
                 m_mnuzoom->menuAction(), m_view->clockMenu()->menuAction()});
    connect(m_run, &RunLifecycle::lockedChanged, this,
            [this](bool locked) { m_saver->setBusy(locked); });
    connect(m_run, &RunLifecycle::ended, this, [this](bool cancelled) {
        if (cancelled) {
            statusBar()->showMessage(tr("描画を中止しました。"), 5000);
        }
    });
    // The box waits until the controller has finished reporting the fault.
    connect(
        m_plot, &plot::PlotController::failed, this,
        [this](const QString& message) { m_messages.inform(this, tr("エラー"), message); },
        Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------
// Start-up and presets

void frmushio::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A window larger than the screen gets a negative position and keeps it.
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmushio::writeToday() {
    const QDate today = m_today();
    m_txtnen->setText(QString::number(today.year()));
    m_txtgetu->setText(QString::number(today.month()));
    m_txtniti->setText(QString::number(today.day()));
}

void frmushio::writeDefaultPoint() {
    QLineEdit* const boxes[] = {m_txtkei, m_txtkeim, m_txtkeis, m_txtido, m_txtidom, m_txtidos};
    for (std::size_t i = 0; i < kTokyo.size(); ++i) {
        boxes[i]->setText(QString::fromLatin1(kTokyo[i]));
    }
}

void frmushio::takeTodayIntoState() {
    const QDate today = m_today();
    m_state.obsyear = today.year();
    m_state.obsmonth = today.month();
    m_state.obsday = today.day();
    m_state.jd = astro::julianday(m_state.obsyear, m_state.obsmonth, m_state.obsday, 0, 0);
}

void frmushio::startup() {
    centreOnScreen();
    writeToday();
    writeDefaultPoint();
    m_lblmage->clear();
    takeTodayIntoState();
    kansiinit(m_state.kansiname);
    redrawline();
    showStateDayName();
    m_frame2->setEnabled(true);
}

void frmushio::mnuiniClicked() {
    writeToday();
    writeDefaultPoint();
    m_txtcont->setText(u"2"_s);
    m_option4->setChecked(true);
    takeTodayIntoState();
    showStateDayName();
}

void frmushio::mnutokyoClicked() {
    writeDefaultPoint();
}

void frmushio::mnuakasiClicked() {
    m_txtkei->setText(u"135"_s);
    m_txtkeim->setText(u"0"_s);
    m_txtkeis->setText(u"0"_s);
}

void frmushio::mnuredClicked() {
    m_txtido->setText(u"0"_s);
    m_txtidom->setText(u"0"_s);
    m_txtidos->setText(u"0"_s);
}

// ---------------------------------------------------------------------------
// Date spin buttons: the calendar keeps the three boxes a valid date.

namespace {

DateTexts readDateBoxes(const QLineEdit* year, const QLineEdit* month, const QLineEdit* day) {
    return {year->text().toStdString(), month->text().toStdString(), day->text().toStdString()};
}

void writeDateBoxes(const DateTexts& texts, QLineEdit* year, QLineEdit* month, QLineEdit* day) {
    // Only boxes whose text changes are written, so a box being edited keeps its cursor.
    const std::pair<QLineEdit*, const std::string*> boxes[] = {
        {year, &texts.year}, {month, &texts.month}, {day, &texts.day}};
    for (const auto& [box, text] : boxes) {
        const QString value = QString::fromStdString(*text);
        if (box->text() != value) {
            box->setText(value);
        }
    }
}

} // namespace

void frmushio::yearStepped() {
    writeDateBoxes(yearstep(readDateBoxes(m_txtnen, m_txtgetu, m_txtniti)), m_txtnen, m_txtgetu,
                   m_txtniti);
}

void frmushio::monthSteppedDown() {
    writeDateBoxes(monthstepdown(readDateBoxes(m_txtnen, m_txtgetu, m_txtniti)), m_txtnen,
                   m_txtgetu, m_txtniti);
}

void frmushio::monthSteppedUp() {
    writeDateBoxes(monthstepup(readDateBoxes(m_txtnen, m_txtgetu, m_txtniti)), m_txtnen, m_txtgetu,
                   m_txtniti);
}

void frmushio::daySteppedDown() {
    writeDateBoxes(daystepdown(readDateBoxes(m_txtnen, m_txtgetu, m_txtniti)), m_txtnen, m_txtgetu,
                   m_txtniti);
}

void frmushio::daySteppedUp() {
    writeDateBoxes(daystepup(readDateBoxes(m_txtnen, m_txtgetu, m_txtniti)), m_txtnen, m_txtgetu,
                   m_txtniti);
}

// ---------------------------------------------------------------------------
// Options, quitting, the version box

void frmushio::optdayClicked() {
    m_frame2->setVisible(true);
}

void frmushio::otherPeriodClicked() {
    m_lblmage->clear();
    showDayName(0);
    m_frame2->setVisible(false);
}

void frmushio::quit() {
    close();
}

void frmushio::closeEvent(QCloseEvent* event) {
    if (m_plot->running()) {
        m_plot->cancel();
    }
    event->accept();
    emit quitting();
}

void frmushio::about() {
    const QString text = u"        Veltaro   Ver.  "_s + QString::number(version::major) + u'.' +
                         QString::number(version::minor) + u'.' +
                         QString::number(version::revision) + u"\r\r\n"_s +
                         tr("太陽と月の起潮力を描くプログラム\r\n"
                            "作者：Veltaro 開発チーム\r\n"
                            "ご意見・不具合のご連絡は、プロジェクトの課題管理ページへ");
    m_messages.inform(this, tr("バージョン情報"), text);

    // The classic system notification; where no such file exists the player
    // sounds the program's own chime instead.
    m_state.soundfile = std::string(kVersionBoxSound);
    if (!m_state.soundfile.empty() && m_sound) {
        m_sound->play(m_state.soundfile);
    }
}

void frmushio::showCause() {
    if (m_cause == nullptr) {
        m_cause = new CauseView(m_record, m_picture1, this);
        m_cause->setMoonView(m_view->moonView());
        // Beside the main window: on the right, else on the left where it
        // fits there, else against the screen's right edge.
        const QRect frame = frameGeometry();
        QPoint place = frame.topRight() + QPoint(8, 0);
        if (const QScreen* screen = this->screen()) {
            const QRect free = screen->availableGeometry();
            const QSize size = m_cause->sizeHint();
            if (place.x() + size.width() > free.right() &&
                frame.left() - 8 - size.width() >= free.left()) {
                place.setX(frame.left() - 8 - size.width());
            }
            place.setX(std::clamp(place.x(), free.left(),
                                  std::max(free.left(), free.right() - size.width())));
            place.setY(std::clamp(place.y(), free.top(),
                                  std::max(free.top(), free.bottom() - size.height())));
        }
        m_cause->move(place);
    }
    m_cause->show();
    m_cause->raise();
    m_cause->activateWindow();
}

void frmushio::showHelp() {
    if (m_help == nullptr) {
        m_help = new HelpWindow(this);
        // Centred over the main window, inside the screen's free area.
        QRect frame(QPoint(), m_help->frameGeometry().size());
        frame.moveCenter(frameGeometry().center());
        if (const QScreen* screen = this->screen()) {
            const QRect free = screen->availableGeometry();
            frame.moveLeft(std::clamp(frame.left(), free.left(),
                                      std::max(free.left(), free.right() - frame.width())));
            frame.moveTop(std::clamp(frame.top(), free.top(),
                                     std::max(free.top(), free.bottom() - frame.height())));
        }
        m_help->move(frame.topLeft());
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// ---------------------------------------------------------------------------
// Drawing and clearing

void frmushio::startDrawing() {
    if (m_plot->running()) {
        return;
    }
    plot::RequestTexts texts;
    texts.place.year = m_txtnen->text().toStdString();
    texts.place.month = m_txtgetu->text().toStdString();
    texts.place.day = m_txtniti->text().toStdString();
    texts.place.lonDeg = m_txtkei->text().toStdString();
    texts.place.lonMin = m_txtkeim->text().toStdString();
    texts.place.lonSec = m_txtkeis->text().toStdString();
    texts.place.latDeg = m_txtido->text().toStdString();
    texts.place.latMin = m_txtidom->text().toStdString();
    texts.place.latSec = m_txtidos->text().toStdString();
    if (m_opt60->isChecked()) {
        texts.mode = plot::PlotMode::SixtyDay;
    } else if (m_optyear->isChecked()) {
        texts.mode = plot::PlotMode::Annual;
    }
    if (m_optyes->isChecked()) {
        texts.days = m_txtcont->text().toStdString();
    }
    const auto read = plot::readRequest(texts);
    if (const auto* refusal = std::get_if<plot::RequestRefusal>(&read)) {
        // After the message the box at fault has the focus, its text selected
        // for typing over.
        m_messages.inform(this, plot::inputErrorTitle(), plot::refusalMessage(*refusal));
        const std::array<QLineEdit*, 11> boxes{nullptr,   m_txtnen,  m_txtgetu, m_txtniti,
                                               m_txtkei,  m_txtkeim, m_txtkeis, m_txtido,
                                               m_txtidom, m_txtidos, m_txtcont};
        if (QLineEdit* box = boxes.at(static_cast<std::size_t>(refusal->box))) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        return;
    }
    plot::PlotRequest request = std::get<plot::PlotRequest>(read);
    request.clock = m_view->clock();
    // A drawing whose time axis the graph's curves do not share starts a graph
    // of its own; whether it fits is then a question of an empty graph.
    const bool fresh = plot::startsFreshGraph(m_record, request);
    const plot::DrawingRecord empty;
    if (const auto full = plot::roomRefusal(fresh ? empty : m_record, request)) {
        refuseForRoom(*full);
        return;
    }
    if (fresh) {
        mnuclearClicked();
    }
    const QString freshNote =
        fresh ? tr("期間か時刻が前の描画と違うので、グラフを新しくしました。") : QString();

    m_run->begin();
    statusBar()->clearMessage();
    if (!freshNote.isEmpty()) {
        statusBar()->showMessage(freshNote, 5000);
    }
    m_plot->start(request);
}

void frmushio::refuseForRoom(const plot::RoomRefusal& full) {
    if (full.reason == plot::RoomRefusal::Reason::TooLong) {
        m_txtcont->setFocus(Qt::OtherFocusReason);
        m_txtcont->selectAll();
    }
    m_messages.inform(this, tr("これ以上描けません"), WindowTexts::roomRefusal(full));
}

void frmushio::showDayName(int index) {
    m_dayIndex = index;
    const std::optional<KansiParts> parts = kansiParts(index);
    m_daykannsi->setText(parts ? fromUtf8(m_state.kansiname[static_cast<std::size_t>(index)])
                               : QString());
    const bool japanese = languageInUse() == QLatin1String(languages().front().code);
    // The name and its reading, said as a reader of the language needs it.
    m_daykannsi->setToolTip(
        parts && !japanese
            ? tr("%1（%2）：この日の六十干支").arg(m_daykannsi->text(), reading(*parts))
            : QString());
}

void frmushio::showStateDayName() {
    showDayName(kansiindex(std::floor(m_state.jd)));
}

void frmushio::redrawline() {
    m_picture1->redrawline();
    showDayName(0);
    m_lblmage->clear();
}

void frmushio::btnclearClicked() {
    m_record.clear();
    redrawline();
}

void frmushio::mnuclearClicked() {
    m_record.clear();
    redrawline();
}

} // namespace veltaro::ui
