#pragma once

#include "calendar/observation.h"
#include "plot/drawingrecord.h"
#include "plot/graphstyle.h"
#include "ui/filedialogs.h"
#include "ui/language.h"
#include "ui/messageboxes.h"
#include "ui/notifysound.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSettings;
class QShortcut;

namespace veltaro::plot {
struct RoomRefusal;
class GraphWidget;
class MoonWidget;
class PlotController;
} // namespace veltaro::plot

namespace veltaro::ui {

class CauseView;
class GapRadioButton;
class GraphSaver;
class HelpWindow;
class LayoutZoom;
class RunLifecycle;
class FittingLabel;
class LegendLine;
class UpDown;
class ViewSettings;
class WindowZoom;

/// The main window: date and point boxes with their spin buttons, the choice of
/// period and of one or several days, the legend, the 13 Moon pictures, the graph
/// and its hour labels, and the menus.
///
/// Every control carries its program name as objectName ("txtnen", "upd1",
/// "Picture1", ...). The two control rows keep their index in the name:
/// picmoon(k) is "picmoon0" .. "picmoon12" and lblnum(h) is "lblnum0" ..
/// "lblnum12".
///
/// The window does no arithmetic of its own: the calendar module reads and
/// checks what was typed and keeps the date boxes a valid date when they are
/// spun, the plot controller draws.
class frmushio : public QMainWindow {
    Q_OBJECT
public:
    /// The local calendar date; tests put a fixed day here.
    using Clock = std::function<QDate()>;

    /// Builds the window and runs the start-up (today's date from `today`, the
    /// default point, the empty graph frame, the day's sexagenary name).
    /// `state` is the program's one observation state and must outlive the window.
    explicit frmushio(ObservationState& state, Clock today = {}, QWidget* parent = nullptr);
    ~frmushio() override;

    /// The message boxes of this window (a test answers them here).
    MessageBoxes& messageBoxes() { return m_messages; }
    /// The file and print dialogs of this window (a test answers them here).
    FileDialogs& fileDialogs() { return m_files; }
    /// Replaces the notification sound of the version box.
    void setNotifySound(std::unique_ptr<NotifySound> sound);

    /// Redraws the frame over the graph and empties the day name and the
    /// Moon's phase.
    void redrawline();

    /// True while a drawing runs.
    bool drawing() const;
    /// Keeps the view settings (clock, zoom) in `store`: restores them from it
    /// now and writes each change.
    void useSettings(std::unique_ptr<QSettings> store);
    /// The window's view settings (the clock the times are read on).
    ViewSettings& viewSettings() { return *m_view; }
    /// The document of what is drawn, which every view of the drawing follows
    /// (tests fill it directly).
    plot::DrawingRecord& drawingRecord() { return m_record; }

    /// Shows the whole window at `factor` times its design size (a step of
    /// 表示 → 拡大表示 or any other factor): every control's place and size, the
    /// fonts and the graph, which is drawn anew from its record. A factor too
    /// large for the screen is stepped down when the window is shown or moves to
    /// another screen. Ignored while a drawing runs.
    void setZoom(double factor);
    double zoom() const;

signals:
    /// The user asked to quit (button, menu or close box); the window is closed.
    void quitting();

protected:
    void closeEvent(QCloseEvent* event) override;
    /// A change of language says every text of the window again.
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildStatus();
    void connectPlot();
    /// lblnum takes the captions of `mode` in the language in use.
    void showAxisCaptions(plot::PlotMode mode);
    void startup();
    void centreOnScreen();

    void writeToday();
    void writeDefaultPoint();
    void takeTodayIntoState();

    // Handlers.
    void yearStepped();
    void monthSteppedDown();
    void monthSteppedUp();
    void daySteppedDown();
    void daySteppedUp();
    void optdayClicked();
    void otherPeriodClicked();
    void quit();
    void about();
    void showHelp();
    /// 表示 → 潮の原因: the view of the cause beside the window.
    void showCause();
    void mnuiniClicked();
    void mnutokyoClicked();
    void mnuakasiClicked();
    void mnuredClicked();
    void startDrawing();
    /// Tells why a drawing that does not fit on the graph was not started.
    void refuseForRoom(const plot::RoomRefusal& full);
    void btnclearClicked();
    void mnuclearClicked();
    void placeDaysCaption(double factor);
    /// Shows sexagenary name `index` (1..60; anything else empties the label) in
    /// daykannsi. Outside Japanese its reading in romaji is the label's tooltip.
    void showDayName(int index);
    /// The day in the state, whose name the run or the date boxes have just set.
    void showStateDayName();
    /// What the place boxes will be drawn as, in words, with the clock:
    /// "観測地点 東経 139°44′41″　北緯 35°39′16″　時刻 地方平均時（観測地の子午線）".
    QString placeNote() const;
    /// The graph, the saved pictures and the legend in `style`'s look.
    void showStyle(plot::GraphStyle style);
    /// Shows placeNote() in the status bar while the mouse reads nothing.
    void updatePlaceNote();
    // The read-out under the mouse and the zoom (frmushioview.cpp).
    void buildReadout();
    void buildZoomMenu(QMenu* mnuvision);
    void buildSaving(QMenu* mnufile, QAction* before);

