#pragma once

#include "calendar/clockchoice.h"
#include "plot/drawingrecord.h"
#include "plot/graphstyle.h"
#include "ui/language.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QInputDialog;
class QMenu;
class QSettings;
class QWidget;

namespace veltaro::ui {

/// The window's view settings and their menu items under 表示: the clock the
/// times are read on (時刻) and the graph's look (見やすい表示). Given a store (useStore), it
/// restores them and keeps them there as they change, with the zoom the window tells it of, so that
/// the next session starts as this one was left.
class ViewSettings : public QObject {
    Q_OBJECT
public:
    /// Adds 時刻 to `viewMenu`: 地方平均時, 日本標準時, 世界時 and an offset from
    /// UT the user types, each a checkable item (mnuclocklocal, mnuclockjst,
    /// mnuclockut, mnuclockoffset) of the submenu mnuclock.
    ViewSettings(QWidget* window, QMenu* viewMenu);
    ~ViewSettings() override;

    /// Adds 見やすい表示（プロジェクター向け） (mnustyle), a checkable item: the
    /// presentation look when checked, the standard one otherwise.
    void addStyleItem(QMenu* viewMenu);
    plot::GraphStyle style() const { return m_style; }
    void setStyle(plot::GraphStyle style);
    /// Adds 月の絵を北半球から見た向きで描く (mnumoonnorth), a checkable item:
    /// unchecked, a place south of the equator sees its Moon pictures mirrored.
    void addMoonViewItem(QMenu* viewMenu);
    plot::MoonView moonView() const { return m_moonView; }
    void setMoonView(plot::MoonView view);

    /// Adds 言語 (mnulang) to `viewMenu`: one checkable item a language
    /// (mnulangja, mnulangen), named in its own words.
    void addLanguageMenu(QMenu* viewMenu);
    /// Shows the window in the language of `code` at once and remembers it.
    void setLanguage(const QString& code);
    /// Says the items again in the language in use.
    void retranslate();

    ClockChoice clock() const { return m_clock; }
    void setClock(const ClockChoice& clock);
    /// The submenu, which the window locks while a drawing runs.
    QMenu* clockMenu() const { return m_menu; }

    /// Reads the settings from `store` and writes every later change to it.
    void useStore(std::unique_ptr<QSettings> store);
    /// The zoom the last session was left at, if the store holds one.
    std::optional<double> storedZoom() const;
    /// Notes the zoom (written to the store).
    void rememberZoom(double factor);

    /// The date row's caption for the clock: "観測日（ＪＳＴ）", "観測日（地方時）" ...
    static QString dateCaption(const ClockChoice& clock);

signals:
    void clockChanged(const ClockChoice& clock);
    void styleChanged(plot::GraphStyle style);
    void moonViewChanged(plot::MoonView view);

private:
    void askOffset();
    void showChecked();
    /// A checkable item's check and its value in the store follow `on`.
    void showSwitch(QAction* item, const QString& key, bool on);

    QPointer<QWidget> m_window;
    Wording m_wording;
    QMenu* m_menu = nullptr;
    QActionGroup* m_group = nullptr;
    QAction* m_local = nullptr;
    QAction* m_jst = nullptr;
    QAction* m_ut = nullptr;
    QAction* m_offset = nullptr;
    QAction* m_styleItem = nullptr;
    plot::GraphStyle m_style = plot::GraphStyle::Standard;
    QAction* m_moonItem = nullptr;
    plot::MoonView m_moonView = plot::MoonView::AsSeenThere;
    QPointer<QInputDialog> m_offsetDialog;
    ClockChoice m_clock;
    std::unique_ptr<QSettings> m_store;
};

} // namespace veltaro::ui
