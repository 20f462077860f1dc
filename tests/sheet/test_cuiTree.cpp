#include "TestTable.h"
#include "cmcCellObj.h"
#include "cuiImages.h"
#include "cuiLook.h"
#include "cuiTree.h"

#include <QTest>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bodies of several shapes, a tree to mark, and the change delay the tree reads.
TestTable& testTable() {
    static TestTable table({
        "#GI_Sys_TreeChangeDelay",
        "200",
        "#Nested_BasicCell",
        "{}",
        "#Nested_Body",
        "+A",
        " +A1",
        "  +A11",
        "+B",
        "#",
        "#Shallower_BasicCell",
        "{}",
        "#Shallower_Body",
        "  +A",
        "   +A1",
        "  +B",
        " +C",
        "+D",
        "#",
        "#BackToMiddle_BasicCell",
        "{}",
        "#BackToMiddle_Body",
        "+A",
        "   +A1",
        "  +A2",
        "+B",
        "#",
        "#Marks_BasicCell",
        "{}",
        "#Marks_Body",
        "+Top{(%CallSheet:top)}",
        " +Group{(%CallSheet:group)}",
        "  +P1{(ImageIndex=2)(%CallSheet:p1)}",
        "  +P2{(%CallSheet:p2)}",
        " +P3{(%CallSheet:p3)}",
        "#",
    });
    return table;
}

// The nodes as "A(A1(A11)),B".
QString outline(const QTreeWidgetItem* parent) {
    QStringList parts;
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem* node = parent->child(i);
        parts << node->text(0) + (node->childCount() ? "(" + outline(node) + ")" : QString());
    }
    return parts.join(',');
}

int depthBelow(const QTreeWidgetItem* node) {
    int deepest = 0;
    for (int i = 0; i < node->childCount(); ++i)
        deepest = std::max(deepest, 1 + depthBelow(node->child(i)));
    return deepest;
}

QTreeWidgetItem* nodeNamed(cuiTree& tree, const QString& caption) {
    const QList<QTreeWidgetItem*> found =
        tree.findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

TEST(cuiTree, BuildsTheMainTreeFromTheDefinitions) {
    cuiTree tree;
    tree.build("GI_Tree_Main");
    int nodes = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        ++nodes;
        EXPECT_FALSE((*it)->icon(0).isNull()) << (*it)->text(0).toStdString();
    }
    EXPECT_EQ(nodes, 55);
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree.topLevelItem(0);
    EXPECT_EQ(top->text(0), "KX-44");
    EXPECT_EQ(depthBelow(top), 3);
    EXPECT_TRUE(top->isExpanded());
    EXPECT_FALSE(top->child(0)->isExpanded());

    const QTreeWidgetItem* firstGroup = top->child(0)->child(0)->child(0);
    EXPECT_EQ(firstGroup->text(0), "0 -   99");
    EXPECT_EQ(cuiTree::cellOf(firstGroup)->argument(), "[St_ColCut]GI_Sheet_MemoryCH,0,0");
    EXPECT_EQ(cuiTree::cellOf(firstGroup)->imageIndex(), 2);
    EXPECT_NE(nodeNamed(tree, "P LINK 8 "), nullptr); // an escaped space survives trimming

    cmcCellObj basic;
    basic.parse("{($BasicTree)}", nullptr, nullptr);
    EXPECT_EQ(tree.font(), cuiLook::font(*basic.effectiveFont()));
}

TEST(cuiTree, NestsBodyLinesByTheirDepth) {
    const struct {
        const char* body;
        const char* outline;
    } cases[] = {
        {"Nested", "A(A1(A11)),B"},
        // A line shallower than the first ends the body: C and D are not read.
        {"Shallower", "A(A1),B"},
        // A2 ends the deeper list of A1 but is still deeper than A: it joins A's children.
        {"BackToMiddle", "A(A1,A2),B"},
    };
    for (const auto& c : cases) {
        cuiTree tree(testTable().reader());
        tree.build(c.body);
        EXPECT_EQ(outline(tree.invisibleRootItem()), c.outline) << c.body;
    }
}

TEST(cuiTree, RebuildingReplacesTheNodes) {
    cuiTree tree(testTable().reader());
    tree.build("Nested");
    tree.build("Shallower");
    EXPECT_EQ(outline(tree.invisibleRootItem()), "A(A1),B");
}

