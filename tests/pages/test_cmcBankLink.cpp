#include "CommonPageFixture.h"
#include "MemoryMap.h"
#include "cmcCommonCells.h"
#include "cmcFBitsDialog.h"
#include "cmcFBitsR.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int AH = mm::BankLinkFlags;
constexpr int QY = mm::BankLinkFlags + 2;

// Stands in for the bank link dialog: does what the test says with the bits, then closes with
// OK or Cancel.
class ScriptedDialog : public cmcFBitsDialog {
public:
    bool run(cmcFBitsR& bits) override {
        ++runs;
        if (action)
            action(bits);
        return ok;
    }
    std::function<void(cmcFBitsR&)> action;
    bool ok = true;
    int runs = 0;
};

class BankLink : public testing::Test {
protected:
    uint8_t byte(int address) { return page.image().getByte(address); }
    void setByte(int address, uint8_t value) { page.image().setByte(address, value); }

    CommonPageFixture page;
    CountingFallback fallback;
    ScriptedDialog dialog;
    cmcCommonCells cells{page, fallback, &dialog};
    CellProbe first{cells, "CL_Common_BankLink_AH"};
    CellProbe second{cells, "CL_Common_BankLink_IP"};
    CellProbe third{cells, "CL_Common_BankLink_QY"};
};

TEST_F(BankLink, CellsShowTheLettersOfLinkedBanks) {
    setByte(AH, 0x0B);
    setByte(AH + 1, 0x80);
    setByte(QY, 0xE1);
    EXPECT_EQ(first.shown(), "AB_D____");
    EXPECT_EQ(second.shown(), "_______P");
    EXPECT_EQ(third.shown(), "Q____Y");
}

TEST_F(BankLink, ALetterOfTheGroupTogglesItsBankInEitherCase) {
    setByte(AH, 0);
    EXPECT_EQ(first.key('c'), cmcCellHandler::Repaint);
    EXPECT_EQ(byte(AH), 0x04);
    first.key('c');
    EXPECT_EQ(byte(AH), 0x00);
    third.key('T');
    EXPECT_EQ(byte(QY) & 0x3F, 0x04);
    EXPECT_EQ(first.key('I'), cmcCellHandler::Nothing);
    EXPECT_EQ(third.key('S'), cmcCellHandler::Nothing);
    EXPECT_EQ(byte(AH), 0x00);
}

TEST_F(BankLink, BlankLinksAllBanksOfTheGroupOnlyWhenNoneIsLinked) {
    setByte(AH, 0x01);
    first.key(' ');
    EXPECT_EQ(byte(AH), 0x00);
    first.key(' ');
    EXPECT_EQ(byte(AH), 0xFF);
}

TEST_F(BankLink, TheLastGroupKeepsTheTwoBitsAboveIt) {
    setByte(QY, 0x80);
    third.key(' ');
    EXPECT_EQ(byte(QY), 0xBF);
    third.key(' ');
    EXPECT_EQ(byte(QY), 0x80);
    setByte(QY, 0x41);
    third.key(8);
    EXPECT_EQ(byte(QY), 0x7E);
}

TEST_F(BankLink, BackspaceInvertsTheGroup) {
    setByte(AH + 1, 0x0F);
    second.key(8);
    EXPECT_EQ(byte(AH + 1), 0xF0);
}

TEST_F(BankLink, EnterEditsTheGroupInTheDialogAndOkAppliesIt) {
    setByte(QY, 0xC1);
    dialog.action = [](cmcFBitsR& bits) {
        EXPECT_EQ(bits.count(), 6);
        EXPECT_EQ(bits.letters(), "QRTUWY");
        EXPECT_TRUE(bits.bit(0));
        bits.toggle(0);
        bits.toggle(5);
    };
    EXPECT_EQ(third.key(datCellReq::KeyEnter), cmcCellHandler::Repaint);
    EXPECT_EQ(dialog.runs, 1);
    EXPECT_EQ(byte(QY), 0xE0);
}

TEST_F(BankLink, CancelDropsTheEditedBits) {
    setByte(AH, 0x05);
    dialog.ok = false;
    dialog.action = [](cmcFBitsR& bits) { bits.toggle(1); };
    first.key(datCellReq::KeyEnter);
    EXPECT_EQ(dialog.runs, 1);
    EXPECT_EQ(byte(AH), 0x05);
}

TEST(BankLinkWithoutDialog, EnterDoesNothing) {
    CommonPageFixture page;
    CountingFallback fallback;
    cmcCommonCells cells(page, fallback, nullptr);
    CellProbe first(cells, "CL_Common_BankLink_AH");
    page.image().setByte(AH, 0x03);
    EXPECT_EQ(first.key(datCellReq::KeyEnter), cmcCellHandler::Nothing);
    EXPECT_EQ(page.image().getByte(AH), 0x03);
}

// The dialog's sheet: a header cell per bank naming its letter, a data cell per bank with its
// bit as "ON" or "OFF".
class BankLinkSheet : public testing::Test {
protected:
    CommonPageFixture page;
    cmcFCache lists{page.table()};
};

TEST_F(BankLinkSheet, CellsShowLettersAndBitsOfTheGroupOnly) {
    page.image().setByte(QY, 0xC2);
    cmcFBitsR fresh(page.image(), QY, "QRTUWY", lists);
    CellProbe rBit(fresh, "CT_Null.CL_FBits[1]");
    CellProbe qBit(fresh, "CT_Null.CL_FBits[0]");
    CellProbe beyond(fresh, "CT_Null.CL_FBits[6]");
    CellProbe tLetter(fresh, "CT_Null.CL_FBits[2]:Letter");
    EXPECT_EQ(rBit.shown(), "ON");
    EXPECT_EQ(qBit.shown(), "OFF");
    EXPECT_EQ(tLetter.shown(), "T");
    EXPECT_EQ(beyond.shown(), "");
    EXPECT_EQ(beyond.key(datCellReq::KeyEnter), cmcCellHandler::Nothing);
}

TEST_F(BankLinkSheet, TogglingACellChangesOnlyTheEditedBitsUntilAccepted) {
    page.image().setByte(QY, 0x80);
    cmcFBitsR edit(page.image(), QY, "QRTUWY", lists);
    CellProbe wBit(edit, "CT_Null.CL_FBits[4]");
    EXPECT_EQ(wBit.key(datCellReq::KeyMouse), cmcCellHandler::Repaint);
    EXPECT_EQ(wBit.shown(), "ON");
    CellProbe(edit, "CT_Null.CL_FBits[0]").key(' ');
    EXPECT_EQ(CellProbe(edit, "CT_Null.CL_FBits[0]:Letter").key(' '), cmcCellHandler::Nothing);
    EXPECT_EQ(page.image().getByte(QY), 0x80);
    edit.accept();
    EXPECT_EQ(page.image().getByte(QY), 0x91);
}

} // namespace
