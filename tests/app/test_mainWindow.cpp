#include "MainWindowFixture.h"
#include "SimProcess.h"
#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcScriptPrompt.h"
#include "cuiCloneInfo.h"
#include "cuiFlector.h"
#include "cuiGrid.h"
#include "cuiImages.h"
#include "cuiSelectList.h"
#include "cuiSheet.h"
#include "cuiToolBar.h"
#include "cuiTree.h"
#include "cuiWidgetPrompt.h"
#include "datCh.h"
#include "indEnviron.h"
#include "indLinkHandler.h"
#include "indMain.h"
#include "indWindowClone.h"
#include "iuiSh_ColCutBank.h"

#include <QDir>
#include <QLockFile>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace {

TEST_F(MainWindow, TitleFollowsNewSaveOpenAndTheSaveQuestion) {
    EXPECT_EQ(title(), "Untitled - Mavik");
    const QString first = folder.filePath("first.kcf");
    prompt.choose(first);
    ASSERT_TRUE(window->SaveAs());
    EXPECT_EQ(title(), "first.kcf - Mavik");
    window->document().setByte(0x6D00, 'Z');
    window->noteEdit();
    EXPECT_TRUE(window->isModified());
    prompt.answer(cmcPrompt::AnswerNo);
    ASSERT_TRUE(window->New());
    EXPECT_EQ(title(), "Untitled - Mavik");
    EXPECT_FALSE(window->isModified());
    ASSERT_TRUE(window->Open(first));
    EXPECT_EQ(title(), "first.kcf - Mavik");
    EXPECT_EQ(prompt.unanswered(), 0);
}

