#include "indMain.h"

#include "TForm2.h"
#include "cmcCellNames.h"
#include "cmcComm.h"
#include "cmcCsvFile.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcHelpGTex.h"
#include "cmcHelpTopic.h"
#include "cmcPageIndex.h"
#include "cmcTvPreset.h"
#include "cuiAboutBox.h"
#include "cuiCloneInfo.h"
#include "cuiCloneProgress.h"
#include "cuiComPortDialog.h"
#include "cuiHtmlHelp.h"
#include "cuiPortMenu.h"
#include "cuiPrinter.h"
#include "cuiSheet.h"
#include "cuiTree.h"
#include "cuiUndoHistory.h"
#include "datClipCh.h"
#include "indDestination.h"
#include "indEnviron.h"
#include "indLinkHandler.h"
#include "indMenuLinks.h"
#include "indPageData.h"
#include "indWindowClone.h"

#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The names of undo steps, as lines of the definition list of step names.
enum Step {
    StepEdit,
    StepPaste,
    StepUp,
    StepDown,
    StepClear,
    StepDelete,
    StepInsert,
    StepBankOff,
    StepPreset,
    StepImport,
    StepConversion,
    StepChange
};

int stepOfCommand(int link) {
    switch (link) {
    case cmcCellNames::CL_PMenu_Paste:
        return StepPaste;
    case cmcCellNames::CL_PMenu_CarryUp:
        return StepUp;
    case cmcCellNames::CL_PMenu_CarryDown:
        return StepDown;
    case cmcCellNames::CL_PMenu_Clear:
        return StepClear;
    case cmcCellNames::CL_PMenu_Delete:
        return StepDelete;
    case cmcCellNames::CL_PMenu_Insert:
        return StepInsert;
    case cmcCellNames::CL_PMenu_BankOff:
        return StepBankOff;
    case cmcCellNames::CL_Menu_TV:
        return StepPreset;
    case cmcCellNames::CL_Menu_File_Import:
        return StepImport;
    default:
        return StepChange;
    }
}

} // namespace

indMain::indMain(indEnviron& store, cmcEvMan& eventManager, cmcPrompt& userPrompt,
                 cmcGTex& definitions)
    : cuiMain(store, eventManager, definitions), indDocument(store, eventManager, userPrompt),
      checks(definitions) {
    cloneManager.setImageSize(int32_t(ImageSize));
    undoHistory = std::make_unique<cuiUndoHistory>(
        [this] {
            return datDocumentState{document(), cuiMain::settings.destination};
        },
        [this](const datDocumentState& state) {
            restoreDocument(state.image, state.destination);
            markTree();
        });
    session = std::make_unique<indWindowClone>(*this, store, eventManager, cloneManager);
    links = std::make_unique<indLinkHandler>(*this);
    pageData = std::make_unique<indPageData>(*this);
    setPageData(pageData.get());
    cmcCellHandler::install(links.get());
    cmcComm::setDeviceMap(&indMain::deviceOf, this);
    cloneManager.setProgressHook(&indMain::onCloneProgress, this);
    cuiMain::events.AddListener(&indMain::onEvent, this);
    setupForm = std::make_unique<TForm2>(store, eventManager, definitions);
    connect(setupForm.get(), &TForm2::skipped, this,
            [this] { changeDestination(indEnviron::NoDestination, false); });
    connect(setupForm.get(), &TForm2::destinationLearned, this, &indMain::rebuildMainTree);
    helpViewer = std::make_unique<cuiHtmlHelp>(definitions, store.language);
    pagePrinter = std::make_unique<cuiPrinter>(this, *pageData, definitions, store.printerFontSize);
}

indMain::~indMain() {
    cuiMain::events.RemoveListener(&indMain::onEvent, this);
    cmcComm::setDeviceMap(nullptr, nullptr);
    cloneManager.setProgressHook(nullptr, nullptr);
    closePage();
    cmcCellHandler::install(nullptr);
}

