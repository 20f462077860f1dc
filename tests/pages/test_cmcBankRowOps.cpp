#include "RowsFixture.h"

namespace {

using namespace rows;
using K = datCh::Kind;

constexpr int BankA = 0;
constexpr int BankB = 1;

// Bank A holds channels 200 + p at positions p = 0 .. 4.
class BankRows : public Rows {
protected:
    void SetUp() override {
        Rows::SetUp();
        for (int p = 0; p < 5; ++p)
            put(200 + p, tagged(200 + p), BankA, p);
    }
    int channelAt(int bank, int position) {
        const uint16_t entry = image().bankEntry(bank, position);
        return entry < mm::MemoryChannels ? entry : -1;
    }
    static datRowContext bankRow(int cursor, int first = -1, int last = -1, int bank = BankA) {
        return at(K::KindBank, cursor, first, last, bank);
    }
};

TEST_F(BankRows, DeleteEmptiesTheBlockAndClosesTheGap) {
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext row = bankRow(1, 1, 2);
    ASSERT_TRUE(run(N::CL_PMenu_Delete, row));
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Delete"});
    EXPECT_EQ(frequencyOf(201), 0u);
    EXPECT_EQ(frequencyOf(202), 0u);
    EXPECT_EQ(channelAt(BankA, 0), 200);
    EXPECT_EQ(channelAt(BankA, 1), 203);
    EXPECT_EQ(channelAt(BankA, 2), 204);
    EXPECT_EQ(channelAt(BankA, 3), -1);
    EXPECT_TRUE(row.dropSelection);
    EXPECT_EQ(row.cursor, 1);
    EXPECT_EQ(statusTexts, QByteArrayList{" Deleted"});
    deliver();
    EXPECT_TRUE(sent(cmcEventId::PageShown));
}

TEST_F(BankRows, InsertMovesTheRestDownAndDeletesWhatFallsOffTheBank) {
    datRowContext row = bankRow(1, 1, 2);
    run(N::CL_PMenu_Insert, row);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_EQ(channelAt(BankA, 1), -1);
    EXPECT_EQ(channelAt(BankA, 2), -1);
    EXPECT_EQ(channelAt(BankA, 3), 201);
    EXPECT_EQ(channelAt(BankA, 6), 204);
    EXPECT_TRUE(row.reselect);

    put(300, tagged(300), BankA, 99);
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext pushing = bankRow(0);
    run(N::CL_PMenu_Insert, pushing);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Overflow"});
    EXPECT_EQ(frequencyOf(300), 0u); // gone from memory, not only from the bank
    EXPECT_EQ(channelAt(BankA, 1), 200);
}

TEST_F(BankRows, MoveUpAndDownExchangePositions) {
    datRowContext down = bankRow(2, 1, 2);
    run(N::CL_PMenu_CarryDown, down);
    EXPECT_EQ(channelAt(BankA, 1), 203);
    EXPECT_EQ(channelAt(BankA, 2), 201);
    EXPECT_EQ(channelAt(BankA, 3), 202);
    EXPECT_EQ(down.cursor, 3);
    EXPECT_EQ(down.reselectFirst, 2);
    EXPECT_EQ(down.reselectLast, 3);

    datRowContext up = bankRow(2, 2, 3);
    run(N::CL_PMenu_CarryUp, up);
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(channelAt(BankA, p), 200 + p) << p;
    EXPECT_EQ(up.cursor, 1);

    const cmcEeprom before = image();
    datRowContext top = bankRow(0);
    run(N::CL_PMenu_CarryUp, top);
    EXPECT_TRUE(image() == before);
    EXPECT_TRUE(asked().isEmpty());
}

TEST_F(BankRows, PasteGivesTheCopiedChannelsNewChannelsInTheTargetBank) {
    datRowContext copy = bankRow(0, 0, 5); // position 5 is empty
    run(N::CL_PMenu_Copy, copy);
    ASSERT_EQ(clip.kind(), K::KindBank);
    EXPECT_TRUE(statusTexts.isEmpty());
    datRowContext paste = bankRow(10, -1, -1, BankB);
    run(N::CL_PMenu_Paste, paste);
    EXPECT_TRUE(asked().isEmpty());
    for (int p = 0; p < 5; ++p) {
        const int n = channelAt(BankB, 10 + p);
        ASSERT_GE(n, 0) << p;
        EXPECT_EQ(frequencyOf(n), tagged(200 + p));
        EXPECT_EQ(channelAt(BankA, p), 200 + p);
    }
    EXPECT_EQ(channelAt(BankB, 0 + 10), 0); // the lowest empty channel first
    EXPECT_EQ(channelAt(BankB, 15), -1);
    EXPECT_EQ(paste.reselectLast, 15);
}

TEST_F(BankRows, PasteThatRunsOutOfChannelsKeepsWhatItPastedAndSaysSo) {
    datRowContext copy = bankRow(0, 0, 4);
    run(N::CL_PMenu_Copy, copy);
    datCh filler(&image());
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        if (n == 700 || n == 900 || frequencyOf(n) != 0)
            continue;
        filler.reset();
        filler.frequency = tagged(n % 100);
        filler.store(K::KindMemory, n);
    }
    image().rebuildBankIndex();
    datRowContext paste = bankRow(0, -1, -1, BankB);
    run(N::CL_PMenu_Paste, paste);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_BankChErr_NoChSpace"});
    EXPECT_EQ(prompt().messages().back().icon, cmcPrompt::Stop);
    EXPECT_EQ(channelAt(BankB, 0), 700);
    EXPECT_EQ(channelAt(BankB, 1), 900);
    EXPECT_EQ(channelAt(BankB, 2), -1);
    EXPECT_EQ(frequencyOf(900), tagged(201));
    EXPECT_EQ(paste.reselectFirst, 0);
    EXPECT_EQ(paste.reselectLast, 1);
}

