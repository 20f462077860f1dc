#include "ListPagesFixture.h"
#include "cmcAutoWriteOrder.h"
#include "cmcPageIndex.h"

namespace {

using namespace listpages;

const QByteArray Slot = "CT_Amw";

class AutoWritePageTest : public ListPage {
protected:
    void SetUp() override {
        open(cmcPageIndex::AutoWritePage);
        // The receiver wrote slots 17, 4 and 150, in that order; an older entry sits before a
        // gap and is no longer in the list.
        const int order[] = {9, 200, 17, 4, 150};
        for (int i = 0; i < 5; ++i)
            data->image().setByte(mm::AutoWriteOrderEnd - 4 + i, uint8_t(order[i]));
        putSlot(17, 120000000);
        putSlot(4, 121000000);
        putSlot(150, 122000000);
        putSlot(9, 123000000);
    }

    void putSlot(int number, uint32_t frequency) {
        datCh s(&data->image());
        s.reset();
        s.frequency = frequency;
        s.mode = datCh::ModeAM;
        s.store(datCh::KindAutoWrite, number);
    }
    QByteArray shown(int link, int row) { return drawn(Slot, link, row).editorText; }
};

TEST_F(AutoWritePageTest, TheRowsShowTheSlotsOfTheOrdersLastRun) {
    EXPECT_EQ(cmcAutoWriteOrder::length(data->image()), 3);
    EXPECT_EQ(shown(N::CL_Mch_Freq, 0), "120.000000");
    EXPECT_EQ(shown(N::CL_Mch_Freq, 1), "121.000000");
    EXPECT_EQ(shown(N::CL_Mch_Freq, 2), "122.000000");
    EXPECT_EQ(shown(N::CL_Mch_Mode, 2), "AM");
    for (int row : {3, 4, 100, 199}) {
        EXPECT_EQ(shown(N::CL_Mch_Freq, row), "") << row;
        EXPECT_EQ(shown(N::CL_Mch_Mode, row), "") << row;
    }
    EXPECT_EQ(shown(N::CL_Mch_Freq, 200), "fallback");
}

TEST_F(AutoWritePageTest, AnOrderEndingInNoSlotShowsNothing) {
    data->image().setByte(mm::AutoWriteOrderEnd, 255);
    EXPECT_EQ(cmcAutoWriteOrder::length(data->image()), 0);
    EXPECT_EQ(shown(N::CL_Mch_Freq, 0), "");
    // A full list starts at its first entry.
    for (int i = 0; i < mm::AutoWriteChannels; ++i)
        data->image().setByte(mm::AutoWriteOrder + i, uint8_t(199 - i));
    EXPECT_EQ(cmcAutoWriteOrder::slotAt(data->image(), 0), 199);
    EXPECT_EQ(cmcAutoWriteOrder::slotAt(data->image(), 199), 0);
    EXPECT_EQ(cmcAutoWriteOrder::slotAt(data->image(), 200), cmcAutoWriteOrder::NoSlot);
}

TEST_F(AutoWritePageTest, NoKeyOpensAnEditorAndNoChoiceChangesASlot) {
    const cmcEeprom before = data->image();
    for (int link : {N::CL_Mch_Freq, N::CL_Mch_Mode, N::CL_Mch_Name})
        for (int row : {0, 5})
            for (int key : {int(datCellReq::KeyEnter), int('1'), int(' '), 8}) {
                datCellReq answer;
                EXPECT_EQ(press(Slot, link, row, key, &answer), cmcCellHandler::Nothing);
                EXPECT_TRUE(answer.listSheet.isEmpty());
                EXPECT_FALSE(answer.moveRequested);
            }
    EXPECT_EQ(edit(Slot, N::CL_Mch_Freq, 0, "145.0"), cmcCellHandler::Nothing);
    EXPECT_EQ(edit(Slot, N::CL_Mch_Freq, 5, "145.0"), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(Slot, N::CL_Mch_Mode, 0, datCh::ModeFM), cmcCellHandler::Nothing);
    EXPECT_EQ(data->image(), before);
    EXPECT_TRUE(data->sent.empty());
    EXPECT_TRUE(fallback.acted.empty());
}

TEST_F(AutoWritePageTest, CopyAndFunctionKeysGoToTheFallback) {
    datCellReq copy = request(Slot, N::CL_Mch_Freq, 1);
    copy.commandLink = N::CL_PMenu_Copy;
    EXPECT_EQ(page->act(copy), cmcCellHandler::Repaint);
    EXPECT_EQ(press(Slot, N::CL_Mch_Mode, 1, datCellReq::KeyF1), cmcCellHandler::Repaint);
    EXPECT_EQ(fallback.acted, std::vector<int>({N::CL_Mch_Freq, N::CL_Mch_Mode}));
    EXPECT_EQ(shown(N::CL_Misc_ChNo_0Base, 1), "fallback");
}

TEST(ListPageCells, EveryListPageHasItsFamilyAndNoOtherPageHasOne) {
    listpages::ListPageData data(1);
    listpages::Fallback fallback;
    for (int index = 0; index <= 48; ++index)
        EXPECT_EQ(cmcListPageCells::create(index, data, fallback) != nullptr, index != 47) << index;
    EXPECT_EQ(cmcListPageCells::create(-1, data, fallback), nullptr);
    EXPECT_EQ(cmcListPageCells::create(49, data, fallback), nullptr);
}

} // namespace
