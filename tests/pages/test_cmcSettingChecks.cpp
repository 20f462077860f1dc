#include "MemoryMap.h"
#include "cmcCheckFindings.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "cmcRecordRules.h"
#include "cmcScriptPrompt.h"
#include "cmcSettingChecks.h"
#include "cmcTreeMarks.h"
#include "cmcWriteGate.h"
#include "datCh.h"
#include "indDestination.h"

#include <gtest/gtest.h>

namespace {

using R = cmcRecordRules;
using F = cmcCheckFindings;
constexpr uint32_t MHz = 1000000;
const QByteArray Group0 = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
const QByteArray Group1 = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
const QByteArray BankB = "[St_CCBank]GI_Sheet_BankCH,14";

cmcTreeMarks::Node node(const QByteArray& callText, bool expanded = false,
                        std::vector<cmcTreeMarks::Node> children = {}) {
    cmcTreeMarks::Node made;
    made.callText = callText;
    made.expanded = expanded;
    made.children = std::move(children);
    return made;
}

class Checks : public testing::Test {
protected:
    void SetUp() override { image.loadTemplate(6); }
    void channel(int n, uint32_t frequency, int step = 0, int bank = datCh::NoBank,
                 int position = 0) {
        datCh record(&image);
        record.reset();
        record.frequency = frequency;
        record.step = step;
        record.bankGroup = bank;
        record.bankPosition = position;
        record.store(datCh::KindMemory, n);
        image.rebuildBankIndex();
    }
    cmcSettingChecks::Result run(const indDestination& plan) { return checks.run(image, plan); }