QByteArray indMain::deviceOf(void* context, int port) {
    return static_cast<indMain*>(context)->cuiMain::settings.portDevice(port).toLocal8Bit();
}

void indMain::startUp() {
    cuiSheet::setFontPercentage(cuiMain::settings.fontSizePercentage);
    build();
    // The devices present join the Port menu each time it opens; the menu bar owns it.
    new cuiPortMenu(*menuBar(), cuiMain::settings, cuiMain::table,
                    [this](int port) { choosePort(port); });
    start();
}

// Another document, or another state of it: the pages and the tree's marks follow.
void indMain::refreshPages() {
    rebuildPage();
    markTree();
}

void indMain::rebuildTree() {
    const QByteArray open = pageIdentity();
    rebuildPageTree();
    if (!open.isEmpty())
        tree().findByArgument(open);
}

// The title starts with the file's name; the desktop's modified mark goes right after it. A
// mark placeholder in the name itself is doubled, which Qt shows as the plain text.
void indMain::showTitle(const QByteArray& title) {
    const QString text = cuiMain::table.display(title);
    const QString file = QFileInfo(displayName()).fileName();
    const qsizetype nameLength = text.startsWith(file) ? file.size() : 0;
    QString name = text.left(nameLength);
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*]") + text.mid(nameLength));
    setWindowModified(isModified());
    QApplication::setApplicationDisplayName(QString());
}

void indMain::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void indMain::showMainWindow() {
    show();
    setEnabled(true);
    activateWindow();
    if (page())
        page()->setFocus();
    openPendingFiles();
}

void indMain::setMainWindowEnabled(bool enabled) {
    setEnabled(enabled);
    if (enabled)
        activateWindow();
}

void indMain::setFontSize(int percentage) {
    cuiMain::settings.fontSizePercentage = percentage;
    cuiSheet::setFontPercentage(percentage);
    rebuildPage(true);
}

void indMain::toggleToolBar() {
    cuiMain::settings.toolbarVisible = cuiMain::settings.toolbarVisible ? 0 : 1;
    setToolBarVisible(cuiMain::settings.toolbarVisible != 0);
}

void indMain::choosePort(int port) {
    cuiMain::settings.comPort = port;
    updateCommands();
}

void indMain::toggleHighSpeed() {
    cuiMain::settings.highCloneSpeed = cuiMain::settings.highCloneSpeed ? 0 : 1;
}

bool indMain::cloneRead() {
    cloneManager.setPort(cuiMain::settings.comPort);
    cloneManager.setHighSpeed(cuiMain::settings.highCloneSpeed != 0);
    return session->read();
}

bool indMain::cloneWrite() {
    cloneManager.setPort(cuiMain::settings.comPort);
    cloneManager.setHighSpeed(cuiMain::settings.highCloneSpeed != 0);
    return session->write();
}

void indMain::cloneInformation() {
    if (cloneManager.busy())
        return;
    cloneManager.setPort(cuiMain::settings.comPort);
    session->information();
}

int indMain::openPageIndex() const {
    return page() ? page()->pageIndex() : -1;
}

// A preset fills the channels of the open memory group or bank.
bool indMain::presetTv(int tvTable) {
    const int index = openPageIndex();
    const bool memory =
        index >= cmcPageIndex::FirstMemoryPage && index <= cmcPageIndex::LastMemoryPage;
    const bool bank = index >= cmcPageIndex::FirstBankPage && index <= cmcPageIndex::LastBankPage;
    if (!memory && !bank)
        return false;
    cmcTvPreset preset(document(), templateForRecords(), cuiMain::settings.destination);
    const bool done =
        preset.execute(prompt, tvTable, memory ? cmcTvPreset::MemoryGroup : cmcTvPreset::Bank,
                       memory ? index : index - cmcPageIndex::FirstBankPage);
    if (done)
        noteEdit();
    return done;
}

