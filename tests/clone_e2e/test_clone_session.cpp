#include "MemoryMap.h"
#include "SimProcess.h"
#include "cmcComm.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcScriptPrompt.h"
#include "datCh.h"
#include "indCloneMan.h"
#include "indCloneSession.h"
#include "indDocument.h"
#include "indEnviron.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The events that show or hide the session's windows.
constexpr cmcEventId Started = cmcEventId::CloneStarted;
constexpr cmcEventId Closed = cmcEventId::ProgressClosed;
constexpr cmcEventId Ended = cmcEventId::CloneEnded;
constexpr cmcEventId Hidden = cmcEventId::InformationWhileHidden;
using Window = std::vector<cmcEventId>;

QByteArray mapToSimulator(void* context, int) {
    return static_cast<SimProcess*>(context)->device();
}

// A session as the desktop program runs it, with the main window shown or not yet.
class WindowSession : public indCloneSession {
public:
    using indCloneSession::indCloneSession;
    bool visible = true;
    int informationShown = 0;

protected:
    bool mainWindowVisible() const override { return visible; }
    void showCloneInformation() override { ++informationShown; }
};

// A document that remembers the title it last gave the window.
class TitledDocument : public indDocument {
public:
    using indDocument::indDocument;
    QByteArray title;

protected:
    void showTitle(const QByteArray& text) override { title = text; }
};

// A document of destination 9 with an unsaved edit, and a session on it against a simulator
// of destination 6.
class CloneSession : public testing::Test {
protected:
    void start(const QStringList& simulatorArguments) {
        sim = std::make_unique<SimProcess>(simulatorArguments);
        ASSERT_FALSE(sim->device().isEmpty());
        cmcComm::setDeviceMap(mapToSimulator, sim.get());
        settings = std::make_unique<indEnviron>(
            indEnviron::Places{"session test lock", folder.path() + "/run",
                               folder.path() + "/user.conf", folder.path() + "/machine.conf"},
            QStringList{}, QSize(1024, 768));
        settings->destination = 9;
        cmcPrompt::install(&prompt);
        doc = std::make_unique<TitledDocument>(*settings, events, prompt);
        doc->start();
        doc->document().writeBlock(mm::Comment, reinterpret_cast<const uint8_t*>("EDITED"), 6);
        doc->setModified(true);
        session = std::make_unique<WindowSession>(*doc, *settings, events, man);
        events.AddListener(
            [](void* context, cmcEvent& e) {
                auto* self = static_cast<CloneSession*>(context);
                if (e.id() == Ended)
                    self->ended.push_back(e.first);
                if (e.id() == cmcEventId::StatusText)
                    self->status = e.text();
                if (e.id() == Hidden || e.id() == Started || e.id() == Closed || e.id() == Ended)
                    self->window.push_back(e.id());
            },
            this);
    }
    void TearDown() override {
        cmcComm::setDeviceMap(nullptr, nullptr);
        cmcPrompt::install(nullptr);
    }

