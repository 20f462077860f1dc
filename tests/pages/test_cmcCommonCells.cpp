#include "CommonPageFixture.h"
#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcCommonCells.h"

#include <bit>
#include <gtest/gtest.h>

namespace {

constexpr int Block = mm::CommonBase;

class CommonCells : public testing::Test {
protected:
    uint8_t byte(int offset) { return page.image().getByte(Block + offset); }
    void setByte(int offset, uint8_t value) { page.image().setByte(Block + offset, value); }
    CellProbe probe(const char* link) { return CellProbe(cells, link); }

    CommonPageFixture page;
    CountingFallback fallback;
    cmcCommonCells cells{page, fallback, nullptr};
};

struct ListCase {
    const char* link;
    int offset;
    uint8_t mask;
    int code;
    QByteArray text;
};

// Every list setting, with the last or a telling choice of its list.
const ListCase ListCases[] = {
    {"CL_Common_Func_UD", 45, 0xFF, 2, "10M"},
    {"CL_Common_Power_Save", 50, 0xFF, 1, "Auto"},
    {"CL_Common_Dial_Func", 84, 0x10, 1, "Audio Volume"},
    {"CL_Common_Key_Beep", 47, 0xFF, 1, "ON"},
    {"CL_Common_Beep", 48, 0xFF, 0, "Volume"},
    {"CL_Common_Beep", 48, 0xFF, 40, "39"},
    {"CL_Common_Backlight", 49, 0xFF, 3, "Auto2"},
    {"CL_Common_CH_Disp", 84, 0x03, 3, "Memoy CH No."},
    {"CL_Common_AM_Antenna", 51, 0xFF, 1, "Bar"},
    {"CL_Common_FM_Antenna", 52, 0xFF, 1, "Earphone"},
    {"CL_Common_Remote_BaudRate", 67, 0xFF, 5, "Auto"},
    {"CL_Common_Remote_Tran", 68, 0xFF, 1, "ON"},
    {"CL_Common_Scan_PSkip", 85, 0x08, 1, "ON"},
    {"CL_Common_Pause_Timer", 58, 0xFF, 10, "Hold"},
    {"CL_Common_Resume_Timer", 59, 0xFF, 6, "Hold"},
    {"CL_Common_Stop_Beep", 60, 0xFF, 1, "ON"},
    {"CL_Common_Alert", 62, 0xFF, 1, "ON"},
    {"CL_Common_Set_Expand", 53, 0xFF, 1, "ON"},
    {"CL_Common_Key_Lock", 54, 0xFF, 3, "ALL"},
    {"CL_Common_Select_Speed", 55, 0xFF, 1, "ON"},
    {"CL_Common_Monitor_Hold", 56, 0xFF, 1, "Hold"},
    {"CL_Common_Auto_Power_Off", 57, 0xFF, 5, "Busy"},
    {"CL_Common_LCD_Contrast", 61, 0xFF, 4, "5"},
    {"CL_Common_AF_Filter_FM", 63, 0xFF, 1, "ON"},
    {"CL_Common_AF_Filter_WFM", 64, 0xFF, 1, "ON"},
    {"CL_Common_AF_Filter_AM", 65, 0xFF, 1, "ON"},
    {"CL_Common_Charge_Type", 69, 0xFF, 1, "Charge Type2"},
};

TEST_F(CommonCells, EveryListSettingStoresItsChoiceInItsFieldAndNothingElse) {
    for (const ListCase& c : ListCases) {
        setByte(c.offset, static_cast<uint8_t>(~c.mask));
        const cmcEeprom before = page.image();
        CellProbe cell = probe(c.link);
        EXPECT_EQ(cell.choose(c.code), cmcCellHandler::Repaint) << c.link;
        EXPECT_TRUE(cell.last.listSheet.isEmpty()) << c.link;
        const int shift = std::countr_zero(c.mask);
        EXPECT_EQ(byte(c.offset), uint8_t(~c.mask | (c.code << shift))) << c.link;
        EXPECT_EQ(cell.shown(), c.text) << c.link;
        cmcEeprom rest = page.image();
        rest.setByte(Block + c.offset, before.getByte(Block + c.offset));
        EXPECT_TRUE(rest == before) << c.link;
    }
}

TEST_F(CommonCells, MemoryDisplayTypeKeepsTheDialFunctionBit) {
    setByte(84, 0x10);
    probe("CL_Common_CH_Disp").choose(3);
    EXPECT_EQ(byte(84), 0x13);
    EXPECT_EQ(probe("CL_Common_Dial_Func").shown(), "Audio Volume");
    EXPECT_EQ(probe("CL_Common_CH_Disp").shown(), "Memoy CH No.");
}

TEST_F(CommonCells, EnterOpensTheListOnTheCurrentChoice) {
    setByte(58, 4);
    CellProbe cell = probe("CL_Common_Pause_Timer");
    EXPECT_EQ(cell.key(datCellReq::KeyEnter), cmcCellHandler::Nothing);
    EXPECT_EQ(cell.last.listSheet, "GI_Sheet_Sel_Common_PauseTimer");
    EXPECT_EQ(cell.last.listChoice, 4);
    EXPECT_EQ(byte(58), 4);
}

TEST_F(CommonCells, BlankAndBackspaceStepThroughTheChoicesInScreenOrder) {
    CellProbe beep = probe("CL_Common_Beep");
    setByte(48, 40); // "39", the last level before "Volume" on screen
    beep.key(' ');
    EXPECT_EQ(beep.shown(), "Volume");
    beep.key(' ');
    EXPECT_EQ(beep.shown(), "0");
    beep.key(8);
    EXPECT_EQ(byte(48), 0);
    CellProbe display = probe("CL_Common_CH_Disp");
    setByte(84, 0x13);
    display.key(' ');
    EXPECT_EQ(byte(84), 0x10);
}

TEST_F(CommonCells, AChoiceFromAnotherSheetThanAListChangesNothing) {
    setByte(45, 1);
    CellProbe cell = probe("CL_Common_Func_UD");
    cell.edit("2");
    cell.key('2');
    EXPECT_EQ(byte(45), 1);
}

TEST_F(CommonCells, WeatherChannelIsShownFromOneAndGreyWhileTheAlertIsOff) {
    CellProbe channel = probe("CL_Common_WXCH");
    setByte(91, 0);
    setByte(62, 0);
    EXPECT_EQ(channel.shown(), "1");
    EXPECT_EQ(channel.shownRequest().textColour, 0x00C0C0C0u);
    setByte(91, 9);
    setByte(62, 1);
    EXPECT_EQ(channel.shown(), "10");
    EXPECT_EQ(channel.shownRequest().textColour, 0u);
}

TEST_F(CommonCells, SwitchingTheAlertRedrawsTheWeatherChannel) {
    setByte(62, 0);
    probe("CL_Common_Alert").choose(1);
    ASSERT_EQ(page.seen().size(), 1u);
    EXPECT_EQ(page.seen()[0].id, cmcEventId::RedrawLink);
    EXPECT_EQ(page.seen()[0].first, cmcCellNames::CL_Common_WXCH);
    probe("CL_Common_Alert").choose(1);
    EXPECT_EQ(page.seen().size(), 1u);
}

struct TypedCase {
    QByteArray typed;
    int stored; // -1: unchanged
};

TEST_F(CommonCells, WeatherChannelTakesOneToTenAndLimitsOthersToTheNearerEnd) {
    const TypedCase cases[] = {
        {"5", 4},    {" 7 ", 6}, {"0", 0},   {"-3", 0}, {"11", 9},   {"99999999999999999999", 9},
        {"abc", -1}, {"", -1},   {"5x", -1}, {"+", -1}, {"1.5", -1},
    };
    CellProbe channel = probe("CL_Common_WXCH");
    for (const TypedCase& c : cases) {
        setByte(91, 2);
        const int result = channel.edit(c.typed);
        EXPECT_EQ(byte(91), c.stored < 0 ? 2 : c.stored) << c.typed.constData();
        EXPECT_EQ(result, c.stored < 0 ? cmcCellHandler::Nothing : cmcCellHandler::Repaint);
    }
}

TEST_F(CommonCells, RemoteAddressIsTwoHexDigitsFromOneToDF) {
    const TypedCase cases[] = {
        {"e0", 0xDF},  {"1", 0x01},   {"0", 0x01}, {"7f", 0x7F}, {"00DF", 0xDF},
        {"1ff", 0xDF}, {"a-b", 0xAB}, {"zz", -1},  {"", -1},
    };
    CellProbe address = probe("CL_Common_Remote_Address");
    for (const TypedCase& c : cases) {
        setByte(66, 0x42);
        address.edit(c.typed);
        EXPECT_EQ(byte(66), c.stored < 0 ? 0x42 : c.stored) << c.typed.constData();
    }
    address.edit("1");
    EXPECT_EQ(address.shown(), "01");
}

TEST_F(CommonCells, TypingOrEnterOpensTheEditorOfTextAndNumberCells) {
    setByte(66, 0x9A);
    CellProbe address = probe("CL_Common_Remote_Address");
    EXPECT_EQ(address.key(datCellReq::KeyEnter), cmcCellHandler::OpenEditor);
    EXPECT_EQ(address.last.editorText, "9A");
    EXPECT_EQ(address.last.selectionLength, 2);
    EXPECT_EQ(address.key('e'), cmcCellHandler::OpenEditor);
    EXPECT_EQ(address.last.editorText, "e");
    EXPECT_EQ(address.last.selectionStart, 1);
    EXPECT_EQ(address.key(datCellReq::KeyF1), cmcCellHandler::Nothing);
    EXPECT_EQ(byte(66), 0x9A);
}

TEST_F(CommonCells, CommentKeepsSixteenShowableCharactersAndSmallLetters) {
    CellProbe comment = probe("CL_Common_COMMENT");
    comment.edit("Home\tscanner \xe9~");
    EXPECT_EQ(page.image().getByte(mm::Comment + 4), ' ');
    EXPECT_EQ(comment.shown(), "Home scanner  ~ ");
    page.image().setByte(mm::bankName(0), 'Q');
    comment.edit("0123456789abcdefXYZ");
    EXPECT_EQ(comment.shown(), "0123456789abcdef");
    EXPECT_EQ(page.image().getByte(mm::bankName(0)), 'Q');
    comment.key(datCellReq::KeyEnter);
    EXPECT_EQ(comment.last.editorText, "0123456789abcdef");
}

TEST_F(CommonCells, UnshowableCommentBytesAreShownAsBlanks) {
    page.image().setByte(mm::Comment, 0x07);
    page.image().setByte(mm::Comment + 1, 0xFF);
    page.image().setByte(mm::Comment + 2, 'k');
    EXPECT_EQ(probe("CL_Common_COMMENT").shown().left(3), "  k");
}

TEST_F(CommonCells, LinksOfOtherFamiliesGoToTheFallback) {
    CellProbe other = probe("CL_Mch_Freq");
    EXPECT_EQ(other.shown(), "fallback");
    EXPECT_EQ(other.key(datCellReq::KeyEnter), cmcCellHandler::Repaint);
    EXPECT_EQ(other.choose(1), cmcCellHandler::Repaint);
    cmcCellObj menu;
    cells.refresh(menu);
    EXPECT_EQ(fallback.shown, 1);
    EXPECT_EQ(fallback.acted, 2);
    EXPECT_EQ(fallback.refreshed, 1);
}

} // namespace