void indMain::onEvent(void* context, cmcEvent& event) {
    if (event.id() == cmcEventId::ReadCloneInformation)
        static_cast<indMain*>(context)->cloneInformation();
}

void indMain::requestInformation() {
    cuiMain::events.Send(cmcEventId::ReadCloneInformation);
}

void indMain::showAtStart() {
    setAcceptDrops(true);
    if (!cuiMain::settings.setupDone) {
        setupForm->prepareAndShow();
        return;
    }
    show();
    tree().setFocus();
    openPendingFiles();
}

void indMain::chooseOtherPort() {
    cuiComPortDialog dialog(cuiMain::settings, cuiMain::table, cuiComPortDialog::presentDevices(),
                            this);
    dialog.exec();
    updateCommands();
}

void indMain::showHelpContents() {
    helpViewer->showError(helpViewer->showContents(this));
}

void indMain::showCellHelp(const cmcCellObj& cell) {
    const int context = cmcHelpTopic::contextOf(
        cmcHelpGTex::app(), cmcCellNames::linkName(cell.link()), openPageIndex());
    helpViewer->showError(helpViewer->showContext(context, QCursor::pos(), this));
}

void indMain::showAbout() {
    cuiAboutBox(cuiMain::table, this).exec();
}

// The progress window follows the session and goes away with it.
void indMain::onCloneProgress(void* context) {
    auto* self = static_cast<indMain*>(context);
    (new cuiCloneProgress(self->cloneManager, self))->start();
}

void indMain::showCloneInformation(const QByteArray& record) {
    if (!informationWindow)
        informationWindow = new cuiCloneInfo(cuiMain::table, this);
    informationWindow->showRecord(record);
}

cmcSettingChecks::Result indMain::checkSettings() {
    cmcSettingChecks::Result result = checks.run(document(), bandPlan());
    tree().mark(result.warningPages, result.errorPages);
    return result;
}

void indMain::markTree() {
    checkSettings();
    // What there is to print may have changed with the edits.
    updateCommands();
}

// Records copied from another document make no sense in this one.
void indMain::clearClipboard() {
    datClipCh::global().clear();
}

bool indMain::canPrintCurrent() const {
    return page() && page()->printable() && !pagePrinter->busy();
}

void indMain::printCurrent() {
    if (canPrintCurrent())
        pagePrinter->printCurrent(pageIdentity());
}

void indMain::printAll() {
    if (!pagePrinter->busy())
        pagePrinter->printAll();
}

bool indMain::canExchangeCsv() const {
    return page() && cmcCsvFile::available(openPageIndex()) && !cloneManager.busy();
}

// The dialog starts in the current folder, and the folder of a file that worked becomes it.
QString indMain::chooseCsvFile(cmcPrompt::FileDialog::Kind kind) {
    cuiMain::events.Send(cmcEventId::FinishEdit);
    return cmcCsvFile::chooseFile(prompt, cuiMain::settings.currentDirectory, kind);
}

void indMain::exportCsv() {
    if (!canExchangeCsv())
        return;
    const QString path = chooseCsvFile(cmcPrompt::FileDialog::Save);
    if (path.isEmpty())
        return;
    if (cmcCsvFile::exportPage(*pageData, openPageIndex(), page()->indexBase(), path) ==
        cmcCsvFile::Done)
        cuiMain::settings.currentDirectory = QFileInfo(path).absolutePath();
}

void indMain::importCsv() {
    if (!canExchangeCsv())
        return;
    const QString path = chooseCsvFile(cmcPrompt::FileDialog::Open);
    if (!path.isEmpty())
        importCsvFile(path);
}

void indMain::importCsvFile(const QString& path) {
    if (cmcCsvFile::importPage(*pageData, openPageIndex(), page()->indexBase(), path) !=
        cmcCsvFile::Done)
        return;
    cuiMain::settings.currentDirectory = QFileInfo(path).absolutePath();
    noteEdit();
    markTree();
}

