#include "indDocument.h"

#include "MemoryMap.h"
#include "cmcCloneInfoFlag.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "cmcScriptPrompt.h"
#include "indEnviron.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The window's side of the controller, reduced to what a test can observe.
class ObservedDocument : public indDocument {
public:
    using indDocument::indDocument;
    QByteArray title;
    int clipboardClears = 0;
    int treeRebuilds = 0;
    bool visible = true;

protected:
    bool mainWindowVisible() const override { return visible; }
    void setMainWindowEnabled(bool value) override { enabled.push_back(value); }

public:
    std::vector<bool> enabled;
    void showTitle(const QByteArray& text) override { title = text; }
    void clearClipboard() override { ++clipboardClears; }
    void rebuildTree() override { ++treeRebuilds; }
};

QByteArray gtex(const char* key) {
    return cmcGTex::app().multiLineText(key);
}

class indDocumentTest : public testing::Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<indEnviron> settings;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    std::unique_ptr<ObservedDocument> doc;
    std::vector<cmcEventId> seen;

    void SetUp() override {
        settings = std::make_unique<indEnviron>(
            indEnviron::Places{"document test lock", folder.path() + "/run",
                               folder.path() + "/user.conf", folder.path() + "/machine.conf"},
            QStringList{}, QSize(1024, 768));
        settings->destination = 6;
        settings->currentDirectory = folder.path();
        doc = std::make_unique<ObservedDocument>(*settings, events, prompt);
        doc->start();
        events.AddListener(
            [](void* context, cmcEvent& e) {
                static_cast<indDocumentTest*>(context)->seen.push_back(e.id());
            },
            this);
    }

    QString path(const char* name) const { return folder.path() + '/' + name; }

    // A clone file of the destination's default image with a recognisable comment.
    QString cloneFile(const char* name, int destination) {
        cmcEeprom image;
        image.loadTemplate(destination);
        image.writeBlock(mm::Comment, reinterpret_cast<const uint8_t*>("FROM FILE"), 9);
        EXPECT_EQ(cmcKcfDocument::write(path(name), image, destination), 0);
        return path(name);
    }

    void edit() {
        doc->document().setByte(mm::Comment, 'E');
        doc->noteEdit();
    }

    struct Snapshot {
        cmcEeprom document;
        QString fileName;
        bool modified;
        int destination;
        QString directory;
        int recent;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const {
        return {doc->document(),
                doc->fileName(),
                doc->isModified(),
                settings->destination,
                settings->currentDirectory,
                settings->recent.Count()};
    }

    void expectAsked(int index, const QByteArray& text, cmcPrompt::Buttons buttons,
                     cmcPrompt::Answer defaultAnswer) {
        const QList<cmcPrompt::Message> messages = prompt.messages();
        ASSERT_GT(messages.size(), index);
        const cmcPrompt::Message& m = messages[index];
        EXPECT_EQ(m.caption, "Mavik");
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.buttons, buttons);
        EXPECT_EQ(m.defaultAnswer, defaultAnswer);
        EXPECT_EQ(m.icon, cmcPrompt::Exclamation);
    }
};

TEST_F(indDocumentTest, StartsUntitledAndUnmodifiedFromTheTemplate) {
    EXPECT_EQ(doc->document(), doc->templateImage());
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->title, "Untitled - Mavik");
    EXPECT_EQ(doc->modelCode(), 0x3250u);
    EXPECT_EQ(doc->document().size(), 0x9130);
}

