#include "TestTable.h"
#include "cmcCellNames.h"
#include "cmcFatal.h"
#include "cuiColumnWidths.h"
#include "cuiGrid.h"
#include "cuiSheet.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::string Basic = "{<-(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)}";

// A sheet "T" built from the given style line and cell lines.
struct Built {
    Built(const std::string& style, std::vector<std::string> cells, int indexBase = 0)
        : definitions(lines(style, std::move(cells))) {
        sheet = std::make_unique<cuiSheet>(nullptr, nullptr, 0, 0, definitions.reader(), "T");
        sheet->setIndexBase(indexBase);
        sheet->Show();
    }
    static std::vector<std::string> lines(const std::string& style,
                                          std::vector<std::string> cells) {
        std::vector<std::string> all{"#T_Style"};
        if (!style.empty())
            all.push_back(style);
        all.push_back("#T_BasicCell");
        all.push_back(Basic);
        all.push_back("#T_Cells");
        all.insert(all.end(), cells.begin(), cells.end());
        all.insert(all.end(), {"#", "#GI_CellWidthRegList", "T_Wide:wide", "#", "#GI_Sys_AppTitle",
                               "Mavik", "#End_Of_Ovl"});
        return all;
    }
    int rows() const { return sheet->matrix().rowCount(); }
    int columns() const { return sheet->matrix().columnCount(); }

    TestTable definitions;
    std::unique_ptr<cuiSheet> sheet;
};

TEST(cuiSheet, StyleWithoutValueLineGivesTheDefaults) {
    Built built("", {"{S}a|b"});
    const cuiSheet::Style& style = built.sheet->style();
    EXPECT_TRUE(style.title.isEmpty());
    EXPECT_EQ(style.fixedColumns, 0);
    EXPECT_EQ(style.fixedRows, 0);
    EXPECT_EQ(style.multiSelect, cuiSheet::SelectNone);
    EXPECT_FALSE(style.noPrint);
    EXPECT_TRUE(built.sheet->printable());
    EXPECT_EQ(built.columns(), 2);
}

TEST(cuiSheet, StyleKeysAreReadFromTheirGroups) {
    Built built("(TitleString= Memo)(TitleColor=clNavy)(TitleFont=,,clYellow,,16,fsBold,)"
                "(FixedCols=1)(FixedRows=9)(MultiSelect=Line)(ColSizing)(ColorSelectLine)"
                "(ColCutMenu)(NoPrint)(PrintFontRatio=80)",
                {"a|{S}b", "", "c|{S}d"});
    const cuiSheet::Style& style = built.sheet->style();
    EXPECT_EQ(style.title, " Memo");
    EXPECT_EQ(style.titleColour, 0x00800000u);
    ASSERT_TRUE(style.titleFont.has_value());
    EXPECT_EQ(style.titleFont->points, 16);
    EXPECT_EQ(style.multiSelect, cuiSheet::SelectLine);
    EXPECT_TRUE(style.columnSizing && style.colourSelectLine && style.columnCutMenu);
    EXPECT_FALSE(built.sheet->printable());
    EXPECT_EQ(style.printFontRatio, 80);
    // Fixed rows beyond the row count are cut to the row count - 1.
    EXPECT_EQ(built.sheet->grid().fixedRows(), 2);
    EXPECT_EQ(built.sheet->grid().fixedColumns(), 1);
}

TEST(cuiSheet, LoopsRepeatTheirBodyRows) {
    const struct {
        const char* directive;
        int rows;
    } cases[] = {{":(LoopFrom 0)", 3},
                 {":(LoopFrom 1)", 3},
                 {":(LoopFrom 26)", 28},
                 {":(LoopFrom 3):(LoopFrom 3)", 5},
                 {":(LoopFrom)", 3}};
    for (const auto& c : cases) {
        Built built(
            "", {"{(@ch0=0)}h", c.directive, "{S(%CL_Mch_Freq[@ch0])}x", ":(LoopTo)", "{S}last"});
        EXPECT_EQ(built.rows(), c.rows) << c.directive;
        for (int row = 1; row < c.rows - 1; ++row)
            EXPECT_EQ(built.sheet->cellAt(0, row).index(), row - 1) << c.directive;
    }
}

TEST(cuiSheet, EmptyLinesAreRowsAndTheIndexBaseShiftsEveryCell) {
    Built built("(FixedRows=2)",
                {"", "{(@ch0=0)}head", ":(LoopFrom 4)", "{S(%CL_Mch_Freq[@ch0])}x|y", ":(LoopTo)"},
                300);
    EXPECT_EQ(built.rows(), 6);
    EXPECT_EQ(built.columns(), 2);
    EXPECT_FALSE(built.sheet->cellAt(0, 0).hasText());
    EXPECT_EQ(built.sheet->cellAt(0, 2).index(), 300);
    EXPECT_EQ(built.sheet->cellAt(0, 5).index(), 303);
    EXPECT_EQ(built.sheet->basicCell().index(), 300);
    int column = -1;
    int row = -1;
    ASSERT_TRUE(built.sheet->findCell(cmcCellNames::CL_Mch_Freq, 302, column, row));
    EXPECT_EQ(row, 4);
    EXPECT_EQ(built.sheet->firstSelectableRow(), 2);
    EXPECT_EQ(built.sheet->grid().currentRow(), 2);
}

