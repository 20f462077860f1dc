#include "SimProcess.h"
#include "TForm2.h"
#include "cmcCellObj.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcHelpGTex.h"
#include "cmcHelpTopic.h"
#include "cmcPageIndex.h"
#include "cmcScriptPrompt.h"
#include "cuiAboutBox.h"
#include "cuiComPortDialog.h"
#include "cuiGrid.h"
#include "cuiHelpPopup.h"
#include "cuiHelpWindow.h"
#include "cuiHtmlHelp.h"
#include "cuiPortMenu.h"
#include "cuiSheet.h"
#include "indEnviron.h"
#include "indMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The program as it starts with a settings file written by an earlier run.
class FirstStart : public testing::Test {
protected:
    void TearDown() override { cmcPrompt::install(nullptr); }
    indEnviron::Places places() const {
        return {"dialog test lock", folder.path() + "/run", folder.path() + "/user.conf",
                folder.path() + "/machine.conf"};
    }
    // A run that stored these settings and ended.
    void storeEarlierRun(const std::function<void(indEnviron&)>& edit) {
        indEnviron earlier(places(), {}, QSize(1280, 800));
        edit(earlier);
    }
    void start(const QStringList& arguments = {}) {
        window.reset();
        settings = std::make_unique<indEnviron>(places(), arguments, QSize(1280, 800));
        cmcPrompt::install(&prompt);
        window = std::make_unique<indMain>(*settings, events, prompt, cmcGTex::app());
        window->startUp();
        const auto source = [this] { return devices; };
        setup().setDeviceSource(source);
        window->menuBar()->findChild<cuiPortMenu*>()->setDeviceSource(source);
        window->showAtStart();
    }
    void end() {
        window->close();
        window.reset();
        settings.reset();
    }
    TForm2& setup() { return window->initialSetup(); }
    template <typename T> T* control(const char* name) { return setup().findChild<T*>(name); }
    void choosePort(const QString& typed) {
        control<QLineEdit>("Edit1")->setText(typed);
        setup().Button1Click();
    }
    void waitForSession() {
        for (int i = 0; i < 400 && window->cloneBusy(); ++i)
            QTest::qWait(50);
        QTest::qWait(20);
    }
    QByteArray lastMessage() const {
        return prompt.messages().isEmpty() ? QByteArray() : prompt.messages().back().text;
    }

    QTemporaryDir folder;
    cmcEvMan events;
    cmcScriptPrompt prompt;
    std::unique_ptr<indEnviron> settings;
    std::unique_ptr<indMain> window;
    // The serial devices the system reports; none unless a test says so.
    QList<cuiComPortDialog::Device> devices;
};

using Device = cuiComPortDialog::Device;
const Device builtInPort{"/dev/ttyS0", "Built-in port", "", "", Device::Other};
const Device usbCable{"/dev/ttyUSB0", "USB cable", "Maker", "A1", Device::Usb};

TEST_F(FirstStart, SetupArgumentShowsTheSetupAlthoughADestinationIsStored) {
    storeEarlierRun([](indEnviron& earlier) {
        earlier.destination = 6;
        earlier.setupDone = 1;
    });
    start({"mavik", "/SETUP"});
    EXPECT_EQ(settings->destination, 6);
    EXPECT_TRUE(setup().isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(setup().windowTitle(), "Initial Setup");
    EXPECT_TRUE(control<QRadioButton>("COM1")->isChecked());
}

TEST_F(FirstStart, AStoredPortAboveFourIsInTheEditField) {
    storeEarlierRun([](indEnviron& earlier) { earlier.comPort = 7; });
    start();
    EXPECT_TRUE(control<QRadioButton>("COMMore")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), "7");
}

// A screen reader names every field of the setup: the edit field and the introduction too.
TEST_F(FirstStart, EveryFieldOfTheSetupHasAnAccessibleName) {
    devices = {usbCable};
    start();
    QList<QWidget*> fields;
    for (QWidget* field : setup().findChildren<QWidget*>())
        if (qobject_cast<QAbstractButton*>(field) || qobject_cast<QLineEdit*>(field) ||
            qobject_cast<QPlainTextEdit*>(field))
            fields << field;
    ASSERT_GE(fields.size(), 9);
    for (QWidget* field : fields) {
        QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(readable, nullptr);
        EXPECT_FALSE(readable->text(QAccessible::Name).isEmpty())
            << field->objectName().toStdString();
    }
}