    void finish() {
        while (session->outcome() == indCloneSession::Outcome::Running)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    // Runs a read, taking the receiver's destination, until its first data have arrived.
    bool readUntilData(bool unsavedEdit = true) {
        if (unsavedEdit)
            prompt.answer(cmcPrompt::AnswerNo); // do not save the edit
        prompt.answer(cmcPrompt::AnswerOk);     // take the receiver's destination
        if (!session->read())
            return false;
        while (session->outcome() == indCloneSession::Outcome::Running &&
               !(man.canCancel() && man.bytesDone() > 0))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return man.canCancel();
    }

    QByteArray lastMessage() const {
        const QList<cmcPrompt::Message> shown = prompt.messages();
        return shown.isEmpty() ? QByteArray() : shown.back().text;
    }

    QTemporaryDir folder;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<indEnviron> settings;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    std::unique_ptr<TitledDocument> doc;
    indCloneMan man;
    std::unique_ptr<WindowSession> session;
    std::vector<int> ended;
    QByteArray status;
    // Session started, progress closed, session ended, in order.
    Window window;
};

TEST_F(CloneSession, ReadTakesTheReceiverAndItsDestination) {
    start({"--destination", "6"});
    prompt.answer(cmcPrompt::AnswerNo); // do not save the edit
    prompt.answer(cmcPrompt::AnswerOk); // take the receiver's destination
    ASSERT_TRUE(session->read());
    finish();
    ASSERT_EQ(session->outcome(), indCloneSession::Outcome::Succeeded) << session->resultCode();
    EXPECT_EQ(settings->destination, 6);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->document().getByte(mm::Comment), ' ');
    EXPECT_EQ(session->receiverDestination(), 6);
    EXPECT_EQ(ended, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(window, (Window{Started, Closed, Ended, Started, Closed, Ended, Closed, Ended}));
}

struct ReadFault {
    const char* fault;
    int code;
};

void PrintTo(const ReadFault& f, std::ostream* os) {
    *os << f.fault << " -> " << f.code;
}

class CloneSessionReadFault : public CloneSession, public testing::WithParamInterface<ReadFault> {};

TEST_P(CloneSessionReadFault, LeavesTheDocumentAsItWas) {
    start({"--destination", "6", "--fault", GetParam().fault});
    const cmcEeprom before = doc->document();
    prompt.answer(cmcPrompt::AnswerNo);
    prompt.answer(cmcPrompt::AnswerOk);
    ASSERT_TRUE(session->read());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::CloneFailed);
    EXPECT_EQ(session->resultCode(), GetParam().code);
    EXPECT_EQ(lastMessage(), indCloneMan::errorMessage(GetParam().code, 1));
    EXPECT_TRUE(doc->document() == before);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(settings->destination, 9);
    EXPECT_EQ(ended.back(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CloneSessionReadFault,
    testing::Values(ReadFault{"silent", 5}, ReadFault{"no-echo", 4}, ReadFault{"bad-echo", 4},
                    ReadFault{"bad-record", 11}, ReadFault{"wrong-model", 11},
                    ReadFault{"wrong-version", 14}, ReadFault{"bad-checksum", 6},
                    ReadFault{"lowercase-hex", 6}, ReadFault{"bad-count", 7},
                    ReadFault{"missing-block", 8}, ReadFault{"outside-image", 9},
                    ReadFault{"no-signature", 15}, ReadFault{"hang-up", 5}),
    [](const testing::TestParamInfo<ReadFault>& info) {
        return QByteArray(info.param.fault).replace('-', '_').toStdString();
    });

TEST_F(CloneSession, CancelledReadLeavesTheDocumentAsItWasAndClosesThePort) {
    start({"--destination", "6", "--pace"});
    const cmcEeprom before = doc->document();
    const QByteArray title = doc->title;
    ASSERT_FALSE(title.isEmpty());
    ASSERT_TRUE(readUntilData());
    EXPECT_EQ(settings->destination, 6); // taken on the way

    EXPECT_TRUE(man.cancel());
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Cancelled);
    EXPECT_FALSE(man.busy());
    EXPECT_TRUE(doc->document() == before);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->title, title);
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_EQ(settings->destination, 9);
    // Only the two questions of the command; the cancel itself is a status line.
    EXPECT_EQ(prompt.messages().size(), 2);
    EXPECT_EQ(status, cmcGTex::app().GetText("GI_AppInd_Clone_Cancelled"));
    EXPECT_EQ(ended.back(), 0);
    EXPECT_EQ(Window(window.end() - 2, window.end()), (Window{Closed, Ended}));

    // The port was closed: the next read opens it again and receives data.
    ASSERT_TRUE(readUntilData());
    EXPECT_TRUE(man.cancel());
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Cancelled);
    EXPECT_TRUE(doc->document() == before);
}

TEST_F(CloneSession, CancelledReadOfAnUntouchedDocumentKeepsItsSavedCopy) {
    start({"--destination", "6", "--pace"});
    doc->markSaved();
    const cmcEeprom before = doc->document();
    ASSERT_TRUE(readUntilData(false));
    // Taking the destination renewed the untitled document.
    EXPECT_FALSE(doc->savedCopy() == before);
    EXPECT_TRUE(man.cancel());
    EXPECT_TRUE(doc->document() == before);
    EXPECT_TRUE(doc->savedCopy() == before);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(CloneSession, AWriteCannotBeCancelled) {
    start({"--destination", "9"});
    prompt.answer(cmcPrompt::AnswerOk);
    ASSERT_TRUE(session->write());
    while (session->outcome() == indCloneSession::Outcome::Running &&
           !(man.operation() == cmcCloneDrv::Mode::Write && man.bytesDone() > 0))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ASSERT_TRUE(man.busy());
    EXPECT_FALSE(man.canCancel());
    EXPECT_FALSE(man.cancel());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Succeeded) << session->resultCode();
}