    cmcEeprom image;
    cmcSettingChecks checks{cmcGTex::app()};
    // Destination 6 with the cellular blocks barred.
    indDestination barred{6, true, true};
};

TEST_F(Checks, TheListHasOneLinePerCheckedPageInTreeOrder) {
    const auto& lines = checks.lines();
    ASSERT_EQ(lines.size(), 13u + 22u + 2u);
    EXPECT_EQ(lines[0].callText, Group0);
    EXPECT_EQ(lines[0].scope, cmcSettingChecks::MemoryGroup);
    EXPECT_EQ(lines[12].index, 12);
    EXPECT_EQ(lines[13].scope, cmcSettingChecks::Bank);
    EXPECT_EQ(lines[34].callText, "[St_CCBank]GI_Sheet_BankCH,34");
    EXPECT_EQ(lines[34].index, 21);
    EXPECT_EQ(lines[35].scope, cmcSettingChecks::ScanEdges);
    EXPECT_EQ(lines[36].callText, "[St_ColCut]GI_Sheet_AutoMWCH,46");
    const cmcSettingChecks::Result clean = run(barred);
    EXPECT_EQ(clean.errorLines + clean.warningLines, 0);
    EXPECT_EQ(clean.bits.size(), lines.size());
}

TEST_F(Checks, ALineWithAnErrorAndAWarningIsInBothListsAndShowsTheErrorMark) {
    channel(5, 830 * MHz);                // W: a barred cellular block
    channel(6, 146 * MHz, datCh::Step9k); // E2: 9k outside the broadcast band
    const cmcSettingChecks::Result result = run(barred);
    EXPECT_EQ(result.bits[0], R::Warning | R::Error);
    EXPECT_EQ(result.errorPages, QList<QByteArray>{Group0});
    EXPECT_EQ(result.warningPages, QList<QByteArray>{Group0});
    EXPECT_EQ(result.errorLines, 1);
    EXPECT_EQ(result.warningLines, 1);
    std::vector<cmcTreeMarks::Node> tree{node(Group0), node(Group1)};
    cmcTreeMarks::mark(tree, result.errorPages, result.warningPages);
    EXPECT_EQ(tree[0].overlay, cmcTreeMarks::ErrorMark);
    EXPECT_EQ(tree[1].overlay, cmcTreeMarks::NoMark);
}

// The upper part of the main tree: "Memory CH" > "All" > the groups, "Bank CH" > the banks.
std::vector<cmcTreeMarks::Node> mainTree(bool memoryExpanded, bool allExpanded) {
    cmcTreeMarks::Node all = node("GI_Sheet_TreeTop", allExpanded, {node(Group0), node(Group1)});
    cmcTreeMarks::Node banks = node("GI_Sheet_TreeTop", false, {node(BankB)});
    cmcTreeMarks::Node memory = node("GI_Sheet_TreeTop", memoryExpanded, {all, banks});
    return {node("GI_Sheet_TopPage", true, {memory})};
}

TEST_F(Checks, ACollapsedParentShowsTheMarkOfItsChildren) {
    const QList<QByteArray> errors{Group1};
    const QList<QByteArray> warnings{Group0, BankB};
    std::vector<cmcTreeMarks::Node> collapsed = mainTree(false, false);
    cmcTreeMarks::mark(collapsed, errors, warnings);
    const cmcTreeMarks::Node& memory = collapsed[0].children[0];
    EXPECT_EQ(collapsed[0].overlay, cmcTreeMarks::NoMark); // expanded
    EXPECT_EQ(memory.overlay, cmcTreeMarks::ErrorMark);
    EXPECT_EQ(memory.children[0].overlay, cmcTreeMarks::ErrorMark);
    EXPECT_EQ(memory.children[0].children[0].overlay, cmcTreeMarks::WarningMark);
    EXPECT_EQ(memory.children[0].children[1].overlay, cmcTreeMarks::ErrorMark);
    EXPECT_EQ(memory.children[1].overlay, cmcTreeMarks::WarningMark);

    std::vector<cmcTreeMarks::Node> expanded = mainTree(true, true);
    expanded[0].children[0].overlay = cmcTreeMarks::ErrorMark; // an old mark goes
    cmcTreeMarks::mark(expanded, errors, warnings);
    EXPECT_EQ(expanded[0].children[0].overlay, cmcTreeMarks::NoMark);
    EXPECT_EQ(expanded[0].children[0].children[0].overlay, cmcTreeMarks::NoMark);
    EXPECT_EQ(expanded[0].children[0].children[1].overlay, cmcTreeMarks::WarningMark);
}

TEST_F(Checks, DestinationSixteenRaisesNoWarning) {
    channel(5, 253 * MHz); // a listed range of destinations 0 and 16
    channel(6, 90 * 1000); // below the lower limit
    EXPECT_EQ(run(indDestination(16)).warningLines, 0);
    EXPECT_EQ(run(indDestination(0)).warningLines, 1);
}

TEST_F(Checks, FindingsSumUpToTheLineStates) {
    channel(5, 1310 * MHz);           // W E1 E2 in group 0
    channel(7, 146 * MHz, 0, 1, 3);   // E4 with channel 150
    channel(150, 147 * MHz, 0, 1, 3); //
    channel(250, 830 * MHz, 0, 1, 9); // W in group 2 and bank B
    datCh edge(&image);
    edge.load(datCh::KindScanEdge, 1);
    edge.lowEdge = 120 * MHz;
    edge.step = datCh::Step8_33k; // E2 at the high edge only (174 MHz)
    edge.store();
    const std::vector<F::Finding> found = F::of(checks, image, barred);
    const cmcSettingChecks::Result result = run(barred);
    std::vector<int> summed(result.bits.size(), 0);
    for (const F::Finding& f : found)
        summed[size_t(f.line)] |= f.error() ? R::Error : R::Warning;
    EXPECT_EQ(summed, result.bits);

    ASSERT_GE(found.size(), 3u);
    EXPECT_EQ(found[0].record, 5);
    EXPECT_EQ(found[0].rule, F::W);
    EXPECT_EQ(found[1].rule, F::E1);
    EXPECT_EQ(found[2].rule, F::E2);
    const auto has = [&found](int line, int record, F::Rule rule) {
        for (const F::Finding& f : found)
            if (f.line == line && f.record == record && f.rule == rule)
                return true;
        return false;
    };
    EXPECT_TRUE(has(0, 7, F::E4));
    EXPECT_TRUE(has(1, 150, F::E4));
    EXPECT_FALSE(has(14, 3, F::E4));
    EXPECT_TRUE(has(14, 9, F::W));
    EXPECT_TRUE(has(35, 1, F::E2));
    EXPECT_EQ(F::ruleName(F::E4), QByteArray("E4"));
}

struct GateCase {
    const char* name;
    int errors;
    int warnings;
    bool ask;
    cmcPrompt::Answer answer;
    const char* shown; // nullptr: nothing is asked
    cmcWriteGate::Verdict verdict;
};

class WriteGate : public testing::TestWithParam<GateCase> {};

TEST_P(WriteGate, JudgesTheChecks) {
    const GateCase& c = GetParam();
    cmcSettingChecks::Result checks;
    checks.errorLines = c.errors;
    checks.warningLines = c.warnings;
    cmcScriptPrompt prompt;
    prompt.answer(c.answer);
    EXPECT_EQ(cmcWriteGate::judge(checks, prompt, cmcGTex::app(), c.ask), c.verdict);
    if (!c.shown) {
        EXPECT_TRUE(prompt.messages().isEmpty());
        return;
    }
    ASSERT_EQ(prompt.messages().size(), 1);
    const cmcPrompt::Message m = prompt.messages()[0];
    EXPECT_EQ(m.text, cmcGTex::app().multiLineText(c.shown));
    EXPECT_EQ(m.caption, cmcGTex::app().GetText("GI_Sys_AppTitle"));
    EXPECT_EQ(m.buttons, c.errors ? cmcPrompt::Ok : cmcPrompt::OkCancel);
    EXPECT_EQ(m.icon, c.errors ? cmcPrompt::Stop : cmcPrompt::Exclamation);
}

using P = cmcPrompt;
using G = cmcWriteGate;
INSTANTIATE_TEST_SUITE_P(
    Table, WriteGate,
    testing::Values(
        GateCase{"errors", 1, 3, true, P::AnswerOk, "GI_Mess_DataError", G::Refused},
        GateCase{"errorsConfirmed", 2, 0, false, P::AnswerOk, "GI_Mess_DataError", G::Refused},
        GateCase{"warnings", 0, 2, true, P::AnswerOk, "GI_Mess_DataWarn", G::Confirmed},
        GateCase{"warningsCancelled", 0, 1, true, P::AnswerCancel, "GI_Mess_DataWarn",
                 G::Cancelled},
        GateCase{"clean", 0, 0, true, P::AnswerOk, "GI_Mess_Confirm_CloneWrite", G::Confirmed},
        GateCase{"cleanCancelled", 0, 0, true, P::AnswerCancel, "GI_Mess_Confirm_CloneWrite",
                 G::Cancelled},
        GateCase{"warningsConfirmed", 0, 1, false, P::AnswerCancel, nullptr, G::Confirmed}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
