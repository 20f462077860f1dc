#include "indDocument.h"

#include "MemoryMap.h"
#include "cmcCloneInfoFlag.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "cmcPageIndex.h"
#include "indDestination.h"
#include "indEnviron.h"

#include <QFileInfo>

namespace {

const char BankLetters[] = "ABCDEFGHIJKLMNOPQRTUWY";

// A tree caption: the key character, a colon, a blank and the six name characters, anything
// outside printable ASCII shown as a blank.
QByteArray nodeCaption(char key, const cmcEeprom& image, int nameAddress) {
    QByteArray caption;
    caption.append(key).append(": ");
    for (int i = 0; i < mm::NameSize; ++i) {
        const uint8_t c = image.getByte(nameAddress + i);
        caption.append(c >= 32 && c <= 126 ? static_cast<char>(c) : ' ');
    }
    return caption;
}

QByteArray text(const char* key, int line = 0) {
    return cmcGTex::app().GetText(key, line);
}

// The definition table's patterns take their argument printf-style.
QByteArray withArgument(QByteArray pattern, const QByteArray& argument) {
    const qsizetype at = pattern.indexOf("%s");
    return at < 0 ? pattern : pattern.replace(at, 2, argument);
}

} // namespace

indDocument::indDocument(indEnviron& settingsStore, cmcEvMan& eventManager, cmcPrompt& userPrompt)
    : settings(settingsStore), events(eventManager), prompt(userPrompt) {
    for (cmcEeprom* image : {&documentImage, &templateCopy, &saved, &spare})
        image->resize(ImageSize);
    initialise();
    events.AddListener(onEvent, this);
}

indDocument::~indDocument() {
    events.RemoveListener(onEvent, this);
}

void indDocument::initialise() {
    model = ModelCode;
    version = ModelVersion;
    pendingFlagA = 0;
    pendingFlagB = 0;
}

void indDocument::start() {
    loadTemplate();
    documentImage = templateCopy;
    markSaved();
    setFileName({});
    refreshPages();
}

QString indDocument::displayName() const {
    if (!name.isEmpty())
        return name;
    const QString untitled = cmcGTex::app().display(text("GI_Sys_KCF_New_File_Name"));
    if (settings.currentDirectory.isEmpty())
        return untitled;
    return settings.currentDirectory + '/' + untitled;
}

QByteArray indDocument::titleText() const {
    return cmcGTex::app().stored(QFileInfo(displayName()).fileName()) + " - " +
           text("GI_Sys_AppTitle");
}

void indDocument::setFileName(const QString& fileName) {
    name = fileName;
    showTitle(titleText());
}

void indDocument::setModified(bool value) {
    modified = value;
    showTitle(titleText());
}

void indDocument::markSaved() {
    saved = documentImage;
    setModified(false);
}

void indDocument::noteEdit() {
    if (!modified && documentImage != saved)
        setModified(true);
}

void indDocument::documentReplaced() {
    refreshPages();
    events.Send(cmcEventId::DocumentChanged);
}

cmcPrompt::Answer indDocument::confirmSave(Wording wording) {
    events.Send(cmcEventId::FinishEdit);
    const QByteArray question =
        wording == Named ? withArgument(text("GI_Mess_Confirm_WriteFile"),
                                        cmcGTex::app().stored(QFileInfo(displayName()).fileName()))
                         : text("GI_Mess_Confirm_WriteAnother");
    if (!modified)
        return cmcPrompt::AnswerNo;
    const cmcPrompt::Answer answer = prompt.message(cmcPrompt::titled(
        question, cmcPrompt::YesNoCancel, cmcPrompt::AnswerYes, cmcPrompt::Exclamation));
    if (answer != cmcPrompt::AnswerYes)
        return answer;
    const bool done = name.isEmpty() || wording == Plain ? SaveAs() : Save(name);
    return done ? cmcPrompt::AnswerYes : cmcPrompt::AnswerCancel;
}

bool indDocument::New() {
    if (confirmSave(Named) == cmcPrompt::AnswerCancel)
        return false;
    documentImage = templateCopy;
    markSaved();
    setFileName({});
    historyReset();
    documentReplaced();
    return true;
}

QString indDocument::fileDialog(bool save) {
    cmcPrompt::FileDialog dialog;
    dialog.kind = save ? cmcPrompt::FileDialog::Save : cmcPrompt::FileDialog::Open;
    dialog.defaultSuffix = text("GI_Sys_Dialog_FOpen", 0);
    dialog.filter = text("GI_Sys_Dialog_FOpen", 1);
    dialog.directory = settings.currentDirectory;
    if (save)
        dialog.fileName = QFileInfo(displayName()).fileName();
    dialog.mustExist = !save;
    dialog.confirmOverwrite = save;
    return prompt.chooseFile(dialog);
}

