#include "cuiMain.h"

#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageCall.h"
#include "cmcTask.h"
#include "cuiFlector.h"
#include "cuiGrid.h"
#include "cuiSheet.h"
#include "cuiStatusPanel.h"
#include "cuiToolBar.h"
#include "cuiTree.h"
#include "indEnviron.h"
#include "iuiPageFactory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int SplitterWidth = 3;

QFrame* pane(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    return frame;
}

} // namespace

cuiMain::cuiMain(indEnviron& store, cmcEvMan& eventManager, cmcGTex& definitions)
    : settings(store), events(eventManager), table(definitions) {
    setWindowTitle(table.display(table.GetText("GI_Sys_AppTitle")));
    events.AddListener(&cuiMain::onEvent, this);
}

cuiMain::~cuiMain() {
    events.RemoveListener(&cuiMain::onEvent, this);
    if (ticker)
        ticker->requestDeletion();
    openSheet.reset();
}

void cuiMain::build() {
    buildMenu();
    buildToolBar();
    buildPanes();
    buildStatusBar();
    ticker = cmcTask::create();
    ticker->setCallback([](void* context, cmcTask*) { static_cast<cuiMain*>(context)->tick(); },
                        this);
    ticker->setInterval(TickInterval);
}

void cuiMain::buildMenu() {
    menuBuilder = std::make_unique<cuiFlector>(table);
    menuBuilder->create(menuBar(), "GI_Menu_Main");
    menuBuilder->build();
}

void cuiMain::buildToolBar() {
    tools = std::make_unique<cuiToolBar>(table);
    tools->build("GI_ToolBar_Main");
    tools->addTo(*this);
    setToolBarVisible(settings.toolbarVisible != 0);
    events.Send(cmcEventId::MainWindowBuilt);
}

void cuiMain::setToolBarVisible(bool visible) {
    for (QToolBar* row : tools->rows())
        row->setVisible(visible);
}

void cuiMain::buildPanes() {
    panes = new QSplitter(Qt::Horizontal, this);
    panes->setHandleWidth(SplitterWidth);
    panes->setChildrenCollapsible(false);
    panes->setOpaqueResize(true);
    treePane = pane(panes);
    treePane->setMinimumWidth(MinimumPane);
    pageTree = new cuiTree(table, treePane);
    treePane->layout()->addWidget(pageTree);
    pagePane = pane(panes);
    pagePane->setMinimumWidth(MinimumPane);
    panes->addWidget(treePane);
    panes->addWidget(pagePane);
    panes->setStretchFactor(1, 1);
    setCentralWidget(panes);
    rebuildPageTree();
    const int treeWidth = settings.splitterStored
                              ? std::max(MinimumPane, settings.splitter)
                              : std::max(settings.splitter, pageTree->labelWidth());
    panes->setSizes({treeWidth, std::max(MinimumPane, width() - treeWidth)});
    connect(pageTree, &cuiTree::nodeChosen, this,
            [this](const cmcCellObj& cell) { nodeChosen(cell.argument().value_or(QByteArray())); });
    // A collapsed node shows its children's marks, an expanded one only its own.
    connect(pageTree, &QTreeWidget::itemExpanded, this, [this] { markTree(); });
    connect(pageTree, &QTreeWidget::itemCollapsed, this, [this] { markTree(); });
}

void cuiMain::rebuildPageTree() {
    pageTree->build("GI_Tree_Main");
    if (QTreeWidgetItem* first = pageTree->topLevelItem(0))
        pageTree->setCurrentItem(first);
    markTree();
}

void cuiMain::buildStatusBar() {
    status = new cuiStatusPanel(statusBar());
    status->setStatus({}, 0xFF000008, 0xFF00000F);
    portPanel = new QLabel(statusBar());
    statusBar()->addWidget(status, 1);
    statusBar()->addPermanentWidget(portPanel);
}

QByteArray cuiMain::pageIdentity() const {
    return openSheet ? openSheet->callArgument() : QByteArray();
}

void cuiMain::nodeChosen(const QByteArray& argument) {
    if (!openSheet || argument != pageIdentity())
        openPage(argument);
}

void cuiMain::closePage() {
    if (!openSheet)
        return;
    const cuiSheet::Position now = openSheet->position();
    positions.remember(pageIdentity(), {now.column, now.row, now.top, now.left});
    openSheet.reset();
}

