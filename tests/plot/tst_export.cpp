// The saved picture made from the drawing record: the graph in a PNG is the very
// image on screen, the SVG holds the curves as shapes, the PDF is a page.
#include "plot/graphexport.h"
#include "plot/graphpainter.h"
#include "plot/graphwidget.h"
#include "plot/plotcontroller.h"
#include "plot/pngencode.h"
#include "tests/support/testsupport.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>
#include <QXmlStreamReader>
#include <array>
#include <memory>

using namespace veltaro;
using namespace veltaro::plot;
using namespace Qt::StringLiterals;

namespace {

QByteArray written(PictureFormat format, const DrawingRecord& record, QColor background,
                   GraphStyle style = GraphStyle::Standard) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writePicture(buffer, format, record, background, u"test"_s, style)) {
        qFatal("the picture was not written");
    }
    return buffer.data();
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pngHoldsTheGraphOnScreen();
    void svgHoldsTheCurvesAsShapes_data();
    void svgHoldsTheCurvesAsShapes();
    void pdfIsAPage();
    void pngKeepsEveryPixel_data();
    void pngKeepsEveryPixel();

private:
    // A drawing as the window makes it: a day, then 60 days over it.
    ObservationState m_state;
    std::unique_ptr<DrawingRecord> m_record;
    std::unique_ptr<GraphWidget> m_graph;
    std::unique_ptr<PlotController> m_controller;
};

void TestExport::init() {
    m_state = support::freshState();
    m_controller.reset();
    m_graph.reset();
    m_record = std::make_unique<DrawingRecord>();
    m_graph = std::make_unique<GraphWidget>(*m_record);
    m_controller = std::make_unique<PlotController>(m_state, *m_record);
    m_controller->runToEnd({PlotMode::Diurnal, support::kDefaultStart});
    m_controller->runToEnd({PlotMode::SixtyDay, support::kDefaultStart});
    QCOMPARE(m_graph->record().stepCount(), std::size_t(289 + 8641));
}

void TestExport::pngHoldsTheGraphOnScreen() {
    const DrawingRecord& record = m_graph->record();
    const QColor background = m_graph->background();
    QCOMPARE(m_graph->imageRatio(), 1.0);
    // At the window's own scale the picture's graph is the screen's, pixel for pixel.
    const QImage same = exportImage(record, 1, background);
    QCOMPARE(same.copy(graphArea(record, 1)), m_graph->shownImage());
    // Below the graph the key gives every colour of the 60-day band of tide names.
    const int footTop = graphArea(record, 1).bottom() + 1;
    const QImage foot = same.copy(0, footTop, same.width(), same.height() - footTop);
    for (const TideNameDefinition& d : kTideNames) {
        bool keyed = false;
        for (int y = 0; y < foot.height() && !keyed; ++y) {
            for (int x = 0; x < foot.width() && !keyed; ++x) {
                keyed = foot.pixelColor(x, y) == tideNameFill(d.name);
            }
        }
        QVERIFY2(keyed, d.word);
    }
    // The saved PNG, larger, draws the same steps at its scale, and the height
    // scale over them.
    QImage png;
    QVERIFY(png.loadFromData(written(PictureFormat::Png, record, background), "PNG"));
    QCOMPARE(png.size(), exportSize(record) * kPngScale);
    QImage larger = renderGraph(record, kPngScale, background);
    QPainter(&larger).drawImage(0, 0, renderScale(larger.size(), kPngScale, background));
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32).copy(graphArea(record, kPngScale)), larger);

    // In the presentation style the screen and the picture change together.
    m_graph->setGraphStyle(GraphStyle::Presentation);
    QTRY_VERIFY(!m_graph->rendering());
    QVERIFY(m_graph->shownImage() != same.copy(graphArea(record, 1)));
    const QImage presented = exportImage(record, 1, background, GraphStyle::Presentation);
    QCOMPARE(presented.copy(graphArea(record, 1)), m_graph->shownImage());
}

void TestExport::svgHoldsTheCurvesAsShapes_data() {
    QTest::addColumn<GraphStyle>("style");
    QTest::newRow("standard") << GraphStyle::Standard;
    QTest::newRow("presentation") << GraphStyle::Presentation;
}

void TestExport::svgHoldsTheCurvesAsShapes() {
    QFETCH(GraphStyle, style);
    const QByteArray svg = written(PictureFormat::Svg, m_graph->record(), Qt::white, style);
    QXmlStreamReader xml(svg);
    QMap<QString, int> rectsOfFill; // rectangles under each fill colour
    QString fill;
    int images = 0;
    QString texts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"g"_s) {
            fill = xml.attributes().value(u"fill"_s).toString();
        } else if (xml.name() == u"rect"_s) {
            ++rectsOfFill[fill];
        } else if (xml.name() == u"image"_s) {
            ++images;
        } else if (xml.name() == u"text"_s) {
            texts += xml.readElementText();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(images, 0);
    const StyleLook look = lookOf(style);
    for (QRgb curve : {look.sun.colour, look.moon.colour, look.combined.colour}) {
        const QString name = QColor::fromRgb(curve).name();
        QVERIFY2(rectsOfFill.value(name) > 200, qPrintable(name));
    }
    QVERIFY(texts.contains(u"60日変化"_s));
    QVERIFY(texts.contains(u"35°39′16″N"_s));
}

void TestExport::pdfIsAPage() {
    const QByteArray pdf = written(PictureFormat::Pdf, m_graph->record(), Qt::white);
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
             1);
}

void TestExport::pngKeepsEveryPixel_data() {
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("one pixel") << QImage::Format_RGB32 << QSize(1, 1);
    QTest::newRow("one column, its rows packed over each other")
        << QImage::Format_RGB32 << QSize(1, 3);
    QTest::newRow("odd width, 3 bytes a pixel") << QImage::Format_RGB32 << QSize(7, 5);
    QTest::newRow("converted from RGB888") << QImage::Format_RGB888 << QSize(33, 2);
    QTest::newRow("with alpha, by Qt's writer") << QImage::Format_ARGB32 << QSize(4, 4);
}

void TestExport::pngKeepsEveryPixel() {
    QFETCH(QImage::Format, format);
    QFETCH(QSize, size);
    QImage image(size, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, random.generate());
        }
    }
    image = image.convertToFormat(format);
    image.setDotsPerMeterX(5000);
    image.setDotsPerMeterY(4000);
    QImage read;
    QVERIFY(read.loadFromData(encodePng(image), "PNG"));
    QCOMPARE(read.hasAlphaChannel(), image.hasAlphaChannel());
    QCOMPARE(read.convertToFormat(QImage::Format_ARGB32),
             image.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(read.dotsPerMeterX(), 5000);
    QCOMPARE(read.dotsPerMeterY(), 4000);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