TEST(cuiSheet, WidthAndHeightFitTheLiteralTextAndRepeatedRowsKeepTheirHeight) {
    Built built("", {"{W}narrow|{WH}very much wider text\\nsecond line", "{W}x", ":(LoopFrom 3)",
                     "{H}y", ":(LoopTo)"});
    const cuiGrid& grid = built.sheet->grid();
    EXPECT_GT(grid.columnWidth(1), grid.columnWidth(0));
    EXPECT_GT(grid.columnWidth(0), 8);
    EXPECT_GT(grid.rowHeight(0), grid.rowHeight(2));
    EXPECT_EQ(grid.rowHeight(1), 1);
    EXPECT_EQ(grid.rowHeight(3), grid.rowHeight(2));
    EXPECT_EQ(grid.rowHeight(4), grid.rowHeight(2));
}

TEST(cuiSheetDeathTest, NoRowOrNoColumnIsFatal) {
    EXPECT_EXIT(Built("", {}), testing::ExitedWithCode(cmcFatal::ExitStatus),
                "Illegal Cell assign");
    EXPECT_EXIT(Built("", {"", ""}), testing::ExitedWithCode(cmcFatal::ExitStatus),
                "Illegal Cell assign");
    EXPECT_EXIT(Built("", {"a"}).sheet->cellAt(1, 0), testing::ExitedWithCode(cmcFatal::ExitStatus),
                "Illegal Cell selection");
}

TEST(cuiSheet, MemoryChannelSheetHasItsHeadersAndHundredChannels) {
    cuiSheet sheet(nullptr, nullptr, 0, 0, cmcGTex::app(), "GI_Sheet_MemoryCH");
    sheet.setCallArgument("[St_ColCut]GI_Sheet_MemoryCH,3,300");
    sheet.setIndexBase(300);
    sheet.Show();
    EXPECT_EQ(sheet.matrix().rowCount(), 105);
    // An empty column, the channel number and a spacer, then the 18 fields.
    EXPECT_EQ(sheet.matrix().columnCount(), 21);
    EXPECT_EQ(sheet.grid().fixedRows(), 5);
    EXPECT_EQ(sheet.grid().fixedColumns(), 3);
    EXPECT_EQ(sheet.style().title, " Memory CH");
    EXPECT_EQ(sheet.cellAt(3, 5).link(), cmcCellNames::CL_Mch_Freq);
    EXPECT_EQ(sheet.cellAt(3, 5).index(), 300);
    EXPECT_EQ(sheet.cellAt(3, 104).index(), 399);
    EXPECT_EQ(sheet.cellAt(3, 3).text(), "Operating\nFreq");
    EXPECT_EQ(sheet.grid().currentColumn(), 3);
    EXPECT_EQ(sheet.grid().currentRow(), 5);
}

TEST(cuiSheet, SavedCursorIsRestoredAndDroppedWhenOutside) {
    cuiSheet sheet(nullptr, nullptr, cmcCellNames::CL_Mch_Name, 7, cmcGTex::app(),
                   "GI_Sheet_MemoryCH");
    sheet.Show();
    int column = -1;
    int row = -1;
    ASSERT_TRUE(sheet.findCell(cmcCellNames::CL_Mch_Name, 7, column, row));
    EXPECT_EQ(sheet.grid().currentColumn(), column);
    EXPECT_EQ(sheet.grid().currentRow(), row);
    sheet.setSavedCursor({4, 62, 40, 3});
    sheet.Show();
    EXPECT_EQ(sheet.grid().currentRow(), 62);
    EXPECT_EQ(sheet.grid().currentColumn(), 4);
    sheet.setSavedCursor({4, 500, 5, 3});
    sheet.Show();
    EXPECT_EQ(sheet.grid().currentRow(), row);
}

class ColumnWidths : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        cuiColumnWidths::setFile(folder.filePath("Mavik.conf"));
    }
    void TearDown() override { cuiColumnWidths::setFile({}); }
    QTemporaryDir folder;
};

TEST_F(ColumnWidths, SelectableColumnsAreSavedLoadedAndReset) {
    cuiSheet sheet(nullptr, nullptr, 0, 0, cmcGTex::app(), "GI_Sheet_MemoryCH");
    sheet.setCallArgument("[St_ColCut]GI_Sheet_MemoryCH,0,0");
    sheet.Show();
    const int automatic = sheet.grid().columnWidth(4);
    {
        QSettings store(cuiColumnWidths::file(), QSettings::IniFormat);
        EXPECT_EQ(store.value("Display/memory/colwidth/4").toInt(), automatic);
        EXPECT_FALSE(store.contains("Display/memory/colwidth/0"));
        store.setValue("Display/memory/colwidth/4", 150);
        store.setValue("Display/memory/colwidth/0", 150);
        store.setValue("Display/scanedge/colwidth/3", 99);
    }
    sheet.Show();
    EXPECT_EQ(sheet.grid().columnWidth(4), 150);
    EXPECT_NE(sheet.grid().columnWidth(0), 150);

    sheet.setResetWidths(true);
    sheet.Show();
    EXPECT_EQ(sheet.grid().columnWidth(4), automatic);
    QSettings store(cuiColumnWidths::file(), QSettings::IniFormat);
    EXPECT_FALSE(store.contains("Display/scanedge/colwidth/3"));
    EXPECT_EQ(store.value("Display/memory/colwidth/4").toInt(), automatic);
}

TEST_F(ColumnWidths, StoreNamesComeFromTheRegisteredList) {
    cmcGTex& table = cmcGTex::app();
    EXPECT_EQ(cuiColumnWidths::storeName(table, "[St_CCBank]GI_Sheet_BankCH,13"), "bank");
    EXPECT_EQ(cuiColumnWidths::storeName(table, "GI_Sheet_AutoMWCH,46"), "automw");
    EXPECT_EQ(cuiColumnWidths::storeName(table, "GI_Sheet_Common"), "");
}

} // namespace
