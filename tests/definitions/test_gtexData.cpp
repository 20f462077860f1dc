// Walks the whole built-in definition table, English or (built with MAVIK_JAPANESE_TABLE)
// Japanese: a typo anywhere in the data fails here rather than ending the program when a user
// opens the page that holds it.
#include "cmcCellNames.h"
#include "cmcCellObj.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "cmcGTexLists.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <gtest/gtest.h>
#include <vector>

namespace {

#ifdef MAVIK_JAPANESE_TABLE
const char* const* const tableLines = gtexJapaneseLines;
// The process-wide reader takes the list on its first use, which comes after this.
const bool japaneseChosen = cmcGTex::chooseEdition(cmcGTex::Japanese);
// The Japanese list has no selection sheet for the monitor key.
constexpr qsizetype withoutMonitorSheet = 3;
#else
const char* const* const tableLines = gtexEnglishLines;
constexpr qsizetype withoutMonitorSheet = 0;
#endif

struct Entry {
    QByteArray key;
    QList<QByteArray> lines; // every line up to the next key line, "#" lines included
};

// The table split into entries straight from the line list, independent of the reader.
const std::vector<Entry>& entries() {
    static const std::vector<Entry> all = [] {
        std::vector<Entry> result;
        for (const char* const* line = tableLines; *line; ++line) {
            const QByteArray text(*line);
            if (text.size() > 1 && text[0] == '#')
                result.push_back({text.mid(1), {}});
            else if (!result.empty())
                result.back().lines.append(text);
        }
        return result;
    }();
    return all;
}

const QSet<QByteArray>& keys() {
    static const QSet<QByteArray> all = [] {
        QSet<QByteArray> result;
        for (const Entry& entry : entries())
            result.insert(entry.key);
        return result;
    }();
    return all;
}

QList<QByteArray> keysWith(const QByteArray& prefix, const QByteArray& suffix = {}) {
    QList<QByteArray> result;
    for (const Entry& entry : entries())
        if (entry.key.startsWith(prefix) && entry.key.endsWith(suffix))
            result.append(entry.key);
    return result;
}

QByteArray stem(const QByteArray& key, const QByteArray& suffix) {
    return key.left(key.size() - suffix.size());
}

// Value lines up to the first line beginning with '#'.
QList<QByteArray> listOf(const QByteArray& key) {
    return cmcGTex::app().listLines(key.constData());
}

cmcCellObj basicCell(const QByteArray& owner) {
    cmcCellObj cell;
    cell.parse(cmcGTex::app().GetText((owner + "_BasicCell").constData()), nullptr, nullptr);
    return cell;
}

bool isSheetCall(const QByteArray& argument) {
    const qsizetype comma = argument.indexOf(',');
    const QByteArray head = comma < 0 ? argument : argument.left(comma);
    const QByteArray key = head.mid(head.indexOf(']') + 1);
    return keys().contains(key + "_Style") && keys().contains(key + "_BasicCell") &&
           keys().contains(key + "_Cells");
}

// Popup menus must name a body; page calls must name a sheet.
void expectReferencesResolve(const cmcCellObj& cell, const QByteArray& where) {
    const QByteArray popup = cell.popupMenu();
    if (!popup.isEmpty()) {
        EXPECT_TRUE(keys().contains(popup + "_Body"))
            << where.constData() << ": " << popup.constData();
    }
    if (cell.link() == cmcCellNames::CallSheet) {
        EXPECT_TRUE(isSheetCall(cell.argument().value_or(""))) << where.constData();
    }
}

// The byte runs that the attribute language reads as a group opener in any line of the table.
QList<QByteArray> groupsStarting(char marker) {
    QList<QByteArray> result;
    for (const Entry& entry : entries())
        for (const QByteArray& line : entry.lines)
            for (qsizetype at = line.indexOf(QByteArray("(") + marker); at >= 0;
                 at = line.indexOf(QByteArray("(") + marker, at + 1)) {
                qsizetype end = at + 2;
                while (end < line.size() && line[end] != ')')
                    end += line[end] == '\\' ? 2 : 1;
                result.append(entry.key + ": " + line.mid(at + 2, end - at - 2));
            }
    return result;
}

// Models whose link belongs to features this receiver lacks; no definition may refer to them.
const QSet<QByteArray> reservedModels = {"iSpDigital",  "iSpScramble", "iSpDtmf",
                                         "iQpDigital",  "iSpDigitalS", "iQpDigitalS",
                                         "iQpScramble", "iQpDtmf",     "iSpMyCallSign"};

// Texts of the desktop program's own windows beyond the catalogue: the status bar, the port
// menu, cells whose behaviour is not built yet, the clone progress and information windows.
const QList<QByteArray> windowKeys = {
    "GI_AppInd_Status_Port", "GI_AppInd_Port_Caption", "GI_AppInd_Yet", "GI_AppInd_Clone_Caption",
    "GI_AppInd_Clone_Time", "GI_AppInd_Clone_Elapsed", "GI_AppInd_Clone_Remaining",
    "GI_AppInd_Clone_OffOn", "GI_AppInd_Clone_Unknown", "GI_AppInd_Clone_Revision",
    "GI_AppInd_Clone_Close", "GI_App_About_Runtime",
    // Cancelling a read, and the line of a write that cannot be cancelled.
    "GI_AppInd_Clone_Cancel", "GI_AppInd_Clone_NoCancel", "GI_AppInd_Clone_Cancelled",
    // The progress line of mavik-cli on a terminal.
    "GI_Cli_Progress", "GI_App_InitialSetup_Port", "GI_App_InitialSetup_More",
    "GI_AppInd_Opt_ComSel_Devices", "GI_Sys_HtmlHelp_Caption", "GI_Sys_HtmlHelp_Commands",
    // Undo and redo, and files dropped on the window.
    "GI_AppInd_Undo_Caption", "GI_AppInd_Undo_Steps", "GI_AppInd_Drop_Refused",
    // The print preview and a failed print job.
    "GI_AppInd_Preview_Setting_Sizes", "GI_AppInd_Preview_Page", "GI_Sys_Printer_Failed",
    // What became of a typed entry.
    "GI_AppMess_Input_Notice",
    // Serial devices beside the COM numbers, and why a port did not open.
    "GI_AppInd_Opt_ComSel_Present", "GI_AppInd_Opt_ComSel_Absent", "GI_Mess_CloneErr_Port"};

qsizetype windowKeysWith(const char* prefix) {
    qsizetype count = 0;
    for (const QByteArray& key : windowKeys)
        count += key.startsWith(prefix) ? 1 : 0;
    return count;
}

TEST(GTexData, EveryKeyOnceAndEndOfOvlLast) {
    const std::vector<Entry>& all = entries();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().key, "End_Of_Ovl");
    EXPECT_TRUE(all.back().lines.isEmpty());
    EXPECT_EQ(keys().size(), static_cast<qsizetype>(all.size()));
    EXPECT_EQ(qsizetype(all.size()), 324 - withoutMonitorSheet + windowKeys.size() + 1);
    for (const QByteArray& key : windowKeys)
        EXPECT_TRUE(keys().contains(key)) << key.constData();
}

