#include "RowsFixture.h"

namespace {

using namespace rows;
using K = datCh::Kind;

class ListRows : public Rows {};

TEST_F(ListRows, CopyTenToNineteenPastedAt95AsksOverflowAndFillsOnlyToThePageEnd) {
    for (int n = 10; n <= 19; ++n)
        put(n, tagged(n));
    put(100, tagged(100));
    datRowContext copy = at(K::KindMemory, 10, 10, 19);
    ASSERT_TRUE(run(N::CL_PMenu_Copy, copy));
    EXPECT_TRUE(copy.reselect);
    EXPECT_EQ(copy.reselectFirst, 10);
    EXPECT_EQ(copy.reselectLast, 19);
    EXPECT_EQ(clip.count(), 10);

    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext paste = at(K::KindMemory, 95);
    ASSERT_TRUE(run(N::CL_PMenu_Paste, paste));
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Overflow_Paste"});
    for (int n = 95; n <= 99; ++n)
        EXPECT_EQ(frequencyOf(n), tagged(n - 85)) << n;
    EXPECT_EQ(frequencyOf(100), tagged(100));
    EXPECT_EQ(paste.reselectFirst, 95);
    EXPECT_EQ(paste.reselectLast, 99);
    EXPECT_EQ(statusTexts, (QByteArrayList{" Copied", " Pasted"}));
    EXPECT_TRUE(sent(cmcEventId::ChannelsChanged));
}

TEST_F(ListRows, PasteOntoEmptyRowsAsksNothingOntoAUsedRowAsksOverwrite) {
    put(10, tagged(10));
    put(11, tagged(11));
    datRowContext copy = at(K::KindMemory, 10, 10, 11);
    run(N::CL_PMenu_Copy, copy);
    datRowContext onEmpty = at(K::KindMemory, 40);
    run(N::CL_PMenu_Paste, onEmpty);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_EQ(frequencyOf(41), tagged(11));
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext onUsed = at(K::KindMemory, 11);
    run(N::CL_PMenu_Paste, onUsed);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Overwrite"});
    EXPECT_EQ(frequencyOf(11), tagged(10));
    EXPECT_EQ(frequencyOf(12), tagged(11));
}

TEST_F(ListRows, InsertPushesTheUsedLastChannelOutOfThePageOnly) {
    put(50, tagged(50));
    put(98, tagged(98));
    put(100, tagged(100));
    datRowContext quiet = at(K::KindMemory, 50);
    run(N::CL_PMenu_Insert, quiet);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_EQ(frequencyOf(50), 0u);
    EXPECT_EQ(frequencyOf(51), tagged(50));
    EXPECT_EQ(frequencyOf(99), tagged(98));

    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext pushing = at(K::KindMemory, 60, 60, 61);
    run(N::CL_PMenu_Insert, pushing);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Overflow"});
    EXPECT_EQ(frequencyOf(99), 0u);
    EXPECT_EQ(frequencyOf(51), tagged(50));
    EXPECT_EQ(frequencyOf(100), tagged(100));
    EXPECT_TRUE(pushing.reselect);
    EXPECT_EQ(pushing.reselectFirst, 60);
    EXPECT_EQ(statusTexts.back(), " Inserted");
}

TEST_F(ListRows, DeleteMovesTheRestOfThePageUp) {
    for (int n : {50, 51, 99, 100})
        put(n, tagged(n));
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext row = at(K::KindMemory, 50);
    row.select(50, 50);
    run(N::CL_PMenu_Delete, row);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Delete"});
    EXPECT_EQ(frequencyOf(50), tagged(51));
    EXPECT_EQ(frequencyOf(98), tagged(99));
    EXPECT_EQ(frequencyOf(99), 0u);
    EXPECT_EQ(frequencyOf(100), tagged(100));
    EXPECT_TRUE(row.dropSelection);
    EXPECT_EQ(row.cursor, 50);
    EXPECT_EQ(statusTexts.back(), " Deleted");

    datRowContext emptyRows = at(K::KindMemory, 70, 70, 75);
    run(N::CL_PMenu_Delete, emptyRows);
    EXPECT_EQ(asked().size(), 1); // no second question
}

TEST_F(ListRows, MoveUpAndDownCarryTheBlockPastItsNeighbour) {
    for (int n = 19; n <= 23; ++n)
        put(n, tagged(n));
    datRowContext up = at(K::KindMemory, 20, 20, 22);
    run(N::CL_PMenu_CarryUp, up);
    EXPECT_EQ(frequencyOf(19), tagged(20));
    EXPECT_EQ(frequencyOf(21), tagged(22));
    EXPECT_EQ(frequencyOf(22), tagged(19));
    EXPECT_EQ(up.cursor, 19);
    EXPECT_EQ(up.reselectFirst, 19);
    EXPECT_EQ(up.reselectLast, 21);

    datRowContext down = at(K::KindMemory, 21, 19, 21);
    run(N::CL_PMenu_CarryDown, down);
    for (int n = 19; n <= 23; ++n)
        EXPECT_EQ(frequencyOf(n), tagged(n)) << n;
    EXPECT_EQ(down.cursor, 22);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_TRUE(statusTexts.isEmpty());
}

TEST_F(ListRows, NoMoveAcrossThePageEdges) {
    put(100, tagged(100));
    put(199, tagged(199));
    const cmcEeprom before = image();
    datRowContext up = at(K::KindMemory, 100);
    run(N::CL_PMenu_CarryUp, up);
    datRowContext down = at(K::KindMemory, 199);
    run(N::CL_PMenu_CarryDown, down);
    EXPECT_TRUE(image() == before);
    EXPECT_FALSE(up.reselect || down.reselect);
    EXPECT_EQ(up.cursor, 100);
    EXPECT_TRUE(sent(cmcEventId::ChannelsChanged));
}

TEST_F(ListRows, ScanEdgesMoveAsRecordsOfTheirOwnKind) {
    datCh edge(&image());
    edge.load(K::KindScanEdge, 1);
    const uint32_t high = edge.frequency;
    ASSERT_TRUE(edge.inUse());
    datRowContext row = at(K::KindScanEdge, 1);
    run(N::CL_PMenu_CarryDown, row);
    edge.load(K::KindScanEdge, 2);
    EXPECT_EQ(edge.frequency, high);
    EXPECT_EQ(row.pageLast, 24);
}

TEST_F(ListRows, ClearTakesTheTemplatesRecordsMarkedEmpty) {
    put(5, tagged(5));
    put(6, tagged(6));
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext row = at(K::KindMemory, 5, 5, 6);
    run(N::CL_PMenu_Clear, row);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Clear"});
    EXPECT_EQ(frequencyOf(5), 0u);
    EXPECT_EQ(frequencyOf(6), 0u);
    deliver();
    int redrawn = 0;
    for (const auto& [n, first] : data->sent)
        redrawn += n == cmcEventId::RedrawRecord && (first == 5 || first == 6);
    EXPECT_EQ(redrawn, 2);
    EXPECT_EQ(statusTexts, QByteArrayList{" Cleared"});
}

TEST_F(ListRows, PastingOntoAnotherKindDoesNothing) {
    put(10, tagged(10));
    datRowContext copy = at(K::KindMemory, 10);
    run(N::CL_PMenu_Copy, copy);
    const cmcEeprom before = image();
    datRowContext edges = at(K::KindScanEdge, 3);
    EXPECT_TRUE(run(N::CL_PMenu_Paste, edges));
    datRowContext bank = at(K::KindBank, 3, -1, -1, 0);
    EXPECT_TRUE(run(N::CL_PMenu_Paste, bank));
    EXPECT_TRUE(image() == before);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_FALSE(edges.reselect || bank.reselect);
}

TEST_F(ListRows, ACursorOffThePageCopiesAndPastesNothing) {
    put(10, tagged(10));
    datRowContext row = at(K::KindMemory, 10);
    row.cursor = 150; // a title row, say, with the page of 0 .. 99
    run(N::CL_PMenu_Copy, row);
    EXPECT_EQ(clip.count(), 0);
}

TEST_F(ListRows, AutoWriteRowsFollowTheOrderAndPasteAsMemoryChannels) {
    const int slotNumbers[] = {7, 3, 150};
    for (int i = 0; i < 3; ++i) {
        datCh slot(&image());
        slot.reset();
        slot.frequency = tagged(slotNumbers[i]);
        slot.store(K::KindAutoWrite, slotNumbers[i]);
        image().setByte(mm::AutoWriteOrderEnd - 2 + i, uint8_t(slotNumbers[i]));
    }
    datRowContext copy = at(K::KindAutoWrite, 0, 0, 3);
    ASSERT_TRUE(run(N::CL_PMenu_Copy, copy));
    EXPECT_EQ(clip.kind(), K::KindMemory);
    ASSERT_EQ(clip.count(), 4);
    EXPECT_FALSE(clip.record(3).inUse());

    datRowContext onAutoWrite = at(K::KindAutoWrite, 10);
    EXPECT_FALSE(run(N::CL_PMenu_Paste, onAutoWrite));
    datRowContext paste = at(K::KindMemory, 20);
    run(N::CL_PMenu_Paste, paste);
    EXPECT_EQ(frequencyOf(20), tagged(7));
    EXPECT_EQ(frequencyOf(21), tagged(3));
    EXPECT_EQ(frequencyOf(22), tagged(150));
    EXPECT_EQ(frequencyOf(23), 0u);
    EXPECT_EQ(memory(20).bankGroup, datCh::NoBank);
}

TEST_F(ListRows, DeleteOnALinkPageRemovesTheCursorRowsEdgeOnly) {
    const int link = 3;
    image().setByte(mm::scanLinkMembers(link), 0x84); // edges 2 and 7
    image().setByte(mm::scanLinkMembers(link) + 1, 0);
    image().setByte(mm::scanLinkMembers(link) + 2, 0);
    image().setByte(mm::scanLinkMembers(link) + 3, 0);
    const int base = link * datCh::ScanLinkRows;
    const cmcEeprom before = image();
    datRowContext addRow = at(K::KindScanLink, base);
    ASSERT_TRUE(run(N::CL_PMenu_Delete, addRow));
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_TRUE(image() == before);

    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext row = at(K::KindScanLink, base + 1);
    ASSERT_TRUE(run(N::CL_PMenu_Delete, row));
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Delete"});
    EXPECT_EQ(image().getByte(mm::scanLinkMembers(link)), 0x80);
    datCh entry(&image());
    entry.load(K::KindScanLink, base + 1);
    EXPECT_EQ(entry.memberEdge, 7);
    EXPECT_TRUE(row.dropSelection);
    EXPECT_FALSE(run(N::CL_PMenu_Insert, row)); // a link page offers Delete only
}

} // namespace