bool indDocument::OpenWithDialog() {
    const QString chosen = fileDialog(false);
    return !chosen.isEmpty() && Open(chosen);
}

bool indDocument::OpenRecent(int index) {
    const QString path = settings.recent.at(index);
    return !path.isEmpty() && Open(path);
}

QString indDocument::recentMenuCaption(int position) {
    if (position < 0 || position >= RecentMenuItems)
        return {};
    const QString caption = settings.recent.Caption(position, settings.currentDirectory);
    return caption.isEmpty() ? caption : QString("&%1 %2").arg(position + 1).arg(caption);
}

bool indDocument::mayClose() {
    return !cloning && confirmSave(Named) != cmcPrompt::AnswerCancel;
}

void indDocument::setCloneRunning(bool running) {
    cloning = running;
    if (mainWindowVisible())
        setMainWindowEnabled(!running);
}

cmcPrompt::Answer indDocument::askKeepDestination() {
    return prompt.message(
        cmcPrompt::titled(cmcGTex::app().multiLineText("GI_AppMess_ChangeModel_KCF"),
                          cmcPrompt::YesNoCancel, cmcPrompt::AnswerNo, cmcPrompt::Exclamation));
}

bool indDocument::Open(const QString& fileName) {
    const bool sameName = QString::compare(fileName, displayName(), Qt::CaseInsensitive) == 0;
    if (confirmSave(sameName ? Plain : Named) == cmcPrompt::AnswerCancel)
        return false;
    cmcEeprom scratch;
    scratch.resize(ImageSize);
    int fileDestination = indEnviron::NoDestination;
    setBusyCursor(true);
    const int error =
        cmcKcfDocument::open(fileName, scratch, fileDestination, {showFileMessage, &prompt});
    setBusyCursor(false);
    if (error != 0)
        return false;
    bool keepDestination = false;
    if (fileDestination != settings.destination) {
        const cmcPrompt::Answer answer = askKeepDestination();
        if (answer == cmcPrompt::AnswerCancel)
            return false;
        keepDestination = answer == cmcPrompt::AnswerNo;
        if (!keepDestination) {
            clearClipboard();
            changeDestination(fileDestination, false);
        }
    }
    settings.currentDirectory = QFileInfo(fileName).absolutePath();
    setFileName(keepDestination ? QString() : fileName);
    settings.recent.AddFirst(fileName);
    documentImage = scratch;
    convertAndRefresh(documentImage);
    markSaved();
    // Converted to another destination, the document no longer is what the file holds.
    if (keepDestination)
        setModified(true);
    historyReset();
    documentReplaced();
    return true;
}

void indDocument::showFileMessage(void* context, const QByteArray& message) {
    static_cast<cmcPrompt*>(context)->message(
        cmcPrompt::titled(message, cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Exclamation));
}

bool indDocument::SaveCommand() {
    return name.isEmpty() ? SaveAs() : Save(name);
}

bool indDocument::SaveAs() {
    const QString chosen = fileDialog(true);
    return !chosen.isEmpty() && Save(chosen);
}

bool indDocument::Save(const QString& fileName) {
    events.Send(cmcEventId::FinishEdit);
    setBusyCursor(true);
    const int error = cmcKcfDocument::save(fileName, documentImage, bandPlan(), templateCopy,
                                           {showFileMessage, &prompt});
    setBusyCursor(false);
    if (error != 0)
        return false;
    settings.currentDirectory = QFileInfo(fileName).absolutePath();
    setFileName(fileName);
    settings.recent.AddFirst(fileName);
    markSaved();
    return true;
}

void indDocument::convertAndRefresh(cmcEeprom& image) {
    convertToDestination(image);
    events.Send(cmcEventId::DocumentChanged);
}

indDestination indDocument::bandPlan() const {
    return indDestination(settings.destination, settings.optionFlagA != 0,
                          settings.optionFlagB != 0);
}

void indDocument::convertToDestination(cmcEeprom& image) {
    bandPlan().convert(image, templateCopy);
}

void indDocument::refitChannels(cmcEeprom& image) {
    bandPlan().refit(image, templateCopy);
}

void indDocument::loadTemplate() {
    templateCopy.loadTemplate(settings.destination);
}

void indDocument::noteDestination() {
    pendingDestination = settings.destination;
    pendingFlagA = settings.optionFlagA;
    pendingFlagB = settings.optionFlagB;
}

