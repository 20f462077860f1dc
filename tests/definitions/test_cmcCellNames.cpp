#include "cmcCellNames.h"

#include <gtest/gtest.h>

namespace {

TEST(cmcCellNames, LinkNumbersFollowTheListOrder) {
    const struct {
        const char* name;
        int number;
    } links[] = {{"CL_Null", 0},
                 {"Flex0", 1},
                 {"CL_Menu_Debug_Compare", 29},
                 {"CL_EeDebugWin_Adr", 34},
                 {"CL_EeDebugWin_9", 44},
                 {"CL_EeDebugWin_F", 50},
                 {"CallSheet", 51},
                 {"CL_Check_MemoryCH12", 64},
                 {"CL_Check_PEdge", 65},
                 {"CL_Check_BankCHR", 83},
                 {"CL_Check_BankCHY", 87},
                 {"CL_Check_AWCH", 88},
                 {"CL_CloneInfo_Esn", 96},
                 {"CL_Debug_ICS_LOAD", 101},
                 {"CL_PMenu_BankOff", 112},
                 {"CL_Misc_ChNo_PLink", 118},
                 {"CL_Mch_Select_ChNo", 139},
                 {"CL_Bank_Name", 140},
                 {"CL_PgSrch_ATT", 146},
                 {"CL_Pglink_Edge_B", 153},
                 {"CL_Common_COMMENT", 186},
                 {"CL_Menu_Edit_Redo", 188}};
    for (const auto& link : links) {
        EXPECT_EQ(cmcCellNames::linkNumber(link.name), link.number) << link.name;
        EXPECT_EQ(cmcCellNames::linkName(link.number), link.name);
    }
    for (int n = 0; n < cmcCellNames::LinkCount; ++n)
        EXPECT_EQ(cmcCellNames::linkNumber(cmcCellNames::linkName(n)), n);
    EXPECT_EQ(cmcCellNames::linkName(189), "");
    EXPECT_EQ(cmcCellNames::linkName(-1), "");
    EXPECT_EQ(cmcCellNames::linkNumber(""), cmcCellNames::LinkNone);
}

TEST(cmcCellNames, CategoryAndLinkNamesShareOneNameSpace) {
    EXPECT_EQ(cmcCellNames::categoryNumber("CT_Null"), 0);
    EXPECT_EQ(cmcCellNames::categoryNumber("CT_Amw"), 6);
    EXPECT_EQ(cmcCellNames::categoryNumber(""), cmcCellNames::CategoryNone);
    EXPECT_EQ(cmcCellNames::categoryNumber("CL_Mch_Freq"), 121);
    EXPECT_EQ(cmcCellNames::linkNumber("CT_Prog_Link"), 5);
}

TEST(cmcCellNames, CategoryGivesItsRecordKind) {
    const int kinds[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 0}};
    for (const auto& kind : kinds)
        EXPECT_EQ(cmcCellNames::recordKind(kind[0]), kind[1]) << kind[0];
}

TEST(cmcCellNames, ColourAndCharsetNames) {
    EXPECT_EQ(cmcCellNames::colour("clDkGray"), cmcCellNames::colour("clGray"));
    EXPECT_EQ(cmcCellNames::colour("clLtGray"), 0x00C0C0C0u);
    EXPECT_EQ(cmcCellNames::colour("clOlive"), 0x00008080u);
    EXPECT_EQ(cmcCellNames::colour("clHightlightText"), 0xFF00000Eu);
    EXPECT_EQ(cmcCellNames::colour("clBtnHighlight"), 0xFF000014u);
    EXPECT_FALSE(cmcCellNames::colour("clHighlightText"));
    EXPECT_FALSE(cmcCellNames::colour("clred"));
    EXPECT_EQ(cmcCellNames::charset("MAC_CHARSET"), 77);
    EXPECT_EQ(cmcCellNames::charset("OEM_CHARSET"), 255);
    EXPECT_FALSE(cmcCellNames::charset("KOI8_CHARSET"));
}

TEST(cmcCellNamesDeath, UnknownNamesAndCategoriesEndTheProgram) {
    EXPECT_EXIT(cmcCellNames::categoryNumber("CT_Nul"), testing::ExitedWithCode(3),
                "Cannot use the specified category\\.\n'CT_Nul'");
    EXPECT_EXIT(cmcCellNames::linkNumber("CL_Mch_Frequency"), testing::ExitedWithCode(3),
                "Cannot use the specified cell\\.\n'CL_Mch_Frequency'");
    EXPECT_EXIT(cmcCellNames::recordKind(8), testing::ExitedWithCode(3),
                "Unknown Cell Category\\.");
    EXPECT_EXIT(cmcCellNames::recordKind(121), testing::ExitedWithCode(3),
                "Unknown Cell Category\\.");
}

} // namespace