TEST_F(FirstStart, PortsOutsideTheRangeAreRefused) {
    start();
    for (const char* typed : {"0", "257", "abc", ""}) {
        prompt.answer(cmcPrompt::AnswerOk);
        choosePort(typed);
        EXPECT_EQ(lastMessage(), "Specify the COM port number. (1 - 256)") << typed;
        EXPECT_EQ(prompt.messages().back().icon, cmcPrompt::Stop);
        EXPECT_TRUE(setup().isVisible());
        EXPECT_FALSE(window->cloneBusy());
    }
    EXPECT_EQ(settings->comPort, 1);
}

// Port 12 opens a device that is not there: the read fails and the user may try again.
TEST_F(FirstStart, ATrimmedPortIsStoredAndAFailedReadEnablesTheDialogAgain) {
    start();
    settings->setPortDevice(12, folder.filePath("no such device"));
    prompt.answer(cmcPrompt::AnswerOk);
    choosePort(" 12 ");
    EXPECT_EQ(settings->comPort, 12);
    waitForSession();
    EXPECT_TRUE(lastMessage().startsWith("Cannot access COM 12.")) << lastMessage().data();
    EXPECT_TRUE(setup().isVisible());
    EXPECT_TRUE(setup().isEnabled());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FirstStart, CancelShowsTheWindowWithoutDestinationAndAsksAgainNextTime) {
    storeEarlierRun([](indEnviron& earlier) { earlier.destination = 3; });
    start({"mavik", "/setup"});
    setup().Button2Click();
    EXPECT_FALSE(setup().isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(settings->destination, indEnviron::NoDestination);
    EXPECT_EQ(settings->setupDone, 0);
    end();
    start();
    EXPECT_TRUE(setup().isVisible());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FirstStart, AReadReceiverGivesItsDestinationAndShowsTheWindow) {
    start();
    SimProcess sim({"--destination", "6"});
    ASSERT_FALSE(sim.device().isEmpty());
    settings->setPortDevice(2, QString::fromLocal8Bit(sim.device()));
    control<QRadioButton>("COM2")->setChecked(true);
    prompt.answer(cmcPrompt::AnswerOk); // the receiver's destination replaces "none"
    setup().Button1Click();
    EXPECT_FALSE(setup().isEnabled());
    waitForSession();
    EXPECT_FALSE(setup().isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(settings->destination, 6);
    EXPECT_EQ(settings->setupDone, 1);
    EXPECT_EQ(settings->comPort, 2);
    EXPECT_EQ(prompt.unanswered(), 0) << lastMessage().data();
}

// The machine's own port is listed too, so the cable goes to the next number.
TEST_F(FirstStart, TheOnlyUsbDeviceIsChosenAndBoundToAFreeNumber) {
    SimProcess sim({"--destination", "6"});
    ASSERT_FALSE(sim.device().isEmpty());
    devices = {builtInPort, {sim.device(), "USB cable", "Maker", "", Device::Usb}};
    start();
    QStringList shown;
    for (const QRadioButton* button : setup().findChildren<QRadioButton*>())
        if (button->objectName().startsWith("/dev/"))
            shown << button->text();
    // COM 1 names the built-in port already; it is not offered twice.
    EXPECT_EQ(shown, QStringList({sim.device() + "   USB cable, Maker"}));
    EXPECT_TRUE(control<QRadioButton>(sim.device().constData())->isChecked());
    prompt.answer(cmcPrompt::AnswerOk); // the receiver's destination replaces "none"
    setup().Button1Click();
    waitForSession();
    EXPECT_EQ(settings->comPort, 2);
    EXPECT_EQ(settings->portDevice(2), QString::fromLocal8Bit(sim.device()));
    EXPECT_EQ(settings->destination, 6);
    EXPECT_FALSE(setup().isVisible());
}

TEST_F(FirstStart, AStoredPortStaysChosenAndAGoneDeviceIsShownAbsent) {
    const QString gone = folder.filePath("gone");
    storeEarlierRun([&](indEnviron& earlier) {
        earlier.comPort = 3;
        earlier.setPortDevice(2, gone);
    });
    devices = {usbCable};
    start();
    EXPECT_TRUE(control<QRadioButton>("COM3")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("/dev/ttyUSB0")->isChecked());
    EXPECT_EQ(control<QRadioButton>("COM2")->text(), "COM 2   " + gone + " (not connected)");
}

// The devices are read each time the menu opens; a chosen one is bound and becomes the port.
TEST_F(FirstStart, ThePortMenuListsTheDevicesPresentBeforeMore) {
    devices = {builtInPort, usbCable};
    start();
    QMenu* menu = window->menuBar()->findChild<cuiPortMenu*>()->menu();
    ASSERT_NE(menu, nullptr);
    const auto opened = [menu] {
        menu->popup(QPoint(0, 0));
        menu->hide();
        QStringList items;
        for (const QAction* item : menu->actions())
            items << (item->isSeparator() ? "-" : item->text().remove('&'));
        return items.mid(4, items.size() - 6);
    };
    EXPECT_EQ(opened(), QStringList({"-", "/dev/ttyUSB0   USB cable, Maker", "More..."}));
    menu->actions()[5]->trigger();
    EXPECT_EQ(settings->comPort, 2);
    EXPECT_EQ(settings->portDevice(2), "/dev/ttyUSB0");
    devices = {{"/dev/ttyACM0", "", "", "", Device::Usb}};
    EXPECT_EQ(opened(),
              QStringList({"-", "/dev/ttyACM0", "/dev/ttyUSB0 (not connected)", "More..."}));
    EXPECT_TRUE(menu->actions()[6]->isChecked());
    EXPECT_FALSE(menu->actions()[6]->isEnabled());
    EXPECT_EQ(settings->portDevice(2), "/dev/ttyUSB0");
}

class PortDialog : public testing::Test {
protected:
    PortDialog() : settings(places(), {}, QSize(1280, 800)) { cmcPrompt::install(&prompt); }
    ~PortDialog() override { cmcPrompt::install(nullptr); }
    indEnviron::Places places() const {
        return {"port test lock", folder.path() + "/run", folder.path() + "/user.conf",
                folder.path() + "/machine.conf"};
    }
    void type(cuiComPortDialog& dialog, const QString& text) {
        auto* number = dialog.findChild<QLineEdit*>("Number");
        number->selectAll();
        QTest::keyClicks(number, text);
    }
    QTemporaryDir folder;
    cmcScriptPrompt prompt;
    indEnviron settings;
    const QList<cuiComPortDialog::Device> cable = {builtInPort, usbCable};
};

TEST_F(PortDialog, NumbersOutsideTheRangeKeepTheDialogOpen) {
    settings.comPort = 3;
    cuiComPortDialog dialog(settings, cmcGTex::app(), cable, nullptr);
    dialog.open();
    for (const char* typed : {"0", "257", "x"}) {
        type(dialog, typed);
        prompt.answer(cmcPrompt::AnswerOk);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << typed;
        EXPECT_EQ(prompt.messages().back().text, "The numerical value is outside the range.");
    }
    EXPECT_EQ(settings.comPort, 3);
}

TEST_F(PortDialog, OkStoresTheNumberAndTheChosenDevice) {
    cuiComPortDialog dialog(settings, cmcGTex::app(), cable, nullptr);
    dialog.open();
    type(dialog, "12");
    auto* devices = dialog.findChild<QTreeWidget*>("Devices");
    ASSERT_EQ(devices->topLevelItemCount(), 3);
    EXPECT_EQ(devices->currentItem()->text(0), "/dev/ttyS11");
    // USB devices come first.
    EXPECT_EQ(devices->topLevelItem(1)->text(0), "/dev/ttyS0");
    devices->setCurrentItem(devices->topLevelItem(0));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.comPort, 12);
    EXPECT_EQ(settings.portDevice(12), "/dev/ttyUSB0");
}

TEST_F(PortDialog, AStoredDeviceThatIsAbsentIsKept) {
    settings.comPort = 2;
    settings.setPortDevice(2, "/dev/pts/77");
    cuiComPortDialog dialog(settings, cmcGTex::app(), cable, nullptr);
    dialog.open();
    dialog.accept();
    EXPECT_EQ(settings.portDevice(2), "/dev/pts/77");
    EXPECT_EQ(prompt.messages().size(), 0);
}

TEST(HelpTopics, LinksLeadToContextNumbers) {
    cmcGTex& topics = cmcHelpGTex::app();
    EXPECT_EQ(cmcHelpTopic::contextOf(topics, "CL_Mch_Freq", 3), 1);
    EXPECT_EQ(cmcHelpTopic::contextOf(topics, "CL_Mch_Freq", cmcPageIndex::AutoWritePage), 56);
    EXPECT_EQ(cmcHelpTopic::contextOf(topics, "CL_Misc_ChNo_1Base", 3), cmcHelpTopic::NoTopic);
    EXPECT_EQ(cmcHelpTopic::contextOf(topics, "", 3), cmcHelpTopic::NoTopic);
}

TEST(HelpPopup, SitsUnderThePointerAndNotLeftOfTheScreen) {
    EXPECT_EQ(cuiHtmlHelp::popupRect({400, 50}, 300, 300), QRect(250, 50, 300, 300));
    EXPECT_EQ(cuiHtmlHelp::popupRect({10, 50}, 300, 300), QRect(0, 50, 300, 300));
}

class Help : public FirstStart {
protected:
    void SetUp() override {
        storeEarlierRun([](indEnviron& earlier) {
            earlier.destination = 6;
            earlier.setupDone = 1;
        });
        start();
        window->openPage("[St_ColCut]GI_Sheet_MemoryCH,0,0");
    }
    cuiHelpPopup* popup() const { return window->findChild<cuiHelpPopup*>(); }
};

TEST_F(Help, F1OnACellShowsItsTopicInThePopup) {
    cuiSheet* page = window->page();
    ASSERT_NE(page, nullptr);
    const cmcCellObj& cell = page->cellAt(page->grid().currentColumn(), page->grid().currentRow());
    const int context =
        cmcHelpTopic::contextOf(cmcHelpGTex::app(), cmcCellNames::linkName(cell.link()), 0);
    ASSERT_NE(context, cmcHelpTopic::NoTopic);
    QTest::keyClick(&page->grid(), Qt::Key_F1);
    ASSERT_NE(popup(), nullptr);
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_TRUE(popup()->browser()->source().path().endsWith(QString("/%1.html").arg(context)));
    EXPECT_EQ(popup()->size(), QSize(300, 300));
    EXPECT_EQ(prompt.messages().size(), 0);
}

TEST_F(Help, ACellWithoutTopicSaysSo) {
    cmcCellObj cell;
    cell.parse("(%CL_Misc_ChNo_1Base)", nullptr, nullptr);
    prompt.answer(cmcPrompt::AnswerOk);
    window->showCellHelp(cell);
    EXPECT_EQ(lastMessage(), "No Help topic is associated with this item.");
    EXPECT_EQ(prompt.messages().back().icon, cmcPrompt::Exclamation);
    EXPECT_EQ(popup(), nullptr);
}

TEST_F(Help, ContentsOpenInTheHelpWindow) {
    window->showHelpContents();
    auto* help = window->findChild<cuiHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->source().path().endsWith("/MAVK_ENG/index.html"));
    EXPECT_FALSE(help->browser()->toPlainText().isEmpty());
}

