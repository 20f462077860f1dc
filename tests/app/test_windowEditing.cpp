// Keyboard and mouse work on the real window: lists, blocks of rows, shortcuts wherever the
// focus is, the status line that tells what became of an entry, the title's modified mark.
#include "MainWindowFixture.h"
#include "cmcCellNames.h"
#include "cuiCellEditor.h"
#include "cuiCloneProgress.h"
#include "cuiFlector.h"
#include "cuiGrid.h"
#include "cuiGridInput.h"
#include "cuiSelectList.h"
#include "cuiSheet.h"
#include "cuiStatusPanel.h"
#include "cuiTree.h"
#include "datCh.h"
#include "indWindowClone.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>

namespace {

using N = cmcCellNames;
const QByteArray BankA = "[St_CCBank]GI_Sheet_BankCH,13";

class WindowEditing : public MainWindow {
protected:
    cuiSheet& open(const QByteArray& call) {
        window->openPage(call);
        window->page()->grid().setFocus();
        return *window->page();
    }
    // The cell of a record's field on the open page.
    QPoint cellOf(int link, int index) {
        int column = -1;
        int row = -1;
        EXPECT_TRUE(window->page()->findCell(link, index, column, row)) << link << " " << index;
        return {column, row};
    }
    void putCursor(int link, int index) {
        const QPoint at = cellOf(link, index);
        window->page()->putCursor(at.x(), at.y());
    }
    // A row's number: the widest of the fixed columns, where the row's number stands.
    QPoint numberOf(int index) {
        cuiSheet& page = *window->page();
        const int row = cellOf(N::CL_Mch_Freq, index).y();
        int number = 0;
        for (int column = 0; column < page.grid().fixedColumns(); ++column)
            if (page.grid().columnWidth(column) > page.grid().columnWidth(number))
                number = column;
        return page.grid().cellRect(number, row).center();
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(window->page()->grid().viewport(), button, keys, at);
    }
    void key(int code, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(code), keys);
    }
    // The record numbers whose rows are marked, in order.
    QList<int> markedRecords() {
        cuiSheet& page = *window->page();
        const std::vector<bool> marked = page.matrix().markedRows();
        const int column = cellOf(N::CL_Mch_Freq, 0).x();
        QList<int> records;
        for (int row = 0; row < int(marked.size()); ++row)
            if (marked[size_t(row)] && page.cellAt(column, row).selectable())
                records << page.cellAt(column, row).index();
        return records;
    }
    datCh channel(int number) {
        datCh c(&window->document());
        c.load(datCh::KindMemory, number);
        return c;
    }
    void putChannel(int number, uint32_t frequency, int bank = datCh::NoBank, int position = 0) {
        datCh c(&window->document());
        c.reset();
        c.setInUse(true);
        c.frequency = frequency;
        c.bankGroup = bank;
        c.bankPosition = position;
        c.store(datCh::KindMemory, number);
        window->document().rebuildBankIndex();
    }
    QList<cuiSelectList*> openLists() {
        QList<cuiSelectList*> shown;
        for (cuiSelectList* list : window->findChildren<cuiSelectList*>())
            if (list->isVisible())
                shown << list;
        return shown;
    }
    QString status() { return window->statusPanel().text(); }
};

// Enter that takes an entry from a list closes it; the next Down moves the grid's cursor.
TEST_F(WindowEditing, AListChoiceClosesTheListForGood) {
    for (const int link : {N::CL_Mch_Mode, N::CL_Mch_Dup, N::CL_Mch_Tone}) {
        cuiSheet& page = open(MemoryGroup0);
        putCursor(link, 0);
        const int row = page.grid().currentRow();
        key(Qt::Key_Return);
        ASSERT_EQ(openLists().size(), 1) << link;
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_TRUE(openLists().isEmpty()) << link;
        // The desktop gives the window back its activation when the list closes.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_EQ(QApplication::focusWidget(), &page.grid()) << link;
        key(Qt::Key_Down);
        EXPECT_EQ(page.grid().currentRow(), row + 1) << link;
        EXPECT_TRUE(openLists().isEmpty()) << link;
    }
}

