#include "FakeReceiver.h"
#include "MemoryMap.h"
#include "cmcCloneFrame.h"
#include "cmcComm.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPrompt.h"
#include "cuiCloneBar.h"
#include "cuiCloneProgress.h"
#include "indCloneMan.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Remembers each message and whether a progress window was on the screen when it came.
class WatchingPrompt : public cmcPrompt {
public:
    Answer message(const Message& message) override {
        texts.push_back(message.text);
        windowShown.push_back(window && window->isVisible());
        return AnswerOk;
    }
    QString chooseFile(const FileDialog&) override { return {}; }

    QPointer<cuiCloneProgress> window;
    QList<QByteArray> texts;
    QList<bool> windowShown;
};

class CloneProgress : public testing::Test {
protected:
    void SetUp() override {
        owner.resize(640, 480);
        owner.show();
    }

    cuiCloneProgress* started() {
        auto* window = new cuiCloneProgress(manager, &owner);
        window->start();
        return window;
    }

    static void deleteLeftovers() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    cmcEvMan events;
    indCloneMan manager;
    QWidget owner;
};

TEST_F(CloneProgress, ToolWindowCaptionedCloningOverItsOwner) {
    QPointer<cuiCloneProgress> window = started();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Cloning");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(window->parentWidget(), &owner);
    const QPoint offset = window->geometry().center() - owner.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
    const auto* bar = window->findChild<cuiCloneBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->size(), QSize(256, 16));
    // The lowered panel around the bar, at the margins from the window's edges.
    const QRect panel = bar->parentWidget()->geometry();
    EXPECT_EQ(panel.topLeft(), QPoint(16, 8));
    EXPECT_EQ(window->width(), 16 + panel.width() + 16);
    EXPECT_EQ(panel.size(), QSize(258, 18));
}

TEST_F(CloneProgress, TheUserCannotCloseIt) {
    QPointer<cuiCloneProgress> window = started();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    deleteLeftovers();
    EXPECT_FALSE(window.isNull());
}

TEST_F(CloneProgress, GoesAwayWhenTheSessionEnds) {
    QPointer<cuiCloneProgress> window = started();
    events.Send(cmcEventId::ProgressClosed);
    EXPECT_FALSE(window->isVisible());
    deleteLeftovers();
    EXPECT_TRUE(window.isNull());
}

TEST_F(CloneProgress, OnlyTheElapsedTimeWhileNothingIsDone) {
    QPointer<cuiCloneProgress> window = started();
    const auto* times = window->findChild<QLabel*>();
    ASSERT_NE(times, nullptr);
    EXPECT_EQ(times->text(), "0:00 elapsed");
}

// A receiver that sends the first half of its memory and then falls silent.
QByteArray halfOfTheMemory() {
    static const QByteArray block(32, char(0x5A));
    QByteArray out;
    for (int address = 0; address < mm::ReceiverSize / 2; address += 32)
        out += cmcCloneFrame::dataFrame(cmcCloneFrame::ProgramAddress,
                                        cmcCloneFrame::ReceiverAddress, address,
                                        reinterpret_cast<const uint8_t*>(block.constData()), 32, 3);
    return out;
}

QByteArray mapPort(void* context, int) {
    return static_cast<FakeReceiver*>(context)->path();
}

void keepResult(void*, dst_CDrv_Result&) {}

void keepStatus(void* context, cmcEvent& event) {
    if (event.id() == cmcEventId::StatusText)
        *static_cast<QByteArray*>(context) = event.text();
}

void finished(void* context, dst_CDrv_Result& result) {
    *static_cast<int*>(context) = result.code;
}

template <typename Done> bool waitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

class CloneProgressSession : public CloneProgress {
protected:
    void SetUp() override {
        CloneProgress::SetUp();
        ASSERT_FALSE(receiver.path().isEmpty());
        cmcComm::setDeviceMap(mapPort, &receiver);
        cmcPrompt::install(&prompt);
        manager.setPort(3);
        manager.setModel(indCloneMan::ModelCode, 0);
        manager.setImageSize(mm::ImageSize);
        manager.setReadHandler(keepResult, nullptr);
        manager.setProgressHook(onProgress, this);
        receiver.respond = [](const QByteArray& frame) {
            return uint8_t(frame[3]) == cmcCloneFrame::ReadRequest ? halfOfTheMemory()
                                                                   : QByteArray();
        };
    }
    void TearDown() override {
        cmcPrompt::install(nullptr);
        cmcComm::setDeviceMap(nullptr, nullptr);
    }