TEST_F(BankRows, PasteAnEmptyCopiedRowEmptiesTheChannelThere) {
    datRowContext copy = bankRow(50);
    run(N::CL_PMenu_Copy, copy);
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext paste = bankRow(2);
    run(N::CL_PMenu_Paste, paste);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Overwrite"});
    EXPECT_EQ(frequencyOf(202), 0u);
}

TEST_F(BankRows, MemoryAndBankRowsDoNotPasteIntoEachOther) {
    datRowContext copy = bankRow(0, 0, 1);
    run(N::CL_PMenu_Copy, copy);
    const cmcEeprom before = image();
    datRowContext memoryRow = at(K::KindMemory, 50);
    run(N::CL_PMenu_Paste, memoryRow);
    EXPECT_TRUE(image() == before);
    EXPECT_TRUE(asked().isEmpty());
}

TEST_F(BankRows, BankOffTakesTheChannelsOutOfTheBankAndKeepsThem) {
    datRowContext row = bankRow(1, 1, 2);
    run(N::CL_PMenu_BankOff, row);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_EQ(channelAt(BankA, 1), -1);
    EXPECT_EQ(frequencyOf(201), tagged(201));
    EXPECT_EQ(memory(201).bankGroup, datCh::NoBank);
    EXPECT_EQ(channelAt(BankA, 3), 203);
    datRowContext memoryRow = at(K::KindMemory, 1);
    EXPECT_FALSE(run(N::CL_PMenu_BankOff, memoryRow));
}

TEST_F(BankRows, ClearEmptiesTheChannelsOfTheBlock) {
    prompt().answer(cmcPrompt::AnswerOk);
    datRowContext row = bankRow(3, 3, 4);
    run(N::CL_PMenu_Clear, row);
    EXPECT_EQ(asked(), QByteArrayList{"GI_AppMess_Conv_Clear"});
    EXPECT_EQ(frequencyOf(203), 0u);
    EXPECT_EQ(frequencyOf(204), 0u);
    EXPECT_EQ(channelAt(BankA, 2), 202);
    EXPECT_EQ(statusTexts, QByteArrayList{" Cleared"});
}

// Every question of every operation, answered Cancel, leaves the image as it was.
struct CancelCase {
    const char* name;
    int kind;
    int link;
    int cursor;
    int first;
    int last;
    // Rows copied beforehand, of the same kind; -1 for none.
    int copyFirst;
    int copyLast;
    // Answers before the Cancel.
    int oks;
};

class CancelRows : public BankRows, public testing::WithParamInterface<CancelCase> {};

TEST_P(CancelRows, LeaveTheImageAsItWas) {
    const CancelCase& c = GetParam();
    for (int n : {10, 11, 12, 95, 96, 97, 98, 99})
        put(n, tagged(n));
    put(400, tagged(400), BankA, 99);
    if (c.copyFirst >= 0) {
        datRowContext copy = at(c.kind, c.copyFirst, c.copyFirst, c.copyLast, BankA);
        run(N::CL_PMenu_Copy, copy);
    }
    for (int i = 0; i < c.oks; ++i)
        prompt().answer(cmcPrompt::AnswerOk);
    prompt().answer(cmcPrompt::AnswerCancel);
    const cmcEeprom before = image();
    datRowContext row = at(c.kind, c.cursor, c.first, c.last, BankA);
    ASSERT_TRUE(run(c.link, row));
    EXPECT_EQ(prompt().scriptLeft(), 0);
    EXPECT_EQ(prompt().unanswered(), 0);
    EXPECT_TRUE(image() == before);
    EXPECT_FALSE(row.reselect || row.dropSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CancelRows,
    testing::Values(
        CancelCase{"memoryPasteOverflow", K::KindMemory, N::CL_PMenu_Paste, 95, -1, -1, 10, 19, 0},
        CancelCase{"memoryPasteOverwrite", K::KindMemory, N::CL_PMenu_Paste, 95, -1, -1, 10, 19, 1},
        CancelCase{"memoryClear", K::KindMemory, N::CL_PMenu_Clear, 10, 10, 12, -1, -1, 0},
        CancelCase{"memoryDelete", K::KindMemory, N::CL_PMenu_Delete, 10, 10, 12, -1, -1, 0},
        CancelCase{"memoryInsert", K::KindMemory, N::CL_PMenu_Insert, 50, -1, -1, -1, -1, 0},
        CancelCase{"bankPasteOverflow", K::KindBank, N::CL_PMenu_Paste, 97, -1, -1, 0, 4, 0},
        CancelCase{"bankPasteOverwrite", K::KindBank, N::CL_PMenu_Paste, 97, -1, -1, 0, 4, 1},
        CancelCase{"bankClear", K::KindBank, N::CL_PMenu_Clear, 0, 0, 1, -1, -1, 0},
        CancelCase{"bankDelete", K::KindBank, N::CL_PMenu_Delete, 0, 0, 1, -1, -1, 0},
        CancelCase{"bankInsert", K::KindBank, N::CL_PMenu_Insert, 10, -1, -1, -1, -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
