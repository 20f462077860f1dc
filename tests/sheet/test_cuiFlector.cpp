#include "RecordingHandler.h"
#include "TestTable.h"
#include "cmcCellNames.h"
#include "cuiFlector.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

TestTable& testTable() {
    static TestTable table({
        "#Letters_BasicCell",
        "{}",
        "#Letters_Body",
        "+Menu",
        " +Copy",
        " +cut",
        " +&Paste",
        " +Print",
        " +Pp",
        " +-",
        " +Cc",
        " +Mask",
        "+More",
        "#",
        "#Plain_BasicCell",
        "{}",
        "#Plain_Body",
        "+Empty{(%CL_Null:)}",
        "+None{(%CL_Null)}",
        "#",
    });
    return table;
}

QString withoutAccelerator(QString text) {
    return text.remove('&');
}

// The first action, in `widget` or its sub-menus, whose caption without '&' is `caption`.
QAction* actionNamed(QWidget* widget, const QString& caption) {
    for (QAction* action : widget->actions()) {
        if (withoutAccelerator(action->text()) == caption)
            return action;
        if (action->menu())
            if (QAction* found = actionNamed(action->menu(), caption))
                return found;
    }
    return nullptr;
}

QStringList captions(QWidget* widget) {
    QStringList list;
    for (const QAction* action : widget->actions())
        list << (action->isSeparator() ? QString("-") : action->text());
    return list;
}

TEST(cuiFlector, BuildsTheMenuBarFromTheDefinitions) {
    QMenuBar bar;
    cuiFlector flector;
    flector.create(&bar, "GI_Menu_Main");
    flector.build();
    EXPECT_EQ(captions(&bar), QStringList({"&File", "&Edit", "&View", "&Port", "&Clone", "&Help"}));
    QMenu* file = bar.actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(captions(file), QStringList({"&New", "&Open...", "&Save", "Save &As...", "-",
                                           "&Import (CSV)...", "&Export (CSV)...", "-", "&Print",
                                           "-", "&1", "&2", "&3", "&4", "-", "E&xit"}));
    QMenu* print = actionNamed(file, "Print")->menu();
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(captions(print), QStringList({"&Current Sheet...", "&All Sheets..."}));
    EXPECT_FALSE(actionNamed(&bar, "Read <- Receiver")->icon().isNull());
    EXPECT_TRUE(actionNamed(&bar, "Save As...")->icon().isNull());
}

TEST(cuiFlector, TakesShortcutsFromTheItemArguments) {
    const struct {
        const char* body;
        const char* caption;
        QList<QKeySequence> shortcuts;
    } cases[] = {
        {"GI_Menu_Main", "New", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {"GI_Menu_Main", "Exit", {QKeySequence(Qt::ALT | Qt::Key_F4)}},
        {"GI_Menu_Main", "Contents", {QKeySequence(Qt::Key_F1)}},
        {"GI_Menu_Main", "Save As...", {}},
        {"GI_PMenu_InsertDelete", "Delete", {QKeySequence(Qt::Key_Delete)}},
        {"GI_PMenu_InsertDelete", "Insert", {QKeySequence(Qt::Key_Insert)}},
        {"GI_PMenu_InsertDelete",
         "Edit...",
         {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)}},
        {"GI_PMenu_UpDn", "Down", {QKeySequence(Qt::CTRL | Qt::Key_Down)}},
        {"Plain", "Empty", {}},
        {"Plain", "None", {}},
    };
    for (const auto& c : cases) {
        QMenu menu;
        cuiFlector flector(c.body[0] == 'G' ? cmcGTex::app() : testTable().reader());
        flector.create(&menu, c.body);
        flector.build();
        QAction* action = actionNamed(&menu, c.caption);
        ASSERT_NE(action, nullptr) << c.caption;
        EXPECT_EQ(action->shortcuts(), c.shortcuts) << c.body << " " << c.caption;
    }
}

TEST(cuiFlector, GivesEveryItemTheFirstFreeLetterOfItsMenu) {
    QMenuBar bar;
    cuiFlector flector(testTable().reader());
    flector.create(&bar, "Letters");
    flector.build();
    EXPECT_EQ(captions(&bar), QStringList({"&Menu", "M&ore"}));
    EXPECT_EQ(captions(bar.actions()[0]->menu()),
              QStringList({"&Copy", "c&ut", "&Paste", "P&rint", "Pp", "-", "Cc", "&Mask"}));

    QMenuBar mainBar;
    cuiFlector main;
    main.create(&mainBar, "GI_Menu_Main");
    main.build();
    EXPECT_EQ(captions(actionNamed(&mainBar, "Port")->menu()),
              QStringList(
                  {"&COM 1", "C&OM 2", "CO&M 3", "COM &4", "Mo&re...", "-", "&High Speed Clone"}));
}