// A block chosen with the row numbers moves whole, however often it is moved.
TEST_F(WindowEditing, RepeatedMovesCarryTheWholeBlockOnAMemoryPage) {
    for (int n = 3; n <= 7; ++n)
        putChannel(n, 140000000 + uint32_t(n) * 100000);
    open(MemoryGroup0);
    click(numberOf(5));
    click(numberOf(6), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(markedRecords(), (QList<int>{5, 6}));
    key(Qt::Key_Up, Qt::ControlModifier);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(channel(3).frequency, 140500000u);
    EXPECT_EQ(channel(4).frequency, 140600000u);
    EXPECT_EQ(markedRecords(), (QList<int>{3, 4}));
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(channel(4).frequency, 140500000u);
    EXPECT_EQ(channel(5).frequency, 140600000u);
    EXPECT_EQ(markedRecords(), (QList<int>{4, 5}));
    // Copy keeps the block chosen too.
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(markedRecords(), (QList<int>{4, 5}));
}

TEST_F(WindowEditing, RepeatedMovesCarryTheWholeBlockOnABankPage) {
    for (int p = 3; p <= 6; ++p)
        putChannel(200 + p, 150000000 + uint32_t(p) * 100000, 0, p);
    open(BankA);
    click(numberOf(5));
    click(numberOf(6), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(markedRecords(), (QList<int>{5, 6}));
    key(Qt::Key_Up, Qt::ControlModifier);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(window->document().bankEntry(0, 3), 205);
    EXPECT_EQ(window->document().bankEntry(0, 4), 206);
    EXPECT_EQ(markedRecords(), (QList<int>{3, 4}));
}

// The popup's commands act on the block the user sees: a right click inside keeps it.
TEST_F(WindowEditing, ARightClickInsideTheBlockKeepsIt) {
    cuiSheet& page = open(MemoryGroup0);
    click(numberOf(5));
    click(numberOf(7), Qt::LeftButton, Qt::ShiftModifier);
    const QPoint inside = cellOf(N::CL_Mch_Name, 6);
    click(page.grid().cellRect(inside.x(), inside.y()).center(), Qt::RightButton);
    EXPECT_EQ(markedRecords(), (QList<int>{5, 6, 7}));
    EXPECT_EQ(page.grid().currentRow(), inside.y());
    EXPECT_EQ(page.grid().currentColumn(), inside.x());
    page.input().popupMenu()->close();
    const QPoint outside = cellOf(N::CL_Mch_Name, 10);
    click(page.grid().cellRect(outside.x(), outside.y()).center(), Qt::RightButton);
    EXPECT_EQ(markedRecords(), (QList<int>{10}));
    page.input().popupMenu()->close();
}

// Undo, Redo and Save reach the window from the grid, the tree and the editor alike.
TEST_F(WindowEditing, ShortcutsWorkWhereverTheFocusIs) {
    cuiSheet& page = open(MemoryGroup0);
    putCursor(N::CL_Mch_Freq, 57);
    key('1');
    QTest::keyClicks(QApplication::focusWidget(), "45.5");
    key(Qt::Key_Return);
    ASSERT_TRUE(channel(57).inUse());
    ASSERT_EQ(QApplication::focusWidget(), &page.grid());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(channel(57).inUse());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(channel(57).inUse());
    window->tree().setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(channel(57).inUse());
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(channel(57).inUse());
    // In the editor, Ctrl+Z first takes back the typing.
    page.grid().setFocus();
    putCursor(N::CL_Mch_Name, 57);
    key(Qt::Key_A);
    auto* editor = qobject_cast<cuiCellEditor*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "bc");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->toPlainText(), "a");
    EXPECT_TRUE(channel(57).inUse());
    key(Qt::Key_Escape);
    const QString saved = folder.filePath("keys.kcf");
    prompt.choose(saved);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_FALSE(window->isModified());
}

// A clamped frequency is told and the line stays while the cursor moves; the next edit clears it.
TEST_F(WindowEditing, TheStatusLineTellsWhatBecameOfAnEntry) {
    putChannel(3, 145000000);
    open(MemoryGroup0);
    putCursor(N::CL_Mch_Freq, 3);
    key('2');
    QTest::keyClicks(QApplication::focusWidget(), "000");
    key(Qt::Key_Return);
    EXPECT_EQ(channel(3).frequency, 1309995000u);
    EXPECT_EQ(status(), "2000 MHz lies outside 0.1 to 1309.995 MHz; 1309.995000 MHz was stored.");
    key(Qt::Key_Down);
    EXPECT_FALSE(status().isEmpty());
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    EXPECT_TRUE(status().isEmpty());
    key(Qt::Key_Escape);
}

