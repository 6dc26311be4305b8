// The tide names (潮名) along the graph's time axis.
#include "plot/graphpainter.h"
#include "plot/tidename.h"
#include "plot/words.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace veltaro::plot {

namespace {

/// Each name's colour in the band and the colour of its writing, in the order
/// of TideName: the larger the range, the deeper the blue; the two days of one
/// name each in colours of their own.
struct NameLook {
    QRgb fill;
    QRgb ink;
};
constexpr std::array<NameLook, kTideNames.size()> kNameLooks{{
    {0xff1f5f8b, 0xffffffff}, // 大潮
    {0xff6fa8d6, 0xff000000}, // 中潮
    {0xffd6e6f2, 0xff000000}, // 小潮
    {0xffe8c86a, 0xff000000}, // 長潮: sand, the slack end of the neaps
    {0xff8fd18a, 0xff000000}, // 若潮: green, the range growing again
}};

/// The smallest character a stretch of the band is named with [pixels].
constexpr int kSmallestMark = 8;

const NameLook& lookOf(TideName name) {
    return kNameLooks[static_cast<std::size_t>(name)];
}

} // namespace

QColor tideNameFill(TideName name) {
    return QColor::fromRgb(lookOf(name).fill);
}

QColor tideNameInk(TideName name) {
    return QColor::fromRgb(lookOf(name).ink);
}

void GraphPainter::plotTideNames(const Drawing& drawing) {
    const int lastT = drawing.lastT();
    // The words need the fonts of a running application: without one (a test
    // of the curves' pixels) the names are left out.
    if (lastT < 0 || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    // What there is to name, before anything is asked of the painter: a vector
    // surface would keep even an empty group.
    const bool diurnal = drawing.mode() == PlotMode::Diurnal;
    std::vector<TideDay> days;
    std::vector<TideNameSpan> spans;
    if (diurnal) {
        // The days drawn: from the first step's date to the last one's, less
        // the day a closing 24:00 has carried the clock into.
        const RecordedStep& first = drawing.steps.front();
        const RecordedStep& last = drawing.steps.back();
        const long from = dayNumberOf(first.year, first.month, first.day);
        const long to = dayNumberOf(last.year, last.month, last.day) - (last.t == kLastT ? 1 : 0);
        days = tideDays(from, std::max(from, to),
                        minutesAheadOfUt(drawing.request.clock, drawing.request.start.lon));
    } else {
        spans = tideNameSpans(drawing.request);
    }
    if (days.empty() && spans.empty()) {
        return;
    }

    QPainter& p = painter();
    p.save();
    p.translate(m_origin);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(pictureFont(static_cast<int>(std::lround(11 * m_dpr))));
    const QFontMetricsF metrics(p.font());
    const double top = std::round(deviceY(static_cast<float>(geometry::kTideBandTop)));
    const double bottom = std::round(deviceY(static_cast<float>(geometry::kTideBandBottom)));

    if (diurnal) {
        // At the right end of the band, on a box as wide as the widest one-day
        // label, so that the label of a drawing over an earlier one covers it.
        const QString text = tideDaysText(days);
        const double widest = metrics.horizontalAdvance(
            tideDaysText({{dayNumberOf(2000, 12, 30), kLongestLunarMonth, TideName::Spring}}));
        const double pad = 4 * m_dpr;
        const double width = std::ceil(std::max(widest, metrics.horizontalAdvance(text)) + 2 * pad);
        const QRectF box(std::max(0.0, m_width - width), top, std::min(width, m_width),
                         bottom - top);
        const NameLook look =
            days.size() == 1 ? lookOf(days.front().name) : NameLook{0xffffffff, 0xff000000};
        p.fillRect(box, QColor::fromRgb(look.fill));
        p.setPen(QColor::fromRgb(look.ink));
        p.drawText(box.adjusted(pad, 0, -pad, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    for (const TideNameSpan& span : spans) {
        if (span.fromX > lastT) {
            break;
        }
        const double left = std::round(deviceX(static_cast<float>(span.fromX)));
        const double right =
            std::round(deviceX(static_cast<float>(std::min<double>(span.toX, lastT))));
        const QRectF box(left, top, right - left, bottom - top);
        const NameLook& look = lookOf(span.first.name);
        p.fillRect(box, QColor::fromRgb(look.fill));
        // The first character of the name, smaller where the stretch is
        // narrow (a one-day name), left out where even that does not fit.
        const QString mark = tideName(span.first.name).left(1).toUpper();
        const double room = box.width() - 1 * m_dpr;
        QFont font = p.font();
        if (metrics.horizontalAdvance(mark) > room) {
            const int pixels = static_cast<int>(std::floor(room));
            if (pixels < kSmallestMark * m_dpr) {
                continue;
            }
            font = pictureFont(pixels);
        }
        p.save();
        p.setFont(font);
        p.setPen(QColor::fromRgb(look.ink));
        p.drawText(box, Qt::AlignCenter, mark);
        p.restore();
    }
    p.restore();
}

} // namespace veltaro::plot