TEST(cuiFlector, ShowsTheItemFlagsTheHandlerSetsBeforeTheMenuOpens) {
    RecordingHandler handler;
    using S = RecordingHandler::State;
    handler.states = {
        {cmcCellNames::CL_Menu_File_New, S{{true, false, false, false}, {}}},
        {cmcCellNames::CL_Menu_File_Open, S{{false, true, false, false}, {}}},
        {cmcCellNames::CL_Menu_File_Save, S{{false, false, true, false}, {}}},
        {cmcCellNames::CL_Menu_File_SaveAs, S{{false, false, false, true}, "Save &Copy"}},
        {cmcCellNames::CL_Menu_File_Import, S{{false, false, false, false}, "Ignored"}},
        {cmcCellNames::CL_Menu_File_Export, S{{false, false, false, true}, "Recent file"}},
    };
    QMenuBar bar;
    cuiFlector flector;
    flector.create(&bar, "GI_Menu_Main");
    flector.build();
    QMenu* file = bar.actions()[0]->menu();
    emit file->aboutToShow();

    QAction* fresh = actionNamed(file, "New");
    EXPECT_TRUE(fresh->isCheckable());
    EXPECT_TRUE(fresh->isChecked());
    EXPECT_FALSE(actionNamed(file, "Open...")->isVisible());
    EXPECT_FALSE(actionNamed(file, "Save")->isEnabled());
    EXPECT_TRUE(actionNamed(file, "Save")->isVisible());
    EXPECT_EQ(captions(file).mid(3, 4),
              QStringList({"Save &Copy", "-", "&Import (CSV)...", "&Recent file"}));

    handler.states.clear(); // the builder clears the flags before each refresh
    emit file->aboutToShow();
    EXPECT_FALSE(fresh->isChecked());
    EXPECT_FALSE(fresh->isCheckable());
    EXPECT_TRUE(actionNamed(file, "Open...")->isVisible());
    EXPECT_TRUE(actionNamed(file, "Save")->isEnabled());
}

TEST(cuiFlector, SendsACommandToTheProgramHandlerAsEnterOnTheItemCell) {
    RecordingHandler handler;
    QMenuBar bar;
    cuiFlector flector;
    flector.create(&bar, "GI_Menu_Main");
    flector.build();
    const int refreshesBefore = handler.refreshes;
    actionNamed(&bar, "New")->trigger();
    ASSERT_EQ(handler.requests.size(), 1u);
    EXPECT_EQ(handler.requests[0].key, datCellReq::KeyEnter);
    EXPECT_EQ(handler.requests[0].cell->link(), cmcCellNames::CL_Menu_File_New);
    EXPECT_EQ(handler.requests[0].cell->argument(), "Ctrl+N");
    EXPECT_GT(handler.refreshes, refreshesBefore); // the menus were refreshed afterwards
}

TEST(cuiFlector, SendsAPopupCommandToItsOwnHandler) {
    RecordingHandler programHandler;
    QMenu popup;
    cuiFlector flector;
    std::vector<int> links;
    flector.create(&popup, "GI_PMenu_InsertDelete", [&](datCellReq& request) {
        EXPECT_EQ(request.key, datCellReq::KeyEnter);
        links.push_back(request.cell->link());
    });
    flector.build();
    actionNamed(&popup, "Insert")->trigger();
    actionNamed(&popup, "Delete")->trigger();
    EXPECT_EQ(links,
              std::vector<int>({cmcCellNames::CL_PMenu_Insert, cmcCellNames::CL_PMenu_Delete}));
    EXPECT_TRUE(programHandler.requests.empty());
}

TEST(cuiFlector, SurvivesACommandThatRebuildsItsMenu) {
    QMenu popup;
    cuiFlector flector;
    flector.create(&popup, "GI_PMenu_Delete", [&](datCellReq&) {
        flector.create(&popup, "GI_PMenu_CopyPaste");
        flector.build();
    });
    flector.build();
    actionNamed(&popup, "Delete")->trigger();
    EXPECT_NE(actionNamed(&popup, "Paste"), nullptr);
    EXPECT_EQ(actionNamed(&popup, "Delete"), nullptr);
}

TEST(cuiFlector, ReleaseRemovesEveryItem) {
    QMenuBar bar;
    cuiFlector flector;
    flector.create(&bar, "GI_Menu_Main");
    flector.build();
    flector.release();
    EXPECT_TRUE(bar.actions().isEmpty());
    flector.update(); // nothing left to refresh
}

} // namespace
