#include "cmcCellObj.h"
#include "cmcCloneInfoCells.h"
#include "cmcGTex.h"
#include "datCellReq.h"

#include <gtest/gtest.h>

namespace {

// The record of a receiver with a comment holding a tab, destination 6, reception expansion on,
// cellular setting not blocked, revision 1.05 and serial number 0012ABCD.
QByteArray knownRecord() {
    QByteArray record(35, char(0xFF));
    record[0] = 35;
    record[1] = 1;
    const QByteArray comment("HOME\tSCANNER   ");
    record.replace(2, 16, comment.leftJustified(16, ' '));
    record[18] = char(0x20 | 0x06);
    record[19] = 0x01;
    record[20] = 0x05;
    record[21] = 0x00;
    record[22] = 0x12;
    record[23] = char(0xAB);
    record[24] = char(0xCD);
    return record;
}

// What a cell linked as the clone information sheet links it shows.
QByteArray shown(cmcCloneInfoCells& cells, const char* link) {
    cmcCellObj cell;
    cell.applyAttributes(QByteArray("S(%CT_Null.") + link + ")");
    datCellReq request;
    request.cell = &cell;
    return cells.shownText(request);
}

struct FieldCase {
    const char* link;
    QByteArray withRecord;
    QByteArray withoutRecord;
};

TEST(cmcCloneInfoCells, FieldsOfTheRecordAndOfNoRecord) {
    const FieldCase cases[] = {
        {"CL_CloneInfo_Comment", "HOME SCANNER", ""},
        {"CL_CloneInfo_Destination", "6", "Unknown"},
        {"CL_CloneInfo_Rx_Expansion", "ON", "Unknown"},
        {"CL_CloneInfo_FccInh", "OFF", "Unknown"},
        {"CL_CloneInfo_Rev", "1.05", "Unknown"},
        {"CL_CloneInfo_Esn", "0012ABCD", "Unknown"},
    };
    cmcCloneInfoCells cells(cmcGTex::app());
    for (const FieldCase& c : cases)
        EXPECT_EQ(shown(cells, c.link), c.withoutRecord) << c.link;
    cells.setRecord(knownRecord());
    for (const FieldCase& c : cases)
        EXPECT_EQ(shown(cells, c.link), c.withRecord) << c.link;
}

TEST(cmcCloneInfoCells, FlagsFollowTheirOwnBits) {
    cmcCloneInfoCells cells(cmcGTex::app());
    QByteArray record = knownRecord();
    record[18] = char(0x10 | 0x0F);
    cells.setRecord(record);
    EXPECT_EQ(shown(cells, "CL_CloneInfo_Rx_Expansion"), "OFF");
    EXPECT_EQ(shown(cells, "CL_CloneInfo_FccInh"), "ON");
    EXPECT_EQ(shown(cells, "CL_CloneInfo_Destination"), "15");
}

TEST(cmcCloneInfoCells, CommentOfNonPrintablesAndRevisionOfTwoDigitsEach) {
    cmcCloneInfoCells cells(cmcGTex::app());
    QByteArray record = knownRecord();
    record.replace(2, 16,
                   QByteArray("\x01"
                              "A\x7F"
                              "B") +
                       QByteArray(12, char(0xFF)));
    record[19] = 0x12;
    record[20] = 0x30;
    cells.setRecord(record);
    EXPECT_EQ(shown(cells, "CL_CloneInfo_Comment"), " A B");
    EXPECT_EQ(shown(cells, "CL_CloneInfo_Rev"), "12.30");
}

TEST(cmcCloneInfoCells, AShortRecordCountsAsNone) {
    cmcCloneInfoCells cells(cmcGTex::app());
    cells.setRecord(knownRecord().left(34));
    EXPECT_FALSE(cells.hasRecord());
    EXPECT_EQ(shown(cells, "CL_CloneInfo_Esn"), "Unknown");
}

} // namespace
