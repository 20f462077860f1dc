#include "indCloneSession.h"

#include "cmcCloneInfoFlag.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPrompt.h"
#include "cmcWriteGate.h"
#include "indDestination.h"
#include "indDocument.h"
#include "indEnviron.h"

namespace {

constexpr int DestinationByte = 18;
constexpr int FormatByte = 1;

cmcPrompt::Answer show(const char* key, cmcPrompt::Buttons buttons, cmcPrompt::Icon icon) {
    const cmcPrompt::Answer fallback =
        buttons == cmcPrompt::Ok ? cmcPrompt::AnswerOk : cmcPrompt::AnswerCancel;
    return cmcPrompt::app().message(
        cmcPrompt::titled(cmcGTex::app().multiLineText(key), buttons, fallback, icon));
}

} // namespace

indCloneSession::indCloneSession(indDocument& document, indEnviron& store, cmcEvMan& eventManager,
                                 indCloneMan& manager)
    : doc(document), settings(store), events(eventManager), man(manager) {
    man.setInformationHandler(onInformation, this);
    man.setReadHandler(onRead, this);
}

indCloneSession::~indCloneSession() {
    man.setInformationHandler(nullptr, nullptr);
    man.setReadHandler(nullptr, nullptr);
}

int indCloneSession::receiverDestination() const {
    return record.size() > DestinationByte ? uint8_t(record[DestinationByte]) & 0x0F
                                           : indEnviron::NoDestination;
}

bool indCloneSession::receiverMatches() const {
    return receiverDestination() == settings.destination;
}

void indCloneSession::send(cmcEventId id, int first, int second) {
    events.Send(id, first, second);
}

void indCloneSession::end(Outcome outcome) {
    state = outcome;
    command = Command::None;
    doc.setCloneRunning(false);
}

// The first query opens the operation for the document; the read or write that follows, and a
// repeated query, belong to the same one.
bool indCloneSession::begin(Command operation) {
    firstQuery = true;
    command = operation;
    doc.setCloneRunning(true);
    return startQuery();
}

bool indCloneSession::startQuery() {
    man.setModel(doc.modelCode(), 0);
    state = Outcome::Running;
    if (man.startInformation(onCompletion, this))
        return true;
    end(Outcome::Idle);
    return false;
}

bool indCloneSession::read() {
    if (doc.confirmSave(indDocument::Named) == cmcPrompt::AnswerCancel || man.busy())
        return false;
    doc.noteDestination();
    documentBefore = doc.document();
    savedBefore = doc.savedCopy();
    modifiedBefore = doc.isModified();
    return begin(Command::Read);
}

bool indCloneSession::write() {
    confirmed = false;
    finishEdit();
    if (man.busy())
        return false;
    return begin(Command::Write);
}

bool indCloneSession::information() {
    if (man.busy())
        return false;
    return begin(Command::Information);
}

int indCloneSession::checkInformation(const dst_CDrv_Result& result, QByteArray& out) {
    if (result.model != indCloneMan::ModelCode)
        return cmcCloneDrv::IllegalInformation;
    if (result.identifier != indCloneMan::ModelVersion)
        return cmcCloneDrv::NotCompatible;
    const QByteArray& block = result.information;
    if (block.size() < RecordSize || uint8_t(block[0]) != block.size())
        return cmcCloneDrv::IllegalInformation;
    out = block.left(RecordSize);
    if (uint8_t(out[FormatByte]) > 1)
        return cmcCloneDrv::NotCompatible;
    return cmcCloneDrv::Ok;
}

void indCloneSession::onInformation(void* context, dst_CDrv_Result& result) {
    auto* self = static_cast<indCloneSession*>(context);
    if (result.code != cmcCloneDrv::Ok)
        return;
    result.code = checkInformation(result, self->record);
    if (result.code != cmcCloneDrv::Ok)
        return;
    const uint8_t flags = uint8_t(self->record[DestinationByte]);
    self->doc.setReceiverInformation(flags & 0x0F, (flags >> 4) & 1, (flags >> 5) & 1);
    if (!self->firstQuery && self->mainWindowVisible() &&
        (self->settings.destination == indEnviron::NoDestination || !self->receiverMatches()))
        result.code = cmcCloneDrv::WrongDestination;
}

void indCloneSession::onRead(void*, dst_CDrv_Result& result) {
    if (result.code == cmcCloneDrv::Ok && !result.image.formatAccepted(true))
        result.code = cmcCloneDrv::BadImage;
}

void indCloneSession::onCompletion(void* context, dst_CDrv_Result& result) {
    static_cast<indCloneSession*>(context)->completed(result);
}