TEST_F(indDocumentTest, NewOnAModifiedUntitledDocumentCancelledChangesNothing) {
    edit();
    ASSERT_TRUE(doc->isModified());
    const Snapshot before = snapshot();
    prompt.answer(cmcPrompt::AnswerCancel);
    EXPECT_FALSE(doc->New());
    EXPECT_EQ(prompt.asked().size(), 1);
    expectAsked(0, "Save changes to Untitled?", cmcPrompt::YesNoCancel, cmcPrompt::AnswerYes);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(indDocumentTest, NewAnsweredNoStartsAFreshUntitledDocument) {
    edit();
    prompt.answer(cmcPrompt::AnswerNo);
    EXPECT_TRUE(doc->New());
    EXPECT_EQ(doc->document(), doc->templateImage());
    EXPECT_FALSE(doc->isModified());
    EXPECT_NE(std::find(seen.begin(), seen.end(), cmcEventId::DocumentChanged), seen.end());
}

TEST_F(indDocumentTest, OpenOfAnotherDestinationAnsweredNoGivesAnUntitledModifiedDocument) {
    const QString file = cloneFile("other.kcf", 3);
    prompt.answer(cmcPrompt::AnswerNo);
    ASSERT_TRUE(doc->Open(file));
    expectAsked(0, gtex("GI_AppMess_ChangeModel_KCF"), cmcPrompt::YesNoCancel, cmcPrompt::AnswerNo);
    EXPECT_EQ(settings->destination, 6);
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->title, "Untitled - Mavik");
    EXPECT_EQ(doc->document().getByte(mm::Comment), 'F');
    EXPECT_EQ(settings->recent.at(0), file);
    EXPECT_EQ(doc->clipboardClears, 0);
}

TEST_F(indDocumentTest, OpenOfAnotherDestinationAnsweredYesTakesTheFilesDestination) {
    const QString file = cloneFile("other.kcf", 3);
    prompt.answer(cmcPrompt::AnswerYes);
    ASSERT_TRUE(doc->Open(file));
    cmcEeprom expectedTemplate;
    expectedTemplate.loadTemplate(3);
    EXPECT_EQ(settings->destination, 3);
    EXPECT_EQ(doc->templateImage(), expectedTemplate);
    EXPECT_EQ(doc->fileName(), file);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->title, "other.kcf - Mavik");
    EXPECT_EQ(doc->clipboardClears, 1);
}

TEST_F(indDocumentTest, OpenCancelledAtTheDestinationQuestionOrFailingChangesNothing) {
    const QString other = cloneFile("other.kcf", 3);
    QFile broken(path("broken.kcf"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("32500001\nnot a clone file\n");
    broken.close();
    edit();
    const Snapshot before = snapshot();
    prompt.answer(cmcPrompt::AnswerNo);
    prompt.answer(cmcPrompt::AnswerCancel);
    EXPECT_FALSE(doc->Open(other));
    prompt.answer(cmcPrompt::AnswerNo);
    EXPECT_FALSE(doc->Open(broken.fileName()));
    prompt.answer(cmcPrompt::AnswerNo);
    EXPECT_FALSE(doc->Open(path("missing.kcf")));
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(prompt.messages().size(), 6);
    EXPECT_EQ(prompt.messages()[3].buttons, cmcPrompt::Ok);
    EXPECT_EQ(prompt.messages()[5].text, "File error.\n\nCannot open the file.");
}

TEST_F(indDocumentTest, SavingAnUntitledDocumentGoesThroughSaveAsAndCancelKeepsItUntitled) {
    edit();
    prompt.choose({});
    EXPECT_FALSE(doc->SaveCommand());
    ASSERT_EQ(prompt.asked().size(), 1);
    const auto* dialog = std::get_if<cmcPrompt::FileDialog>(&prompt.asked()[0]);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->kind, cmcPrompt::FileDialog::Save);
    EXPECT_EQ(dialog->fileName, "Untitled");
    EXPECT_EQ(dialog->directory, folder.path());
    EXPECT_EQ(dialog->defaultSuffix, "kcf");
    EXPECT_TRUE(dialog->confirmOverwrite);
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_TRUE(doc->isModified());
}

TEST_F(indDocumentTest, SaveAsNamesTheDocumentAndOpeningItGivesItBack) {
    edit();
    QDir().mkpath(path("sub"));
    const QString file = path("sub/mine.kcf");
    prompt.choose(file);
    ASSERT_TRUE(doc->SaveCommand());
    EXPECT_EQ(doc->fileName(), file);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->title, "mine.kcf - Mavik");
    EXPECT_EQ(settings->currentDirectory, path("sub"));
    EXPECT_EQ(settings->recent.Caption(0, settings->currentDirectory), "mine.kcf");
    const cmcEeprom written = doc->document();
    ASSERT_TRUE(doc->New());
    ASSERT_TRUE(doc->Open(file));
    EXPECT_EQ(doc->document(), written);
}

