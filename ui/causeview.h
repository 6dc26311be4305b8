#pragma once

#include "plot/cause.h"
#include "plot/drawingrecord.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QSlider;

namespace veltaro::plot {
class GraphWidget;
}

namespace veltaro::ui {

class CauseCanvas;

/// The view of the cause (frmcause): for one moment of the graph, the Earth seen
/// from the pole nearer the place with the place's circle of latitude and the
/// sea surface the Sun, the Moon and both raise along it; a side view of each
/// body's bulge tilted by its declination; and the numbers behind the curves.
///
/// A tool window of its own beside the main window, whose layout is fixed: it
/// can stand wherever the projector's screen has room. It follows the graph's
/// read-out (the step under the mouse) and can play through the most recent
/// drawing, leading the graph's cursor. Every moment is evaluated again with
/// the inputs it was drawn with, so its heights are the curves' own.
class CauseView : public QWidget {
    Q_OBJECT
public:
    /// A view of `record` following `graph`; both must outlive it.
    CauseView(const plot::DrawingRecord& record, plot::GraphWidget* graph, QWidget* parent);
    ~CauseView() override;

    /// Which way up the Moon is drawn (as seen at the place, by default).
    void setMoonView(plot::MoonView view);
    /// Shows `step` of the record, if it is one; anything else is ignored.
    void showStep(const plot::RecordedStep* step);

    /// What the view shows, if anything: the moment's evaluation.
    const std::optional<plot::Cause>& cause() const { return m_cause; }
    /// Where the step it shows stands in the record.
    std::optional<plot::DrawingRecord::StepIndex> shownStep() const { return m_shown; }

protected:
    void changeEvent(QEvent* event) override;

private:
    /// The window's title, the tooltip and the buttons in the language in use.
    void sayTexts();
    void follow(plot::RecordChange change);
    void showIndex(plot::DrawingRecord::StepIndex at, bool leadCursor);
    void sliderMoved(int value);
    void play(plot::PlaySpan span);
    void playStep();
    void stopPlaying();
    std::optional<std::size_t> lastDrawingWithSteps() const;
    QString numbersText() const;

    const plot::DrawingRecord& m_record;
    QPointer<plot::GraphWidget> m_graph;
    int m_observer = -1;
    plot::MoonView m_moonView = plot::MoonView::AsSeenThere;
    std::optional<plot::Cause> m_cause;
    std::optional<plot::DrawingRecord::StepIndex> m_shown;

    CauseCanvas* m_canvas = nullptr;
    QLabel* m_moment = nullptr;
    QLabel* m_numbers = nullptr;
    QLabel* m_moon = nullptr;
    QSlider* m_slider = nullptr;
    QPushButton* m_playDay = nullptr;
    QPushButton* m_playMonth = nullptr;
    QTimer m_player;
    int m_playLeft = 0;   // steps still to play
    int m_playStride = 1; // steps a frame
};

} // namespace veltaro::ui
