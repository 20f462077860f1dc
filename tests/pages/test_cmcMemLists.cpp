#include "MemFieldsFixture.h"

namespace {

using namespace memfields;

TEST_F(MemFields, DtcsToneUngreysTheCodeAndTurnsTheCancellerOff) {
    use(0);
    put(Used, [](datCh& c) { c.canceller = 1; });
    EXPECT_TRUE(grey(N::CL_Mch_DTCS, Used));
    EXPECT_TRUE(grey(N::CL_Mch_DTCS_Polarity, Used));
    EXPECT_FALSE(grey(N::CL_Mch_TrainFreq, Used));
    EXPECT_EQ(choose(N::CL_Mch_Tone, Used, 3), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_Mch_Tone, Used), "DTCS");
    EXPECT_FALSE(grey(N::CL_Mch_DTCS, Used));
    EXPECT_FALSE(grey(N::CL_Mch_DTCS_Polarity, Used));
    EXPECT_TRUE(grey(N::CL_Mch_TSQL_Freq, Used));
    EXPECT_EQ(channel(Used).canceller, 0);
    EXPECT_TRUE(grey(N::CL_Mch_TrainFreq, Used));
    EXPECT_EQ(data->sent, (Sent{{cmcEventId::RedrawRecord, Used}}));
}

TEST_F(MemFields, CellsAreGreyWhereTheFieldHasNoEffect) {
    const struct {
        uint32_t frequency;
        int mode;
        int duplex;
        int link;
        bool grey;
    } cases[] = {
        {146 * MHz, datCh::ModeFM, 0, N::CL_Mch_Offset_Freq, true},
        {146 * MHz, datCh::ModeFM, 2, N::CL_Mch_Offset_Freq, false},
        {146 * MHz, datCh::ModeFM, 0, N::CL_Mch_Tone, false},
        {146 * MHz, datCh::ModeAM, 0, N::CL_Mch_Tone, true},
        {146 * MHz, datCh::ModeAM, 0, N::CL_Mch_Canceller, true},
        {146 * MHz, datCh::ModeFM, 0, N::CL_Mch_Canceller, false},
        // "Auto" takes the mode of the band table: wide FM at 100 MHz, FM at 146 MHz.
        {100 * MHz, datCh::ModeAuto, 0, N::CL_Mch_Tone, true},
        {146 * MHz, datCh::ModeAuto, 0, N::CL_Mch_Tone, false},
        {146 * MHz, datCh::ModeFM, 0, N::CL_Mch_TSQL_Freq, true},
        {146 * MHz, datCh::ModeFM, 0, N::CL_Mch_Name, false},
    };
    for (const auto& c : cases) {
        put(Used, [&c](datCh& ch) {
            ch.frequency = c.frequency;
            ch.mode = c.mode;
            ch.duplex = c.duplex;
        });
        EXPECT_EQ(grey(c.link, Used), c.grey)
            << c.frequency << " " << N::linkName(c.link).constData();
    }
}

TEST_F(MemFields, ToneCancellerAndVscExcludeEachOther) {
    use(0);
    put(Used, [](datCh& c) { c.toneMode = 1; });
    EXPECT_EQ(choose(N::CL_Mch_Canceller, Used, 1), cmcCellHandler::Repaint);
    datCh c = channel(Used);
    EXPECT_EQ(std::make_tuple(c.toneMode, c.canceller, c.vsc), std::make_tuple(0, 1, 0));
    EXPECT_EQ(choose(N::CL_Mch_Vsc, Used, 1), cmcCellHandler::Repaint);
    c = channel(Used);
    EXPECT_EQ(std::make_tuple(c.toneMode, c.canceller, c.vsc), std::make_tuple(0, 0, 1));
    EXPECT_EQ(choose(N::CL_Mch_Canceller, Used, 2), cmcCellHandler::Repaint);
    c = channel(Used);
    EXPECT_EQ(std::make_tuple(c.toneMode, c.canceller, c.vsc), std::make_tuple(0, 2, 0));
    EXPECT_EQ(choose(N::CL_Mch_Tone, Used, 0), cmcCellHandler::Repaint);
    EXPECT_EQ(channel(Used).canceller, 2);
}

