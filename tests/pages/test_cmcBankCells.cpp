#include "ListPagesFixture.h"
#include "cmcBankCells.h"
#include "cmcBankTitle.h"
#include "cmcRecordRules.h"

#include <algorithm>

namespace {

using namespace listpages;

constexpr int PageA = 13;
const QByteArray Bank = "CT_BankCh";

class BankPage : public ListPage {
protected:
    void SetUp() override { open(PageA); }

    QByteArray shown(int link, int position) { return drawn(Bank, link, position).editorText; }
    int select(int position, const QByteArray& text) {
        return edit(Bank, N::CL_Mch_Select_ChNo, position, text);
    }
    int typeFrequency(int position, const QByteArray& text) {
        return edit(Bank, N::CL_Mch_Freq, position, text);
    }
    // Where a memory channel sits: its bank group and position.
    std::pair<int, int> seat(int channel) {
        const datCh c = load(datCh::KindMemory, channel);
        return {c.bankGroup, c.bankPosition};
    }
    bool sent(cmcEventId id) {
        return std::any_of(data->sent.begin(), data->sent.end(),
                           [id](const ListPageData::Seen& s) { return s.id == id; });
    }
};

TEST_F(BankPage, BankSixteenIsQOnPageTwentyNine) {
    EXPECT_EQ(cmcBankCells::bankOf(29), 16);
    EXPECT_EQ(cmcBankCells::bankOf(31), 18);
    EXPECT_EQ(cmcBankCells::bankOf(12), datCh::NoBank);
    EXPECT_EQ(cmcBankCells::bankOf(35), datCh::NoBank);
    EXPECT_EQ(cmcBankTitle::title(data->image(), data->table(), 16), " Q:       ");
    EXPECT_EQ(cmcBankTitle::title(data->image(), data->table(), 18), " T:       ");
    EXPECT_EQ(cmcBankTitle::title(data->image(), data->table(), datCh::NoBank), "");

    open(29);
    putChannel(40, [](datCh& c) {
        c.bankGroup = 16;
        c.bankPosition = 0;
    });
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 0), "40");
    EXPECT_EQ(shown(N::CL_Mch_Freq, 0), "146.010000");
}

TEST_F(BankPage, APositionShowsTheChannelTheBankIndexPlacesThere) {
    putChannel(9, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 3;
        c.frequency = 145500000;
        c.name = {'R', 'E', 'P', ' ', ' ', ' '};
    });
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 3), "9");
    EXPECT_EQ(shown(N::CL_Mch_Freq, 3), "145.500000");
    EXPECT_EQ(shown(N::CL_Mch_Name, 3), "REP   ");
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 4), "");
    EXPECT_EQ(shown(N::CL_Mch_Freq, 4), "");
    EXPECT_EQ(shown(N::CL_Mch_Mode, 4), "");

    // An edit of a position changes its memory channel and redraws that row.
    EXPECT_EQ(choose(Bank, N::CL_Mch_Mode, 3, datCh::ModeAM), cmcCellHandler::Repaint);
    EXPECT_EQ(load(datCh::KindMemory, 9).mode, datCh::ModeAM);
    EXPECT_NE(std::find(data->sent.begin(), data->sent.end(),
                        ListPageData::Seen{cmcEventId::RedrawRecord, 3, {}}),
              data->sent.end());
}

TEST_F(BankPage, ADigitInAnEmptyPositionOpensItsFrequencyEditor) {
    datCellReq answer;
    EXPECT_EQ(press(Bank, N::CL_Mch_Name, 6, '4', &answer), cmcCellHandler::OpenEditor);
    EXPECT_TRUE(answer.moveRequested);
    EXPECT_EQ(answer.moveLink, N::CL_Mch_Freq);
    EXPECT_EQ(answer.moveIndex, 6);
    EXPECT_EQ(answer.editorText, "4");
}

TEST_F(BankPage, AFrequencyIntoAnEmptyPositionCreatesTheLowestEmptyChannelThere) {
    putChannel(2);
    ASSERT_FALSE(load(datCh::KindMemory, 3).inUse());
    data->sent.clear();
    EXPECT_EQ(typeFrequency(7, "145.0"), cmcCellHandler::Repaint);
    const datCh created = load(datCh::KindMemory, 3);
    datCh band(&data->templateImage());
    band.load(datCh::KindBandDefault, data->bandPlan().bandOf(145000000));
    EXPECT_TRUE(created.inUse());
    EXPECT_EQ(created.frequency, 145000000u);
    EXPECT_EQ(created.step, band.step);
    EXPECT_EQ(created.mode, band.mode);
    EXPECT_EQ(seat(3), std::make_pair(0, 7));
    EXPECT_TRUE(sent(cmcEventId::ChannelsChanged));
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 7), "3");
    EXPECT_EQ(shown(N::CL_Mch_Freq, 7), "145.000000");
    EXPECT_TRUE(data->questions.messages().isEmpty());
}

