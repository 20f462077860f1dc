#pragma once

#include "cuiComPortDialog.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class cmcEvMan;
class cmcGTex;
struct cmcEvent;
class indEnviron;

// The initial setup: asks for the port of the cloning cable and reads the receiver's clone
// information through it, so that the program knows the receiver's destination before the
// main window appears. Cancel skips it; the program then edits without a receiver. The dialog
// tells its outcome by its signals; the window's controller acts on it.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(indEnviron& settings, cmcEvMan& events, cmcGTex& table);
    ~TForm2() override;

    // Font, captions, introduction and the serial devices present, then shown without
    // blocking.
    void prepareAndShow();
    void setDeviceSource(cuiComPortDialog::DeviceSource source) { deviceSource = source; }

    // OK: stores a valid port and starts the clone information read on it.
    void Button1Click();
    // Cancel: no destination; the setup comes again at the next start.
    void Button2Click();

signals:
    // Cancel: the program goes on without a destination.
    void skipped();
    // The receiver's destination is stored: the page tree follows its band plan.
    void destinationLearned();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void selectStoredPort();
    void showDevices();
    int chosenPort() const;
    std::optional<QString> chosenDevice() const;
    void Edit1Change();
    void finishRead();
    static void onEvent(void* context, cmcEvent& event);
    void notification(const cmcEvent& event);

    indEnviron& settings;
    cmcEvMan& events;
    cmcGTex& table;
    bool listening = false;
    bool closing = false;

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QRadioButton* COM[4] = {};
    QRadioButton* COMMore = nullptr;
    QLineEdit* Edit1 = nullptr;
    // One button per device present when the form was last shown, USB devices first.
    QLayout* deviceColumn = nullptr;
    QList<QRadioButton*> deviceButtons;
    QList<cuiComPortDialog::Device> present;
    cuiComPortDialog::DeviceSource deviceSource = cuiComPortDialog::presentDevices;
};