TEST_F(MemFields, BankGroupChoiceTakesTheFirstFreePosition) {
    put(10, [](datCh& c) { c.bankGroup = 0, c.bankPosition = 0; });
    put(11, [](datCh& c) { c.bankGroup = 0, c.bankPosition = 1; });
    put(12, [](datCh& c) { c.bankGroup = 0, c.bankPosition = 3; });
    EXPECT_EQ(shown(N::CL_Mch_Bank_Group, Used), "OFF");
    EXPECT_EQ(shown(N::CL_Mch_Bank_ChNo, Used), "");
    EXPECT_EQ(choose(N::CL_Mch_Bank_Group, Used, 0), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_Mch_Bank_Group, Used), "Bank-A");
    EXPECT_EQ(shown(N::CL_Mch_Bank_ChNo, Used), "2");
    EXPECT_EQ(data->sent, (Sent{{cmcEventId::ChannelsChanged, 0}, {cmcEventId::RedrawAll, 0}}));
    EXPECT_EQ(data->image().bankEntry(0, 2), Used);
    // The same bank again keeps the place; "OFF" leaves the bank.
    EXPECT_EQ(choose(N::CL_Mch_Bank_Group, Used, 0), cmcCellHandler::Repaint);
    EXPECT_EQ(channel(Used).bankPosition, 2);
    EXPECT_EQ(choose(N::CL_Mch_Bank_Group, Used, 255), cmcCellHandler::Repaint);
    EXPECT_EQ(channel(Used).bankGroup, datCh::NoBank);
    EXPECT_EQ(data->image().bankEntry(0, 2), mm::BankEntryFree);
}

TEST_F(MemFields, FullBankGivesPositionZero) {
    for (int p = 0; p < mm::BankPositions; ++p)
        put(600 + p, [p](datCh& c) { c.bankGroup = 5, c.bankPosition = p; });
    EXPECT_EQ(choose(N::CL_Mch_Bank_Group, Used, 5), cmcCellHandler::Repaint);
    EXPECT_EQ(channel(Used).bankPosition, 0);
}

TEST_F(MemFields, BankPositionsAreLimitedAndAnnounced) {
    put(Used, [](datCh& c) { c.bankGroup = 3, c.bankPosition = 4; });
    const struct {
        const char* typed;
        int stored;
    } cases[] = {{"17", 17}, {"150", 99}, {"-4", 0}, {" 5 ", 5}};
    for (const auto& c : cases) {
        data->sent.clear();
        EXPECT_EQ(edit(N::CL_Mch_Bank_ChNo, Used, c.typed), cmcCellHandler::Repaint);
        EXPECT_EQ(channel(Used).bankPosition, c.stored) << c.typed;
        EXPECT_EQ(data->sent, (Sent{{cmcEventId::ChannelsChanged, 0}, {cmcEventId::RedrawAll, 0}}));
    }
}

TEST_F(MemFields, ListsOfferOnlyTheirEntries) {
    put(Used, [](datCh& c) { c.mode = datCh::ModeWFM; });
    const cmcEeprom before = data->image();
    // "Auto" is only on the lists of destinations 0, 14 and 15.
    EXPECT_EQ(choose(N::CL_Mch_Mode, Used, datCh::ModeAuto), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(N::CL_Mch_TS_Pitch, Used, datCh::StepAuto), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(N::CL_Mch_TSQL_Freq, Used, 50), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(N::CL_Mch_Scan_Skip, Used, 2), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(N::CL_Mch_Bank_Group, Used, 22), cmcCellHandler::Nothing);
    EXPECT_EQ(choose(N::CL_Mch_Mode, Used, datCh::ModeAM, "CL_Mch_Mode"), cmcCellHandler::Nothing);
    EXPECT_EQ(edit(N::CL_Mch_Mode, Used, "AM"), cmcCellHandler::Nothing);
    EXPECT_EQ(press(N::CL_Mch_Mode, Used, 'A'), cmcCellHandler::Nothing);
    EXPECT_TRUE(data->image() == before);

    EXPECT_EQ(choose(N::CL_Mch_TSQL_Freq, Used, 49), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_Mch_TSQL_Freq, Used), "254.1");
    use(14);
    EXPECT_EQ(choose(N::CL_Mch_Mode, Used, datCh::ModeAuto), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_Mch_Mode, Used), "Auto");
}

TEST_F(MemFields, EnterOpensTheDestinationsListOnTheCurrentCode) {
    const struct {
        int destination;
        int link;
        const char* list;
    } cases[] = {
        {1, N::CL_Mch_Mode, "GI_Sheet_Sel_Mch_Mode"},
        {0, N::CL_Mch_Mode, "GI_Sheet_Sel_Mch_Mode_JPN"},
        {15, N::CL_Mch_TS_Pitch, "GI_Sheet_Sel_Mch_TS_Pitch_JPN"},
        {6, N::CL_Mch_TS_Pitch, "GI_Sheet_Sel_Mch_TS_Pitch"},
        {6, N::CL_Mch_DTCS, "GI_Sheet_Sel_Mch_DTCS"},
        {6, N::CL_Mch_Vsc, "GI_Sheet_Sel_Misc_OnOff2"},
    };
    for (const auto& c : cases) {
        use(c.destination);
        put(Used, [](datCh& ch) {
            ch.mode = datCh::ModeAM;
            ch.step = 4;
            ch.dtcsIndex = 20;
        });
        datCellReq answer;
        EXPECT_EQ(press(c.link, Used, datCellReq::KeyEnter, &answer), cmcCellHandler::Nothing);
        EXPECT_EQ(answer.listSheet, c.list);
        const int code = c.link == N::CL_Mch_Mode   ? datCh::ModeAM
                         : c.link == N::CL_Mch_DTCS ? 20
                         : c.link == N::CL_Mch_Vsc  ? 0
                                                    : 4;
        EXPECT_EQ(answer.listChoice, code) << c.list;
    }
}