TEST_F(MainWindow, BadFilesAreReportedAndChangeNothing) {
    // A plain file where the folder should be: no one can write there, not even root.
    const QString locked = folder.filePath("locked");
    QFile(locked).open(QIODevice::WriteOnly);
    window->document().setByte(0x6D00, 'R');
    window->noteEdit();
    prompt.answer(cmcPrompt::AnswerOk);
    EXPECT_FALSE(window->Save(locked + "/x.kcf"));
    EXPECT_EQ(title(), "Untitled - Mavik");
    EXPECT_TRUE(window->isModified());
    QFile junk(folder.filePath("junk.kcf"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a clone file\n");
    junk.close();
    prompt.answer(cmcPrompt::AnswerNo);
    prompt.answer(cmcPrompt::AnswerOk);
    EXPECT_FALSE(window->Open(junk.fileName()));
    EXPECT_EQ(title(), "Untitled - Mavik");
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->document().getByte(0x6D00), 'R');
    EXPECT_EQ(prompt.messages().size(), 3);
}

TEST_F(MainWindow, ClosingAsksAndCancelKeepsTheWindow) {
    window->document().setByte(0x6D00, 'Q');
    window->noteEdit();
    prompt.answer(cmcPrompt::AnswerCancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    prompt.answer(cmcPrompt::AnswerYes);
    prompt.choose(folder.filePath("kept.kcf"));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(folder.filePath("kept.kcf")));
    ASSERT_GE(prompt.messages().size(), 2);
    EXPECT_EQ(prompt.messages().back().text, "Save changes to Untitled?");
}

TEST_F(MainWindow, RecentFilesAreMenuItemsWithTheirNumbers) {
    for (const char* name : {"a.kcf", "b.kcf"}) {
        prompt.choose(folder.filePath(name));
        ASSERT_TRUE(window->SaveAs());
    }
    cmcCellObj item;
    item.parse("{(%CL_Menu_File_Recent[0])}", nullptr, nullptr);
    cmcCellHandler::app()->refresh(item);
    EXPECT_FALSE(item.flag(1));
    EXPECT_TRUE(item.flag(3));
    EXPECT_EQ(item.text(), "&1 b.kcf");
    cmcCellObj third;
    third.parse("{(%CL_Menu_File_Recent[2])}", nullptr, nullptr);
    cmcCellHandler::app()->refresh(third);
    EXPECT_TRUE(third.flag(1));
}

TEST_F(MainWindow, SplitterAndToolbarSettingsSurviveARestart) {
    settings->toolbarVisible = 1;
    window->toggleToolBar();
    restart([this] { settings->splitter = 3; });
    EXPECT_EQ(window->splitter().sizes().value(0), cuiMain::MinimumPane);
    for (QToolBar* row : window->toolBar().rows())
        EXPECT_FALSE(row->isVisible());
    EXPECT_EQ(settings->toolbarVisible, 0);
}

TEST_F(MainWindow, PagesReopenWhereTheUserLeftThem) {
    window->openPage(MemoryGroup0);
    cuiSheet* first = window->page();
    ASSERT_NE(first, nullptr);
    first->putCursor(7, 57);
    window->tree().findByArgument(MemoryGroup0);
    QTest::qWait(300);
    EXPECT_EQ(window->page(), first);
    window->openPage(MemoryGroup1);
    EXPECT_EQ(window->page()->cellAt(3, 5).index(), 100);
    window->openPage(MemoryGroup0);
    EXPECT_EQ(window->page()->grid().currentRow(), 57);
    EXPECT_EQ(window->page()->grid().currentColumn(), 7);
    window->closePage();
    window->tree().findByArgument(MemoryGroup1);
    window->tick();
    ASSERT_NE(window->page(), nullptr);
    EXPECT_EQ(window->pageIdentity(), MemoryGroup1);
}

// Memory pages read their channels from the document.
TEST_F(MainWindow, CellsShowTheDocument) {
    window->openPage(MemoryGroup0);
    datCellReq frequency = window->page()->request(3, 5);
    EXPECT_EQ(window->page()->shownText(frequency), "146.010000");
    datCellReq number = window->page()->request(1, 6);
    EXPECT_EQ(window->page()->shownText(number), "1");
}

// Every page of the tree gives every cell a behaviour: none shows its link number.
TEST_F(MainWindow, EveryPageAnswersEveryCell) {
    QList<QByteArray> calls;
    for (QTreeWidgetItemIterator it(&window->tree()); *it; ++it)
        if (const cmcCellObj* cell = cuiTree::cellOf(*it); cell && cell->argument())
            calls << *cell->argument();
    ASSERT_GE(calls.size(), 49);
    for (const QByteArray& call : calls) {
        window->openPage(call);
        cuiSheet* page = window->page();
        for (int row = 0; row < page->matrix().rowCount(); ++row)
            for (int column = 0; column < page->matrix().columnCount(); ++column) {
                datCellReq request = page->request(column, row);
                ASSERT_FALSE(page->shownText(request).contains("*Yet*"))
                    << call.data() << " " << column << "," << row;
            }
    }
}

// Typing into the real page: the channel is created in the document and its row shows it.
TEST_F(MainWindow, AFrequencyTypedIntoChannel57CreatesIt) {
    window->openPage(MemoryGroup0);
    cuiSheet* page = window->page();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Freq, 57, column, row));
    page->putCursor(column + 2, row);
    // The first character opens the editor, which takes the rest.
    QTest::keyClick(&page->grid(), '1');
    ASSERT_NE(QApplication::focusWidget(), &page->grid());
    QTest::keyClicks(QApplication::focusWidget(), "45.5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    datCh channel(&window->document());
    channel.load(datCh::KindMemory, 57);
    EXPECT_TRUE(channel.inUse());
    EXPECT_EQ(channel.frequency, 145500000u);
    datCellReq shown = page->request(column, row);
    EXPECT_EQ(page->shownText(shown), "145.500000");
    EXPECT_TRUE(window->isModified());
}

// Space steps a choice in place; Enter opens its list, where Enter takes the choice.
TEST_F(MainWindow, ChoicesStepWithSpaceAndComeFromTheList) {
    window->openPage(MemoryGroup0);
    cuiSheet* page = window->page();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Mode, 0, column, row));
    page->putCursor(column, row);
    const auto mode = [this] {
        datCh channel(&window->document());
        channel.load(datCh::KindMemory, 0);
        return channel.mode;
    };
    const int before = mode();
    QTest::keyClick(&page->grid(), Qt::Key_Space);
    const int stepped = mode();
    EXPECT_NE(stepped, before);
    QTest::keyClick(&page->grid(), Qt::Key_Return);
    QPointer<cuiSelectList> list = page->findChild<cuiSelectList*>();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    QWidget* grid = QApplication::focusWidget();
    ASSERT_NE(grid, &page->grid());
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(mode(), stepped);
    EXPECT_TRUE(list.isNull());
}