QString indMain::stepName(int step) const {
    return cuiMain::table.display(cuiMain::table.GetText("GI_AppInd_Undo_Steps", step));
}

void indMain::historyReset() {
    undoHistory->clear();
}

void indMain::actionStarting() {
    undoHistory->begin();
}

void indMain::actionEnded(const datCellReq& request) {
    const bool command = request.key == datCellReq::KeyCommand && !request.hasInput;
    // The sheet refreshes the menus and toolbar once the action's answer is carried out.
    undoHistory->end(stepName(command ? stepOfCommand(request.commandLink) : StepEdit));
}

void indMain::changeStarting() {
    undoHistory->begin();
}

void indMain::changeEnded() {
    undoHistory->end(stepName(StepConversion));
}

void indMain::runCommand(const cmcCellObj& cell) {
    const bool history = cell.link() == cmcCellNames::CL_Menu_Edit_Undo ||
                         cell.link() == cmcCellNames::CL_Menu_Edit_Redo;
    if (!history)
        undoHistory->begin();
    indMenuLinks::run(*this, cell);
    if (!history)
        undoHistory->end(stepName(stepOfCommand(cell.link())));
    updateCommands();
}

void indMain::undo() {
    cuiMain::events.Send(cmcEventId::FinishEdit);
    undoHistory->stack().undo();
}

void indMain::redo() {
    cuiMain::events.Send(cmcEventId::FinishEdit);
    undoHistory->stack().redo();
}

QString indMain::undoCaption(bool redo) const {
    QUndoStack& steps = undoHistory->stack();
    const QString step = redo ? steps.redoText() : steps.undoText();
    const int line = (redo ? 1 : 0) + (step.isEmpty() ? 2 : 0);
    const QByteArray pattern = cuiMain::table.GetText("GI_AppInd_Undo_Caption", line);
    return cuiMain::table.display(
        cmcGTex::formatted(pattern, cuiMain::table.stored(step).constData()));
}

// Everything but the program's own switches names a file.
QStringList indMain::filesOf(const QStringList& arguments) {
    QStringList files;
    for (const QString& argument : arguments.mid(1)) {
        if (argument.compare("/setup", Qt::CaseInsensitive) != 0 && !argument.startsWith('-'))
            files << argument;
    }
    return files;
}

void indMain::openAtStart(const QStringList& paths) {
    pendingFiles = paths;
    if (isVisible())
        QTimer::singleShot(0, this, &indMain::openPendingFiles);
}

void indMain::openPendingFiles() {
    const QStringList files = std::exchange(pendingFiles, {});
    for (const QString& file : files)
        openFromDesktop(file);
}

void indMain::openFromDesktop(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray clone = cuiMain::table.GetText("GI_Sys_Dialog_FOpen", 0);
    const QByteArray csv = cuiMain::table.GetText("GI_Sys_Dialog_FExport", 0);
    if (suffix == cuiMain::table.display(clone)) {
        Open(QFileInfo(path).absoluteFilePath());
        return;
    }
    if (suffix == cuiMain::table.display(csv) && canExchangeCsv()) {
        cuiMain::events.Send(cmcEventId::FinishEdit);
        undoHistory->begin();
        importCsvFile(QFileInfo(path).absoluteFilePath());
        undoHistory->end(stepName(StepImport));
        updateCommands();
        return;
    }
    const QByteArray name = cuiMain::table.stored(QFileInfo(path).fileName());
    prompt.message(
        cmcPrompt::titled(cmcGTex::formatted(cuiMain::table.multiLineText("GI_AppInd_Drop_Refused"),
                                             name.constData()),
                          cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Exclamation));
}

void indMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !cloneManager.busy())
        event->acceptProposedAction();
}

void indMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // After the drop has ended, so that questions do not block the desktop's drag.
    const QString path = urls.first().toLocalFile();
    QTimer::singleShot(0, this, [this, path] { openFromDesktop(path); });
}
