#include "ListPagesFixture.h"

namespace {

using namespace listpages;

constexpr int EdgePage = 35;
constexpr int Empty = 10;
const QByteArray Edge = "CT_Prog";

class ScanEdgePage : public ListPage {
protected:
    void SetUp() override {
        open(EdgePage);
        ASSERT_FALSE(edge(Empty).inUse());
    }

    datCh edge(int number) { return load(datCh::KindScanEdge, number); }
    QByteArray shown(int link, int number) { return drawn(Edge, link, number).editorText; }
    void putEdge(int number, uint32_t low, uint32_t high, int step, int mode) {
        datCh e(&data->image());
        e.reset();
        e.lowEdge = low;
        e.frequency = high;
        e.step = step;
        e.mode = mode;
        e.store(datCh::KindScanEdge, number);
    }
};

TEST_F(ScanEdgePage, ADigitInTheNameOfAnEmptyEdgeOpensFreqLowWithIt) {
    const cmcEeprom before = data->image();
    datCellReq answer;
    EXPECT_EQ(press(Edge, N::CL_PgSrch_Name, Empty, '7', &answer), cmcCellHandler::OpenEditor);
    EXPECT_TRUE(answer.moveRequested);
    EXPECT_EQ(answer.moveLink, N::CL_PgSrch_Freq_Low);
    EXPECT_EQ(answer.moveIndex, Empty);
    EXPECT_EQ(answer.editorText, "7");
    EXPECT_EQ(answer.selectionStart, 1);

    // Freq High opens its own editor.
    EXPECT_EQ(press(Edge, N::CL_PgSrch_Freq_High, Empty, '7', &answer), cmcCellHandler::OpenEditor);
    EXPECT_FALSE(answer.moveRequested);
    EXPECT_EQ(data->image(), before);
    for (int link : {N::CL_PgSrch_Name, N::CL_PgSrch_Freq_Low, N::CL_PgSrch_TS, N::CL_PgSrch_ATT})
        EXPECT_EQ(shown(link, Empty), "") << N::linkName(link).constData();
}

TEST_F(ScanEdgePage, TheFirstFrequencyCreatesTheEdgeFromBandDefaultSix) {
    EXPECT_EQ(edit(Edge, N::CL_PgSrch_Freq_High, Empty, "145.0033"), cmcCellHandler::Repaint);
    const datCh created = edge(Empty);
    EXPECT_TRUE(created.inUse());
    EXPECT_EQ(created.lowEdge, 145005000u);
    EXPECT_EQ(created.frequency, 145005000u);
    EXPECT_EQ(created.step, datCh::StepUnset);
    EXPECT_EQ(created.mode, datCh::ModeUnset);
    EXPECT_EQ(created.attenuator, 2);
    for (int link : {N::CL_PgSrch_TS, N::CL_PgSrch_Mode, N::CL_PgSrch_ATT})
        EXPECT_EQ(shown(link, Empty), "-") << N::linkName(link).constData();
    EXPECT_EQ(shown(N::CL_PgSrch_Name, Empty), "      ");
    EXPECT_NE(std::find(data->sent.begin(), data->sent.end(),
                        ListPageData::Seen{cmcEventId::RedrawRecord, Empty, {}}),
              data->sent.end());

    // Afterwards each cell edits its own edge.
    edit(Edge, N::CL_PgSrch_Freq_Low, Empty, "144");
    EXPECT_EQ(edge(Empty).lowEdge, 144000000u);
    EXPECT_EQ(edge(Empty).frequency, 145005000u);
    EXPECT_EQ(shown(N::CL_PgSrch_Freq_Low, Empty), "144.000000");
}

TEST_F(ScanEdgePage, FrequenciesOutsideTheRangeAreLimitedAndOtherTextChangesNothing) {
    putEdge(Empty, 144000000, 146000000, 0, 0);
    const struct {
        int link;
        const char* typed;
        uint32_t low;
        uint32_t high;
    } cases[] = {
        {N::CL_PgSrch_Freq_High, "2000", 144000000, 1309995000},
        {N::CL_PgSrch_Freq_Low, "0.01", 100000, 1309995000},
        {N::CL_PgSrch_Freq_Low, "abc", 100000, 1309995000},
        {N::CL_PgSrch_Freq_High, "", 100000, 1309995000},
    };
    for (const auto& c : cases) {
        edit(Edge, c.link, Empty, c.typed);
        EXPECT_EQ(edge(Empty).lowEdge, c.low) << c.typed;
        EXPECT_EQ(edge(Empty).frequency, c.high) << c.typed;
    }
}

TEST_F(ScanEdgePage, NamesAreStoredAsChannelNames) {
    putEdge(Empty, 144000000, 146000000, 0, 0);
    edit(Edge, N::CL_PgSrch_Name, Empty, "ab#c");
    EXPECT_EQ(shown(N::CL_PgSrch_Name, Empty), "AB C  ");
    datCellReq answer;
    press(Edge, N::CL_PgSrch_Name, Empty, datCellReq::KeyEnter, &answer);
    EXPECT_EQ(answer.editorText, "AB C");
}

TEST_F(ScanEdgePage, TheListsOfferTheUnsetEntryAndAutoOnlyWhereTheDestinationHasIt) {
    const struct {
        int destination;
        int link;
        const char* list;
    } cases[] = {
        {1, N::CL_PgSrch_TS, "GI_Sheet_Sel_Mch_TS_Pitch_PGS"},
        {0, N::CL_PgSrch_TS, "GI_Sheet_Sel_Mch_TS_Pitch_PGS_JPN"},
        {1, N::CL_PgSrch_Mode, "GI_Sheet_Sel_Mch_Mode_PGS"},
        {15, N::CL_PgSrch_Mode, "GI_Sheet_Sel_Mch_Mode_PGS_JPN"},
        {1, N::CL_PgSrch_ATT, "GI_Sheet_Sel_Mch_ATT_PGS"},
        {0, N::CL_PgSrch_ATT, "GI_Sheet_Sel_Mch_ATT_PGS"},
    };
    for (const auto& c : cases) {
        open(EdgePage, c.destination);
        putEdge(Empty, 144000000, 146000000, datCh::StepUnset, datCh::ModeUnset);
        datCellReq answer;
        press(Edge, c.link, Empty, datCellReq::KeyEnter, &answer);
        EXPECT_EQ(answer.listSheet, c.list) << c.destination;
    }

    open(EdgePage, 1);
    putEdge(Empty, 144000000, 146000000, datCh::StepUnset, datCh::ModeUnset);
    EXPECT_EQ(choose(Edge, N::CL_PgSrch_TS, Empty, 5), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_PgSrch_TS, Empty), "12.5k");
    EXPECT_EQ(choose(Edge, N::CL_PgSrch_Mode, Empty, datCh::ModeAuto), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(Edge, N::CL_PgSrch_ATT, Empty, 1), cmcCellHandler::Repaint);
    EXPECT_EQ(edge(Empty).attenuator, 1);
    EXPECT_EQ(press(Edge, N::CL_PgSrch_ATT, Empty, ' '), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_PgSrch_ATT, Empty), "-");
}

