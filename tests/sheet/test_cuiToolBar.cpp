#include "RecordingHandler.h"
#include "TestTable.h"
#include "cmcCellNames.h"
#include "cuiToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

TestTable& testTable() {
    static TestTable table({
        "#Rows_BasicCell",
        "{}",
        "#Rows_Body",
        "A{(ImageIndex=0)}",
        "-",
        "B",
        "/",
        "C",
        "-",
        "D",
        "#",
    });
    return table;
}

// A row as "New Open | Print": button hints, '|' for a gap.
QString layoutOf(QToolBar* row) {
    QStringList parts;
    for (QAction* action : row->actions()) {
        const QWidget* gap = row->widgetForAction(action);
        const bool isGap =
            gap && gap->minimumSize() == QSize(cuiToolBar::GapWidth, cuiToolBar::GapWidth) &&
            gap->maximumSize() == gap->minimumSize();
        parts << (isGap ? QString("|") : action->toolTip());
    }
    return parts.join(' ');
}

QAction* buttonNamed(const cuiToolBar& toolBar, const QString& hint) {
    for (QToolBar* row : toolBar.rows())
        for (QAction* action : row->actions())
            if (action->toolTip() == hint)
                return action;
    return nullptr;
}

TEST(cuiToolBar, BuildsTheMainToolbarFromTheDefinitions) {
    cuiToolBar toolBar;
    toolBar.build("GI_ToolBar_Main");
    ASSERT_EQ(toolBar.rows().size(), 1);
    EXPECT_EQ(layoutOf(toolBar.rows()[0]),
              "New Open Save | Undo Redo | Print | Read <- Receiver Write -> Receiver | Help");
    for (const char* hint :
         {"New", "Open", "Save", "Undo", "Redo", "Print", "Read <- Receiver", "Help"})
        EXPECT_FALSE(buttonNamed(toolBar, hint)->icon().isNull()) << hint;
}

TEST(cuiToolBar, ALineBreakStartsANewRow) {
    cuiToolBar toolBar(testTable().reader());
    toolBar.build("Rows");
    const QList<QToolBar*> rows = toolBar.rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(layoutOf(rows[0]), "A | B");
    EXPECT_EQ(layoutOf(rows[1]), "C | D");

    QMainWindow window;
    toolBar.addTo(window);
    EXPECT_EQ(window.toolBarArea(rows[0]), Qt::TopToolBarArea);
    EXPECT_FALSE(window.toolBarBreak(rows[0]));
    EXPECT_TRUE(window.toolBarBreak(rows[1]));
}

TEST(cuiToolBar, ShowsPressedAndDisabledButtonsFromTheHandler) {
    RecordingHandler handler;
    using S = RecordingHandler::State;
    handler.states = {
        {cmcCellNames::CL_Menu_File_New, S{{true, false, false, false}, {}}},
        {cmcCellNames::CL_Menu_File_Open, S{{false, false, true, false}, {}}},
    };
    cuiToolBar toolBar;
    toolBar.build("GI_ToolBar_Main");
    EXPECT_TRUE(buttonNamed(toolBar, "New")->isChecked());
    EXPECT_FALSE(buttonNamed(toolBar, "Open")->isEnabled());
    EXPECT_FALSE(buttonNamed(toolBar, "Save")->isCheckable());
    EXPECT_TRUE(buttonNamed(toolBar, "Save")->isEnabled());

    handler.states.clear();
    toolBar.update();
    EXPECT_FALSE(buttonNamed(toolBar, "New")->isChecked());
    EXPECT_TRUE(buttonNamed(toolBar, "Open")->isEnabled());
}

TEST(cuiToolBar, AClickReachesTheHandlerAsEnterOnTheButtonCell) {
    RecordingHandler programHandler;
    cuiToolBar toolBar;
    toolBar.build("GI_ToolBar_Main");
    buttonNamed(toolBar, "Write -> Receiver")->trigger();
    ASSERT_EQ(programHandler.requests.size(), 1u);
    EXPECT_EQ(programHandler.requests[0].key, datCellReq::KeyEnter);
    EXPECT_EQ(programHandler.requests[0].cell->link(), cmcCellNames::CL_Menu_Clone_Write);

    std::vector<int> links;
    toolBar.build("GI_ToolBar_Main",
                  [&](datCellReq& request) { links.push_back(request.cell->link()); });
    buttonNamed(toolBar, "Help")->trigger();
    EXPECT_EQ(links, std::vector<int>({cmcCellNames::CL_Help_Contents}));
    EXPECT_EQ(programHandler.requests.size(), 1u);
}

} // namespace
