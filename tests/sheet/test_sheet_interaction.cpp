#include "cmcCellHandler.h"
#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cuiActiveCell.h"
#include "cuiCellEditor.h"
#include "cuiCellPainter.h"
#include "cuiGrid.h"
#include "cuiGridInput.h"
#include "cuiLook.h"
#include "cuiSelectList.h"
#include "cuiSheet.h"
#include "datCellReq.h"

#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers every linked cell with "v<index>" and records each action; what it answers to an
// action is set by the test.
class AnsweringHandler : public cmcCellHandler {
public:
    QByteArray shownText(datCellReq& request) override {
        return "v" + QByteArray::number(request.cell->index());
    }
    int act(datCellReq& request) override {
        acted.push_back(request);
        owners.push_back(request.owner ? request.owner->cell->link() : -1);
        datCellReq& answer = request;
        answer.editorText = editorText;
        answer.selectionStart = int(editorText.size());
        answer.listSheet = listSheet;
        answer.listChoice = listChoice;
        answer.repeatRequested = repeats-- > 0;
        return result;
    }
    std::vector<datCellReq> acted;
    std::vector<int> owners;
    int result = Nothing;
    QByteArray editorText;
    QByteArray listSheet;
    int listChoice = 0;
    int repeats = 0;
};

class SheetInteraction : public testing::Test {
protected:
    void SetUp() override {
        sheet =
            std::make_unique<cuiSheet>(nullptr, nullptr, 0, 0, cmcGTex::app(), "GI_Sheet_MemoryCH");
        sheet->setValueProvider(&handler);
        sheet->resize(1280, 800);
        sheet->Show();
        sheet->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
        sheet->setFocus();
    }
    QWidget* grid() { return sheet->grid().viewport(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid();
        QTest::keyClick(target, k, modifiers);
    }
    int column() const { return sheet->grid().currentColumn(); }
    int row() const { return sheet->grid().currentRow(); }

    cmcEvMan events;
    AnsweringHandler handler;
    std::unique_ptr<cuiSheet> sheet;
};

TEST_F(SheetInteraction, CursorKeysStopOnSelectableCellsAndReportTheEdges) {
    EXPECT_EQ(column(), 3);
    EXPECT_EQ(row(), 5);
    key(Qt::Key_Left);
    ASSERT_EQ(handler.acted.size(), 1u);
    EXPECT_EQ(handler.acted[0].key, datCellReq::KeyLeftEdge);
    key(Qt::Key_Up);
    EXPECT_EQ(row(), 5);
    key(Qt::Key_PageDown);
    EXPECT_EQ(row(), 15);
    for (int i = 0; i < 30; ++i)
        key(Qt::Key_Right);
    EXPECT_EQ(column(), 20);
    EXPECT_EQ(handler.acted.back().key, datCellReq::KeyRightEdge);
    // Help on a cell is the program's, not the page's.
    AnsweringHandler program;
    cmcCellHandler::install(&program);
    key(Qt::Key_F1);
    cmcCellHandler::install(nullptr);
    EXPECT_NE(handler.acted.back().key, datCellReq::KeyF1);
    ASSERT_EQ(program.acted.size(), 1u);
    EXPECT_EQ(program.acted[0].key, datCellReq::KeyF1);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(row(), 15);
}

// The popup menu's shortcuts act on the current cell without the menu being open.
TEST_F(SheetInteraction, PopupShortcutsWorkFromTheGrid) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int link;
    };
    const Case cases[] = {{Qt::Key_C, Qt::ControlModifier, cmcCellNames::CL_PMenu_Copy},
                          {Qt::Key_V, Qt::ControlModifier, cmcCellNames::CL_PMenu_Paste},
                          {Qt::Key_Up, Qt::ControlModifier, cmcCellNames::CL_PMenu_CarryUp},
                          {Qt::Key_Down, Qt::ControlModifier, cmcCellNames::CL_PMenu_CarryDown},
                          {Qt::Key_Delete, Qt::NoModifier, cmcCellNames::CL_PMenu_Delete},
                          {Qt::Key_Insert, Qt::NoModifier, cmcCellNames::CL_PMenu_Insert}};
    for (const Case& c : cases) {
        handler.acted.clear();
        QTest::keyClick(&sheet->grid(), c.key, c.modifiers);
        ASSERT_EQ(handler.acted.size(), 1u) << c.link;
        EXPECT_EQ(handler.acted[0].key, datCellReq::KeyCommand);
        EXPECT_EQ(handler.acted[0].commandLink, c.link);
        EXPECT_EQ(row(), 5);
    }
    // Enter stays a key of its own, and the menu's "Edit..." is Enter.
    handler.acted.clear();
    QTest::keyClick(&sheet->grid(), Qt::Key_Return);
    ASSERT_EQ(handler.acted.size(), 1u);
    EXPECT_EQ(handler.acted[0].key, datCellReq::KeyEnter);
}