TEST(GTexData, KeyFamiliesHaveTheirCounts) {
    struct Family {
        const char* prefix;
        const char* suffix;
        qsizetype count;
    };
    const Family families[] = {
        {"GI_Sys_", "", 19 + windowKeysWith("GI_Sys_")},
        {"GI_App_", "", 5 + windowKeysWith("GI_App_")},
        {"GI_AppInd_", "", 15 + windowKeysWith("GI_AppInd_")},
        {"GI_AppMess_", "", 16 + windowKeysWith("GI_AppMess_")},
        {"GI_Mess_", "", 28 + windowKeysWith("GI_Mess_")},
        {"CellModel_", "", 32},
        {"", "_Body", 16},
        {"GI_Sheet_Sel_", "_Cells", 44 - withoutMonitorSheet / 3},
        {"GI_Sheet_", "_Cells", 44 + 12 - withoutMonitorSheet / 3},
        {"GI_Form_Main_BasicCell", "", 1},
        {"GI_WarningCheckList", "", 1},
        {"GI_CellWidthRegList", "", 1},
        {"GI_Cli_", "", 1 + windowKeysWith("GI_Cli_")},
        {"GI_Sim_", "", 1},
    };
    for (const Family& family : families)
        EXPECT_EQ(keysWith(family.prefix, family.suffix).size(), family.count)
            << family.prefix << "*" << family.suffix;
    for (const QByteArray& body : keysWith("", "_Body"))
        EXPECT_TRUE(keys().contains(stem(body, "_Body") + "_BasicCell")) << body.constData();
    for (const QByteArray& cells : keysWith("", "_Cells")) {
        EXPECT_TRUE(keys().contains(stem(cells, "_Cells") + "_Style")) << cells.constData();
        EXPECT_TRUE(keys().contains(stem(cells, "_Cells") + "_BasicCell")) << cells.constData();
    }
}

TEST(GTexData, ListsHaveTheirLengths) {
    const std::pair<const char*, qsizetype> lists[] = {
        {"GI_Mess_CloneErr_Head", 18}, {"GI_Mess_CloneErr_Check", 8},
        {"GI_AppMess_Tv_Ch_Type", 18}, {"GI_WarningCheckList", 37},
        {"GI_CellWidthRegList", 4},    {"GI_AppInd_Preview_Caption", 7},
        {"GI_Mess_CloneErr_Port", 4},  {"GI_AppInd_Opt_ComSel_Present", 3},
    };
    for (const auto& [key, length] : lists)
        EXPECT_EQ(listOf(key).size(), length) << key;
}

TEST(GTexData, ModelReferencesNameModelsThatParse) {
    for (const QByteArray& reference : groupsStarting('$')) {
        const QByteArray name = reference.mid(reference.indexOf(": ") + 2);
        ASSERT_TRUE(keys().contains("CellModel_" + name)) << reference.constData();
        EXPECT_FALSE(reservedModels.contains(name)) << reference.constData();
        cmcCellObj cell;
        cell.applyAttributes("($" + name + ")");
    }
}

