#include "cuiCloneProgress.h"

#include "cmcCloneEstimate.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cuiCloneBar.h"
#include "indCloneMan.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The 24 pixels under the bar now hold the line of times: a gap, the text, a smaller margin.
constexpr int TextSpacing = 4;
constexpr int MarginBottom = 8;

} // namespace

cuiCloneProgress::cuiCloneProgress(indCloneMan& man, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), manager(man),
      events(cmcEvMan::app()) {
    cmcGTex& table = cmcGTex::app();
    setWindowTitle(table.display(table.GetText("GI_AppInd_Clone_Caption")));
    build();
    repaintTimer.setInterval(RepaintInterval);
    connect(&repaintTimer, &QTimer::timeout, this, &cuiCloneProgress::tick);
    if (events)
        events->AddListener(onEvent, this);
    // The session has disabled the main window, and with it this window; Cancel must work.
    setEnabled(true);
}

cuiCloneProgress::~cuiCloneProgress() {
    if (events)
        events->RemoveListener(onEvent, this);
}

void cuiCloneProgress::build() {
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    bar = new cuiCloneBar(panel);
    panelLayout->addWidget(bar);

    times = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(MarginSide, MarginTop, MarginSide, MarginBottom);
    layout->setSpacing(TextSpacing);
    layout->addWidget(panel);
    layout->addWidget(times);
    if (QWidget* control = sessionControl())
        layout->addWidget(control, 0, cancelButton ? Qt::AlignRight : Qt::AlignLeft);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Cancel for a read, the line saying why there is none for a write, nothing otherwise.
QWidget* cuiCloneProgress::sessionControl() {
    cmcGTex& table = cmcGTex::app();
    if (manager.operation() == cmcCloneDrv::Mode::Read) {
        cancelButton =
            new QPushButton(table.display(table.GetText("GI_AppInd_Clone_Cancel")), this);
        // Enter must not stop a read by accident.
        cancelButton->setAutoDefault(false);
        connect(cancelButton, &QPushButton::clicked, this, &cuiCloneProgress::cancel);
        return cancelButton;
    }
    if (manager.operation() == cmcCloneDrv::Mode::Write)
        return new QLabel(table.display(table.GetText("GI_AppInd_Clone_NoCancel")), this);
    return nullptr;
}

// The session's end (ProgressClosed) takes the window away.
void cuiCloneProgress::cancel() {
    cancelButton->setEnabled(false);
    manager.cancel();
}

void cuiCloneProgress::start() {
    clock.start();
    refresh();
    adjustSize();
    centreOverOwner();
    show();
    repaintTimer.start();
}

void cuiCloneProgress::centreOverOwner() {
    QWidget* owner = parentWidget();
    if (!owner)
        return;
    // Client areas: the frame is not known before the window is shown.
    QRect area(QPoint(), size());
    area.moveCenter(owner->window()->geometry().center());
    setGeometry(area);
}

void cuiCloneProgress::tick() {
    refresh();
    if (!manager.busy())
        repaintTimer.stop();
}

void cuiCloneProgress::refresh() {
    bar->setFilled(manager.filledSegments());
    cmcGTex& table = cmcGTex::app();
    times->setText(table.display(
        cmcCloneEstimate::text(manager.bytesDone(), manager.bytesTotal(), clock.elapsed(), table)));
}

void cuiCloneProgress::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void cuiCloneProgress::onEvent(void* context, cmcEvent& event) {
    if (event.id() == cmcEventId::ProgressClosed)
        static_cast<cuiCloneProgress*>(context)->ended();
}

void cuiCloneProgress::ended() {
    repaintTimer.stop();
    hide();
    deleteLater();
}
