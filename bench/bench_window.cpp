// The window drawing a 999-day continuous diurnal graph, the longest drawing
// its boxes take: the time from the click to the end of the drawing, and the
// longest the event loop was kept from its turn meanwhile (how long a click or
// a repaint could have had to wait). Offscreen unless a display is given.
#include "calendar/observation.h"
#include "ui/fonts.h"
#include "ui/frmushio.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "veltaro-bench";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    static bool fonts = (veltaro::ui::installGothicSubstitutes(), true);
    (void)fonts;
    return app;
}

template <class T> T* child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

void BM_window_999_days(benchmark::State& bench) {
    application();
    veltaro::ObservationState state;
    veltaro::ui::frmushio window(state, [] { return QDate(2002, 8, 16); });
    window.show();
    QApplication::processEvents();
    child<QRadioButton>(window, "optday")->setChecked(true);
    child<QRadioButton>(window, "optyes")->setChecked(true);
    child<QLineEdit>(window, "txtcont")->setText(QStringLiteral("999"));
    qint64 longestGap = 0;
    for (auto _ : bench) {
        child<QLineEdit>(window, "txtnen")->setText(QStringLiteral("2002"));
        child<QLineEdit>(window, "txtgetu")->setText(QStringLiteral("8"));
        child<QLineEdit>(window, "txtniti")->setText(QStringLiteral("16"));
        QElapsedTimer clock;
        clock.start();
        child<QPushButton>(window, "btnhyouji")->click();
        qint64 last = clock.nsecsElapsed();
        while (window.drawing()) {
            QApplication::processEvents();
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, now - last);
            last = now;
        }
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    bench.counters["longest_gap_ms"] = static_cast<double>(longestGap) * 1e-6;
    bench.SetItemsProcessed(bench.iterations() * 999 * 289);
}
BENCHMARK(BM_window_999_days)
    ->Iterations(1)
    ->Repetitions(5)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                            return *std::min_element(v.begin(), v.end());
                        })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