TEST_F(SheetInteraction, TypingOpensTheEditorAndEnterCommitsTheText) {
    handler.result = cmcCellHandler::OpenEditor;
    handler.editorText = "14";
    QTest::keyClicks(grid(), "1");
    ASSERT_EQ(handler.acted.size(), 1u);
    EXPECT_EQ(handler.acted[0].key, '1');
    ASSERT_TRUE(sheet->activeCell().isEditing());
    handler.result = cmcCellHandler::Repaint;
    QTest::keyClicks(sheet->activeCell().editor(), "5.5");
    key(Qt::Key_Return);
    EXPECT_FALSE(sheet->activeCell().isEditing());
    ASSERT_EQ(handler.acted.size(), 2u);
    EXPECT_TRUE(handler.acted[1].hasInput);
    EXPECT_EQ(handler.acted[1].input, "145.5");
    EXPECT_EQ(handler.acted[1].cell->link(), cmcCellNames::CL_Mch_Freq);
}

TEST_F(SheetInteraction, EscapeCancelsAndUpOnTheFirstRowCommitsInPlace) {
    handler.result = cmcCellHandler::OpenEditor;
    key(Qt::Key_Return);
    ASSERT_TRUE(sheet->activeCell().isEditing());
    handler.result = cmcCellHandler::Nothing;
    key(Qt::Key_Escape);
    EXPECT_FALSE(sheet->activeCell().isEditing());
    EXPECT_EQ(handler.acted.size(), 1u);

    handler.result = cmcCellHandler::OpenEditor;
    key(Qt::Key_Return);
    handler.result = cmcCellHandler::Nothing;
    key(Qt::Key_Up);
    EXPECT_EQ(handler.acted.size(), 3u);
    EXPECT_TRUE(handler.acted.back().hasInput);
    EXPECT_EQ(row(), 5);

    handler.result = cmcCellHandler::OpenEditor;
    key(Qt::Key_Return);
    handler.result = cmcCellHandler::Nothing;
    key(Qt::Key_Down);
    EXPECT_EQ(row(), 6);
    EXPECT_TRUE(handler.acted.back().hasInput);
}

TEST_F(SheetInteraction, NotificationCommitsAnOpenEditor) {
    handler.result = cmcCellHandler::OpenEditor;
    handler.editorText = "7";
    key(Qt::Key_Return);
    handler.result = cmcCellHandler::Nothing;
    events.Send(cmcEventId::FinishEdit);
    EXPECT_FALSE(sheet->activeCell().isEditing());
    EXPECT_EQ(handler.acted.back().input, "7");
}

TEST_F(SheetInteraction, RepeatsWaitLessEachTime) {
    std::vector<int> waits;
    sheet->activeCell().setRepeatWaiter([&](int milliseconds) { waits.push_back(milliseconds); });
    handler.repeats = 7;
    key(Qt::Key_Space);
    EXPECT_EQ(waits, (std::vector<int>{30, 24, 18, 12, 6, 0, 0}));
    EXPECT_EQ(handler.acted.size(), 8u);
}

TEST_F(SheetInteraction, SelectionListChoosesOnBehalfOfTheCell) {
    handler.listSheet = "GI_Sheet_Sel_Mch_Dup";
    handler.listChoice = 2;
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    cuiSelectList* list = sheet->activeCell().openList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->sheet().grid().currentRow(), 2);
    EXPECT_TRUE(list->sheet().isListMode());
    handler.listSheet.clear();
    QTest::keyClick(list->sheet().grid().viewport(), Qt::Key_Down);
    EXPECT_EQ(list->sheet().grid().currentRow(), 0);
    QTest::keyClick(list->sheet().grid().viewport(), Qt::Key_Return);
    ASSERT_EQ(handler.acted.size(), 2u);
    const datCellReq& choice = handler.acted[1];
    EXPECT_EQ(choice.mode, datCellReq::ListChoice);
    EXPECT_EQ(choice.cell->link(), cmcCellNames::Flex0);
    EXPECT_EQ(choice.cell->index(), 0);
    EXPECT_EQ(handler.owners[1], cmcCellNames::CL_Mch_Dup);
    QTest::qWait(1);
    EXPECT_EQ(sheet->activeCell().openList(), nullptr);
}

TEST_F(SheetInteraction, EscapeClosesTheListWithoutAChoice) {
    handler.listSheet = "GI_Sheet_Sel_Mch_Dup";
    key(Qt::Key_Return);
    cuiSelectList* list = sheet->activeCell().openList();
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list->sheet().grid().viewport(), Qt::Key_Escape);
    QTest::qWait(1);
    EXPECT_EQ(sheet->activeCell().openList(), nullptr);
    EXPECT_EQ(handler.acted.size(), 1u);
}