TEST(cuiTree, FindsTheFirstNodeWithAnArgumentInDepthFirstOrder) {
    cuiTree tree;
    tree.build("GI_Tree_Main");
    const struct {
        const char* argument;
        const char* caption;
    } cases[] = {
        {"GI_Sheet_TreeTop", "Memory CH"}, // before "All", "Bank CH" and "Program Scan Link"
        {"[St_CCBank]GI_Sheet_BankCH,34", "Y:"},
        {"[St_Common]GI_Sheet_Common,47", "Common Setting"},
        {"GI_Sheet_TopPage", "KX-44"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(tree.findByArgument(c.argument)) << c.argument;
        EXPECT_EQ(tree.currentCaption(), c.caption) << c.argument;
    }
    EXPECT_FALSE(tree.findByArgument("GI_Sheet_None"));
    EXPECT_EQ(tree.currentCaption(), "KX-44");
}

TEST(cuiTree, ReportsOnlyTheNodeWhereTheSelectionCameToRest) {
    cuiTree tree(testTable().reader());
    tree.build("Nested");
    std::vector<const cmcCellObj*> chosen;
    QObject::connect(&tree, &cuiTree::nodeChosen,
                     [&](const cmcCellObj& cell) { chosen.push_back(&cell); });
    tree.setCurrentItem(nodeNamed(tree, "A"));
    tree.setCurrentItem(nodeNamed(tree, "A1"));
    tree.setCurrentItem(nodeNamed(tree, "B"));
    EXPECT_TRUE(chosen.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !chosen.empty(); }, 5000));
    QTest::qWait(400); // twice the delay: nothing else may follow
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0], cuiTree::cellOf(nodeNamed(tree, "B")));
}

// The mark of each node of the "Marks" tree, in the order Top, Group, P1, P2, P3.
std::vector<int> marksOf(cuiTree& tree) {
    std::vector<int> marks;
    for (const char* name : {"Top", "Group", "P1", "P2", "P3"})
        marks.push_back(cuiTree::markOf(nodeNamed(tree, name)));
    return marks;
}

TEST(cuiTree, MarksListedNodesAndTheirCollapsedAncestors) {
    constexpr int W = cuiImages::OverlayWarning;
    constexpr int E = cuiImages::OverlayError;
    constexpr int N = -1;
    const struct {
        QList<QByteArray> warnings;
        QList<QByteArray> errors;
        bool topExpanded;
        bool groupExpanded;
        std::vector<int> marks;
    } cases[] = {
        {{"p1"}, {}, true, false, {N, W, W, N, N}},
        {{"p1"}, {}, true, true, {N, N, W, N, N}},      // an expanded parent leaves it to P1
        {{"p1"}, {"p2"}, true, false, {N, E, W, E, N}}, // the error replaces the warning
        {{"p1"}, {"p1"}, true, false, {N, E, E, N, N}},
        {{"p3"}, {}, false, false, {W, N, N, N, W}},
        {{}, {"p2"}, false, true, {E, N, N, E, N}}, // hidden below a collapsed ancestor
        {{"top", "group"}, {}, true, true, {W, W, N, N, N}},
        {{}, {}, false, false, {N, N, N, N, N}},
    };
    for (const auto& c : cases) {
        cuiTree tree(testTable().reader());
        tree.build("Marks");
        tree.mark({"p1", "p2", "p3"}, {"top"}); // what was marked before is cleared
        nodeNamed(tree, "Top")->setExpanded(c.topExpanded);
        nodeNamed(tree, "Group")->setExpanded(c.groupExpanded);
        tree.mark(c.warnings, c.errors);
        EXPECT_EQ(marksOf(tree), c.marks)
            << c.warnings.join(' ').toStdString() << " / " << c.errors.join(' ').toStdString();
    }
}

TEST(cuiTree, AMarkDrawsTheBadgeOverTheNodeImage) {
    cuiTree tree(testTable().reader());
    tree.build("Marks");
    QTreeWidgetItem* node = nodeNamed(tree, "P1");
    const QImage plain = cuiImages::treeImage(2).pixmap(16).toImage();
    const QImage badged =
        cuiImages::overlaid(cuiImages::treeImage(2), cuiImages::OverlayError).pixmap(16).toImage();
    tree.mark({}, {"p1"});
    EXPECT_EQ(node->icon(0).pixmap(16).toImage(), badged);
    tree.mark({}, {});
    EXPECT_EQ(node->icon(0).pixmap(16).toImage(), plain);
}

} // namespace