TEST_F(indDocumentTest, FailedSaveChangesNothing) {
    edit();
    const Snapshot before = snapshot();
    EXPECT_FALSE(doc->Save(path("no such folder/x.kcf")));
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(prompt.messages().size(), 1);
    EXPECT_TRUE(prompt.messages()[0].text.startsWith("File error."));
}

TEST_F(indDocumentTest, ReopeningTheDocumentsOwnFileAsksThePlainQuestionAndYesGoesToSaveAs) {
    const QString file = cloneFile("same.kcf", 6);
    ASSERT_TRUE(doc->Open(file));
    edit();
    prompt.answer(cmcPrompt::AnswerYes);
    prompt.choose({});
    EXPECT_FALSE(doc->Open(file.toUpper().replace(folder.path().toUpper(), folder.path())));
    expectAsked(0, "Save changes ?", cmcPrompt::YesNoCancel, cmcPrompt::AnswerYes);
    EXPECT_EQ(prompt.asked().size(), 2);
    EXPECT_TRUE(doc->isModified());
}

TEST_F(indDocumentTest, NamedQuestionAnsweredYesSavesUnderTheFileName) {
    const QString file = cloneFile("named.kcf", 6);
    ASSERT_TRUE(doc->Open(file));
    edit();
    prompt.answer(cmcPrompt::AnswerYes);
    ASSERT_TRUE(doc->New());
    expectAsked(0, "Save changes to named.kcf?", cmcPrompt::YesNoCancel, cmcPrompt::AnswerYes);
    EXPECT_EQ(prompt.asked().size(), 1);
    ASSERT_TRUE(doc->Open(file));
    EXPECT_EQ(doc->document().getByte(mm::Comment), 'E');
}

TEST_F(indDocumentTest, RecentMenuShowsFourOfTheTenFilesByNameInTheCurrentFolder) {
    for (int i = 0; i < 11; ++i)
        settings->recent.AddFirst(path("f%1.kcf").arg(i));
    settings->recent.AddFirst("/elsewhere/g.kcf");
    EXPECT_EQ(settings->recent.Count(), 10);
    EXPECT_EQ(doc->recentMenuCaption(0), "&1 /elsewhere/g.kcf");
    EXPECT_EQ(doc->recentMenuCaption(3), "&4 f8.kcf");
    EXPECT_EQ(doc->recentMenuCaption(4), "");
}

TEST_F(indDocumentTest, CloneSessionsDisableOnlyAVisibleMainWindow) {
    events.Send(cmcEventId::CloneStarted);
    events.Send(cmcEventId::ProgressClosed);
    events.Send(cmcEventId::CloneEnded, 1);
    doc->visible = false;
    events.Send(cmcEventId::CloneStarted);
    events.Send(cmcEventId::CloneEnded, 0);
    EXPECT_EQ(doc->enabled, (std::vector<bool>{false, true, true}));
}

TEST_F(indDocumentTest, ImageReadFromTheReceiverBecomesAnUntitledModifiedDocument) {
    ASSERT_TRUE(doc->Open(cloneFile("titled.kcf", 6)));
    doc->setReceiverInformation(6, 1, 1);
    cmcEeprom received = doc->templateImage();
    received.setByte(mm::Comment, 'R');
    doc->adoptClonedImage(received);
    EXPECT_TRUE(prompt.asked().isEmpty());
    EXPECT_EQ(doc->document().getByte(mm::Comment), 'R');
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->title, "Untitled - Mavik");
    EXPECT_EQ(settings->optionFlagA, 1);
}

TEST_F(indDocumentTest, TwoChannelsOnOneBankSlotGiveTheConflictValue) {
    for (int channel : {10, 11, 12}) {
        doc->document().setByte(mm::channelFlags(channel), 2);
        doc->document().setByte(mm::channelFlags(channel) + 1, channel == 12 ? 6 : 5);
    }
    events.Send(cmcEventId::ChannelsChanged);
    EXPECT_EQ(doc->document().bankEntry(2, 5), mm::BankEntryConflict);
    EXPECT_EQ(doc->document().bankEntry(2, 6), 12);
}