void indCloneSession::completed(dst_CDrv_Result& result) {
    code = result.code;
    const bool query = result.mode == cmcCloneDrv::Mode::Information;
    switch (command) {
    case Command::Read:
        query ? readInformationDone(result) : readDone(result);
        break;
    case Command::Write:
        query ? writeInformationDone(result) : writeDone(result);
        break;
    case Command::Information:
        informationDone(result);
        break;
    case Command::None:
        break;
    }
}

// After the first query the receiver's destination may have become current; a receiver that
// matches only now is asked once more. False when the session does not go on from here.
bool indCloneSession::firstQueryGoesOn(int flags) {
    if (!firstQuery)
        return true;
    const bool matched = receiverMatches();
    send(cmcEventId::ApplyCloneInformation, flags, 1);
    if (matched)
        return true;
    if (receiverMatches()) {
        firstQuery = false;
        startQuery();
    } else {
        end(Outcome::Declined);
    }
    return false;
}

void indCloneSession::readInformationDone(const dst_CDrv_Result& result) {
    if (result.code != cmcCloneDrv::Ok) {
        restoreAfterFailedRead();
        end(Outcome::CloneFailed);
        return;
    }
    if (man.busy())
        return;
    if (!firstQueryGoesOn(cmcCloneInfoFlag::Read))
        return;
    man.setImageSize(doc.document().size());
    if (!man.startRead(mm::ReadRanges, onCompletion, this))
        end(Outcome::Idle);
}

void indCloneSession::readDone(dst_CDrv_Result& result) {
    if (result.code != cmcCloneDrv::Ok) {
        restoreAfterFailedRead();
        end(result.code == cmcCloneDrv::Cancelled ? Outcome::Cancelled : Outcome::CloneFailed);
        return;
    }
    doc.adoptClonedImage(result.image);
    end(Outcome::Succeeded);
}

void indCloneSession::restoreAfterFailedRead() {
    doc.applyPendingDestination();
    // Taking the receiver's destination may have converted the document, or renewed an
    // untitled one together with its saved copy.
    if (doc.document() == documentBefore && doc.isModified() == modifiedBefore &&
        doc.savedCopy() == savedBefore)
        return;
    doc.document() = documentBefore;
    if (savedBefore == documentBefore)
        doc.markSaved();
    doc.setModified(modifiedBefore);
    doc.documentReplaced();
}

void indCloneSession::writeInformationDone(const dst_CDrv_Result& result) {
    if (result.code != cmcCloneDrv::Ok) {
        end(Outcome::CloneFailed);
        return;
    }
    if (man.busy())
        return;
    if (!firstQueryGoesOn(cmcCloneInfoFlag::Query))
        return;
    send(cmcEventId::ApplyCloneInformation, 0, 0);
    doc.documentReplaced();
    switch (cmcWriteGate::judge(runSettingChecks(), cmcPrompt::app(), cmcGTex::app(), !confirmed)) {
    case cmcWriteGate::Refused:
        end(Outcome::SettingErrors);
        return;
    case cmcWriteGate::Cancelled:
        end(Outcome::Declined);
        return;
    case cmcWriteGate::Confirmed:
        break;
    }
    if (!confirmed) {
        confirmed = true;
        startQuery();
        return;
    }
    confirmed = false;
    startWrite();
}

void indCloneSession::startWrite() {
    man.setImageSize(doc.document().size());
    doc.convertToDestination(doc.document());
    cmcEeprom& copy = doc.spareImage();
    copy = doc.document();
    doc.refitChannels(copy);
    if (!man.startWrite(copy, mm::WriteRanges, onCompletion, this))
        end(Outcome::Idle);
}

void indCloneSession::writeDone(const dst_CDrv_Result& result) {
    if (result.code != cmcCloneDrv::Ok) {
        end(Outcome::CloneFailed);
        return;
    }
    doc.documentReplaced();
    show("GI_Mess_CloneWrite_Succeeded", cmcPrompt::Ok, cmcPrompt::Information);
    end(Outcome::Succeeded);
}

void indCloneSession::informationDone(const dst_CDrv_Result& result) {
    if (result.code != cmcCloneDrv::Ok) {
        end(Outcome::CloneFailed);
        return;
    }
    send(cmcEventId::ApplyCloneInformation, cmcCloneInfoFlag::Query, 1);
    firstQuery = false;
    if (mainWindowVisible() && receiverMatches()) {
        showCloneInformation();
        doc.documentReplaced();
    }
    if (!mainWindowVisible())
        send(cmcEventId::InformationWhileHidden);
    end(Outcome::Succeeded);
}

cmcSettingChecks::Result indCloneSession::runSettingChecks() {
    return cmcSettingChecks(cmcGTex::app()).run(doc.document(), doc.bandPlan());
}