TEST_F(BankPage, WithEveryChannelUsedAFrequencyIntoAnEmptyPositionChangesNothing) {
    useChannels(mm::MemoryChannels);
    const cmcEeprom before = data->image();
    data->sent.clear();
    EXPECT_EQ(typeFrequency(7, "145.0"), cmcCellHandler::Nothing);
    EXPECT_EQ(data->image(), before);
    const auto messages = data->questions.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "The number of channels exceeds.");
    EXPECT_EQ(messages[0].icon, cmcPrompt::Stop);
    EXPECT_EQ(messages[0].buttons, cmcPrompt::Ok);
    data->events().deliverQueue();
    const std::vector<ListPageData::Seen> blocking{{cmcEventId::MessageBoxShown, 1, {}},
                                                   {cmcEventId::MessageBoxShown, 0, {}}};
    EXPECT_EQ(data->sent, blocking);

    // What is not a frequency asks nothing.
    EXPECT_EQ(typeFrequency(7, "fm"), cmcCellHandler::Nothing);
    EXPECT_EQ(data->questions.messages().size(), 1);
}

TEST_F(BankPage, ChannelFiveSelectedForA3WhileNineSitsThere) {
    putChannel(9, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 3;
    });
    putChannel(5, [](datCh& c) {
        c.bankGroup = 2;
        c.bankPosition = 1;
    });
    data->sent.clear();
    EXPECT_EQ(select(3, "5"), cmcCellHandler::Repaint);
    EXPECT_EQ(seat(9), std::make_pair(int(datCh::NoBank), 0));
    EXPECT_EQ(seat(5), std::make_pair(0, 3));
    EXPECT_TRUE(load(datCh::KindMemory, 9).inUse());
    EXPECT_TRUE(sent(cmcEventId::ChannelsChanged));
    EXPECT_EQ(data->image().bankEntry(2, 1), mm::BankEntryFree);
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 3), "5");
}

TEST_F(BankPage, AnEmptyChannelSelectedIsUsedWithAFrequencyNoReceiverTakes) {
    ASSERT_FALSE(load(datCh::KindMemory, 700).inUse());
    select(4, "700");
    const datCh chosen = load(datCh::KindMemory, 700);
    EXPECT_TRUE(chosen.inUse());
    EXPECT_EQ(chosen.frequency, indDestination::UpperLimit);
    EXPECT_EQ(seat(700), std::make_pair(0, 4));
    const datCellReq frequency = drawn(Bank, N::CL_Mch_Freq, 4);
    EXPECT_EQ(frequency.editorText, "");
    EXPECT_TRUE(frequency.errorMark);
    EXPECT_EQ(shown(N::CL_Mch_Mode, 4), "");
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 4), "700");
    EXPECT_TRUE(cmcRecordRules(data->bandPlan()).memoryGroup(data->image(), 7) &
                cmcRecordRules::Error);

    // Its frequency makes it a channel with its band's defaults, at the same place.
    EXPECT_EQ(typeFrequency(4, "146.5"), cmcCellHandler::Repaint);
    EXPECT_EQ(load(datCh::KindMemory, 700).frequency, 146500000u);
    EXPECT_EQ(seat(700), std::make_pair(0, 4));
    EXPECT_FALSE(drawn(Bank, N::CL_Mch_Freq, 4).errorMark);
}

TEST_F(BankPage, ChSelectOpensItsEditorOnTheChannelNumber) {
    putChannel(9, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 3;
    });
    const struct {
        int position;
        int key;
        const char* text;
        int start;
        int length;
    } cases[] = {
        {3, datCellReq::KeyEnter, "9", 0, 1},
        {3, ' ', "9", 0, 1},
        {3, 8, "9", 0, 1},
        {4, datCellReq::KeyEnter, "", 0, 0},
        {4, ' ', "", 0, 0},
        {4, 8, "", 0, 0},
        {3, '4', "4", 1, 0},
        {4, '4', "4", 1, 0},
    };
    for (const auto& c : cases) {
        datCellReq answer;
        EXPECT_EQ(press(Bank, N::CL_Mch_Select_ChNo, c.position, c.key, &answer),
                  cmcCellHandler::OpenEditor)
            << c.position << " " << c.key;
        EXPECT_EQ(answer.editorText, c.text) << c.position << " " << c.key;
        EXPECT_EQ(answer.selectionStart, c.start);
        EXPECT_EQ(answer.selectionLength, c.length);
    }
}