TEST_F(indDocumentTest, ReceiversDestinationIsAskedForAndCancelKeepsTheCurrentOne) {
    edit();
    doc->setReceiverInformation(3, 1, 1);
    prompt.answer(cmcPrompt::AnswerCancel);
    events.Send(cmcEventId::ApplyCloneInformation, cmcCloneInfoFlag::Query, 1);
    expectAsked(0, gtex("GI_AppMess_ChangeModel"), cmcPrompt::OkCancel, cmcPrompt::AnswerCancel);
    EXPECT_EQ(settings->destination, 6);
    EXPECT_EQ(settings->optionFlagA, 0);
}

TEST_F(indDocumentTest, ReceiversDestinationAcceptedConvertsTheModifiedDocument) {
    edit();
    doc->setReceiverInformation(3, 1, 0);
    prompt.answer(cmcPrompt::AnswerOk);
    prompt.answer(cmcPrompt::AnswerNo);
    events.Send(cmcEventId::ApplyCloneInformation, cmcCloneInfoFlag::Query, 1);
    expectAsked(1, "Save changes to Untitled?", cmcPrompt::YesNoCancel, cmcPrompt::AnswerYes);
    EXPECT_EQ(settings->destination, 3);
    EXPECT_EQ(settings->optionFlagA, 1);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->document().getByte(mm::Comment), 'E');
    EXPECT_EQ(doc->treeRebuilds, 1);
}

TEST_F(indDocumentTest, ReceiversDestinationWithoutSaveQuestionRenewsAnUntouchedDocument) {
    doc->setReceiverInformation(3, 0, 1);
    prompt.answer(cmcPrompt::AnswerOk);
    events.Send(cmcEventId::ApplyCloneInformation, cmcCloneInfoFlag::Read, 1);
    EXPECT_EQ(prompt.asked().size(), 1);
    EXPECT_EQ(settings->destination, 3);
    EXPECT_EQ(settings->optionFlagB, 1);
    EXPECT_EQ(doc->document(), doc->templateImage());
}

TEST_F(indDocumentTest, DuringTheInitialSetupTheReceiversDestinationIsStillAskedFor) {
    settings->destination = indEnviron::NoDestination;
    doc->visible = false;
    doc->setReceiverInformation(3, 0, 1);
    prompt.answer(cmcPrompt::AnswerOk);
    events.Send(cmcEventId::ApplyCloneInformation, cmcCloneInfoFlag::Query, 1);
    ASSERT_EQ(prompt.asked().size(), 1);
    expectAsked(0, gtex("GI_AppMess_ChangeModel"), cmcPrompt::OkCancel, cmcPrompt::AnswerCancel);
    EXPECT_EQ(settings->destination, 3);
    EXPECT_EQ(settings->optionFlagB, 1);
    EXPECT_EQ(doc->document(), doc->templateImage());
    EXPECT_FALSE(doc->isModified());
}

TEST_F(indDocumentTest, PendingDestinationComesBackWithoutConvertingTheDocument) {
    doc->noteDestination();
    doc->changeDestination(3, false);
    edit();
    const cmcEeprom edited = doc->document();
    doc->applyPendingDestination();
    EXPECT_EQ(settings->destination, 6);
    cmcEeprom expectedTemplate;
    expectedTemplate.loadTemplate(6);
    EXPECT_EQ(doc->templateImage(), expectedTemplate);
    EXPECT_EQ(doc->document(), edited);
}

TEST_F(indDocumentTest, DocumentChangePostsTheTreeCaptionsOfBanksAndLinks) {
    doc->document().writeBlock(mm::bankName(1), reinterpret_cast<const uint8_t*>("AIR\tBD"), 6);
    std::vector<QByteArray> captions;
    events.AddListener(
        [](void* context, cmcEvent& e) {
            if (e.id() == cmcEventId::TreeCaption)
                static_cast<std::vector<QByteArray>*>(context)->push_back(
                    QByteArray::number(e.second) + '=' + e.payload);
        },
        &captions);
    events.Send(cmcEventId::DocumentChanged);
    events.deliverQueue();
    ASSERT_EQ(captions.size(), 32u);
    EXPECT_EQ(captions[1], QByteArray("14=B: AIR BD", 13));
    EXPECT_EQ(captions[22].left(6), "36=0: ");
}

} // namespace