TEST(GTexData, LinkNamesUsedAreKnown) {
    QSet<QByteArray> names = {"CT_Null", "CT_PopupMenu", "CT_Conv", "CT_BankCh",
                              "CT_Prog", "CT_Prog_Link", "CT_Amw",  ""};
    for (int link = 0; link < cmcCellNames::LinkCount; ++link)
        names.insert(cmcCellNames::linkName(link));
    for (const QByteArray& reference : groupsStarting('%')) {
        const QByteArray key = reference.left(reference.indexOf(": "));
        if (key.startsWith("CellModel_") && reservedModels.contains(key.mid(10)))
            continue;
        QByteArray group = reference.mid(key.size() + 2);
        const qsizetype dot = group.indexOf('.');
        if (dot >= 0 && (dot == 0 || group[dot - 1] != '\\')) {
            EXPECT_TRUE(names.contains(group.left(dot))) << reference.constData();
            group = group.mid(dot + 1);
        }
        qsizetype end = 0;
        while (end < group.size() && group[end] != '[' && group[end] != ':')
            ++end;
        EXPECT_TRUE(names.contains(group.left(end))) << reference.constData();
    }
}

TEST(GTexData, EveryBodyParses) {
    for (const QByteArray& bodyKey : keysWith("", "_Body")) {
        const QByteArray owner = stem(bodyKey, "_Body");
        const cmcCellObj basic = basicCell(owner);
        const bool toolbar = owner.startsWith("GI_ToolBar_");
        const QList<QByteArray> lines = listOf(bodyKey);
        EXPECT_FALSE(lines.isEmpty()) << bodyKey.constData();
        for (const QByteArray& line : lines) {
            const qsizetype plus = line.indexOf('+');
            ASSERT_TRUE(toolbar || plus >= 0) << line.constData();
            cmcCellObj item;
            item.parse(toolbar ? line : line.mid(plus + 1), nullptr, &basic);
            const QByteArray caption = item.text();
            EXPECT_FALSE(caption.isEmpty()) << line.constData();
            if (caption != "-" && caption != "/") {
                EXPECT_NE(item.link(), cmcCellNames::LinkNone) << line.constData();
            }
            expectReferencesResolve(item, line);
        }
    }
}

TEST(GTexData, EverySheetParses) {
    for (const QByteArray& cellsKey : keysWith("GI_Sheet_", "_Cells")) {
        const QByteArray sheet = stem(cellsKey, "_Cells");
        const cmcCellObj basic = basicCell(sheet);
        expectReferencesResolve(basic, sheet);
        cmcCellObj::LoopVariables loopVariables{};
        int rows = 0;
        int selectable = 0;
        for (const QByteArray& line : listOf(cellsKey)) {
            if (line.startsWith(':'))
                continue;
            ++rows;
            for (const cmcCellObj& cell : cmcCellObj::parseLine(line, &loopVariables, &basic)) {
                selectable += cell.selectable();
                if (cell.popupMenu() != basic.popupMenu() || cell.link() == cmcCellNames::CallSheet)
                    expectReferencesResolve(cell, line);
            }
        }
        EXPECT_GT(rows, 0) << sheet.constData();
        if (sheet != "GI_Sheet_TreeTop" && sheet != "GI_Sheet_TopPage") {
            EXPECT_GT(selectable, 0) << sheet.constData();
        }
    }
}

TEST(GTexData, EverySelectionSheetHoldsDistinctChoices) {
    for (const QByteArray& cellsKey : keysWith("GI_Sheet_Sel_", "_Cells")) {
        const QByteArray sheet = stem(cellsKey, "_Cells");
        const cmcFCacheRecord& record = cmcFCache::app().record(sheet, cmcCellNames::Flex0);
        ASSERT_GE(record.byNumber.size(), 2u) << sheet.constData();
        qsizetype cells = 0;
        for (const QByteArray& line : listOf(cellsKey))
            cells += cmcCellObj::countCells(line);
        EXPECT_EQ(static_cast<qsizetype>(record.byNumber.size()), cells) << sheet.constData();
        for (size_t i = 1; i < record.byNumber.size(); ++i)
            EXPECT_LT(record.byNumber[i - 1].number, record.byNumber[i].number)
                << sheet.constData();
    }
}

TEST(GTexData, CheckListLinesCallPagesOfTheTree) {
    QSet<QByteArray> treeCalls;
    const cmcCellObj treeBasic = basicCell("GI_Tree_Main");
    for (const QByteArray& line : listOf("GI_Tree_Main_Body")) {
        cmcCellObj node;
        node.parse(line.mid(line.indexOf('+') + 1), nullptr, &treeBasic);
        treeCalls.insert(node.argument().value_or(""));
    }
    for (const QByteArray& line : listOf("GI_WarningCheckList")) {
        cmcCellObj check;
        check.parse(line, nullptr, nullptr);
        EXPECT_TRUE(cmcCellNames::linkName(check.link()).startsWith("CL_Check_"))
            << line.constData();
        EXPECT_TRUE(treeCalls.contains(check.argument().value_or(""))) << line.constData();
    }
}

} // namespace
