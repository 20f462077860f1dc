#include "cmcCellObj.h"

#include <gtest/gtest.h>

namespace {

using Vars = cmcCellObj::LoopVariables;

cmcCellObj cell(QByteArrayView line, Vars* vars = nullptr, const cmcCellObj* parent = nullptr) {
    cmcCellObj result;
    result.parse(line, vars, parent);
    return result;
}

cmcCellObj withAttributes(QByteArrayView attributes) {
    cmcCellObj result;
    result.applyAttributes(attributes);
    return result;
}

TEST(cmcCellObj, LineSplitsAtUnescapedBarsOutsideDoubleByteCharacters) {
    Vars vars{};
    vars[0] = 7;
    const auto cells =
        cmcCellObj::parseLine("|{($iChN)^!B(@ch0=0)}Bank\t||{($iChI)}Name", &vars, nullptr);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_FALSE(cells[0].hasText());
    EXPECT_EQ(cells[1].text(), "Bank");
    EXPECT_FALSE(cells[1].bottomRule());
    EXPECT_EQ(cells[1].horizontalAlignment(), cmcCellObj::AlignCentre);
    EXPECT_FALSE(cells[2].hasText());
    EXPECT_EQ(cells[3].text(), "Name");
    EXPECT_EQ(vars[0], 0);

    const struct {
        const char* line;
        int count;
        const char* firstText;
    } lines[] = {{"", 0, ""},           {"A|", 1, "A"},
                 {"a\\|b|c", 2, "a|b"}, {"\x83|A|B", 2, "\x83|A"},
                 {"{S}X\t", 1, "X"},    {"\x83", 1, "\x83"}};
    for (const auto& line : lines) {
        EXPECT_EQ(cmcCellObj::countCells(line.line), line.count) << line.line;
        const auto parsed = cmcCellObj::parseLine(line.line, nullptr, nullptr);
        ASSERT_EQ(static_cast<int>(parsed.size()), line.count) << line.line;
        if (line.count) {
            EXPECT_EQ(parsed[0].text(), line.firstText) << line.line;
        }
    }
}

TEST(cmcCellObj, ParseReturnsTheRestAndSplitOnlyBuildsNothing) {
    cmcCellObj first;
    EXPECT_EQ(first.parse("{(%CL_NoSuchLink)}x|{S}y|z", nullptr, nullptr, true), "{S}y|z");
    EXPECT_EQ(first.link(), cmcCellNames::LinkNone);
    EXPECT_FALSE(first.hasText());
    EXPECT_EQ(first.parse("{S}y|z", nullptr, nullptr), "z");
    EXPECT_TRUE(first.selectable());
}

TEST(cmcCellObj, CellExamples) {
    Vars vars{};
    vars[0] = 42;
    const cmcCellObj freq = cell("{($eWh)>Q(%CL_Mch_Freq[@ch0])}9999.999999\t", &vars);
    EXPECT_EQ(freq.link(), cmcCellNames::CL_Mch_Freq);
    EXPECT_EQ(freq.index(), 42);
    EXPECT_EQ(freq.horizontalAlignment(), cmcCellObj::AlignRight);
    EXPECT_EQ(freq.verticalAlignment(), cmcCellObj::AlignBottom);
    EXPECT_EQ(freq.rightRule(), cmcCellObj::RuleLower);
    EXPECT_TRUE(freq.selectable() && freq.widens() && freq.heightens() && freq.bottomRule());
    EXPECT_EQ(freq.text(), "9999.999999");

    const cmcCellObj off = cell("{S(%Flex0[0]:)}OFF");
    EXPECT_TRUE(off.selectable());
    EXPECT_EQ(off.link(), cmcCellNames::Flex0);
    EXPECT_EQ(off.index(), 0);
    EXPECT_EQ(off.argument(), QByteArray(""));
    EXPECT_EQ(off.text(), "OFF");

    const cmcCellObj spanCell = cell("{+}\t\t");
    EXPECT_TRUE(spanCell.span());
    EXPECT_FALSE(spanCell.hasText());

    const cmcCellObj heading = cell("{($iChG)X}\\_Frequency\t\t\t");
    EXPECT_EQ(heading.text(), " Frequency");
    EXPECT_EQ(heading.rightRule(), cmcCellObj::RuleFull);
    EXPECT_EQ(heading.colour(), 0x00008000u);
    EXPECT_EQ(cell("{($iChI)X}Operating\\nFreq").text(), "Operating\nFreq");
}

TEST(cmcCellObj, Flags) {
    const struct {
        const char* attributes;
        quint8 look;
        quint8 state;
    } cases[] = {
        {"<", 0x00, 0},    {"^", 0x01, 0},
        {">", 0x02, 0},    {"~", 0x00, 0},
        {"-", 0x04, 0},    {"_", 0x08, 0},
        {"W", 0x10, 0},    {"H", 0x20, 0},
        {"+", 0x40, 0},    {"B", 0x80, 0},
        {"X", 0, 1},       {"Q", 0, 2},
        {"S", 0, 4},       {"T", 0, 8},
        {"XQ", 0, 2},      {"SWHT!S!W", 0x20, 8},
        {"+B!+!B", 0, 0},  {"X!Q", 0, 0},
        {"B^!B", 0x01, 0}, {">!^", 0x01, 0},
        {"! S", 0, 4},     {"!(Color=clRed)W", 0x10, 0},
        {"7 |W", 0x10, 0}, {"\\W", 0, 0},
        {"!\\WS", 0, 4},   {"\x83W", 0, 0},
        {"\x83WS", 0, 4},  {"!\x83WS", 0, 4},
    };
    for (const auto& c : cases) {
        const cmcCellObj result = withAttributes(c.attributes);
        EXPECT_EQ(result.lookFlags(), c.look) << c.attributes;
        EXPECT_EQ(result.stateFlags(), c.state) << c.attributes;
    }
    EXPECT_EQ(withAttributes("!(Color=clRed)W").colour(), 0x000000FFu);
}

TEST(cmcCellObj, Groups) {
    EXPECT_EQ(withAttributes("(Color=clRed)").colour(), 0x000000FFu);
    EXPECT_EQ(withAttributes("(Color=clRed)(Color=clNoSuch)").colour(), 0x000000FFu);
    EXPECT_EQ(withAttributes("(ImageIndex=12)").imageIndex(), 12);
    EXPECT_EQ(withAttributes("(ImageIndex 12)").imageIndex(), -1);
    EXPECT_EQ(withAttributes("(PopupMenu=GI_PMenu_UpDn)").popupMenu(), "GI_PMenu_UpDn");
    const cmcCellObj colCut = withAttributes("(ColCut_PopupMenu=GI_PMenu_Delete)");
    EXPECT_EQ(colCut.colCutPopupMenu(), "GI_PMenu_Delete");
    EXPECT_EQ(colCut.popupMenu(), "");
    EXPECT_TRUE(withAttributes("(Flag2=1)").flag(2));
    EXPECT_EQ(withAttributes("(Flag3=1)(Flag0=1)").stateFlags(), 0x90);
    const char* ignoredFlagGroups[] = {"(Flag1=1)(Flag1=0)", "(Flag4=1)", "(Flag1 1)",
                                       "(Flag1=2)",          "(Flag1=)",  "(Unknown=1)"};
    for (const char* group : ignoredFlagGroups)
        EXPECT_EQ(withAttributes(group).stateFlags(), 0) << group;
    EXPECT_EQ(withAttributes("($Basic)").popupMenu(), "GI_PMenu_Edit");
}

TEST(cmcCellObj, LinkGroups) {
    Vars vars{};
    vars[4] = 9;
    const struct {
        const char* group;
        int category;
        int link;
        int index;
        std::optional<QByteArray> argument;
    } cases[] = {
        {"(%CT_Conv.)", cmcCellNames::CT_Conv, cmcCellNames::LinkNone, 0, std::nullopt},
        {"(%CL_Menu_File_New:Ctrl+N)", 7, cmcCellNames::CL_Menu_File_New, 0, "Ctrl+N"},
        {"(%Flex0[2]:+DUP)", 7, cmcCellNames::Flex0, 2, "+DUP"},
        {"(%CallSheet:[St_ColCut]GI_Sheet_MemoryCH,0,0)", 7, cmcCellNames::CallSheet, 0,
         "[St_ColCut]GI_Sheet_MemoryCH,0,0"},
        {"(%CT_Null.CL_Misc_QuarterPillar)", 0, cmcCellNames::CL_Misc_QuarterPillar, 0,
         std::nullopt},
        {"(%CT_Amw.CL_Mch_Name[@ch4])", 6, cmcCellNames::CL_Mch_Name, 9, std::nullopt},
        {"(%.Flex0[-3])", 7, cmcCellNames::Flex0, -3, std::nullopt},
        {"(%Flex0[1]:6.25k)", 7, cmcCellNames::Flex0, 1, "6.25k"},
        {"(%Flex0[1]:6\\.25k)", 7, cmcCellNames::Flex0, 1, "6.25k"},
        {"(%Flex0:a\\\\b\\)c)", 7, cmcCellNames::Flex0, 0, "a\\b)c"},
        {"(%Flex0[1]x:ignored)", 7, cmcCellNames::Flex0, 1, std::nullopt},
        {"(%)", 7, cmcCellNames::LinkNone, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        const cmcCellObj result = cell(QByteArray("{") + c.group + "}", &vars);
        EXPECT_EQ(result.category(), c.category) << c.group;
        EXPECT_EQ(result.link(), c.link) << c.group;
        EXPECT_EQ(result.index(), c.index) << c.group;
        EXPECT_EQ(result.argument(), c.argument) << c.group;
    }
}

TEST(cmcCellObj, LoopStatementsAndTextExpressions) {
    Vars vars{};
    cell("{(@ch3=5)}", &vars);
    EXPECT_EQ(vars[3], 5);
    cell("{(@ch3\t++)}", &vars);
    EXPECT_EQ(vars[3], 6);
    cell("{(@ch3 = -2)(@ch3+)(@ch3)}", &vars);
    EXPECT_EQ(vars[3], -2);

    vars[0] = 9;
    vars[1] = 1234567;
    const struct {
        const char* text;
        const char* shown;
    } texts[] = {
        {"Ch\\(@ch0+1)", "Ch10"}, {"\\( @ch0 + 1 )x", "10x"},
        {"\\(@ch0)", "9"},        {"\\(@ch1)", "123456"},
        {"A\\(@ch0+1", "A10"},    {"a\\Nb", "a\nb"},
        {"\\_a\\_ \t", " a "},    {"\\x\\\\", "x\\"},
        {" \x01\t", ""},          {"{(@ch0++)}No.\\(@ch0)", "No.10"},
        {"\x82\\", "\x82\\"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(cell(t.text, &vars).text(), t.shown) << t.text;
        vars[0] = 9;
    }
}

TEST(cmcCellObj, InheritsLookAndLinkButNotText) {
    cmcCellObj basic;
    basic.parse("{($Basic)S(%CT_Conv.CL_Mch_Name[3]:arg)}Basic", nullptr, nullptr);
    const cmcFont* basicFont = basic.effectiveFont();
    ASSERT_NE(basicFont, nullptr);
    EXPECT_EQ(basicFont->height, -17);
    EXPECT_EQ(basicFont->charset, 1);

    const cmcCellObj plain = cell("Child", nullptr, &basic);
    EXPECT_TRUE(plain.selectable());
    EXPECT_EQ(plain.category(), cmcCellNames::CT_Conv);
    EXPECT_EQ(plain.link(), cmcCellNames::CL_Mch_Name);
    EXPECT_EQ(plain.index(), 3);
    EXPECT_EQ(plain.argument(), QByteArray("arg"));
    EXPECT_EQ(plain.text(), "Child");
    EXPECT_FALSE(plain.font());
    EXPECT_EQ(plain.effectiveFont(), basicFont);
    EXPECT_EQ(plain.popupMenu(), "GI_PMenu_Edit");
    EXPECT_FALSE(cell("", nullptr, &basic).hasText());

    const cmcCellObj green = cell("{(Font=,,clGreen,%200,,fsBold,)}", nullptr, &basic);
    ASSERT_TRUE(green.font());
    EXPECT_EQ(green.font()->height, -34);
    EXPECT_EQ(green.font()->colour, 0x00008000u);
    EXPECT_EQ(green.font()->styles, cmcFont::fsBold);
    EXPECT_EQ(cell("{(Font=ANSI_CHARSET,Arial,,%5,,,)}", nullptr, &basic).font()->height, 1);
    EXPECT_EQ(basicFont->height, -17);
    EXPECT_EQ(cell("{(Font=,,,,,,)}").font(), cmcFont());
}

TEST(cmcCellObj, EmptyPopupMenuOnTheBasicCellRemovesItForItsChildren) {
    cmcCellObj basic;
    basic.parse("{($Basic)($bMn)}", nullptr, nullptr);
    EXPECT_EQ(basic.colour(), 0xFF000004u);
    EXPECT_EQ(basic.popupMenu(), "");
    EXPECT_EQ(cell("x", nullptr, &basic).popupMenu(), "");
    EXPECT_EQ(cell("{(PopupMenu=GI_PMenu_Clear)}", nullptr, &basic).popupMenu(), "GI_PMenu_Clear");

    cmcCellObj named;
    named.parse("{(PopupMenu=GI_PMenu_UpDn)}", nullptr, nullptr);
    EXPECT_EQ(cell("{(PopupMenu=)}", nullptr, &named).popupMenu(), "GI_PMenu_UpDn");
}

TEST(cmcCellObj, ResetWithoutParentKeepsCategoryAndIndex) {
    cmcCellObj reused;
    reused.parse("{S^(%CT_Prog.CL_PgSrch_Name[4]:a)(ImageIndex=3)(Color=clRed)}t", nullptr,
                 nullptr);
    reused.parse("", nullptr, nullptr);
    EXPECT_EQ(reused.category(), cmcCellNames::CT_Prog);
    EXPECT_EQ(reused.index(), 4);
    EXPECT_EQ(reused.link(), cmcCellNames::LinkNone);
    EXPECT_EQ(reused.imageIndex(), -1);
    EXPECT_EQ(reused.lookFlags() | reused.stateFlags(), 0);
    EXPECT_EQ(reused.colour(), cmcCellNames::clWindow);
    EXPECT_FALSE(reused.argument());
    EXPECT_FALSE(reused.hasText());
}

TEST(cmcCellObjDeath, DefinitionErrorsEndTheProgram) {
    Vars vars{};
    const struct {
        const char* line;
        Vars* vars;
        const char* message;
    } cases[] = {
        {"{(@ch10=1)}", &vars, "Ch No\\. Error"},
        {"{(@cx0=1)}", &vars, "Ch No\\. Error"},
        {"{(@ch)}", &vars, "Ch No\\. Error"},
        {"{(@ch0=1)}", nullptr, "Ch No\\. Error"},
        {"{(%CL_Mch_Freq[@ch0])}", nullptr, "Ch No\\. Error"},
        {"\\(@ch0)", nullptr, "Ch No\\. Error"},
        {"\\(7)", &vars, "Ch No\\. Error"},
        {"{(%CT_Foo.CL_Mch_Freq)}", &vars, "Cannot use the specified category\\.\n'CT_Foo'"},
        {"{(%CL_Foo[1])}", &vars, "Cannot use the specified cell\\.\n'CL_Foo'"},
        {"{(%CL\\.Foo)}", &vars, "Cannot use the specified cell\\.\n'CL\\\\\\.Foo'"},
        {"{($NoSuchModel)}", &vars, "GTEX Error !\nThe index 'CellModel_NoSuchModel' was not"},
    };
    for (const auto& c : cases)
        EXPECT_EXIT(cell(c.line, c.vars), testing::ExitedWithCode(3), c.message) << c.line;
}

} // namespace