void cuiMain::openPage(const QByteArray& callText) {
    const bool focusOnTree = pageTree->hasFocus();
    closePage();
    const cmcPageCall call = cmcPageCall::split(callText);
    openSheet = iuiPageFactory::create(call, pagePane, this, table, documentPages);
    if (const auto remembered = positions.find(call.identity))
        openSheet->setSavedCursor(
            {remembered->column, remembered->row, remembered->top, remembered->left});
    openSheet->Show();
    pagePane->layout()->addWidget(openSheet.get());
    openSheet->show();
    if (isVisible() && isEnabled())
        (focusOnTree ? static_cast<QWidget*>(pageTree) : openSheet.get())->setFocus();
    updateCommands();
}

void cuiMain::rebuildPage(bool resetWidths) {
    if (!openSheet)
        return;
    openSheet->setSavedCursor(openSheet->position());
    openSheet->setResetWidths(resetWidths);
    openSheet->Show();
}

void cuiMain::restartEditCountdown() {
    if (!editCountdown)
        editCountdown = std::make_unique<cmcTick>();
    editCountdown->Start(EditDelay);
}

void cuiMain::tick() {
    if (!openSheet && pageTree->currentItem()) {
        if (const cmcCellObj* cell = cuiTree::cellOf(pageTree->currentItem()))
            openPage(cell->argument().value_or(QByteArray()));
    }
    if (editCountdown && editCountdown->Remaining() == 0) {
        editCountdown.reset();
        markTree();
        events.Post(cmcEventId::ChecksRan);
    }
}

// The menu's enabled states are kept current, not only when it opens: a shortcut of an item
// that opened disabled would otherwise stay dead.
void cuiMain::updateCommands() {
    if (menuBuilder)
        menuBuilder->update();
    if (tools)
        tools->update();
    if (portPanel) {
        const QByteArray device = settings.portDevice(settings.comPort).toLocal8Bit();
        portPanel->setText(table.display(cmcGTex::formatted(table.GetText("GI_AppInd_Status_Port"),
                                                            settings.comPort, device.constData())));
    }
}

void cuiMain::clearInformation(KeyKind kind) {
    if (kind == KeyKind::Move && noticeHeld)
        return;
    noticeHeld = false;
    status->setStatus({}, 0xFF000008, 0xFF00000F);
}

void cuiMain::cellActing(const datCellReq& request) {
    committing = request.hasInput;
    actionStarting();
}

void cuiMain::cellActed(const datCellReq& request) {
    committing = false;
    restartEditCountdown();
    cellEdited();
    actionEnded(request);
}

// Caption updates reach the bank and link nodes whose page index matches.
void cuiMain::setTreeCaption(int pageIndex, const QByteArray& text) {
    QTreeWidgetItemIterator it(pageTree);
    for (; *it; ++it) {
        const cmcCellObj* cell = cuiTree::cellOf(*it);
        if (!cell || !cell->argument())
            continue;
        const cmcPageCall call = cmcPageCall::split(*cell->argument());
        if ((call.pageType == "St_CCBank" || call.pageType == "St_PLink") &&
            call.pageIndex == pageIndex)
            (*it)->setText(0, table.display(text));
    }
}

void cuiMain::closeEvent(QCloseEvent* event) {
    if (!mayCloseWindow()) {
        event->ignore();
        return;
    }
    keepPlacement();
    if (ticker) {
        ticker->requestDeletion();
        ticker = nullptr;
    }
    closePage();
    event->accept();
}

void cuiMain::keepPlacement() {
    const QRect bounds = normalGeometry();
    settings.windowLeft = bounds.left();
    settings.windowTop = bounds.top();
    settings.windowWidth = bounds.width();
    settings.windowHeight = bounds.height();
    settings.splitter = panes->sizes().value(0, settings.splitter);
}

void cuiMain::onEvent(void* context, cmcEvent& event) {
    static_cast<cuiMain*>(context)->notification(event);
}

void cuiMain::notification(const cmcEvent& event) {
    switch (event.id()) {
    case cmcEventId::StatusText:
        noticeHeld = committing;
        if (status)
            status->setStatus(table.display(event.text()), quint32(event.first),
                              quint32(event.second));
        break;
    case cmcEventId::MainWindowBuilt:
        updateCommands();
        break;
    case cmcEventId::TreeCaption:
    case cmcEventId::TreeCaptionAlso:
        if (pageTree)
            setTreeCaption(event.second, event.text());
        break;
    default:
        break;
    }
}
