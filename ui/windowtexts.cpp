// The window's sentences made from values.
#include "ui/windowtexts.h"

#include "plot/drawingrecord.h"
#include "plot/graphexport.h"
#include "plot/plotrequest.h"
#include "plot/words.h"

#include <QLocale>

namespace veltaro::ui {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString WindowTexts::placeNote(std::optional<double> lonDeg, std::optional<double> latDeg,
                               const ClockChoice& clock) {
    if (!lonDeg || !latDeg) {
        return tr("観測地点：経度・緯度の入力を確かめてください");
    }
    // The hemisphere in words, the angle as the saved pictures write it.
    auto text = [](double degrees, bool latitude) {
        std::string dms = plot::dmsText(degrees, latitude);
        const char hemisphere = dms.back();
        dms.pop_back();
        const QString name = hemisphere == 'N'   ? tr("北緯")
                             : hemisphere == 'S' ? tr("南緯")
                             : hemisphere == 'E' ? tr("東経")
                                                 : tr("西経");
        return name + QLatin1Char(' ') + fromUtf8(dms);
    };
    return tr("観測地点 %1　%2　時刻 %3")
        .arg(text(*lonDeg, false), text(*latDeg, true), plot::clockFullName(clock));
}

QString WindowTexts::roomRefusal(const plot::RoomRefusal& full) {
    const QLocale numbers(QLocale::Japanese);
    auto count = [&numbers](std::size_t n) { return numbers.toString(qulonglong(n)); };
    QString text = tr("グラフに描ける点は、すべての描画を合わせて %1 点までです。"
                      "この描画には %2 点が要ります。")
                       .arg(count(full.limit), count(full.asked));
    if (full.reason == plot::RoomRefusal::Reason::TooLong) {
        text += tr("\n連続の日数を %1 日以下にしてください。").arg(full.mostDays);
    } else {
        text += tr("いまグラフには %1 点が描いてあり、合わせると上限を超えます。\n"
                   "「消去」でグラフを消してから、もう一度描画してください。")
                    .arg(count(full.held));
    }
    return text + tr("\n描いてあるグラフはそのまま残っています。");
}

} // namespace veltaro::ui