TEST_F(SheetInteraction, ShiftExtendsALineRange) {
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(sheet->inRangeMode());
    for (int r = 5; r <= 7; ++r)
        EXPECT_TRUE(sheet->matrix().slot(10, r).inLineRange) << r;
    EXPECT_FALSE(sheet->matrix().slot(10, 8).inLineRange);
    EXPECT_FALSE(sheet->matrix().slot(0, 6).inLineRange);
    key(Qt::Key_Down);
    EXPECT_FALSE(sheet->inRangeMode());
    EXPECT_FALSE(sheet->matrix().slot(10, 6).inLineRange);
}

TEST_F(SheetInteraction, ClickOnTheCurrentCellActivatesIt) {
    const QRect other = sheet->grid().cellRect(4, 7);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, other.center());
    EXPECT_EQ(column(), 4);
    EXPECT_EQ(row(), 7);
    EXPECT_TRUE(handler.acted.empty());
    QTest::mouseClick(grid(), Qt::LeftButton, {}, other.center());
    ASSERT_EQ(handler.acted.size(), 1u);
    EXPECT_EQ(handler.acted[0].key, datCellReq::KeyMouse);
    // A header cell cannot take the cursor.
    QTest::mouseClick(grid(), Qt::LeftButton, {}, sheet->grid().cellRect(4, 3).center());
    EXPECT_EQ(row(), 7);
}

TEST_F(SheetInteraction, RightClickMovesTheCursorAndItsMenuActsOnTheCell) {
    const QRect target = sheet->grid().cellRect(11, 9);
    QTest::mouseClick(grid(), Qt::RightButton, {}, target.center());
    EXPECT_EQ(column(), 11);
    EXPECT_EQ(row(), 9);
    QMenu* menu = sheet->input().popupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(sheet->input().popupKey(), "GI_PMenu_Channel_NO_TX");
    QAction* copy = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().remove('&') == "Copy")
            copy = action;
    }
    ASSERT_NE(copy, nullptr);
    menu->close();
    copy->trigger();
    ASSERT_EQ(handler.acted.size(), 1u);
    EXPECT_EQ(handler.acted[0].commandLink, cmcCellNames::CL_PMenu_Copy);
    EXPECT_EQ(handler.acted[0].key, datCellReq::KeyCommand);
    EXPECT_EQ(handler.acted[0].cell->index(), 4);
}

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

TEST_F(SheetInteraction, SpanHeaderIsOneBlockWithOneRightRule) {
    const QImage image = sheet->grid().viewport()->grab().toImage();
    const cuiGrid& g = sheet->grid();
    // Row 1 holds the "Frequency" group header over columns 3 to 5 (green, white rules).
    const QRect first = g.cellRect(3, 1);
    const QRect last = g.cellRect(5, 1);
    const QColor green = cuiLook::colour(0x00008000, sheet->palette());
    const int y = first.top() + first.height() / 2;
    EXPECT_EQ(pixel(image, first.right(), y), green);
    EXPECT_EQ(pixel(image, g.cellRect(4, 1).right(), y), green);
    EXPECT_EQ(pixel(image, last.right(), y), QColor(Qt::white));
    // The text runs on into the span: white glyph pixels lie right of the first column.
    bool textBeyond = false;
    for (int x = first.right() + 1; x < last.right() && !textBeyond; ++x) {
        for (int row = first.top() + 1; row < first.bottom() - 1 && !textBeyond; ++row)
            textBeyond = pixel(image, x, row) == QColor(Qt::white);
    }
    const bool wide =
        first.width() < QFontMetrics(sheet->grid().font()).horizontalAdvance(" Frequency") + 8;
    EXPECT_EQ(textBeyond, wide);
}

TEST(cuiCellPainter, GreyCellsPrintWhiteOnDarkGrey) {
    cmcCellObj cell;
    cell.parse("{($iChI)}ATT", nullptr, nullptr);
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    cuiCellPainter::Context context;
    context.printing = true;
    cuiCellPainter::Cell paint;
    paint.cell = &cell;
    paint.rect = QRect(0, 0, 60, 30);
    paint.text = "ATT";
    paint.textColour = cell.effectiveFont()->colour;
    cuiCellPainter::paint(painter, context, paint);
    painter.end();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0x60, 0x60, 0x60));
    bool white = false;
    for (int x = 0; x < 60 && !white; ++x) {
        for (int y = 0; y < 30 && !white; ++y)
            white = image.pixelColor(x, y) == QColor(Qt::white);
    }
    EXPECT_TRUE(white);
}

} // namespace