void indDocument::applyPendingDestination() {
    if (pendingDestination != settings.destination) {
        settings.optionFlagA = pendingFlagA;
        settings.optionFlagB = pendingFlagB;
        settings.destination = pendingDestination;
        loadTemplate();
    }
    rebuildTree();
    documentReplaced();
}

void indDocument::changeDestination(int destination, bool convert) {
    if (destination != settings.destination) {
        settings.destination = destination;
        loadTemplate();
        // During the initial setup nobody has seen the document yet.
        if (!mainWindowVisible()) {
            documentImage = templateCopy;
            markSaved();
        }
    }
    if (convert) {
        if (name.isEmpty() && !modified)
            New();
        else
            convertToDestination(documentImage);
    }
    rebuildTree();
    documentReplaced();
}

void indDocument::adoptClonedImage(const cmcEeprom& image) {
    events.Send(cmcEventId::ApplyCloneInformation, cmcCloneInfoFlag::TakeOptionFlags, 0);
    documentImage = image;
    convertAndRefresh(documentImage);
    setModified(true);
    setFileName({});
    events.Send(cmcEventId::ApplyCloneInformation, 0, 1);
    historyReset();
    documentReplaced();
}

void indDocument::restoreDocument(const cmcEeprom& image, int destination) {
    if (destination != settings.destination) {
        settings.destination = destination;
        loadTemplate();
        rebuildTree();
    }
    documentImage = image;
    setModified(documentImage != saved);
    documentReplaced();
}

void indDocument::setReceiverInformation(int destination, int flagA, int flagB) {
    receiverDestination = destination;
    receiverFlagA = flagA;
    receiverFlagB = flagB;
}

bool indDocument::acceptReceiverDestination(int flags) {
    if (!(flags & cmcCloneInfoFlag::TakeDestination) || receiverDestination == settings.destination)
        return true;
    const cmcPrompt::Answer answer = prompt.message(
        cmcPrompt::titled(cmcGTex::app().multiLineText("GI_AppMess_ChangeModel"),
                          cmcPrompt::OkCancel, cmcPrompt::AnswerCancel, cmcPrompt::Exclamation));
    if (answer != cmcPrompt::AnswerOk)
        return false;
    return (flags & cmcCloneInfoFlag::NoSaveQuestion) ||
           confirmSave(Named) != cmcPrompt::AnswerCancel;
}

void indDocument::applyCloneInformation(int flags, int value) {
    const bool change =
        (flags & cmcCloneInfoFlag::TakeDestination) && receiverDestination != settings.destination;
    if (!acceptReceiverDestination(flags))
        return;
    if (change) {
        changeStarting();
        changeDestination(receiverDestination, value != 0);
        changeEnded();
    }
    if (flags & cmcCloneInfoFlag::TakeOptionFlags) {
        settings.optionFlagA = receiverFlagA;
        settings.optionFlagB = receiverFlagB;
        events.Send(cmcEventId::DocumentChanged);
    }
}

void indDocument::postTreeCaptions() {
    for (int bank = 0; bank < mm::Banks; ++bank)
        events.PostText(cmcEventId::TreeCaption, 0, cmcPageIndex::FirstBankPage + bank,
                        nodeCaption(BankLetters[bank], documentImage,
                                    mm::BankNameBase + mm::NameSlotSize * bank)
                            .constData());
    for (int link = 0; link < mm::ScanLinks; ++link)
        postLinkCaption(link);
}

void indDocument::postLinkCaption(int link) {
    if (link < 0 || link >= mm::ScanLinks)
        return;
    events.PostText(cmcEventId::TreeCaption, 0, cmcPageIndex::FirstLinkPage + link,
                    nodeCaption(static_cast<char>('0' + link), documentImage,
                                mm::ScanLinkNameBase + mm::NameSlotSize * link)
                        .constData());
}

void indDocument::onEvent(void* context, cmcEvent& event) {
    auto* self = static_cast<indDocument*>(context);
    switch (event.id()) {
    case cmcEventId::DocumentChanged:
        self->postTreeCaptions();
        break;
    case cmcEventId::LinkNameChanged:
        self->postLinkCaption(event.first);
        break;
    case cmcEventId::ApplyCloneInformation:
        self->applyCloneInformation(event.first, event.second);
        break;
    case cmcEventId::SetupFinished:
        self->showMainWindow();
        break;
    case cmcEventId::CloneStarted:
    case cmcEventId::CloneEnded:
    case cmcEventId::ProgressClosed:
        if (self->mainWindowVisible() && !self->cloning)
            self->setMainWindowEnabled(event.id() != cmcEventId::CloneStarted);
        break;
    case cmcEventId::ChannelsChanged:
        self->documentImage.rebuildBankIndex();
        break;
    default:
        break;
    }
}
