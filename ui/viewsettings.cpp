// The window's view settings: the clock, kept between sessions with the zoom.
#include "ui/viewsettings.h"

#include "plot/plotrequest.h"
#include "plot/words.h"
#include "ui/windowtexts.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace veltaro::ui {

namespace {

const QString kClockKey = u"view/clock"_s;
const QString kZoomKey = u"view/zoom"_s;
const QString kStyleKey = u"view/presentation"_s;
const QString kMoonKey = u"view/moonFromTheNorth"_s;
const QString kLanguageKey = u"view/language"_s;

} // namespace

ViewSettings::ViewSettings(QWidget* window, QMenu* viewMenu) : QObject(window), m_window(window) {
    m_menu = viewMenu->addMenu(QString());
    m_wording.keep([this] { m_menu->setTitle(tr("時刻(&T)")); });
    m_menu->setObjectName(u"mnuclock"_s);
    m_menu->menuAction()->setObjectName(u"mnuclock"_s);
    m_group = new QActionGroup(this);
    auto item = [this](const QString& name, const QString& text) {
        QAction* a = m_menu->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        m_group->addAction(a);
        return a;
    };
    m_local = item(u"mnuclocklocal"_s, QString());
    m_jst = item(u"mnuclockjst"_s, QString());
    m_ut = item(u"mnuclockut"_s, QString());
    m_offset = item(u"mnuclockoffset"_s, QString());
    m_wording.keep([this] {
        m_local->setText(plot::clockFullName({ClockKind::LocalMean, 0}));
        m_jst->setText(plot::clockFullName({ClockKind::Jst, 0}));
        m_ut->setText(plot::clockFullName({ClockKind::Ut, 0}));
        m_local->setToolTip(tr("観測地の経度で決まる平均太陽時（東経135°では日本標準時と同じ）"));
    });
    m_menu->setToolTipsVisible(true);
    connect(m_local, &QAction::triggered, this, [this] { setClock({ClockKind::LocalMean, 0}); });
    connect(m_jst, &QAction::triggered, this, [this] { setClock({ClockKind::Jst, 0}); });
    connect(m_ut, &QAction::triggered, this, [this] { setClock({ClockKind::Ut, 0}); });
    connect(m_offset, &QAction::triggered, this, &ViewSettings::askOffset);
    showChecked();
}

ViewSettings::~ViewSettings() = default;

void ViewSettings::addStyleItem(QMenu* viewMenu) {
    m_styleItem = viewMenu->addAction(QString());
    m_wording.keep([this] { m_styleItem->setText(tr("見やすい表示（プロジェクター向け）(&P)")); });
    m_styleItem->setObjectName(u"mnustyle"_s);
    m_styleItem->setCheckable(true);
    m_styleItem->setChecked(m_style == plot::GraphStyle::Presentation);
    connect(m_styleItem, &QAction::toggled, this, [this](bool on) {
        setStyle(on ? plot::GraphStyle::Presentation : plot::GraphStyle::Standard);
    });
}

void ViewSettings::showSwitch(QAction* item, const QString& key, bool on) {
    if (item && item->isChecked() != on) {
        item->setChecked(on);
    }
    if (m_store) {
        m_store->setValue(key, on);
    }
}

void ViewSettings::setStyle(plot::GraphStyle style) {
    const bool changed = style != m_style;
    m_style = style;
    showSwitch(m_styleItem, kStyleKey, style == plot::GraphStyle::Presentation);
    if (changed) {
        emit styleChanged(style);
    }
}

void ViewSettings::addMoonViewItem(QMenu* viewMenu) {
    m_moonItem = viewMenu->addAction(QString());
    m_moonItem->setObjectName(u"mnumoonnorth"_s);
    m_moonItem->setCheckable(true);
    m_wording.keep([this] {
        m_moonItem->setText(tr("月の絵を北半球から見た向きで描く(&N)"));
        m_moonItem->setToolTip(tr("南半球では、月の光る側が北半球と左右逆に見えます。"
                                  "ふだんは観測地から見た向きで描きます。"));
    });
    viewMenu->setToolTipsVisible(true);
    connect(m_moonItem, &QAction::toggled, this, [this](bool on) {
        setMoonView(on ? plot::MoonView::FromTheNorth : plot::MoonView::AsSeenThere);
    });
}

void ViewSettings::setMoonView(plot::MoonView view) {
    const bool changed = view != m_moonView;
    m_moonView = view;
    showSwitch(m_moonItem, kMoonKey, view == plot::MoonView::FromTheNorth);
    if (changed) {
        emit moonViewChanged(view);
    }
}

