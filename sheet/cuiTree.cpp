#include "cuiTree.h"

#include "cuiImages.h"
#include "cuiLook.h"

#include <QFontMetrics>
#include <QStyle>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace {

constexpr int CellRole = Qt::UserRole;
constexpr int MarkRole = Qt::UserRole + 1;
constexpr int NoMark = -1;

} // namespace

cuiTree::cuiTree(cmcGTex& table, QWidget* parent) : QTreeWidget(parent), definitions(table) {
    setHeaderHidden(true);
    setColumnCount(1);
    changeDelay.setSingleShot(true);
    connect(this, &QTreeWidget::currentItemChanged, &changeDelay, qOverload<>(&QTimer::start));
    connect(&changeDelay, &QTimer::timeout, this, &cuiTree::reportCurrent);
}

void cuiTree::build(const QByteArray& name) {
    clear();
    changeDelay.stop();
    body.readNested(definitions, name);
    changeDelay.setInterval(definitions.GetText("GI_Sys_TreeChangeDelay").trimmed().toInt());
    takeLook(body.basicCell());
    addNodes(nullptr, body.items());
    if (QTreeWidgetItem* first = topLevelItem(0))
        first->setExpanded(true);
}

// The tree draws in the basic cell's font and colours and keeps showing its selection when
// another pane has the focus.
void cuiTree::takeLook(const cmcCellObj& basic) {
    const QPalette current = palette();
    QPalette look = current;
    look.setColor(QPalette::Base, cuiLook::colour(basic.colour(), current));
    if (const cmcFont* font = basic.effectiveFont()) {
        setFont(cuiLook::font(*font));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            look.setColor(group, QPalette::Text, cuiLook::fontColour(*font, current));
    }
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        look.setColor(QPalette::Inactive, role, look.color(QPalette::Active, role));
    setPalette(look);
}

void cuiTree::addNodes(QTreeWidgetItem* parent, const std::vector<cuiBody::Item>& items) {
    for (const cuiBody::Item& item : items) {
        QTreeWidgetItem* node = newNode(*item.cell);
        if (parent)
            parent->addChild(node);
        else
            addTopLevelItem(node);
        addNodes(node, item.children);
    }
}

QTreeWidgetItem* cuiTree::newNode(const cmcCellObj& cell) const {
    auto* node = new QTreeWidgetItem;
    node->setText(0, definitions.display(cell.text()));
    node->setIcon(0, cuiImages::treeImage(cell.imageIndex()));
    node->setData(0, CellRole, QVariant::fromValue(&cell));
    node->setData(0, MarkRole, NoMark);
    return node;
}

bool cuiTree::findByArgument(const QByteArray& argument) {
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (cellOf(*it)->argument() == argument) {
            setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

QString cuiTree::currentCaption() const {
    const QTreeWidgetItem* node = currentItem();
    return node ? node->text(0) : QString();
}

void cuiTree::mark(const QList<QByteArray>& warnings, const QList<QByteArray>& errors) {
    QHash<QTreeWidgetItem*, int> marks;
    for (int i = 0; i < topLevelItemCount(); ++i)
        collectMarks(topLevelItem(i), warnings, cuiImages::OverlayWarning, marks);
    for (int i = 0; i < topLevelItemCount(); ++i)
        collectMarks(topLevelItem(i), errors, cuiImages::OverlayError, marks);
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        setMark(*it, marks.value(*it, NoMark));
}

// Returns whether the node or a node below it is listed. An expanded node leaves showing the
// mark to its visible children.
bool cuiTree::collectMarks(QTreeWidgetItem* node, const QList<QByteArray>& list, int overlay,
                           QHash<QTreeWidgetItem*, int>& marks) const {
    bool below = false;
    for (int i = 0; i < node->childCount(); ++i)
        below = collectMarks(node->child(i), list, overlay, marks) || below;
    const std::optional<QByteArray>& argument = cellOf(node)->argument();
    const bool listed = argument && list.contains(*argument);
    if (listed || (below && !node->isExpanded()))
        marks.insert(node, overlay);
    return listed || below;
}

void cuiTree::setMark(QTreeWidgetItem* node, int overlay) {
    if (markOf(node) == overlay)
        return;
    const QIcon image = cuiImages::treeImage(cellOf(node)->imageIndex());
    node->setIcon(0, overlay == NoMark ? image : cuiImages::overlaid(image, overlay));
    node->setData(0, MarkRole, overlay);
}

const cmcCellObj* cuiTree::cellOf(const QTreeWidgetItem* node) {
    return node->data(0, CellRole).value<const cmcCellObj*>();
}

int cuiTree::markOf(const QTreeWidgetItem* node) {
    return node->data(0, MarkRole).toInt();
}

void cuiTree::reportCurrent() {
    if (const QTreeWidgetItem* node = currentItem())
        emit nodeChosen(*cellOf(node));
}

int cuiTree::labelWidth() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (QTreeWidgetItemIterator it(const_cast<cuiTree*>(this)); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        const int icon =
            (*it)->icon(0).isNull() ? 0 : iconSize().width() + metrics.averageCharWidth();
        const int text = metrics.horizontalAdvance((*it)->text(0));
        widest = std::max(widest, indentation() * (depth + 1) + icon + text);
    }
    // Room for the item's margins, the frame and a vertical scroll bar.
    return widest + 2 * metrics.averageCharWidth() + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}
