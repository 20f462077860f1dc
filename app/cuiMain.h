#pragma once

#include "cmcPagePositions.h"
#include "cmcTick.h"
#include "cuiDispatch.h"

#include <QByteArray>
#include <QMainWindow>
#include <memory>

class QFrame;
class QLabel;
class QSplitter;
class cmcPageData;
class cmcEvMan;
struct cmcEvent;
class cmcGTex;
class cmcTask;
class cuiFlector;
class cuiSheet;
class cuiStatusPanel;
class cuiToolBar;
class cuiTree;
class indEnviron;

// The main window: menu bar, toolbar, the page tree and the open page side by side, and the
// status bar, all built from the definitions. Exactly one page is open at a time; the window
// remembers where the user was on every page it closed.
class cuiMain : public QMainWindow, public cuiDispatch {
    Q_OBJECT
public:
    cuiMain(indEnviron& settings, cmcEvMan& events, cmcGTex& table);
    ~cuiMain() override;

    // Builds the window's parts once; the window stays hidden.
    void build();

    // Closes the open page (keeping its position) and opens the page of a call text.
    void openPage(const QByteArray& callText);
    void closePage();
    cuiSheet* page() const { return openSheet.get(); }
    QByteArray pageIdentity() const;
    cuiTree& tree() const { return *pageTree; }
    cuiToolBar& toolBar() const { return *tools; }
    cuiFlector& menu() const { return *menuBuilder; }
    cuiStatusPanel& statusPanel() const { return *status; }
    QSplitter& splitter() const { return *panes; }
    void setToolBarVisible(bool visible);
    // Rebuilds the open page from its definitions, keeping the cursor where it is.
    void rebuildPage(bool resetWidths = false);
    void rebuildPageTree();
    // The edit countdown runs out 250 ms after the last cell edit.
    void restartEditCountdown();
    // The window's periodic work; public so that tests can step it.
    void tick();

    static constexpr int TickInterval = 50;
    static constexpr int EditDelay = 250;
    static constexpr int MinimumPane = 8;

    // cuiDispatch
    void updateCommands() override;
    void clearInformation(KeyKind kind) override;
    void cellActing(const datCellReq& request) override;
    void cellActed(const datCellReq& request) override;

protected:
    // What the pages show and edit; without it every page is a plain sheet.
    void setPageData(cmcPageData* data) { documentPages = data; }
    void closeEvent(QCloseEvent* event) override;
    // False keeps the window open (the save question was cancelled).
    virtual bool mayCloseWindow() { return true; }
    // A key, a command or an edit reached a cell.
    virtual void cellEdited() {}
    // Around every action on a cell: the window records what it changed.
    virtual void actionStarting() {}
    virtual void actionEnded(const datCellReq& request) { (void)request; }
    // Runs the setting checks and marks the tree's pages with what they found.
    virtual void markTree() {}

    indEnviron& settings;
    cmcEvMan& events;
    cmcGTex& table;

private:
    cmcPageData* documentPages = nullptr;
    void buildMenu();
    void buildToolBar();
    void buildPanes();
    void buildStatusBar();
    void nodeChosen(const QByteArray& argument);
    void setTreeCaption(int pageIndex, const QByteArray& text);
    void keepPlacement();
    static void onEvent(void* context, cmcEvent& event);
    void notification(const cmcEvent& event);

    std::unique_ptr<cuiFlector> menuBuilder;
    std::unique_ptr<cuiToolBar> tools;
    QFrame* treePane = nullptr;
    QFrame* pagePane = nullptr;
    QSplitter* panes = nullptr;
    cuiTree* pageTree = nullptr;
    cuiStatusPanel* status = nullptr;
    QLabel* portPanel = nullptr;
    std::unique_ptr<cuiSheet> openSheet;
    cmcPagePositions positions;
    cmcTask* ticker = nullptr;
    std::unique_ptr<cmcTick> editCountdown;
    // A committed edit is being carried out; what it says in the status bar stays while the
    // cursor moves.
    bool committing = false;
    bool noticeHeld = false;
};