    // What the main window does when a read or write starts.
    static void onProgress(void* context) {
        auto* self = static_cast<CloneProgressSession*>(context);
        self->prompt.window = self->started();
    }

    FakeReceiver receiver;
    WatchingPrompt prompt;
    int code = -1;
};

TEST_F(CloneProgressSession, FollowsAReadUntilItEnds) {
    ASSERT_TRUE(manager.startRead(mm::ReadRanges, finished, &code));
    ASSERT_FALSE(prompt.window.isNull());
    EXPECT_TRUE(prompt.window->isVisible());
    const auto* bar = prompt.window->findChild<cuiCloneBar*>();
    ASSERT_TRUE(waitFor([&] { return bar->filled() == 16 || code >= 0; }));
    EXPECT_EQ(bar->filled(), 16);
    EXPECT_TRUE(prompt.window->findChild<QLabel*>()->text().contains("elapsed"));

    // The receiver stays silent: the failure is shown over the window, which then goes.
    ASSERT_TRUE(waitFor([&] { return code >= 0; }));
    EXPECT_EQ(code, cmcCloneDrv::NoAnswer);
    ASSERT_EQ(prompt.windowShown.size(), 1);
    EXPECT_TRUE(prompt.windowShown[0]);
    EXPECT_TRUE(prompt.window.isNull() || !prompt.window->isVisible());
    deleteLeftovers();
    EXPECT_TRUE(prompt.window.isNull());
}

TEST_F(CloneProgressSession, CancelStopsAReadAtOnceWithoutAMessage) {
    QByteArray status;
    events.AddListener(keepStatus, &status);
    // The session disables the main window, the progress window's owner.
    owner.setEnabled(false);
    ASSERT_TRUE(manager.startRead(mm::ReadRanges, finished, &code));
    ASSERT_FALSE(prompt.window.isNull());
    auto* cancel = prompt.window->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(cancel->isEnabled());
    ASSERT_TRUE(waitFor([&] { return manager.bytesDone() > 0 || code >= 0; }));
    ASSERT_TRUE(manager.busy());

    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(code, cmcCloneDrv::Cancelled);
    EXPECT_FALSE(manager.busy());
    EXPECT_TRUE(prompt.texts.isEmpty());
    EXPECT_EQ(status, cmcGTex::app().GetText("GI_AppInd_Clone_Cancelled"));
    EXPECT_TRUE(prompt.window.isNull() || !prompt.window->isVisible());
    deleteLeftovers();
    EXPECT_TRUE(prompt.window.isNull());
}

TEST_F(CloneProgressSession, AWriteHasNoCancelAndSaysSo) {
    receiver.respond = [](const QByteArray& frame) {
        return uint8_t(frame[3]) == cmcCloneFrame::EndOfData
                   ? QByteArray("\xFE\xFE\xEF\xEE\xE6\x00\xFD", 7)
                   : QByteArray();
    };
    cmcEeprom image;
    image.resize(mm::ImageSize);
    ASSERT_TRUE(manager.startWrite(image, mm::WriteRanges, finished, &code));
    ASSERT_FALSE(prompt.window.isNull());
    EXPECT_EQ(prompt.window->findChild<QPushButton*>(), nullptr);
    bool saysSo = false;
    for (const QLabel* label : prompt.window->findChildren<QLabel*>())
        saysSo = saysSo || label->text() == "A write cannot be cancelled.";
    EXPECT_TRUE(saysSo);
    EXPECT_FALSE(manager.canCancel());
    EXPECT_FALSE(manager.cancel());
    ASSERT_TRUE(waitFor([&] { return code >= 0; }));
    EXPECT_EQ(code, cmcCloneDrv::Ok);
}

} // namespace
