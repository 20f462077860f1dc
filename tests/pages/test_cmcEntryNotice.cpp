#include "MemFieldsFixture.h"

namespace {

using namespace memfields;

struct Case {
    int link;
    QByteArray typed;
    // The status line that tells what became of it; empty when it was stored as typed.
    QByteArray line;
};

// Entries stored other than typed, or refused, are told in the status bar; the rest are not.
TEST_F(MemFields, EntriesStoredOtherwiseThanTypedAreTold) {
    const Case cases[] = {
        {N::CL_Mch_Freq, "146.01", ""},
        {N::CL_Mch_Freq, "2000",
         "2000 MHz lies outside 0.1 to 1309.995 MHz; 1309.995000 MHz was stored."},
        {N::CL_Mch_Freq, " 0.05 ",
         "0.05 MHz lies outside 0.1 to 1309.995 MHz; 0.100000 MHz was stored."},
        {N::CL_Mch_Freq, "146.0123", "146.0123 MHz is not on the band's channel steps; "},
        {N::CL_Mch_Freq, "abc", "\"abc\" is not a number; nothing was stored."},
        {N::CL_Mch_Offset_Freq, "200",
         "An offset of 200 MHz lies outside 0 to 159.995 MHz; 159.995000 MHz was stored."},
        {N::CL_Mch_Offset_Freq, "1,5", "\"1,5\" is not a number; nothing was stored."},
        {N::CL_Mch_Name, "abc", ""},
        {N::CL_Mch_Name, "abcdefgh",
         "A name has 6 characters at most: \"abcdefgh\" was stored as \"ABCDEF\"."},
        {N::CL_Mch_Name, "a#b",
         "The receiver cannot show every character of \"a#b\": \"A B\" was stored."},
        {N::CL_Mch_TrainFreq, "2280", ""},
        {N::CL_Mch_TrainFreq, "2283", "2283 Hz is not on the 10 Hz steps; 2280 Hz was stored."},
        {N::CL_Mch_TrainFreq, "5000", "5000 Hz lies outside 300 to 3000 Hz; 3000 Hz was stored."},
        {N::CL_Mch_TrainFreq, "x", "\"x\" is not a number; nothing was stored."},
    };
    for (const Case& c : cases) {
        put(Used, [](datCh&) {});
        data->statusLines.clear();
        edit(c.link, Used, c.typed);
        if (c.line.isEmpty()) {
            EXPECT_TRUE(data->statusLines.isEmpty()) << c.typed.data();
            continue;
        }
        ASSERT_EQ(data->statusLines.size(), 1) << c.typed.data();
        EXPECT_TRUE(data->statusLines.front().startsWith(c.line))
            << c.typed.data() << ": " << data->statusLines.front().data();
    }
}

// The stored value that the line names is the one the cell shows.
TEST_F(MemFields, ALineNamesTheStoredValue) {
    edit(N::CL_Mch_Freq, Used, "146.0123");
    ASSERT_EQ(data->statusLines.size(), 1);
    EXPECT_TRUE(data->statusLines.front().endsWith("; " + shown(N::CL_Mch_Freq, Used) +
                                                   " MHz was stored."));
    EXPECT_NE(shown(N::CL_Mch_Freq, Used), "146.012300");
}

// The name editor takes no more characters than a name has.
TEST_F(MemFields, TheNameEditorTakesSixCharacters) {
    datCellReq answer;
    press(N::CL_Mch_Name, Used, datCellReq::KeyEnter, &answer);
    EXPECT_EQ(answer.editorLength, 6);
    press(N::CL_Mch_Freq, Used, datCellReq::KeyEnter, &answer);
    EXPECT_EQ(answer.editorLength, 0);
}

} // namespace
