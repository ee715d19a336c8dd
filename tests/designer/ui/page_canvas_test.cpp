#include "designer/ui/page_canvas.h"

#include "platform/printing/palette.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vn;
using Kind = LayoutItem::Kind;

// The canvas over a hand-made layout: a text field (definition 4) with its caption, a check box
// (definition 6) and a table's grid line and cell (definition 7).
class PageCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_canvas.reset(); }
    void clickingAFieldEmitsItsDefinition();
    void disabledFieldsIgnoreClicks();
    void definitionAtFindsOnlySelectableParts();
    void highlightPaintsTheSelectedFieldInItsKindsColour();
    void carriesItsNameAndSize();

private:
    static LayoutItem item(Kind kind, QRect rect, int number, FieldKind fieldKind) {
        LayoutItem i;
        i.kind = kind;
        i.rect = rect;
        i.definitionNumber = number;
        i.fieldKind = fieldKind;
        return i;
    }
    QRgb pixel(QPoint point) { return m_canvas->grab().toImage().pixel(point); }

    std::unique_ptr<PageCanvas> m_canvas;
};

void PageCanvasTest::init() {
    m_canvas = std::make_unique<PageCanvas>();
    LayoutItem line = item(Kind::TableLine, {8, 250, 200, 3}, 7, FieldKind::Table);
    line.colour = paletteColour(16);
    m_canvas->setItems({item(Kind::Caption, {100, 87, 110, 13}, 4, FieldKind::Text),
                        item(Kind::TextBox, {100, 100, 110, 21}, 4, FieldKind::Text),
                        item(Kind::CheckBox, {300, 100, 60, 21}, 6, FieldKind::CheckBox), line,
                        item(Kind::TableCell, {74, 270, 50, 14}, 7, FieldKind::Table)});
    m_canvas->show();
}

void PageCanvasTest::clickingAFieldEmitsItsDefinition() {
    QSignalSpy clicked(m_canvas.get(), &PageCanvas::fieldClicked);
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, {150, 110});
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, {80, 275});
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, {150, 90});   // the caption
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, {500, 400});  // empty page
    QTest::mouseClick(m_canvas.get(), Qt::RightButton, {}, {150, 110});
    QCOMPARE(clicked.size(), 2);
    QCOMPARE(clicked[0][0].toInt(), 4);
    QCOMPARE(clicked[1][0].toInt(), 7);
}

void PageCanvasTest::disabledFieldsIgnoreClicks() {
    QSignalSpy clicked(m_canvas.get(), &PageCanvas::fieldClicked);
    m_canvas->setFieldsEnabled(false);
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, {150, 110});
    QCOMPARE(clicked.size(), 0);
    m_canvas->setFieldsEnabled(true);
    QTest::mouseClick(m_canvas.get(), Qt::LeftButton, {}, {150, 110});
    QCOMPARE(clicked.size(), 1);
}

void PageCanvasTest::definitionAtFindsOnlySelectableParts() {
    const std::pair<QPoint, int> cases[] = {
        {{100, 100}, 4}, {{209, 120}, 4}, {{210, 110}, 0},  // the box's edges
        {{320, 110}, 6}, {{100, 90}, 0},                    // a caption does not select
        {{50, 251}, 0},  {{80, 280}, 7},                    // grid lines do not, cells do
    };
    for (const auto& [point, number] : cases) QCOMPARE(m_canvas->definitionAt(point), number);
}

void PageCanvasTest::highlightPaintsTheSelectedFieldInItsKindsColour() {
    const QPoint box(200, 110), line(150, 251);
    QCOMPARE(pixel(box), QRgb(0xFFFFFFFF));
    QCOMPARE(pixel(line), QRgb(paletteColour(16)));

    m_canvas->setHighlight(4);
    QCOMPARE(pixel(box), QRgb(paletteColour(11)));
    QCOMPARE(pixel(line), QRgb(paletteColour(16)));

    m_canvas->setHighlight(7);
    QCOMPARE(pixel(box), QRgb(0xFFFFFFFF));
    QCOMPARE(pixel(line), QRgb(paletteColour(2)));
}

void PageCanvasTest::carriesItsNameAndSize() {
    QCOMPARE(m_canvas->objectName(), QString("pageCanvas"));
    QCOMPARE(m_canvas->accessibleName(), QString("Page"));
    QCOMPARE(m_canvas->size(), QSize(840, 460));
}

QTEST_MAIN(PageCanvasTest)
#include "page_canvas_test.moc"
