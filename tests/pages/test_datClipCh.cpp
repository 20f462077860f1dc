#include "RowsFixture.h"

namespace {

using namespace rows;
using K = datCh::Kind;

class Clipboard : public Rows {};

TEST_F(Clipboard, AutoWriteRowsStartAtTheRunAtTheEndOfTheOrder) {
    // An entry before a gap in the list is not part of the run.
    image().setByte(mm::AutoWriteOrderEnd - 4, 9);
    image().setByte(mm::AutoWriteOrderEnd - 1, 4);
    image().setByte(mm::AutoWriteOrderEnd, 2);
    EXPECT_EQ(datClipCh::autoWriteSlot(image(), 0), 4);
    EXPECT_EQ(datClipCh::autoWriteSlot(image(), 1), 2);
    EXPECT_EQ(datClipCh::autoWriteSlot(image(), 2), -1);
    EXPECT_EQ(datClipCh::autoWriteSlot(image(), -1), -1);
    image().setByte(mm::AutoWriteOrderEnd, 0xFF);
    EXPECT_EQ(datClipCh::autoWriteSlot(image(), 0), -1);
}

TEST_F(Clipboard, BankEntriesAreTheirChannelsWithoutTheBank) {
    put(33, tagged(33), 4, 8);
    clip.copy(image(), K::KindBank, 4 * 100 + 8, 2);
    ASSERT_EQ(clip.count(), 2);
    EXPECT_EQ(clip.record(0).frequency, tagged(33));
    EXPECT_EQ(clip.record(0).bankGroup, datCh::NoBank);
    EXPECT_FALSE(clip.record(1).inUse());
    EXPECT_TRUE(clip.canPasteInto(K::KindBank));
    EXPECT_FALSE(clip.canPasteInto(K::KindMemory));
    clip.clear();
    EXPECT_EQ(clip.kind(), K::KindNone);
    EXPECT_FALSE(clip.canPasteInto(K::KindNone));
}

TEST_F(Clipboard, StoringKeepsTheRecordItReplaced) {
    put(5, tagged(5));
    put(6, tagged(6));
    clip.copy(image(), K::KindMemory, 5, 1);
    EXPECT_EQ(clip.paste(image(), K::KindMemory, 6, 3), 1);
    EXPECT_EQ(clip.overwritten().frequency, tagged(6));
    EXPECT_EQ(frequencyOf(6), tagged(5));
}

// A store that tries to replace the clipboard while its records are being pasted.
class Reentrant : public datClipCh {
public:
    bool storeOne(cmcEeprom& image, int kind, int number, const datCh& record) override {
        sawWriting = sawWriting || writing();
        copy(image, kind, 0, 50);
        return datClipCh::storeOne(image, kind, number, record);
    }
    bool sawWriting = false;
};

TEST_F(Clipboard, ACopyDuringAPasteIsRefused) {
    for (int n = 10; n < 13; ++n)
        put(n, tagged(n));
    Reentrant reentrant;
    reentrant.copy(image(), K::KindMemory, 10, 3);
    EXPECT_EQ(reentrant.paste(image(), K::KindMemory, 40, 3), 3);
    EXPECT_TRUE(reentrant.sawWriting);
    EXPECT_FALSE(reentrant.writing());
    EXPECT_EQ(reentrant.count(), 3);
    EXPECT_EQ(frequencyOf(42), tagged(12));
}

TEST_F(Clipboard, TheSharedClipboardIsOne) {
    EXPECT_EQ(&datClipCh::global(), &datClipCh::global());
    put(10, tagged(10));
    datRowContext row = at(K::KindMemory, 10);
    ASSERT_TRUE(cmcRowOps::command(*data, N::CL_PMenu_Copy, row));
    EXPECT_EQ(datClipCh::global().count(), 1);
    EXPECT_EQ(clip.count(), 0);
    datClipCh::global().clear();
}

TEST_F(Clipboard, PageRangesOfTheRowContext) {
    const datRowContext memory = datRowContext::forPage(K::KindMemory, 157);
    EXPECT_EQ(memory.pageFirst, 100);
    EXPECT_EQ(memory.pageLast, 199);
    const datRowContext link = datRowContext::forPage(K::KindScanLink, 26 * 4 + 3);
    EXPECT_EQ(link.pageFirst, 104);
    EXPECT_EQ(link.pageLast, 129);
    const datRowContext bank = datRowContext::forPage(K::KindBank, 42, 7);
    EXPECT_EQ(bank.pageLast, 99);
    EXPECT_EQ(datRowContext::forPage(K::KindAutoWrite, 0).pageLast, 199);
    EXPECT_FALSE(datRowContext::allowsRowOperations(K::KindNone));
    datRowContext none = datRowContext::forPage(K::KindNone, 0);
    EXPECT_FALSE(cmcRowOps::command(*data, N::CL_PMenu_Copy, none, clip));
}

} // namespace