TEST_F(BankPage, ChSelectTakesNumbersWithinTheChannelsAndIgnoresOtherText) {
    const struct {
        const char* typed;
        int channel; // -1: the position stays as it was
    } cases[] = {{"5000", 1299}, {"-3", 0}, {" 12 ", 12}, {"abc", -1}, {"12.5", -1}};
    for (const auto& c : cases) {
        open(PageA);
        const cmcEeprom before = data->image();
        select(8, c.typed);
        if (c.channel < 0) {
            EXPECT_EQ(data->image(), before) << c.typed;
        } else {
            EXPECT_EQ(seat(c.channel), std::make_pair(0, 8)) << c.typed;
            EXPECT_EQ(data->image().bankEntry(0, 8), c.channel) << c.typed;
        }
    }
}

TEST_F(BankPage, AnEmptyEntryTakesThePositionsChannelOutOfTheBank) {
    putChannel(9, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 3;
    });
    EXPECT_EQ(select(3, ""), cmcCellHandler::Repaint);
    EXPECT_EQ(seat(9), std::make_pair(int(datCh::NoBank), 0));
    EXPECT_TRUE(load(datCh::KindMemory, 9).inUse());
    EXPECT_EQ(shown(N::CL_Mch_Select_ChNo, 3), "");
    data->sent.clear();
    EXPECT_EQ(select(3, ""), cmcCellHandler::Nothing);
    EXPECT_TRUE(data->sent.empty());
}

TEST_F(BankPage, TheTitleLabelCountsTheFreeChannels) {
    useChannels(mm::MemoryChannels - 123);
    ASSERT_EQ(cmcBankTitle::freeChannels(data->image()), 123);
    for (int i = 0; i < 6; ++i)
        data->image().setByte(mm::bankName(0) + i, static_cast<uint8_t>("AIR  1"[i]));
    const int free = cmcBankTitle::freeChannels(data->image());
    EXPECT_EQ(cmcBankTitle::label(data->image(), data->table(), 0, free),
              " A: AIR  1      (Remain  123 CH)");

    // Channels created from any page count at once.
    typeFrequency(0, "145.0");
    EXPECT_EQ(cmcBankTitle::freeChannels(data->image()), 122);
    EXPECT_EQ(cmcBankTitle::label(data->image(), data->table(), 0, 122),
              " A: AIR  1      (Remain  122 CH)");
}

TEST_F(BankPage, TwoChannelsOnOneSlotAreMarkedOnTheMemoryPagesNotOnTheBankLine) {
    open(PageA + 1);
    for (int channel : {10, 20})
        putChannel(channel, [](datCh& c) {
            c.bankGroup = 1;
            c.bankPosition = 5;
        });
    const datCellReq select5 = drawn(Bank, N::CL_Mch_Select_ChNo, 5);
    EXPECT_TRUE(select5.errorMark);
    EXPECT_EQ(select5.editorText, "");
    EXPECT_FALSE(drawn(Bank, N::CL_Mch_Select_ChNo, 6).errorMark);

    const cmcRecordRules rules(data->bandPlan());
    EXPECT_FALSE(rules.bank(data->image(), 1) & cmcRecordRules::Error);
    EXPECT_TRUE(rules.memoryGroup(data->image(), 0) & cmcRecordRules::Error);
    const std::unique_ptr<cmcCellHandler> memory = cmcListPageCells::create(0, *data, fallback);
    for (int channel : {10, 20}) {
        datCellReq group = request("CT_Conv", N::CL_Mch_Bank_Group, channel);
        memory->shownText(group);
        EXPECT_TRUE(group.errorMark) << channel;
    }

    // Nothing can be typed into the position until its channel is chosen; then the other
    // claimant leaves.
    const cmcEeprom before = data->image();
    EXPECT_EQ(typeFrequency(5, "145.0"), cmcCellHandler::Nothing);
    EXPECT_EQ(press(Bank, N::CL_Mch_Name, 5, 'A'), cmcCellHandler::Nothing);
    EXPECT_EQ(data->image(), before);
    select(5, "20");
    EXPECT_EQ(seat(10), std::make_pair(int(datCh::NoBank), 0));
    EXPECT_EQ(seat(20), std::make_pair(1, 5));
    EXPECT_FALSE(drawn(Bank, N::CL_Mch_Select_ChNo, 5).errorMark);
}

TEST_F(BankPage, OtherLinksCommandsAndFunctionKeysGoToTheFallback) {
    EXPECT_EQ(shown(N::CL_Misc_ChNo_0Base, 3), "fallback");
    for (int link : {N::CL_Mch_Select_ChNo, N::CL_Mch_Freq, N::CL_Mch_Mode}) {
        fallback.acted.clear();
        datCellReq command = request(Bank, link, 3);
        command.commandLink = N::CL_PMenu_Copy;
        EXPECT_EQ(page->act(command), cmcCellHandler::Repaint);
        EXPECT_EQ(press(Bank, link, 3, datCellReq::KeyF1 + 0x100), cmcCellHandler::Repaint);
        EXPECT_EQ(fallback.acted, std::vector<int>({link, link}));
    }
}

} // namespace
