#include "MemFieldsFixture.h"

#include <tuple>

namespace {

using namespace memfields;

// Every field of a channel but its frequency and rasters.
auto settings(const datCh& c) {
    return std::make_tuple(c.duplex, c.offset, c.skip, c.step, c.mode, c.attenuator, c.afFilter,
                           c.toneMode, c.toneIndex, c.dtcsIndex, c.dtcsPolarity, c.canceller,
                           c.trainFrequency, c.vsc, c.name, c.bankGroup, c.bankPosition);
}

const int FieldLinks[] = {
    N::CL_Mch_Freq,          N::CL_Mch_Dup,       N::CL_Mch_Offset_Freq, N::CL_Mch_TS_Pitch,
    N::CL_Mch_Mode,          N::CL_Mch_AF_Filter, N::CL_Mch_Att,         N::CL_Mch_Name,
    N::CL_Mch_Scan_Skip,     N::CL_Mch_Tone,      N::CL_Mch_TSQL_Freq,   N::CL_Mch_DTCS,
    N::CL_Mch_DTCS_Polarity, N::CL_Mch_Canceller, N::CL_Mch_TrainFreq,   N::CL_Mch_Vsc,
    N::CL_Mch_Bank_Group,    N::CL_Mch_Bank_ChNo,
};

TEST_F(MemFields, UsedChannelShowsItsFieldsAsTheCodecsGiveThem) {
    put(Used, [](datCh& c) {
        c.duplex = 1;
        c.offset = 600000;
        c.step = 5;
        c.mode = datCh::ModeAM;
        c.attenuator = 1;
        c.name = {'A', 'B', 'C', ' ', ' ', ' '};
        c.skip = 3;
        c.toneMode = 2;
        c.toneIndex = 8;
        c.dtcsIndex = 103;
        c.dtcsPolarity = 1;
        c.canceller = 3;
        c.trainFrequency = 3000;
        c.bankGroup = 21;
        c.bankPosition = 42;
    });
    const struct {
        int link;
        const char* text;
    } cases[] = {
        {N::CL_Mch_Freq, "146.010000"},
        {N::CL_Mch_Dup, "-DUP"},
        {N::CL_Mch_Offset_Freq, "0.600000"},
        {N::CL_Mch_TS_Pitch, "12.5k"},
        {N::CL_Mch_Mode, "AM"},
        {N::CL_Mch_AF_Filter, "OFF"},
        {N::CL_Mch_Att, "ON"},
        {N::CL_Mch_Name, "ABC   "},
        {N::CL_Mch_Scan_Skip, "PSkip"},
        {N::CL_Mch_Tone, "OFF"}, // the canceller excludes it
        {N::CL_Mch_TSQL_Freq, "88.5"},
        {N::CL_Mch_DTCS, "754"},
        {N::CL_Mch_DTCS_Polarity, "Reverse"},
        {N::CL_Mch_Canceller, "MSK"},
        {N::CL_Mch_TrainFreq, "3000"},
        {N::CL_Mch_Vsc, "OFF"},
        {N::CL_Mch_Bank_Group, "Bank-Y"},
        {N::CL_Mch_Bank_ChNo, "42"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(c.link, Used), c.text) << N::linkName(c.link).constData();
}

TEST_F(MemFields, EmptyChannelShowsBlankCells) {
    put(Used + 1, [](datCh& c) { c.frequency = 1310 * MHz; });
    for (int link : FieldLinks) {
        EXPECT_EQ(shown(link, Empty), "") << N::linkName(link).constData();
        EXPECT_EQ(shown(link, Used + 1), "") << N::linkName(link).constData();
    }
}

TEST_F(MemFields, DigitInNameOfEmptyChannelOpensTheFrequencyEditorOnItsRow) {
    const cmcEeprom before = data->image();
    datCellReq answer;
    EXPECT_EQ(press(N::CL_Mch_Name, Empty, '7', &answer), cmcCellHandler::OpenEditor);
    EXPECT_TRUE(answer.moveRequested);
    EXPECT_EQ(answer.moveLink, N::CL_Mch_Freq);
    EXPECT_EQ(answer.moveIndex, Empty);
    EXPECT_EQ(answer.editorText, "7");
    EXPECT_EQ(answer.selectionStart, 1);
    EXPECT_EQ(answer.selectionLength, 0);
    EXPECT_TRUE(data->image() == before);
}

TEST_F(MemFields, EveryCellOfAnEmptyChannelLeadsToItsFrequency) {
    const cmcEeprom before = data->image();
    for (int link : FieldLinks) {
        for (int key : {datCellReq::KeyEnter, datCellReq::KeyMouse, int(' '), 8, int('x')}) {
            datCellReq answer;
            EXPECT_EQ(press(link, Empty, key, &answer), cmcCellHandler::OpenEditor) << key;
            EXPECT_EQ(answer.moveRequested, link != N::CL_Mch_Freq);
            EXPECT_EQ(answer.editorText, key == ' ' || key == 'x' ? QByteArray(1, char(key)) : "");
        }
        EXPECT_EQ(edit(link, Empty, "3"),
                  link == N::CL_Mch_Freq ? cmcCellHandler::Repaint : cmcCellHandler::OpenEditor);
        if (link == N::CL_Mch_Freq)
            data->image() = before;
    }
    EXPECT_EQ(choose(N::CL_Mch_Mode, Empty, datCh::ModeAM), cmcCellHandler::Nothing);
    // Codes above 127 are no typed characters of the receiver's.
    EXPECT_EQ(press(N::CL_Mch_Name, Empty, 0xE9), cmcCellHandler::Nothing);
    EXPECT_TRUE(data->image() == before);
    EXPECT_TRUE(fallback.acted.empty());
}

TEST_F(MemFields, FrequencyIntoAnEmptyChannelTakesTheBandDefaults) {
    put(Empty, [](datCh& c) {
        c.mode = datCh::ModeAM;
        c.step = 7;
        c.name = {'Z', 'Z', 'Z', 'Z', 'Z', 'Z'};
        c.toneMode = 3;
    });
    datCh emptied = channel(Empty);
    emptied.setInUse(false);
    emptied.store();

    EXPECT_EQ(edit(N::CL_Mch_Freq, Empty, "145.0"), cmcCellHandler::Repaint);
    const datCh made = channel(Empty);
    datCh defaults(&data->templateImage());
    defaults.load(datCh::KindBandDefault, data->bandPlan().bandOf(145 * MHz));
    EXPECT_TRUE(made.inUse());
    EXPECT_EQ(made.frequency, 145 * MHz);
    EXPECT_EQ(settings(made), settings(defaults));
    EXPECT_EQ(made.bankGroup, datCh::NoBank);
    EXPECT_EQ(data->sent, (Sent{{cmcEventId::ChannelsChanged, 0},
                                {cmcEventId::RedrawRecord, Empty},
                                {cmcEventId::PageShown, 0}}));
}

TEST_F(MemFields, FrequencyOfAChannelAboveTheLimitRenewsItButKeepsItsBankPlace) {
    put(Used, [](datCh& c) {
        c.frequency = 1310 * MHz;
        c.mode = datCh::ModeAM;
        c.bankGroup = 4;
        c.bankPosition = 7;
    });
    EXPECT_EQ(edit(N::CL_Mch_Freq, Used, "145"), cmcCellHandler::Repaint);
    const datCh renewed = channel(Used);
    EXPECT_EQ(renewed.frequency, 145 * MHz);
    EXPECT_EQ(renewed.mode, datCh::ModeFM);
    EXPECT_EQ(renewed.bankGroup, 4);
    EXPECT_EQ(renewed.bankPosition, 7);
}

TEST_F(MemFields, FrequencyIntoAUsedChannelChangesOnlyTheFrequency) {
    put(Used, [](datCh& c) {
        c.mode = datCh::ModeAM;
        c.step = 7;
        c.duplex = 2;
        c.offset = 5 * MHz;
        c.name = {'N', 'A', 'M', 'E', ' ', ' '};
        c.bankGroup = 2;
        c.bankPosition = 9;
    });
    const datCh before = channel(Used);
    EXPECT_EQ(edit(N::CL_Mch_Freq, Used, "145.0"), cmcCellHandler::Repaint);
    const datCh after = channel(Used);
    EXPECT_EQ(after.frequency, 145 * MHz);
    EXPECT_EQ(settings(after), settings(before));
}

TEST_F(MemFields, TypedFrequenciesAreLimitedAndPlacedOnTheirBandsGrid) {
    const struct {
        const char* typed;
        uint32_t stored;
    } cases[] = {
        {"0.1", 100000},         {"1309.995", 1309995000}, {"1310", 1309995000},
        {"0.05", 100000},        {"-3", 100000},           {"99999999", 1309995000},
        {"145.0033", 145005000}, // 5 kHz raster is 1700 Hz away, 6.25 kHz 2950 Hz
        {"145.0083", 145010000}, {"118.0083", 118008333}, // 8.33 kHz only in the air band
        {"0.531", 531000},                                // 9 kHz multiple in band 1
        {"2.007", 2006250},                               // the same step outside band 1
        {" 146.52 ", 146520000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(edit(N::CL_Mch_Freq, Used, c.typed), cmcCellHandler::Repaint);
        EXPECT_EQ(channel(Used).frequency, c.stored) << c.typed;
    }
}

TEST_F(MemFields, OffsetsAreLimitedAndPlaced) {
    const struct {
        const char* typed;
        uint32_t stored;
    } cases[] = {{"0.6", 600000}, {"200", 159995000}, {"-1", 0}, {"0.0033", 5000}};
    for (const auto& c : cases) {
        EXPECT_EQ(edit(N::CL_Mch_Offset_Freq, Used, c.typed), cmcCellHandler::Repaint);
        EXPECT_EQ(channel(Used).offset, c.stored) << c.typed;
    }
    // The record is redrawn, then the status bar tells of the entry that was limited.
    ASSERT_GE(data->sent.size(), 2u);
    EXPECT_EQ(data->sent.back().first, cmcEventId::StatusText);
    EXPECT_EQ(data->sent[data->sent.size() - 2],
              (std::pair<cmcEventId, int>{cmcEventId::RedrawRecord, Used}));
}

TEST_F(MemFields, TrainFrequenciesAreRoundedAndLimited) {
    use(0);
    const struct {
        const char* typed;
        uint32_t stored;
    } cases[] = {{"1234", 1230}, {"5000", 3000}, {"12", 300}, {"-7", 300}};
    for (const auto& c : cases) {
        EXPECT_EQ(edit(N::CL_Mch_TrainFreq, Used, c.typed), cmcCellHandler::Repaint);
        EXPECT_EQ(channel(Used).trainFrequency, c.stored) << c.typed;
    }
}

TEST_F(MemFields, NamesAreStoredInCapitalsWithBlanksForWhatTheReceiverCannotShow) {
    EXPECT_EQ(edit(N::CL_Mch_Name, Used, "ab#c"), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_Mch_Name, Used), "AB C  ");
    EXPECT_EQ(edit(N::CL_Mch_Name, Used, "[x]_~\x80"), cmcCellHandler::Repaint);
    EXPECT_EQ(shown(N::CL_Mch_Name, Used), " X    ");
}

TEST_F(MemFields, NonNumbersChangeNothing) {
    put(Used, [](datCh& c) { c.bankGroup = 3; });
    data->sent.clear();
    const cmcEeprom before = data->image();
    for (int link :
         {N::CL_Mch_Freq, N::CL_Mch_Offset_Freq, N::CL_Mch_TrainFreq, N::CL_Mch_Bank_ChNo}) {
        for (const char* text : {"", "abc", "1.2.3", "12a", ".", "1,5"}) {
            EXPECT_EQ(edit(link, Used, text), cmcCellHandler::Nothing) << text;
            EXPECT_EQ(edit(link, Empty, text), link == N::CL_Mch_Freq ? cmcCellHandler::Nothing
                                                                      : cmcCellHandler::OpenEditor);
        }
    }
    EXPECT_TRUE(data->image() == before);
    // Only the status bar hears of the refused text.
    for (const auto& [id, first] : data->sent)
        EXPECT_EQ(id, cmcEventId::StatusText);
}

TEST_F(MemFields, EntryCellsOpenTheEditorWithTheirValueOrTheTypedCharacter) {
    put(Used, [](datCh& c) { c.name = {'A', 'B', ' ', ' ', ' ', ' '}; });
    datCellReq answer;
    EXPECT_EQ(press(N::CL_Mch_Freq, Used, datCellReq::KeyEnter, &answer),
              cmcCellHandler::OpenEditor);
    EXPECT_EQ(answer.editorText, "146.010000");
    EXPECT_EQ(answer.selectionLength, 10);
    EXPECT_FALSE(answer.moveRequested);
    EXPECT_EQ(press(N::CL_Mch_Name, Used, datCellReq::KeyMouse, &answer),
              cmcCellHandler::OpenEditor);
    EXPECT_EQ(answer.editorText, "AB");
    EXPECT_EQ(press(N::CL_Mch_TrainFreq, Used, '9', &answer), cmcCellHandler::OpenEditor);
    EXPECT_EQ(answer.editorText, "9");
    EXPECT_EQ(answer.selectionStart, 1);
    EXPECT_EQ(press(N::CL_Mch_Name, Used, 8), cmcCellHandler::Nothing);
    EXPECT_EQ(press(N::CL_Mch_Name, Used, 0xE9), cmcCellHandler::Nothing);
    // Outside any bank the position cell is blank and has nothing to edit.
    EXPECT_EQ(press(N::CL_Mch_Bank_ChNo, Used, datCellReq::KeyEnter), cmcCellHandler::Nothing);
    EXPECT_EQ(edit(N::CL_Mch_Bank_ChNo, Used, "5"), cmcCellHandler::Nothing);
}

} // namespace
