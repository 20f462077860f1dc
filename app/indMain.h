#pragma once

#include "cmcSettingChecks.h"
#include "cuiMain.h"
#include "indCloneMan.h"
#include "indDocument.h"

#include <memory>

class TForm2;
class cmcCellObj;
class cuiCloneInfo;
class cuiHtmlHelp;
class cuiPrinter;
class cuiUndoHistory;
class indLinkHandler;
class indPageData;
class indWindowClone;

// The main controller: the document and its commands on the main window. Menu, toolbar and
// popup commands reach it through the program-wide link handler.
class indMain : public cuiMain, public indDocument {
    Q_OBJECT
public:
    indMain(indEnviron& settings, cmcEvMan& events, cmcPrompt& prompt, cmcGTex& table);
    ~indMain() override;

    // Builds the window and loads the document of the stored destination; stays hidden.
    void startUp();
    // Shows the window, or first the initial setup when no destination is stored.
    void showAtStart();

    void setFontSize(int percentage);
    void toggleToolBar();
    void choosePort(int port);
    // The COM port dialog, for numbers above 4 and the device a number opens.
    void chooseOtherPort();
    void toggleHighSpeed();
    bool cloneRead();
    bool cloneWrite();
    void cloneInformation();
    // The Clone Information command: the information query runs on its event.
    void requestInformation();
    indEnviron& environ() { return cuiMain::settings; }
    bool cloneBusy() const { return cloneManager.busy(); }
    // The page index of the open page, or -1.
    int openPageIndex() const;
    bool presetTv(int tvTable);

    indCloneMan& clones() { return cloneManager; }
    cmcEeprom& recordTemplate() { return templateForRecords(); }
    cmcEvMan& eventManager() { return cuiMain::events; }
    cmcPrompt& userPrompt() { return prompt; }
    cmcGTex& definitionTable() { return cuiMain::table; }
    // The receiver's clone information, shown after a successful query.
    void showCloneInformation(const QByteArray& record);
    indWindowClone& cloneSession() { return *session; }

    void showHelpContents();
    // Help on a cell of the open page, in a popup at the pointer.
    void showCellHelp(const cmcCellObj& cell);
    void showAbout();
    // Print Current: the open page, when it has anything to print.
    bool canPrintCurrent() const;
    // CSV export and import of the open page, for pages whose records have a CSV layout.
    bool canExchangeCsv() const;
    void exportCsv();
    void importCsv();
    // A file from the desktop (the command line or a drop): a clone file opens, a CSV file is
    // imported into the open list page, anything else is refused with a message.
    void openFromDesktop(const QString& path);
    // The files named on the command line, opened once the main window is up.
    void openAtStart(const QStringList& paths);
    static QStringList filesOf(const QStringList& arguments);
    void printCurrent();
    void printAll();
    cuiPrinter& printer() { return *pagePrinter; }

    // A menu or toolbar command; what it changes in the document is one undo step.
    void runCommand(const cmcCellObj& cell);
    cuiUndoHistory& history() { return *undoHistory; }
    void undo();
    void redo();
    // The Undo and Redo items' captions, naming the step; empty without one.
    QString undoCaption(bool redo) const;
    cuiHtmlHelp& help() { return *helpViewer; }
    TForm2& initialSetup() { return *setupForm; }
    // The setting checks as a write runs them, with the tree marked by their result.
    cmcSettingChecks::Result checkSettings();
    // The initial setup learnt the destination: the tree follows its band plan.
    void rebuildMainTree() { rebuildTree(); }

protected:
    bool mayCloseWindow() override { return mayClose(); }
    void cellEdited() override { noteEdit(); }
    void markTree() override;
    void clearClipboard() override;
    void historyReset() override;
    void actionStarting() override;
    void actionEnded(const datCellReq& request) override;
    void changeStarting() override;
    void changeEnded() override;

    void refreshPages() override;
    void rebuildTree() override;
    void showTitle(const QByteArray& title) override;
    bool mainWindowVisible() const override { return isVisible(); }
    void setBusyCursor(bool busy) override;
    void showMainWindow() override;
    void setMainWindowEnabled(bool enabled) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static void onEvent(void* context, cmcEvent& event);
    static QByteArray deviceOf(void* context, int port);
    static void onCloneProgress(void* context);
    QString chooseCsvFile(cmcPrompt::FileDialog::Kind kind);
    QString stepName(int step) const;
    void importCsvFile(const QString& path);
    void openPendingFiles();

    indCloneMan cloneManager;
    std::unique_ptr<indWindowClone> session;
    std::unique_ptr<indLinkHandler> links;
    std::unique_ptr<indPageData> pageData;
    cmcSettingChecks checks;
    cuiCloneInfo* informationWindow = nullptr;
    std::unique_ptr<TForm2> setupForm;
    std::unique_ptr<cuiHtmlHelp> helpViewer;
    std::unique_ptr<cuiPrinter> pagePrinter;
    std::unique_ptr<cuiUndoHistory> undoHistory;
    QStringList pendingFiles;
};