TEST_F(ScanEdgePage, StepAndModeAreMarkedWhenEitherEdgeBreaksTheirRule) {
    putEdge(Empty, 144000000, 146000000, datCh::Step9k, datCh::ModeFM);
    EXPECT_TRUE(drawn(Edge, N::CL_PgSrch_TS, Empty).errorMark);
    putEdge(Empty, 600000, 1600000, datCh::Step9k, datCh::ModeFM);
    EXPECT_FALSE(drawn(Edge, N::CL_PgSrch_TS, Empty).errorMark);
    putEdge(Empty, 600000, 144000000, datCh::Step9k, datCh::ModeFM);
    EXPECT_TRUE(drawn(Edge, N::CL_PgSrch_TS, Empty).errorMark);

    open(EdgePage, 6);
    putEdge(Empty, 140000000, 850500000, 0, datCh::ModeWFM);
    EXPECT_TRUE(drawn(Edge, N::CL_PgSrch_Mode, Empty).errorMark);
    EXPECT_FALSE(drawn(Edge, N::CL_PgSrch_TS, Empty).errorMark);
    putEdge(Empty, 140000000, 850500000, 0, datCh::ModeFM);
    EXPECT_FALSE(drawn(Edge, N::CL_PgSrch_Mode, Empty).errorMark);
}

TEST_F(ScanEdgePage, OtherLinksCommandsAndFunctionKeysGoToTheFallback) {
    EXPECT_EQ(shown(N::CL_Misc_ChNo_0Base, 3), "fallback");
    datCellReq command = request(Edge, N::CL_PgSrch_Name, 0);
    command.commandLink = N::CL_PMenu_Delete;
    EXPECT_EQ(page->act(command), cmcCellHandler::Repaint);
    EXPECT_EQ(press(Edge, N::CL_PgSrch_TS, 0, datCellReq::KeyF12), cmcCellHandler::Repaint);
    EXPECT_EQ(fallback.acted, std::vector<int>({N::CL_PgSrch_Name, N::CL_PgSrch_TS}));
    // A memory field link on the edge page is not the edge's.
    EXPECT_EQ(shown(N::CL_Mch_Freq, 0), "fallback");
}

} // namespace