TEST_F(CloneSession, DecliningTheDestinationEndsWithoutReading) {
    start({"--destination", "6"});
    const cmcEeprom before = doc->document();
    prompt.answer(cmcPrompt::AnswerNo);
    prompt.answer(cmcPrompt::AnswerCancel);
    ASSERT_TRUE(session->read());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Declined);
    EXPECT_TRUE(doc->document() == before);
    EXPECT_EQ(settings->destination, 9);
    EXPECT_EQ(lastMessage(), cmcGTex::app().multiLineText("GI_AppMess_ChangeModel"));
}

TEST_F(CloneSession, WriteAsksOnceAndReportsSuccess) {
    start({"--destination", "9"});
    prompt.answer(cmcPrompt::AnswerOk);
    ASSERT_TRUE(session->write());
    finish();
    ASSERT_EQ(session->outcome(), indCloneSession::Outcome::Succeeded) << session->resultCode();
    const QList<cmcPrompt::Message> shown = prompt.messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, cmcGTex::app().multiLineText("GI_Mess_Confirm_CloneWrite"));
    EXPECT_EQ(shown[1].text, cmcGTex::app().multiLineText("GI_Mess_CloneWrite_Succeeded"));
    EXPECT_EQ(shown[1].icon, cmcPrompt::Information);
}

void putChannel(cmcEeprom& image, int n, uint32_t frequency) {
    datCh channel(&image);
    channel.reset();
    channel.frequency = frequency;
    channel.store(datCh::KindMemory, n);
}

TEST_F(CloneSession, WriteWithOnlyWarningsAsksTheWarningQuestion) {
    start({"--destination", "9", "--expansion", "0"});
    // 30 MHz lies in a listed range of destination 9, received only with the expansion on.
    putChannel(doc->document(), 5, 30000000);
    prompt.answer(cmcPrompt::AnswerOk);
    ASSERT_TRUE(session->write());
    finish();
    ASSERT_EQ(session->outcome(), indCloneSession::Outcome::Succeeded) << session->resultCode();
    const QList<cmcPrompt::Message> shown = prompt.messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, cmcGTex::app().multiLineText("GI_Mess_DataWarn"));
    EXPECT_EQ(shown[0].buttons, cmcPrompt::OkCancel);
}

TEST_F(CloneSession, WriteWithSettingErrorsIsRefusedAndSendsNothing) {
    start({"--destination", "9", "--save-written", folder.path() + "/written.kcf"});
    putChannel(doc->document(), 5, 1310000000);
    ASSERT_TRUE(session->write());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::SettingErrors);
    const QList<cmcPrompt::Message> shown = prompt.messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, cmcGTex::app().multiLineText("GI_Mess_DataError"));
    EXPECT_EQ(shown[0].icon, cmcPrompt::Stop);
    EXPECT_FALSE(QFile::exists(folder.path() + "/written.kcf"));
}

TEST_F(CloneSession, CancelledWriteSendsNothing) {
    start({"--destination", "9", "--save-written", folder.path() + "/written.kcf"});
    prompt.answer(cmcPrompt::AnswerCancel);
    ASSERT_TRUE(session->write());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Declined);
    EXPECT_FALSE(QFile::exists(folder.path() + "/written.kcf"));
}

TEST_F(CloneSession, InformationShowsTheRecordOfAMatchingReceiver) {
    start({"--destination", "9"});
    ASSERT_TRUE(session->information());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Succeeded);
    EXPECT_EQ(session->informationShown, 1);
    EXPECT_EQ(session->cloneInformation().size(), indCloneSession::RecordSize);
    EXPECT_EQ(window, (Window{Started, Closed, Ended}));
}

TEST_F(CloneSession, InformationDuringTheSetupTellsTheSetup) {
    start({"--destination", "6"});
    session->visible = false;
    ASSERT_TRUE(session->information());
    finish();
    EXPECT_EQ(session->outcome(), indCloneSession::Outcome::Succeeded);
    EXPECT_EQ(session->informationShown, 0);
    EXPECT_EQ(window, (Window{Started, Closed, Ended, Hidden}));
}

TEST_F(CloneSession, StartingWhileASessionRunsIsRefused) {
    start({"--destination", "9", "--fault", "silent"});
    ASSERT_TRUE(session->information());
    EXPECT_FALSE(session->write());
    EXPECT_FALSE(session->information());
    finish();
    EXPECT_EQ(session->resultCode(), 5);
}

} // namespace
