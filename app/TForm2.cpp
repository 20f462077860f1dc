#include "TForm2.h"

#include "cmcEvMan.h"
#include "cmcEvent.h"
#include "cmcFont.h"
#include "cmcGTex.h"
#include "cmcPortBinding.h"
#include "cmcPrompt.h"
#include "cuiLook.h"
#include "indEnviron.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int StandardPorts = 4;

} // namespace

TForm2::TForm2(indEnviron& store, cmcEvMan& eventManager, cmcGTex& definitions)
    : QDialog(nullptr), settings(store), events(eventManager), table(definitions) {
    setObjectName("TForm2");
    buildControls();
    selectStoredPort();
    events.AddListener(&TForm2::onEvent, this);
    listening = true;
}

TForm2::~TForm2() {
    if (listening)
        events.RemoveListener(&TForm2::onEvent, this);
}

void TForm2::buildControls() {
    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName("Button2");
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Memo1 = new QPlainTextEdit(panel);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* picture = new QLabel(panel);
    picture->setPixmap(QIcon(":/mavik/icons/receiver.svg").pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* ports = new QGridLayout;
    for (int i = 0; i < StandardPorts; ++i) {
        COM[i] = new QRadioButton(panel);
        COM[i]->setObjectName(QString("COM%1").arg(i + 1));
        // One column, as the devices below: captions that name devices are long.
        ports->addWidget(COM[i], i, 0, 1, 2);
    }
    COMMore = new QRadioButton(panel);
    COMMore->setObjectName("COMMore");
    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(3);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm2::Edit1Change);
    ports->addWidget(COMMore, StandardPorts, 0);
    ports->addWidget(Edit1, StandardPorts, 1, Qt::AlignLeft);

    deviceColumn = new QVBoxLayout;
    auto* side = new QVBoxLayout;
    side->addWidget(picture);
    side->addLayout(ports);
    side->addLayout(deviceColumn);
    side->addStretch();
    auto* inner = new QHBoxLayout(panel);
    inner->addWidget(Memo1, 1);
    inner->addLayout(side);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(panel, 1);
    outer->addLayout(buttons);
}

// A stored port outside the four standard ones goes to the edit field.
void TForm2::selectStoredPort() {
    Edit1->clear();
    const int port = settings.comPort;
    if (port >= 1 && port <= StandardPorts)
        COM[port - 1]->setChecked(true);
    else if (port > StandardPorts && indEnviron::validPort(port))
        Edit1->setText(QString::number(port));
    else
        COM[0]->setChecked(true);
}

void TForm2::prepareAndShow() {
    cmcFont font;
    font.apply(table.GetText("CellModel_InitialDialog"));
    setFont(cuiLook::font(font));
    setWindowTitle(table.display(table.GetText("GI_App_InitialSetup_Form_Caption")));
    Button1->setText(table.display(table.GetText("GI_AppInd_Opt_ComSel_Buttons", 0)));
    Button2->setText(table.display(table.GetText("GI_AppInd_Opt_ComSel_Buttons", 1)));
    const QByteArray portCaption = table.GetText("GI_App_InitialSetup_Port");
    for (int i = 0; i < StandardPorts; ++i) {
        const QByteArray device =
            table.stored(cuiComPortDialog::boundCaption(settings.portDevice(i + 1), table));
        COM[i]->setText(table.display(cmcGTex::formatted(portCaption, i + 1, device.constData())));
    }
    COMMore->setText(table.display(table.GetText("GI_App_InitialSetup_More")));
    // A screen reader names the fields by the captions the eye reads beside them.
    Edit1->setAccessibleName(COMMore->text());
    Memo1->setAccessibleName(windowTitle());
    showDevices();
    Memo1->setPlainText(table.display(table.multiLineText("GI_App_InitialSetup_Memo_Caption")));
    const QFontMetrics metrics(Memo1->font());
    Memo1->setMinimumSize(metrics.averageCharWidth() * 56, metrics.lineSpacing() * 19);
    Edit1->setFixedWidth(metrics.horizontalAdvance("2555WW"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    show();
    activateWindow();
}

// The devices present now, each a choice beside the COM numbers; the only USB device is
// chosen when no port is stored yet.
void TForm2::showDevices() {
    qDeleteAll(deviceButtons);
    deviceButtons.clear();
    selectStoredPort();
    present = cmcPortBinding::usbFirst(deviceSource());
    const std::optional<QString> initial = cmcPortBinding::initialChoice(
        settings.portStored() ? cmcPortBinding::PortStored : cmcPortBinding::NoPortStored, present);
    for (const cuiComPortDialog::Device& device : present) {
        if (cuiComPortDialog::opensAsStandardPort(settings, device.path))
            continue;
        auto* button =
            new QRadioButton(cuiComPortDialog::caption(device, table), COMMore->parentWidget());
        button->setObjectName(device.path);
        button->setChecked(device.path == initial);
        deviceColumn->addWidget(button);
        deviceButtons.append(button);
    }
}

void TForm2::Edit1Change() {
    COMMore->setChecked(true);
}

std::optional<QString> TForm2::chosenDevice() const {
    for (const QRadioButton* button : deviceButtons)
        if (button->isChecked())
            return button->objectName();
    return std::nullopt;
}

int TForm2::chosenPort() const {
    for (int i = 0; i < StandardPorts; ++i) {
        if (COM[i]->isChecked())
            return i + 1;
    }
    return Edit1->text().trimmed().toInt();
}

// A chosen device is bound to a COM number, which is what the settings and messages name.
void TForm2::Button1Click() {
    const std::optional<QString> device = chosenDevice();
    const int port =
        device ? cmcPortBinding::portFor(settings.portDevices(), present, *device).value_or(0)
               : chosenPort();
    if (!indEnviron::validPort(port)) {
        cmcPrompt::app().message(cmcPrompt::titled(table.GetText("GI_AppInd_Opt_ComSel_Notice"),
                                                   cmcPrompt::Ok, cmcPrompt::AnswerOk,
                                                   cmcPrompt::Stop));
        Edit1->setFocus();
        return;
    }
    if (device)
        settings.setPortDevice(port, *device);
    settings.comPort = port;
    events.Send(cmcEventId::ReadCloneInformation);
}

void TForm2::Button2Click() {
    emit skipped();
    closing = true;
    close();
}

// Escape and the window's close button mean Cancel, except while the receiver is being read.
void TForm2::reject() {
    if (isEnabled())
        Button2Click();
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!closing) {
        reject();
        return;
    }
    event->accept();
    if (listening) {
        events.RemoveListener(&TForm2::onEvent, this);
        listening = false;
    }
    events.Send(cmcEventId::SetupFinished);
    events.Send(cmcEventId::MainWindowBuilt);
}

void TForm2::onEvent(void* context, cmcEvent& event) {
    static_cast<TForm2*>(context)->notification(event);
}

void TForm2::notification(const cmcEvent& event) {
    switch (event.id()) {
    case cmcEventId::CloneStarted:
        if (isVisible())
            setEnabled(false);
        break;
    case cmcEventId::CloneEnded:
        if (isVisible() && event.first == 0)
            setEnabled(true);
        break;
    case cmcEventId::InformationWhileHidden:
        finishRead();
        break;
    default:
        break;
    }
}

// The receiver told its destination: the setup is done and the tree follows the band plan.
void TForm2::finishRead() {
    const bool known = settings.destination <= indEnviron::NoDestination;
    settings.setupDone = known ? 1 : 0;
    if (known) {
        events.Send(cmcEventId::DestinationStored);
        emit destinationLearned();
    }
    closing = true;
    close();
}
