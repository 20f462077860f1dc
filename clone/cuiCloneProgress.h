#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QPushButton;
class cmcEvMan;
class cuiCloneBar;
class indCloneMan;
struct cmcEvent;

// The "Cloning" tool window of a running read or write: the segment bar over the elapsed time
// and the time still to go, centred over its owner. The user cannot close it; it goes away by
// itself when the manager reports the end of the session (ProgressClosed). A read can be
// stopped with its Cancel button; a write says that it cannot be stopped.
class cuiCloneProgress : public QDialog {
    Q_OBJECT
public:
    cuiCloneProgress(indCloneMan& manager, QWidget* owner);
    ~cuiCloneProgress() override;

    // Shows the window and follows the session until it ends, then deletes itself.
    void start();

    static constexpr int RepaintInterval = 30;
    static constexpr int MarginSide = 16;
    static constexpr int MarginTop = 8;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    void build();
    QWidget* sessionControl();
    void cancel();
    void centreOverOwner();
    void tick();
    void refresh();
    static void onEvent(void* context, cmcEvent& event);
    void ended();

    indCloneMan& manager;
    cmcEvMan* events;
    cuiCloneBar* bar = nullptr;
    QLabel* times = nullptr;
    QPushButton* cancelButton = nullptr;
    QTimer repaintTimer;
    QElapsedTimer clock;
};