// The bank's tree node follows its name.
TEST_F(MainWindow, ABankNameEditRenamesItsTreeNode) {
    window->openPage("GI_Sheet_BankName");
    cuiSheet* page = window->page();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Bank_Name, 0, column, row));
    const QByteArray name = "sky";
    page->cellAction(column, row, datCellReq::KeyCommand, 0, &name);
    QApplication::processEvents();
    ASSERT_TRUE(window->tree().findByArgument("[St_CCBank]GI_Sheet_BankCH,13"));
    EXPECT_EQ(window->tree().currentItem()->text(0), "A: SKY   ");
}

// A bank page is titled with its bank and counts the free channels as they change.
TEST_F(MainWindow, BankPageTitleFollowsTheFreeChannels) {
    window->openPage("[St_CCBank]GI_Sheet_BankCH,29");
    auto* page = dynamic_cast<iuiSh_ColCutBank*>(window->page());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->bankNumber(), 16);
    EXPECT_EQ(page->titleText(), " Q:             (Remain 1298 CH)");
    EXPECT_EQ(events.Ask(cmcEventId::BankPageIndex).first, 29);
    EXPECT_EQ(events.Ask(cmcEventId::PageIndex).first, 29);
    EXPECT_EQ(events.Ask(cmcEventId::ListPageIndex).first, 0);
    datCh channel(&window->document());
    channel.load(datCh::KindMemory, 0);
    channel.setInUse(false);
    channel.store(datCh::KindMemory, 0);
    EXPECT_EQ(page->titleText(), " Q:             (Remain 1299 CH)");
}

// A preset fills the memory group on view and the page shows it.
TEST_F(MainWindow, TvPresetFillsTheShownMemoryGroup) {
    window->openPage(MemoryGroup1);
    prompt.answer(cmcPrompt::AnswerOk);
    ASSERT_TRUE(window->presetTv(17));
    EXPECT_TRUE(prompt.messages().front().text.contains("USA"));
    cuiSheet* page = window->page();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Freq, 100, column, row));
    datCellReq first = page->request(column, row);
    EXPECT_EQ(page->shownText(first), "59.750000");
    EXPECT_TRUE(window->isModified());
    window->openPage("[St_Common]GI_Sheet_Common");
    EXPECT_FALSE(window->presetTv(17));
}

// Rows copied on one memory page paste onto another through the shortcuts.
TEST_F(MainWindow, CtrlCAndCtrlVCarryAChannelBetweenPages) {
    window->openPage(MemoryGroup0);
    cuiSheet* page = window->page();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Freq, 0, column, row));
    page->putCursor(column, row);
    page->grid().setFocus();
    QTest::keyClick(&page->grid(), Qt::Key_C, Qt::ControlModifier);
    window->openPage(MemoryGroup1);
    page = window->page();
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Freq, 157, column, row));
    page->putCursor(column, row);
    page->grid().setFocus();
    QTest::keyClick(&page->grid(), Qt::Key_V, Qt::ControlModifier);
    datCh channel(&window->document());
    channel.load(datCh::KindMemory, 157);
    EXPECT_TRUE(channel.inUse());
    EXPECT_EQ(channel.frequency, 146010000u);
    EXPECT_EQ(page->grid().currentRow(), row);
    datCellReq shown = page->request(column, row);
    EXPECT_EQ(page->shownText(shown), "146.010000");
}

