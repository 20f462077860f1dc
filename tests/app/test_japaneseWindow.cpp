// The main window of the Japanese edition: its title, menus and messages come from the
// Japanese list, through the one Shift-JIS boundary.
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcScriptPrompt.h"
#include "cuiSheet.h"
#include "indEnviron.h"
#include "indMain.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Before the first use of the process-wide reader, as the program does at start.
const bool japanese = cmcGTex::chooseEdition(cmcGTex::Japanese);

TEST(JapaneseWindow, TitleMenuAndMessagesAreJapanese) {
    QTemporaryDir folder;
    indEnviron settings({"japanese window lock", folder.path() + "/run",
                         folder.path() + "/user.conf", folder.path() + "/machine.conf"},
                        {}, QSize(1280, 800));
    settings.destination = 6;
    settings.setupDone = 1;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    cmcPrompt::install(&prompt);
    {
        indMain window(settings, events, prompt, cmcGTex::app());
        window.startUp();
        window.showAtStart();
        EXPECT_EQ(window.windowTitle().remove(QStringLiteral("[*]")),
                  QString::fromUtf8("無題 - Mavik"));
        const QList<QAction*> menus = window.menuBar()->actions();
        ASSERT_FALSE(menus.isEmpty());
        EXPECT_EQ(menus.first()->text(), QString::fromUtf8("ファイル(&F)"));
        window.openPage("[St_ColCut]GI_Sheet_MemoryCH,0,0");
        ASSERT_NE(window.page(), nullptr);
        window.document().setByte(0x6D00, 'Q');
        window.noteEdit();
        prompt.answer(cmcPrompt::AnswerNo);
        EXPECT_TRUE(window.close());
        ASSERT_EQ(prompt.messages().size(), 1);
        const QString question = cmcGTex::app().display(prompt.messages().front().text);
        EXPECT_TRUE(question.contains(QString::fromUtf8("無題"))) << question.toStdString();
        EXPECT_NE(question, QString::fromLatin1(prompt.messages().front().text));
    }
    cmcPrompt::install(nullptr);
}

} // namespace
