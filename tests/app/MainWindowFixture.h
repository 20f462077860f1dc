#pragma once

#include "SimProcess.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcScriptPrompt.h"
#include "indEnviron.h"
#include "indMain.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The real main window on a fresh settings store in a scratch folder; every question is
// answered by the script prompt.
inline const QByteArray MemoryGroup0 = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
inline const QByteArray MemoryGroup1 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";

class MainWindow : public testing::Test {
protected:
    void SetUp() override { open(); }
    void open() {
        settings = std::make_unique<indEnviron>(places(), QStringList{}, QSize(1280, 800));
        settings->destination = destination;
        settings->setupDone = 1;
        settings->currentDirectory = folder.path();
        cmcPrompt::install(&prompt);
        window = std::make_unique<indMain>(*settings, events, prompt, cmcGTex::app());
        window->startUp();
        window->resize(1000, 700);
        window->showAtStart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // Closing and starting again, as a restart of the program does; `edit` changes the settings
    // before they are written.
    void restart(const std::function<void()>& edit = {}) {
        window->close();
        window.reset();
        if (edit)
            edit();
        settings.reset();
        open();
    }
    indEnviron::Places places() const {
        return {"window test lock", folder.path() + "/run", folder.path() + "/user.conf",
                folder.path() + "/machine.conf"};
    }
    // The title's text; the desktop's modified mark takes the place of Qt's placeholder.
    QString title() const { return window->windowTitle().remove(QStringLiteral("[*]")); }

    int destination = 6;
    QTemporaryDir folder;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    std::unique_ptr<indEnviron> settings;
    std::unique_ptr<indMain> window;
};

// A clone read against mavik-sim, waited for.
class WindowClone : public MainWindow {
protected:
    void readFrom(const QStringList& simulator) {
        sim = std::make_unique<SimProcess>(simulator);
        ASSERT_FALSE(sim->device().isEmpty());
        settings->setPortDevice(1, QString::fromLocal8Bit(sim->device()));
        settings->comPort = 1;
        before = window->document();
        ASSERT_TRUE(window->cloneRead());
        // Disabled from the information query to the end of the read.
        for (int i = 0; i < 600 && window->cloneRunning(); ++i) {
            EXPECT_FALSE(window->isEnabled());
            QTest::qWait(50);
        }
        QTest::qWait(20);
    }
    std::unique_ptr<SimProcess> sim;
    cmcEeprom before;
};
