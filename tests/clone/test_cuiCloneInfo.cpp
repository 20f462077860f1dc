#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cuiCloneInfo.h"
#include "cuiGrid.h"
#include "cuiSheet.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray knownRecord() {
    QByteArray record(35, char(0xFF));
    record[0] = 35;
    record[1] = 1;
    record.replace(2, 16,
                   QByteArray("BASE\x07"
                              "CAMP")
                       .leftJustified(16, ' '));
    record[18] = char(0x10 | 0x02);
    record[19] = 0x01;
    record[20] = 0x05;
    record[21] = 0x00;
    record[22] = 0x12;
    record[23] = char(0xAB);
    record[24] = char(0xCD);
    return record;
}

QString shown(cuiCloneInfo& window, int link) {
    int column = -1;
    int row = -1;
    if (!window.sheet().findCell(link, 0, column, row))
        return "(no cell)";
    datCellReq request = window.sheet().request(column, row);
    return window.sheet().shownText(request);
}

class CloneInfo : public testing::Test {
protected:
    void SetUp() override {
        owner.resize(640, 480);
        owner.show();
    }
    QWidget owner;
    cuiCloneInfo window{cmcGTex::app(), &owner};
};

TEST_F(CloneInfo, ShowsTheFieldsOfTheRecord) {
    window.showRecord(knownRecord());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Mavik");
    EXPECT_EQ(window.sheet().key(), "GI_Sheet_CloneInfo");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Comment), "BASE CAMP");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Destination), "2");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Rx_Expansion), "OFF");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_FccInh), "ON");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Rev), "1.05");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Esn), "0012ABCD");
}

TEST_F(CloneInfo, WithoutARecordTheFieldsAreUnknown) {
    window.showRecord({});
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Comment), "");
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Rev), "Unknown");
    window.showRecord(knownRecord());
    EXPECT_EQ(shown(window, cmcCellNames::CL_CloneInfo_Rev), "1.05");
}

TEST_F(CloneInfo, SizedToTheWholeSheet) {
    window.showRecord(knownRecord());
    const cuiGrid& grid = window.sheet().grid();
    EXPECT_GE(grid.width(), grid.naturalSize().width());
    EXPECT_GE(grid.height(), grid.naturalSize().height());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
}

TEST_F(CloneInfo, ClosedByItsButtonOrEscape) {
    window.showRecord(knownRecord());
    EXPECT_EQ(window.closeButton().text(), "Close");
    QTest::mouseClick(&window.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.showRecord(knownRecord());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
