#pragma once

#include "cmcGTex.h"
#include "cuiBody.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimer>
#include <QTreeWidget>

// The page tree, built from a definition body: each node carries its cell. A change of the
// current node is reported only after the table's change delay, so that walking the tree with
// the arrow keys does not open every page on the way.
class cuiTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit cuiTree(cmcGTex& table = cmcGTex::app(), QWidget* parent = nullptr);

    // Replaces the nodes with those of <name>_Body and takes the look of <name>_BasicCell.
    void build(const QByteArray& name);
    // Makes the first node, in depth-first order, whose cell's argument is `argument` the
    // current one; false when there is none.
    bool findByArgument(const QByteArray& argument);
    QString currentCaption() const;
    // The width that shows every node's label whole, collapsed ones included.
    int labelWidth() const;
    // Marks the nodes whose argument is listed, and each collapsed ancestor of such a node,
    // with the warning badge, then with the error badge, which replaces a warning's. Every
    // other node loses its mark.
    void mark(const QList<QByteArray>& warnings, const QList<QByteArray>& errors);

    static const cmcCellObj* cellOf(const QTreeWidgetItem* node);
    // The badge a node shows (cuiImages::Overlay), or -1.
    static int markOf(const QTreeWidgetItem* node);

signals:
    void nodeChosen(const cmcCellObj& cell);

private:
    void takeLook(const cmcCellObj& basic);
    void addNodes(QTreeWidgetItem* parent, const std::vector<cuiBody::Item>& items);
    QTreeWidgetItem* newNode(const cmcCellObj& cell) const;
    bool collectMarks(QTreeWidgetItem* node, const QList<QByteArray>& list, int overlay,
                      QHash<QTreeWidgetItem*, int>& marks) const;
    static void setMark(QTreeWidgetItem* node, int overlay);
    void reportCurrent();

    cmcGTex& definitions;
    cuiBody body;
    QTimer changeDelay;
};