TEST_F(MemFields, SpaceAndBackspaceStepThroughTheListWithWrapAround) {
    const struct {
        int link;
        int key;
        const char* shown;
    } steps[] = {
        {N::CL_Mch_Dup, ' ', "-DUP"},
        {N::CL_Mch_Dup, ' ', "+DUP"},
        {N::CL_Mch_Dup, ' ', ""},
        {N::CL_Mch_Dup, 8, "+DUP"},
        {N::CL_Mch_Scan_Skip, ' ', "Skip"},
        {N::CL_Mch_Scan_Skip, ' ', "PSkip"},
        {N::CL_Mch_Scan_Skip, ' ', "OFF"},
        {N::CL_Mch_Mode, 8, "AM"},
        {N::CL_Mch_Bank_Group, ' ', "Bank-A"},
        {N::CL_Mch_Bank_Group, 8, "OFF"},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(press(s.link, Used, s.key), cmcCellHandler::Repaint);
        EXPECT_EQ(shown(s.link, Used), s.shown) << N::linkName(s.link).constData();
    }
}

TEST_F(MemFields, MarksFollowTheRecordRules) {
    use(6, false);
    put(20, [](datCh& c) { c.frequency = 1310 * MHz; });
    put(21, [](datCh& c) { c.step = datCh::Step9k; });
    put(22, [](datCh& c) {
        c.frequency = 850500000;
        c.mode = datCh::ModeWFM;
    });
    put(23, [](datCh& c) { c.bankGroup = 2, c.bankPosition = 8; });
    put(24, [](datCh& c) { c.bankGroup = 2, c.bankPosition = 8; });
    put(25, [](datCh& c) { c.frequency = 830 * MHz; });
    const auto marks = [this](int link, int number) {
        const datCellReq r = drawn(link, number);
        return std::make_pair(r.warningMark, r.errorMark);
    };
    using M = std::pair<bool, bool>;
    EXPECT_EQ(marks(N::CL_Mch_Freq, 20), M(true, true));
    EXPECT_EQ(marks(N::CL_Mch_Freq, Used), M(false, false));
    EXPECT_EQ(marks(N::CL_Mch_Freq, 25), M(true, false));
    EXPECT_EQ(marks(N::CL_Mch_TS_Pitch, 21), M(false, true));
    EXPECT_EQ(marks(N::CL_Mch_TS_Pitch, Used), M(false, false));
    EXPECT_EQ(marks(N::CL_Mch_Mode, 22), M(false, true));
    EXPECT_EQ(marks(N::CL_Mch_Bank_Group, 23), M(false, true));
    EXPECT_EQ(marks(N::CL_Mch_Bank_ChNo, 24), M(false, true));
    EXPECT_EQ(marks(N::CL_Mch_Name, 24), M(false, false));
    // An empty channel raises nothing.
    datCh emptied = channel(20);
    emptied.setInUse(false);
    emptied.store();
    EXPECT_EQ(marks(N::CL_Mch_Freq, 20), M(false, false));
}

TEST_F(MemFields, OtherLinksCommandsAndCategoriesGoToTheFallback) {
    datCellReq r = request(N::CL_Misc_ChNo_0Base, Used);
    EXPECT_EQ(page->shownText(r), "fallback");
    r = request(N::CL_Mch_Freq, Used, "CT_BankCh");
    EXPECT_EQ(page->shownText(r), "fallback");
    EXPECT_EQ(page->act(r), cmcCellHandler::Repaint);
    r = request(N::CL_Mch_Freq, 1300);
    EXPECT_EQ(page->shownText(r), "fallback");
    r = request(N::CL_Mch_Name, Empty);
    r.commandLink = N::CL_PMenu_Copy;
    EXPECT_EQ(page->act(r), cmcCellHandler::Repaint);
    EXPECT_EQ(press(N::CL_Mch_Name, Used, datCellReq::KeyF1), cmcCellHandler::Repaint);
    EXPECT_EQ(choose(N::CL_Misc_ChNo_0Base, Used, 0), cmcCellHandler::Repaint);
    r = request(N::Flex0, 1);
    r.mode = datCellReq::ListChoice;
    EXPECT_EQ(page->act(r), cmcCellHandler::Repaint);
    EXPECT_EQ(fallback.acted.size(), 5u);
    cmcCellObj menuItem;
    page->refresh(menuItem);
    EXPECT_EQ(fallback.refreshes, 1);
}

} // namespace
