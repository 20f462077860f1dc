#include "ListPagesFixture.h"
#include "cmcLinkCaption.h"

namespace {

using namespace listpages;

constexpr int Link3Page = 39;
constexpr int Link3 = 3 * datCh::ScanLinkRows;
const QByteArray LinkRow = "CT_Prog_Link";
constexpr quint32 Olive = 0x00008080;

class ScanLinkPage : public ListPage {
protected:
    void SetUp() override {
        open(Link3Page);
        putEdge(2, 144000000, 146000000, "HAM2");
        putEdge(5, 156000000, 157000000, "MARINE");
        putEdge(7, 118000000, 137000000, "AIR");
        setMembers(3, 1u << 2 | 1u << 7);
    }

    void putEdge(int number, uint32_t low, uint32_t high, const char* name) {
        datCh e(&data->image());
        e.reset();
        e.lowEdge = low;
        e.frequency = high;
        const QByteArray padded = QByteArray(name).leftJustified(6, ' ');
        std::copy(padded.begin(), padded.end(), e.name.begin());
        e.store(datCh::KindScanEdge, number);
    }
    void setMembers(int link, uint32_t members) {
        for (int i = 0; i < 4; ++i)
            data->image().setByte(mm::scanLinkMembers(link) + i, (members >> 8 * i) & 0xFF);
    }
    uint32_t members(int link) {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | data->image().getByte(mm::scanLinkMembers(link) + i);
        return value;
    }
    QByteArray shown(int link, int row, const QByteArray& text = "") {
        datCellReq r;
        r.cell = &cell(LinkRow, link, Link3 + row, text);
        return page->shownText(r);
    }
    // The "No." column of rows 0 .. count - 1.
    std::vector<QByteArray> numbers(int count) {
        std::vector<QByteArray> column;
        for (int row = 0; row < count; ++row)
            column.push_back(shown(N::CL_PgLink_No, row));
        return column;
    }
};

TEST_F(ScanLinkPage, RowsFollowTheMembersInAscendingEdgeNumber) {
    EXPECT_EQ(shown(N::CL_Misc_ChNo_PLink, 0), "Add");
    EXPECT_EQ(shown(N::CL_Misc_ChNo_PLink, 1), "0");
    EXPECT_EQ(shown(N::CL_Misc_ChNo_PLink, 25), "24");
    EXPECT_EQ(numbers(4), std::vector<QByteArray>({"", "2", "7", ""}));
    EXPECT_EQ(shown(N::CL_PgSrch_Name, 1), "HAM2  ");
    EXPECT_EQ(shown(N::CL_Pglink_Edge_A, 1), "144.000000");
    EXPECT_EQ(shown(N::CL_Pglink_Edge_B, 1), "146.000000");
    EXPECT_EQ(shown(N::CL_PgLink_Sepa1, 2, "\\_:\\_"), ":");
    EXPECT_EQ(shown(N::CL_PgLink_Sepa2, 2, "\\_-\\_"), "-");
    EXPECT_EQ(shown(N::CL_PgSrch_Name, 2), "AIR   ");
    for (int link : {N::CL_PgSrch_Name, N::CL_PgLink_Sepa1, N::CL_Pglink_Edge_A, N::CL_PgLink_Sepa2,
                     N::CL_Pglink_Edge_B})
        for (int row : {0, 3})
            EXPECT_EQ(shown(link, row, "\\_:\\_"), "") << N::linkName(link).constData() << row;

    datCellReq member = request(LinkRow, N::CL_PgLink_No, Link3 + 1);
    page->shownText(member);
    EXPECT_EQ(member.textColour, Olive);
}

TEST_F(ScanLinkPage, AnEdgeChosenOnTheAddRowJoinsAndTheRowsReSort) {
    EXPECT_EQ(choose(LinkRow, N::CL_PgLink_No, Link3, 5), cmcCellHandler::Repaint);
    EXPECT_EQ(members(3), 1u << 2 | 1u << 5 | 1u << 7);
    EXPECT_EQ(numbers(5), std::vector<QByteArray>({"", "2", "5", "7", ""}));
    EXPECT_EQ(shown(N::CL_PgSrch_Name, 2), "MARINE");
    EXPECT_NE(std::find(data->sent.begin(), data->sent.end(),
                        ListPageData::Seen{cmcEventId::RedrawAll, 0, {}}),
              data->sent.end());
    // Past the last member a row adds as the Add row does.
    choose(LinkRow, N::CL_PgLink_No, Link3 + 9, 0);
    EXPECT_EQ(numbers(6), std::vector<QByteArray>({"", "0", "2", "5", "7", ""}));
    // Other links keep their members.
    EXPECT_EQ(members(2), 0x01FFFFFEu);
}

TEST_F(ScanLinkPage, EnterOpensTheEdgeListAndOnlyRowsWithoutMemberTakeTyping) {
    datCellReq answer;
    EXPECT_EQ(press(LinkRow, N::CL_PgLink_No, Link3 + 2, datCellReq::KeyEnter, &answer),
              cmcCellHandler::Nothing);
    EXPECT_EQ(answer.listSheet, "GI_Sheet_Sel_Pg_Link");
    EXPECT_EQ(answer.listChoice, 7);
    EXPECT_EQ(press(LinkRow, N::CL_PgLink_No, Link3 + 2, '3', &answer), cmcCellHandler::Nothing);
    EXPECT_EQ(press(LinkRow, N::CL_PgLink_No, Link3, '3', &answer), cmcCellHandler::OpenEditor);
    EXPECT_EQ(answer.editorText, "3");
    EXPECT_EQ(press(LinkRow, N::CL_PgLink_No, Link3 + 3, '3', &answer), cmcCellHandler::OpenEditor);
}

TEST_F(ScanLinkPage, ATypedEdgeIsLimitedToTheEdgesAndOtherTextChangesNothing) {
    const struct {
        const char* typed;
        uint32_t members;
    } cases[] = {
        {"30", 1u << 2 | 1u << 7 | 1u << 24},
        {"-1", 1u << 0 | 1u << 2 | 1u << 7},
        {"x", 1u << 2 | 1u << 7},
        {"", 1u << 2 | 1u << 7},
        {"4.5", 1u << 2 | 1u << 7},
    };
    for (const auto& c : cases) {
        setMembers(3, 1u << 2 | 1u << 7);
        edit(LinkRow, N::CL_PgLink_No, Link3, c.typed);
        EXPECT_EQ(members(3), c.members) << c.typed;
    }
}

TEST_F(ScanLinkPage, NothingIsTypedIntoTheShownPartsAndCommandsGoToTheFallback) {
    const cmcEeprom before = data->image();
    EXPECT_EQ(press(LinkRow, N::CL_Pglink_Edge_A, Link3 + 1, datCellReq::KeyEnter),
              cmcCellHandler::Nothing);
    EXPECT_EQ(press(LinkRow, N::CL_PgSrch_Name, Link3 + 1, 'A'), cmcCellHandler::Nothing);
    EXPECT_EQ(data->image(), before);
    EXPECT_TRUE(fallback.acted.empty());

    datCellReq command = request(LinkRow, N::CL_PgLink_No, Link3 + 1);
    command.commandLink = N::CL_PMenu_Delete;
    EXPECT_EQ(page->act(command), cmcCellHandler::Repaint);
    EXPECT_EQ(press(LinkRow, N::CL_Misc_ChNo_PLink, Link3, datCellReq::KeyF1),
              cmcCellHandler::Repaint);
    EXPECT_EQ(fallback.acted, std::vector<int>({N::CL_PgLink_No, N::CL_Misc_ChNo_PLink}));
    EXPECT_EQ(shown(N::CL_Mch_Freq, 1), "fallback");
}

class LinkNamePage : public ListPage {
protected:
    void SetUp() override { open(48); }
};

TEST_F(LinkNamePage, RenamingLinkFourStoresAChannelNameAndNamesTheLink) {
    EXPECT_EQ(edit(LinkRow, N::CL_PgLink_Name, 4, "air#1"), cmcCellHandler::Repaint);
    EXPECT_EQ(drawn(LinkRow, N::CL_PgLink_Name, 4).editorText, "AIR 1 ");
    EXPECT_EQ(cmcLinkCaption::text(data->image(), 4), "4: AIR 1 ");
    EXPECT_EQ(data->sent, std::vector<ListPageData::Seen>({{cmcEventId::LinkNameChanged, 4, {}}}));
    datCellReq answer;
    EXPECT_EQ(press(LinkRow, N::CL_PgLink_Name, 4, datCellReq::KeyEnter, &answer),
              cmcCellHandler::OpenEditor);
    EXPECT_EQ(answer.editorText, "AIR 1");
    // The other links keep their names.
    EXPECT_EQ(cmcLinkCaption::text(data->image(), 5), "5:       ");
    EXPECT_EQ(cmcLinkCaption::text(data->image(), 10), "");
}

TEST_F(LinkNamePage, AnIndexOutsideTheLinksShowsAndChangesNothing) {
    const cmcEeprom before = data->image();
    EXPECT_EQ(drawn(LinkRow, N::CL_PgLink_Name, 10).editorText, "");
    EXPECT_EQ(edit(LinkRow, N::CL_PgLink_Name, 10, "XYZ"), cmcCellHandler::Nothing);
    EXPECT_EQ(edit(LinkRow, N::CL_PgLink_Name, -1, "XYZ"), cmcCellHandler::Nothing);
    EXPECT_EQ(data->image(), before);
    EXPECT_TRUE(data->sent.empty());
}

} // namespace