TEST_F(Help, AMissingHelpFolderIsReportedByName) {
    QTemporaryDir empty;
    window->help().setSearchFolders({empty.path()});
    prompt.answer(cmcPrompt::AnswerOk);
    prompt.answer(cmcPrompt::AnswerOk);
    window->showHelpContents();
    cmcCellObj cell;
    cell.parse("(%CL_Mch_Freq)", nullptr, nullptr);
    window->showCellHelp(cell);
    ASSERT_EQ(prompt.messages().size(), 2);
    for (const cmcPrompt::Message& message : prompt.messages()) {
        EXPECT_EQ(message.text, "Cannot find the MAVK_ENG file.");
        EXPECT_EQ(message.icon, cmcPrompt::Stop);
    }
    EXPECT_EQ(window->findChild<cuiHelpWindow*>(), nullptr);
}

TEST(AboutBox, ShowsTitleRevisionAndYear) {
    cuiAboutBox box(cmcGTex::app(), nullptr);
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(box.windowTitle(), "About Mavik");
    EXPECT_TRUE(texts.contains("Mavik"));
    EXPECT_TRUE(texts.contains("Revision 1.0"));
    EXPECT_TRUE(texts.filter("2009").size() == 1);
    EXPECT_EQ(box.findChild<QPushButton*>()->text(), "OK");
}

} // namespace