// The name editor stops at the six characters a name has.
TEST_F(WindowEditing, TheNameEditorTakesNoMoreThanANameHolds) {
    putChannel(4, 145000000);
    open(MemoryGroup0);
    putCursor(N::CL_Mch_Name, 4);
    key(Qt::Key_A);
    QTest::keyClicks(QApplication::focusWidget(), "bcdefgh");
    auto* editor = qobject_cast<cuiCellEditor*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->toPlainText(), "abcdef");
    key(Qt::Key_Return);
    EXPECT_EQ(QByteArray(channel(4).name.data(), 6), "ABCDEF");
}

// The desktop's modified mark follows the document; the title's text stays as it was.
TEST_F(WindowEditing, TheTitleMarksAModifiedDocument) {
    EXPECT_EQ(window->windowTitle(), "Untitled[*] - Mavik");
    EXPECT_FALSE(window->isWindowModified());
    window->document().setByte(0x6D00, 'Z');
    window->noteEdit();
    EXPECT_TRUE(window->isWindowModified());
    prompt.choose(folder.filePath("a[*]b.kcf"));
    ASSERT_TRUE(window->SaveAs());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->windowTitle(), "a[*][*]b.kcf[*] - Mavik");
}

TEST_F(WindowEditing, TheCommonSettingsPageHasItsOwnTitle) {
    window->openPage("[St_Common]GI_Sheet_Common");
    EXPECT_EQ(window->page()->sheetName(), " Common Setting");
}

// Without a stored width the tree shows its longest label whole.
TEST_F(WindowEditing, TheTreeStartsWideEnoughForItsLabels) {
    EXPECT_FALSE(settings->splitterStored);
    EXPECT_GE(window->splitter().sizes().value(0), window->tree().labelWidth());
    const QFontMetrics metrics(window->tree().font());
    EXPECT_GT(window->tree().labelWidth(), metrics.horizontalAdvance("Program Scan Edge"));
}

// A menu shows separators as lines, never two in a row, nor one at either end.
TEST_F(WindowEditing, MenusShowRealSeparatorsOnly) {
    const auto check = [](QMenu* menu) {
        emit menu->aboutToShow();
        QList<QAction*> shown;
        for (QAction* action : menu->actions())
            if (action->isVisible())
                shown << action;
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_FALSE(shown.front()->isSeparator()) << menu->title().toStdString();
        EXPECT_FALSE(shown.back()->isSeparator()) << menu->title().toStdString();
        for (int i = 0; i < shown.size(); ++i) {
            // A separator's text would be drawn as a section title.
            const bool plain =
                shown[i]->isSeparator() ? shown[i]->text().isEmpty() : shown[i]->text() != "-";
            EXPECT_TRUE(plain) << menu->title().toStdString() << " " << i;
            const bool twice = i > 0 && shown[i]->isSeparator() && shown[i - 1]->isSeparator();
            EXPECT_FALSE(twice) << menu->title().toStdString() << " " << i;
        }
    };
    for (QAction* top : window->menuBar()->actions())
        if (top->menu())
            check(top->menu());
    cuiSheet& page = open(MemoryGroup0);
    putCursor(N::CL_Mch_Freq, 0);
    ASSERT_NE(page.input().popupMenu(), nullptr);
    check(page.input().popupMenu());
}

// During a read at the line's real pace the window takes no command, and cannot be closed;
// cancelling gives it back with the document as it was.
TEST_F(WindowClone, TheWindowStaysDisabledForTheWholeRead) {
    sim = std::make_unique<SimProcess>(QStringList{"--destination", "6", "--pace"});
    ASSERT_FALSE(sim->device().isEmpty());
    settings->setPortDevice(1, QString::fromLocal8Bit(sim->device()));
    settings->comPort = 1;
    before = window->document();
    ASSERT_TRUE(window->cloneRead());
    cuiCloneProgress* progress = nullptr;
    for (int i = 0; i < 200 && !progress; ++i) {
        EXPECT_FALSE(window->isEnabled());
        QTest::qWait(50);
        progress = window->findChild<cuiCloneProgress*>();
    }
    ASSERT_NE(progress, nullptr);
    QTest::qWait(300);
    EXPECT_TRUE(window->cloneRunning());
    EXPECT_FALSE(window->isEnabled());
    const qsizetype asked = prompt.asked().size();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompt.asked().size(), asked);
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    for (int i = 0; i < 100 && window->cloneRunning(); ++i)
        QTest::qWait(50);
    EXPECT_FALSE(window->cloneRunning());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->document() == before);
    EXPECT_EQ(window->cloneSession().outcome(), indCloneSession::Outcome::Cancelled);
}

} // namespace
