#include "lists/ui/page_canvas.h"

#include "platform/printing/palette.h"

#include <QAccessible>
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
    void eachFieldIsAnAccessibleChild();
    void theKeyboardWalksAndChoosesFields();
    void theFieldTheKeyboardIsOnIsFramed();

private:
    static LayoutItem item(Kind kind, QRect rect, int number, FieldKind fieldKind, const QString& name = {}) {
        LayoutItem i;
        i.kind = kind;
        i.rect = rect;
        i.definitionNumber = number;
        i.fieldKind = fieldKind;
        i.name = name;
        return i;
    }
    QAccessibleInterface* page() { return QAccessible::queryAccessibleInterface(m_canvas.get()); }
    QString focusedName() {
        QAccessibleInterface* focused = page()->focusChild();
        return focused ? focused->text(QAccessible::Name) : QString();
    }
    QRgb pixel(QPoint point) { return m_canvas->grab().toImage().pixel(point); }

    std::unique_ptr<PageCanvas> m_canvas;
};

void PageCanvasTest::init() {
    m_canvas = std::make_unique<PageCanvas>();
    LayoutItem line = item(Kind::TableLine, {8, 250, 200, 3}, 7, FieldKind::Table, "Scores");
    line.colour = paletteColour(16);
    m_canvas->setItems({item(Kind::Caption, {100, 87, 110, 13}, 4, FieldKind::Text, "Nickname"),
                        item(Kind::TextBox, {100, 100, 110, 21}, 4, FieldKind::Text, "Nickname"),
                        item(Kind::CheckBox, {300, 100, 60, 21}, 6, FieldKind::CheckBox, "Member"), line,
                        item(Kind::TableCell, {74, 270, 50, 14}, 7, FieldKind::Table, "Scores row 1 column 1")});
    m_canvas->show();
    m_canvas->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_canvas.get()));
}

void PageCanvasTest::clickingAFieldEmitsItsDefinition() {
    QSignalSpy clicked(m_canvas.get(), &PageCanvas::fieldChosen);
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
    QSignalSpy clicked(m_canvas.get(), &PageCanvas::fieldChosen);
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

void PageCanvasTest::eachFieldIsAnAccessibleChild() {
    struct Expected {
        const char* name;
        QAccessible::Role role;
        QRect bounds;  // on the page, caption included
        const char* description;
    };
    const Expected expected[] = {
        {"Nickname", QAccessible::EditableText, {100, 87, 110, 34}, "Text Field, X = 100, Y = 100"},
        {"Member", QAccessible::CheckBox, {300, 100, 60, 21}, "Check Box, X = 300, Y = 100"},
        {"Scores", QAccessible::Table, {8, 250, 200, 34}, "Table, X = 8, Y = 250"},
    };
    QCOMPARE(page()->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* field = page()->child(i);
        QCOMPARE(field->text(QAccessible::Name), expected[i].name);
        QCOMPARE(field->role(), expected[i].role);
        QCOMPARE(field->rect(), QRect(m_canvas->mapToGlobal(expected[i].bounds.topLeft()), expected[i].bounds.size()));
        QCOMPARE(field->text(QAccessible::Description), expected[i].description);
        QCOMPARE(field->parent(), page());
        QCOMPARE(page()->indexOfChild(field), i);
    }
    const QPoint onCheckBox = m_canvas->mapToGlobal(QPoint(320, 110));
    QCOMPARE(page()->childAt(onCheckBox.x(), onCheckBox.y()), page()->child(1));

    // Pressing a child chooses its field; a field no longer drawn is no child.
    QSignalSpy chosen(m_canvas.get(), &PageCanvas::fieldChosen);
    page()->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].toInt(), 6);
    m_canvas->setHighlight(6);
    QVERIFY(page()->child(1)->state().selected);
    m_canvas->setItems({});
    QCOMPARE(page()->childCount(), 0);
}

void PageCanvasTest::theKeyboardWalksAndChoosesFields() {
    QSignalSpy chosen(m_canvas.get(), &PageCanvas::fieldChosen);
    m_canvas->setFocus(Qt::TabFocusReason);
    QVERIFY(m_canvas->hasFocus());
    QCOMPARE(focusedName(), "Nickname");  // fields come as the page reads
    QTest::keyClick(m_canvas.get(), Qt::Key_Tab);
    QCOMPARE(focusedName(), "Member");
    QTest::keyClick(m_canvas.get(), Qt::Key_Down);
    QCOMPARE(focusedName(), "Scores");
    QTest::keyClick(m_canvas.get(), Qt::Key_Right);  // the last field stays
    QCOMPARE(focusedName(), "Scores");
    QTest::keyClick(m_canvas.get(), Qt::Key_Return);
    QTest::keyClick(m_canvas.get(), Qt::Key_Up);
    QCOMPARE(focusedName(), "Member");
    m_canvas->setFieldsEnabled(false);
    QTest::keyClick(m_canvas.get(), Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].toInt(), 7);
}

void PageCanvasTest::theFieldTheKeyboardIsOnIsFramed() {
    const QPoint leftOfBox(98, 110);
    const QRgb window = m_canvas->palette().color(QPalette::Window).rgb();
    m_canvas->clearFocus();
    QCOMPARE(pixel(leftOfBox), window);
    m_canvas->setFocus(Qt::TabFocusReason);
    QCOMPARE(pixel(leftOfBox), m_canvas->palette().color(QPalette::Highlight).rgb());
}

QTEST_MAIN(PageCanvasTest)
#include "page_canvas_test.moc"
