// Files handed over by the desktop: named on the command line or dropped on the window.
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcScriptPrompt.h"
#include "cuiUndoHistory.h"
#include "datCh.h"
#include "indEnviron.h"
#include "indMain.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class DesktopFiles : public testing::Test {
protected:
    void SetUp() override {
        settings = std::make_unique<indEnviron>(
            indEnviron::Places{"desktop test lock", folder.path() + "/run",
                               folder.path() + "/user.conf", folder.path() + "/machine.conf"},
            QStringList{}, QSize(1280, 800));
        settings->destination = 6;
        settings->setupDone = 1;
        cmcPrompt::install(&prompt);
        window = std::make_unique<indMain>(*settings, events, prompt, cmcGTex::app());
        window->startUp();
        window->showAtStart();
    }
    void TearDown() override {
        window.reset();
        cmcPrompt::install(nullptr);
    }
    // A clone file whose channel 9 is set.
    QString cloneFile() {
        window->document().setByte(0x6D00, 'D');
        datCh channel(&window->document());
        channel.load(datCh::KindMemory, 9);
        channel.setInUse(true);
        channel.frequency = 145500000;
        channel.store(datCh::KindMemory, 9);
        const QString path = folder.filePath("radio.kcf");
        prompt.choose(path);
        EXPECT_TRUE(window->SaveAs());
        EXPECT_TRUE(window->New());
        return path;
    }
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
        ASSERT_TRUE(event.isAccepted());
        QTest::qWait(20);
    }

    QTemporaryDir folder;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    std::unique_ptr<indEnviron> settings;
    std::unique_ptr<indMain> window;
};

TEST_F(DesktopFiles, ArgumentsNameFilesButNotTheSwitches) {
    EXPECT_EQ(indMain::filesOf({"mavik", "/SETUP", "a.kcf", "-platform", "b.csv"}),
              QStringList({"a.kcf", "b.csv"}));
}

TEST_F(DesktopFiles, AFileArgumentOpensAndABadOneLeavesTheUntitledDocument) {
    const QString path = cloneFile();
    window->openAtStart({path});
    QTest::qWait(20);
    EXPECT_EQ(window->windowTitle().remove(QStringLiteral("[*]")), "radio.kcf - Mavik");
    ASSERT_TRUE(window->New());
    prompt.answer(cmcPrompt::AnswerOk);
    window->openAtStart({folder.filePath("missing.kcf")});
    QTest::qWait(20);
    EXPECT_EQ(window->windowTitle().remove(QStringLiteral("[*]")), "Untitled - Mavik");
    EXPECT_EQ(prompt.messages().size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompt.scriptLeft(), 0);
}

TEST_F(DesktopFiles, DroppedFilesOpenImportOrAreRefused) {
    const QString path = cloneFile();
    drop(path);
    EXPECT_EQ(window->windowTitle().remove(QStringLiteral("[*]")), "radio.kcf - Mavik");
    window->openPage("[St_ColCut]GI_Sheet_MemoryCH,0,0");
    const QString csv = folder.filePath("page.csv");
    prompt.choose(csv);
    window->exportCsv();
    window->openPage("[St_ColCut]GI_Sheet_MemoryCH,1,100");
    prompt.answer(cmcPrompt::AnswerOk);
    drop(csv);
    datCh channel(&window->document());
    channel.load(datCh::KindMemory, 109);
    EXPECT_EQ(channel.frequency, 145500000u);
    EXPECT_TRUE(window->history().stack().canUndo());
    QFile other(folder.filePath("notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    const qsizetype before = prompt.messages().size();
    prompt.answer(cmcPrompt::AnswerOk);
    drop(other.fileName());
    ASSERT_EQ(prompt.messages().size(), before + 1);
    EXPECT_TRUE(prompt.messages().back().text.contains("notes.txt is neither."));
}

} // namespace
