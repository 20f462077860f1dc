#include "CommonPageFixture.h"
#include "MemoryMap.h"
#include "cmcBankCaption.h"
#include "cmcBankNameCells.h"
#include "cmcCellNames.h"

#include <gtest/gtest.h>

namespace {

class BankNames : public testing::Test {
protected:
    CellProbe bank(int b) {
        return CellProbe(cells, "CL_Bank_Name[" + QByteArray::number(b) + "]");
    }
    QByteArray stored(int b) {
        QByteArray name;
        for (int i = 0; i < mm::NameSize; ++i)
            name.append(static_cast<char>(page.image().getByte(mm::bankName(b) + i)));
        return name;
    }

    CommonPageFixture page;
    CountingFallback fallback;
    cmcBankNameCells cells{page, fallback};
};

TEST_F(BankNames, AnEditIsStoredAsAChannelNameAndRenamesTheTreeNode) {
    page.image().setByte(mm::bankName(1) + 6, 0x5A);
    EXPECT_EQ(bank(1).edit("ai#r/x"), cmcCellHandler::Repaint);
    EXPECT_EQ(stored(1), "AI R/X");
    EXPECT_EQ(page.image().getByte(mm::bankName(1) + 6), 0x5A);
    ASSERT_EQ(page.seen().size(), 1u);
    EXPECT_EQ(page.seen()[0].id, cmcEventId::TreeCaption);
    EXPECT_EQ(page.seen()[0].second, 14);
    EXPECT_EQ(page.seen()[0].text, "B: AI R/X");
}

TEST_F(BankNames, NamesAreCutToSixAndPaddedWithBlanks) {
    CellProbe a = bank(0);
    a.edit("Marine band");
    EXPECT_EQ(stored(0), "MARINE");
    a.edit("ab");
    EXPECT_EQ(stored(0), "AB    ");
    EXPECT_EQ(a.shown(), "AB    ");
    EXPECT_EQ(a.key(datCellReq::KeyEnter), cmcCellHandler::OpenEditor);
    EXPECT_EQ(a.last.editorText, "AB");
}

TEST_F(BankNames, BankSixteenIsQOnPageTwentyNine) {
    bank(16).edit("fire");
    ASSERT_EQ(page.seen().size(), 1u);
    EXPECT_EQ(page.seen()[0].second, 29);
    EXPECT_EQ(page.seen()[0].text, "Q: FIRE  ");
    EXPECT_EQ(cmcBankCaption::letter(page.table(), 18), 'T');
}

TEST_F(BankNames, AnIndexOutsideTheBanksShowsAndChangesNothing) {
    const cmcEeprom before = page.image();
    EXPECT_EQ(bank(22).shown(), "");
    EXPECT_EQ(bank(22).edit("X"), cmcCellHandler::Nothing);
    EXPECT_EQ(bank(-1).edit("X"), cmcCellHandler::Nothing);
    EXPECT_TRUE(page.image() == before);
    EXPECT_TRUE(page.seen().empty());
}

TEST_F(BankNames, CaptionsOfAllBanksShowUnshowableBytesAsBlanks) {
    page.image().setByte(mm::bankName(21), 0x00);
    page.image().setByte(mm::bankName(21) + 1, 'Z');
    page.image().setByte(mm::bankName(21) + 2, 0xFF);
    cmcBankCaption::sendAll(page.events(), page.image(), page.table());
    ASSERT_EQ(page.seen().size(), 22u);
    for (int b = 0; b < 22; ++b)
        EXPECT_EQ(page.seen()[b].second, 13 + b);
    EXPECT_EQ(page.seen()[0].text, "A:       ");
    EXPECT_EQ(page.seen()[21].text, "Y:  Z    ");
}

// The bank name sheet of the definitions: 22 name cells, for banks 0 to 21 in order, all
// handled by the family.
TEST_F(BankNames, TheSheetsNameCellsAddressTheTwentyTwoBanks) {
    cmcCellObj::LoopVariables loop{};
    std::vector<int> banks;
    for (const QByteArray& line : page.table().listLines("GI_Sheet_BankName_Cells")) {
        for (const cmcCellObj& cell : cmcCellObj::parseLine(line, &loop, nullptr)) {
            if (cell.link() == cmcCellNames::CL_Bank_Name)
                banks.push_back(cell.index());
            else
                EXPECT_EQ(cell.link(), cmcCellNames::LinkNone);
        }
    }
    ASSERT_EQ(banks.size(), 22u);
    for (int b = 0; b < 22; ++b)
        EXPECT_EQ(banks[b], b);
    EXPECT_TRUE(cells.knows(cmcCellNames::CL_Bank_Name));
}

TEST_F(BankNames, OtherLinksGoToTheFallback) {
    CellProbe other(cells, "CL_Common_COMMENT");
    EXPECT_EQ(other.shown(), "fallback");
    other.edit("x");
    EXPECT_EQ(fallback.acted, 1);
}

} // namespace