QString ViewSettings::dateCaption(const ClockChoice& clock) {
    return tr("観測日（%1）").arg(plot::clockShortName(clock));
}

void ViewSettings::setClock(const ClockChoice& clock) {
    const bool changed = clock != m_clock;
    m_clock = clock;
    showChecked();
    if (m_store) {
        m_store->setValue(kClockKey, QString::fromStdString(clockOption(clock)));
    }
    if (changed) {
        emit clockChanged(clock);
    }
}

void ViewSettings::showChecked() {
    QAction* checked = m_local;
    switch (m_clock.kind) {
    case ClockKind::LocalMean:
        break;
    case ClockKind::Jst:
        checked = m_jst;
        break;
    case ClockKind::Ut:
        checked = m_ut;
        break;
    case ClockKind::Offset:
        checked = m_offset;
        break;
    }
    checked->setChecked(true);
    m_offset->setText(
        m_clock.kind == ClockKind::Offset
            ? tr("UTからの時差を指定…（いまは %1）").arg(plot::clockShortName(m_clock))
            : tr("UTからの時差を指定…"));
}

void ViewSettings::askOffset() {
    // The item stays checked as it was until an offset is accepted.
    showChecked();
    if (m_offsetDialog) {
        m_offsetDialog->raise();
        return;
    }
    auto* dialog = new QInputDialog(m_window);
    dialog->setObjectName(u"dlgclockoffset"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("時刻"));
    dialog->setLabelText(
        tr("世界時（ＵＴ）からの時差を「+09:00」や「-05:30」の形で入力してください。\n"
           "±14:00 まで指定できます。"));
    dialog->setTextValue(m_clock.kind == ClockKind::Offset
                             ? QString::fromStdString(clockOption(m_clock))
                             : u"+09:00"_s);
    if (auto* box = dialog->findChild<QLineEdit*>()) {
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(u"[+-][0-9]{2}:[0-5][0-9]"_s), box));
    }
    connect(dialog, &QInputDialog::textValueSelected, this, [this](const QString& text) {
        if (const auto clock = readClock(text.toStdString())) {
            setClock(*clock);
        }
    });
    m_offsetDialog = dialog;
    dialog->open();
}

void ViewSettings::useStore(std::unique_ptr<QSettings> store) {
    m_store = std::move(store);
    if (const auto clock = readClock(m_store->value(kClockKey).toString().toStdString())) {
        setClock(*clock);
    }
    if (m_store->value(kStyleKey).toBool()) {
        setStyle(plot::GraphStyle::Presentation);
    }
    if (m_store->value(kMoonKey).toBool()) {
        setMoonView(plot::MoonView::FromTheNorth);
    }
    const QString language = knownLanguage(m_store->value(kLanguageKey).toString());
    if (!language.isEmpty() && language != languageInUse()) {
        useLanguage(language);
    }
}

void ViewSettings::addLanguageMenu(QMenu* viewMenu) {
    QMenu* menu = viewMenu->addMenu(QString());
    menu->setObjectName(u"mnulang"_s);
    menu->menuAction()->setObjectName(u"mnulang"_s);
    m_wording.keep([menu] { menu->setTitle(tr("言語(&L)")); });
    auto* group = new QActionGroup(this);
    for (const Language& language : languages()) {
        const QString code = QString::fromLatin1(language.code);
        // Each language in its own words, as its readers look for it.
        QAction* a = menu->addAction(QString::fromUtf8(language.ownName));
        a->setObjectName(u"mnulang"_s + code);
        a->setCheckable(true);
        a->setData(code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { setLanguage(code); });
    }
    m_wording.keep([group] {
        for (QAction* a : group->actions()) {
            a->setChecked(a->data().toString() == languageInUse());
        }
    });
}

void ViewSettings::setLanguage(const QString& code) {
    if (m_store) {
        m_store->setValue(kLanguageKey, code);
    }
    if (code != languageInUse()) {
        useLanguage(code);
    }
}

void ViewSettings::retranslate() {
    m_wording.retranslate();
    showChecked();
}

std::optional<double> ViewSettings::storedZoom() const {
    if (!m_store) {
        return std::nullopt;
    }
    bool ok = false;
    const double factor = m_store->value(kZoomKey).toDouble(&ok);
    return ok ? std::optional(factor) : std::nullopt;
}

void ViewSettings::rememberZoom(double factor) {
    if (m_store) {
        m_store->setValue(kZoomKey, factor);
    }
}

} // namespace veltaro::ui
