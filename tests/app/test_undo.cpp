// Undo and redo in the window: every change is one step, the image comes back byte for byte,
// and the modified flag follows the saved state.
#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcScriptPrompt.h"
#include "cuiSheet.h"
#include "cuiUndoHistory.h"
#include "datCh.h"
#include "indEnviron.h"
#include "indMain.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Undo : public testing::Test {
protected:
    void SetUp() override {
        settings = std::make_unique<indEnviron>(
            indEnviron::Places{"undo test lock", folder.path() + "/run",
                               folder.path() + "/user.conf", folder.path() + "/machine.conf"},
            QStringList{}, QSize(1280, 800));
        settings->destination = 6;
        settings->setupDone = 1;
        settings->currentDirectory = folder.path();
        cmcPrompt::install(&prompt);
        window = std::make_unique<indMain>(*settings, events, prompt, cmcGTex::app());
        window->startUp();
        window->showAtStart();
        window->openPage("[St_ColCut]GI_Sheet_MemoryCH,0,0");
    }
    void TearDown() override {
        window.reset();
        cmcPrompt::install(nullptr);
    }
    // A command or edit on the cell of `link` in channel `channel`'s row.
    void act(int link, int channel, int command, const QByteArray* input = nullptr) {
        int column = -1;
        int row = -1;
        ASSERT_TRUE(window->page()->findCell(link, channel, column, row));
        window->page()->putCursor(column, row);
        window->page()->cellAction(column, row, datCellReq::KeyCommand, command, input);
    }
    void type(int channel, const QByteArray& text) {
        act(cmcCellNames::CL_Mch_Freq, channel, 0, &text);
    }
    QUndoStack& steps() { return window->history().stack(); }

    QTemporaryDir folder;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    std::unique_ptr<indEnviron> settings;
    std::unique_ptr<indMain> window;
};

TEST_F(Undo, EditPasteAndImportComeBackStepByStep) {
    const QString csv = folder.filePath("page.csv");
    prompt.choose(csv);
    window->exportCsv();
    const cmcEeprom start = window->document();
    type(3, "433.5");
    const cmcEeprom edited = window->document();
    act(cmcCellNames::CL_Mch_Freq, 0, cmcCellNames::CL_PMenu_Copy);
    act(cmcCellNames::CL_Mch_Freq, 10, cmcCellNames::CL_PMenu_Paste);
    const cmcEeprom pasted = window->document();
    prompt.choose(csv);
    prompt.answer(cmcPrompt::AnswerOk);
    cmcCellObj import;
    import.parse("{(%CL_Menu_File_Import)}", nullptr, nullptr);
    window->runCommand(import);
    const cmcEeprom imported = window->document();
    ASSERT_FALSE(pasted == edited);
    ASSERT_EQ(steps().count(), 3);
    EXPECT_EQ(window->undoCaption(false), "&Undo Import");
    window->undo();
    EXPECT_TRUE(window->document() == pasted);
    EXPECT_EQ(window->undoCaption(false), "&Undo Paste");
    EXPECT_EQ(window->undoCaption(true), "&Redo Import");
    window->undo();
    EXPECT_TRUE(window->document() == edited);
    window->undo();
    EXPECT_TRUE(window->document() == start);
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(window->undoCaption(false), "&Undo");
    window->redo();
    EXPECT_TRUE(window->isModified());
    window->redo();
    window->redo();
    EXPECT_TRUE(window->document() == imported);
}

TEST_F(Undo, AFailedActionLeavesNoStepAndOpenStartsAfresh) {
    type(3, "not a frequency");
    EXPECT_EQ(steps().count(), 0);
    type(4, "145.5");
    EXPECT_EQ(steps().count(), 1);
    const QString file = folder.filePath("saved.kcf");
    prompt.choose(file);
    ASSERT_TRUE(window->SaveAs());
    type(5, "146.5");
    prompt.answer(cmcPrompt::AnswerNo);
    ASSERT_TRUE(window->Open(file));
    EXPECT_FALSE(steps().canUndo());
    EXPECT_FALSE(window->isModified());
}

TEST_F(Undo, UndoingTheSavedStateClearsModifiedAndTheTitleFollows) {
    type(3, "145.5");
    EXPECT_TRUE(window->windowTitle().contains("Untitled"));
    EXPECT_TRUE(window->isModified());
    window->undo();
    EXPECT_FALSE(window->isModified());
    window->redo();
    EXPECT_TRUE(window->isModified());
}

} // namespace