// A right click on a bank page opens the bank rows' menu, Bank OFF included, on that row.
TEST_F(MainWindow, RightClickOnABankPageOpensItsRowMenu) {
    window->openPage("[St_CCBank]GI_Sheet_BankCH,13");
    cuiSheet* page = window->page();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Freq, 7, column, row));
    const QPoint at = page->grid().cellRect(column, row).center();
    QTest::mouseClick(page->grid().viewport(), Qt::RightButton, Qt::NoModifier, at);
    QMenu* menu = nullptr;
    for (QMenu* candidate : page->findChildren<QMenu*>())
        if (candidate->isVisible())
            menu = candidate;
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    EXPECT_TRUE(items.contains("&Bank OFF")) << items.join('|').toStdString();
    EXPECT_EQ(page->grid().currentRow(), row);
    menu->close();
}

// A page exported and changed comes back from its CSV file; the folder used becomes current.
TEST_F(MainWindow, ExportAndImportThroughTheMenuCommands) {
    window->openPage(MemoryGroup0);
    const QString csv = folder.filePath("sub/page0.csv");
    QDir().mkpath(folder.filePath("sub"));
    prompt.choose(csv);
    window->exportCsv();
    ASSERT_TRUE(QFile::exists(csv));
    EXPECT_EQ(settings->currentDirectory, folder.filePath("sub"));
    datCh channel(&window->document());
    channel.load(datCh::KindMemory, 0);
    channel.frequency = 433000000;
    channel.store(datCh::KindMemory, 0);
    prompt.choose(csv);
    prompt.answer(cmcPrompt::AnswerOk);
    window->importCsv();
    channel.load(datCh::KindMemory, 0);
    EXPECT_EQ(channel.frequency, 146010000u);
    // The page is as it was saved again.
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(prompt.unanswered(), 0);
    window->openPage("[St_Common]GI_Sheet_Common");
    EXPECT_FALSE(window->canExchangeCsv());
}

// Print Current needs a page with something on it.
TEST_F(MainWindow, PrintCurrentOnlyForPagesWithContent) {
    cmcCellObj item;
    item.parse("{(%CL_Menu_File_Print_Current)}", nullptr, nullptr);
    const auto disabled = [&] {
        cmcCellHandler::app()->refresh(item);
        return item.flag(2);
    };
    window->openPage(MemoryGroup0);
    EXPECT_FALSE(disabled());
    window->openPage("[St_ColCut]GI_Sheet_MemoryCH,2,200");
    EXPECT_TRUE(disabled());
}

// The checks run 250 ms after the last edit and mark the page's node and its collapsed parent.
TEST_F(MainWindow, TheTreeShowsAnErrorAfterAnEdit) {
    // The document of a fresh start has nothing to mark anywhere.
    for (QTreeWidgetItemIterator it(&window->tree()); *it; ++it)
        EXPECT_EQ(cuiTree::markOf(*it), -1) << (*it)->text(0).toStdString();
    ASSERT_TRUE(window->tree().findByArgument(MemoryGroup0));
    QTreeWidgetItem* node = window->tree().currentItem();
    datCh channel(&window->document());
    channel.load(datCh::KindMemory, 5);
    channel.setInUse(true);
    channel.frequency = 1310000000; // the upper limit, which no receiver takes
    channel.store(datCh::KindMemory, 5);
    window->restartEditCountdown();
    QTest::qWait(300);
    window->tick();
    EXPECT_EQ(cuiTree::markOf(node), cuiImages::OverlayError);
    QTreeWidgetItem* top = node;
    while (top->parent())
        top = top->parent();
    top->setExpanded(false);
    EXPECT_EQ(cuiTree::markOf(top), cuiImages::OverlayError);
}

// The canceller settings exist only on receivers of destination 0.
TEST_F(MainWindow, CancellerColumnsOnlyWhereTheReceiverHasThem) {
    for (const int shown : {6, 0}) {
        restart([&] { destination = shown; });
        window->openPage(MemoryGroup0);
        cuiSheet* page = window->page();
        int column = -1;
        int row = -1;
        ASSERT_TRUE(page->findCell(cmcCellNames::CL_Mch_Freq, 0, column, row));
        for (column = 0; column < page->matrix().columnCount(); ++column)
            if (page->cellAt(column, row).link() == cmcCellNames::CL_Mch_Canceller)
                break;
        ASSERT_LT(column, page->matrix().columnCount());
        EXPECT_EQ(page->grid().columnWidth(column) > 0, shown == 0) << shown;
        EXPECT_EQ(page->cellAt(column, row).selectable(), shown == 0);
        page->putCursor(column - 1, row);
        page->moveCursor(1, 0);
        EXPECT_EQ(page->grid().currentColumn() == column, shown == 0);
    }
}