    ObservationState& m_state;
    /// What is drawn: the document every view of the drawing follows. Declared
    /// before the widgets, which the destructor removes before it goes.
    plot::DrawingRecord m_record;
    Clock m_today;
    MessageBoxes m_messages;
    FileDialogs m_files;
    std::unique_ptr<NotifySound> m_sound;
    Wording m_wording; // the captions, menus and tooltips, said again in a new language

    // Date and point boxes with their spin buttons.
    QLineEdit* m_txtnen = nullptr;
    QLineEdit* m_txtgetu = nullptr;
    QLineEdit* m_txtniti = nullptr;
    QLineEdit* m_txtkei = nullptr;
    QLineEdit* m_txtkeim = nullptr;
    QLineEdit* m_txtkeis = nullptr;
    QLineEdit* m_txtido = nullptr;
    QLineEdit* m_txtidom = nullptr;
    QLineEdit* m_txtidos = nullptr;
    QLineEdit* m_txtcont = nullptr;
    UpDown* m_upd1 = nullptr;
    UpDown* m_upd2 = nullptr;
    UpDown* m_upd3 = nullptr;
    std::vector<UpDown*> m_spins;

    QFrame* m_frame2 = nullptr;
    QRadioButton* m_optday = nullptr;
    QRadioButton* m_opt60 = nullptr;
    QRadioButton* m_optyear = nullptr;
    QRadioButton* m_option4 = nullptr;
    GapRadioButton* m_optyes = nullptr;

    QLabel* m_lblmage = nullptr;
    QLabel* m_daykannsi = nullptr;
    int m_dayIndex = 0; // the name daykannsi shows, 1..60; 0 for none
    std::array<QLabel*, 13> m_lblnum{};
    plot::PlotMode m_axisMode = plot::PlotMode::Diurnal; // whose captions lblnum shows

    QPushButton* m_btnhyouji = nullptr;
    QPushButton* m_btnclear = nullptr;
    QPushButton* m_btnend = nullptr;

    plot::GraphWidget* m_picture1 = nullptr;
    std::array<plot::MoonWidget*, 13> m_picmoon{};
    plot::PlotController* m_plot = nullptr;
    RunLifecycle* m_run = nullptr; // the lock, progress and focus of a drawing

    QAction* m_mnuini = nullptr;
    QAction* m_mnuakasi = nullptr;
    QAction* m_mnured = nullptr;
    QAction* m_mnutokyo = nullptr;
    QAction* m_mnuend = nullptr;
    QAction* m_mnubyouga = nullptr;
    QAction* m_mnuclear = nullptr;
    QAction* m_mnucause = nullptr;
    QAction* m_mnutukaikata = nullptr;
    QAction* m_mnuabout = nullptr;
    HelpWindow* m_help = nullptr; // made when first asked for

    // Taking the graph off the screen, with its own menu items.
    GraphSaver* m_saver = nullptr;

    // Shown while a drawing runs.
    QProgressBar* m_progress = nullptr;
    QPushButton* m_btnstop = nullptr;
    // Where the keyboard focus was when the drawing started; it goes back there.

    // What the graph or a Moon picture reads under the mouse.
    QLabel* m_readout = nullptr;
    bool m_reading = false;                // the read-out shows what the mouse points at
    FittingLabel* m_label1 = nullptr;      // the date row's caption, naming the clock
    std::array<LegendLine*, 3> m_legend{}; // Sun, Moon, both
    ViewSettings* m_view = nullptr;
    CauseView* m_cause = nullptr; // made the first time it is asked for

    // 表示 → 拡大表示: the layout at 100 % and the sizes it is shown at.
    std::unique_ptr<LayoutZoom> m_layoutZoom;
    QMenu* m_mnuzoom = nullptr;
    WindowZoom* m_zoom = nullptr; // the sizes that fit, the fit and full screen
};

} // namespace veltaro::ui