// The common settings and bank names have their selectable cells.
TEST_F(MainWindow, CommonSettingsAndBankNamesAnswerEveryCell) {
    for (const QByteArray call : {"[St_Common]GI_Sheet_Common", "GI_Sheet_BankName"}) {
        window->openPage(call);
        cuiSheet* page = window->page();
        int cells = 0;
        for (int row = 0; row < page->matrix().rowCount(); ++row)
            for (int column = 0; column < page->matrix().columnCount(); ++column) {
                if (!page->cellAt(column, row).selectable())
                    continue;
                datCellReq request = page->request(column, row);
                EXPECT_FALSE(page->shownText(request).contains("*Yet*")) << call.data();
                ++cells;
            }
        EXPECT_GE(cells, 22) << call.data();
    }
}

TEST_F(WindowClone, ReadReplacesTheDocumentUntitledAndModified) {
    prompt.choose(folder.filePath("mine.kcf"));
    ASSERT_TRUE(window->SaveAs());
    prompt.answer(cmcPrompt::AnswerOk);
    readFrom({"--destination", "6"});
    EXPECT_EQ(window->cloneSession().outcome(), indCloneSession::Outcome::Succeeded)
        << window->cloneSession().resultCode() << " "
        << (prompt.messages().isEmpty() ? QByteArray() : prompt.messages().back().text).data();
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(title(), "Untitled - Mavik");
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WindowClone, FailedReadChangesNothing) {
    prompt.answer(cmcPrompt::AnswerOk);
    readFrom({"--destination", "6", "--fault", "silent"});
    EXPECT_EQ(window->cloneSession().outcome(), indCloneSession::Outcome::CloneFailed);
    EXPECT_EQ(window->cloneSession().resultCode(), 5); // no answer from the receiver
    EXPECT_TRUE(window->document() == before);
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(title(), "Untitled - Mavik");
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WindowClone, InformationOfTheSameDestinationIsShownInItsWindow) {
    sim = std::make_unique<SimProcess>(QStringList{"--destination", "6"});
    ASSERT_FALSE(sim->device().isEmpty());
    settings->setPortDevice(1, QString::fromLocal8Bit(sim->device()));
    window->requestInformation();
    for (int i = 0; i < 200 && window->cloneBusy(); ++i)
        QTest::qWait(50);
    QTest::qWait(20);
    EXPECT_EQ(window->cloneSession().outcome(), indCloneSession::Outcome::Succeeded);
    const auto* information = window->findChild<cuiCloneInfo*>();
    ASSERT_NE(information, nullptr);
    EXPECT_TRUE(information->isVisible());
    EXPECT_EQ(prompt.unanswered(), 0);
}

TEST(cuiWidgetPrompt, TableFiltersBecomeQtFilters) {
    EXPECT_EQ(cuiWidgetPrompt::qtFilter("Clone file (*.kcf)|*.kcf|All files|*.*"),
              "Clone file (*.kcf);;All files (*.*)");
    EXPECT_EQ(cuiWidgetPrompt::qtFilter("Text|*.csv;*.txt|Broken|"), "Text (*.csv *.txt)");
}

TEST(MavikProgram, SecondInstanceEndsAtOnce) {
    QTemporaryDir folder;
    const QString run = folder.filePath("run");
    QDir().mkpath(run);
    QFile::setPermissions(run,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QLockFile held(run + "/Vemo Mavik APP Exclusive Mutex.lock");
    ASSERT_TRUE(held.lock());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", run);
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(MAVIK_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder.filePath("config/Vemo/Mavik.conf")));
}

} // namespace
