#pragma once

#include <QByteArray>
#include <QList>
#include <vector>

// Which tree nodes carry a mark of the setting checks, on a plain copy of the tree: a node is
// marked when its own page is in a list, or when it is collapsed and a child is marked. The
// warning marks go on first and the error marks over them, so an error mark wins.
class cmcTreeMarks {
public:
    enum Overlay { NoMark = -1, ErrorMark = 0, WarningMark = 1 };

    struct Node {
        QByteArray callText;
        bool expanded = false;
        std::vector<Node> children;
        int overlay = NoMark;
    };

    static void mark(std::vector<Node>& topLevel, const QList<QByteArray>& errorPages,
                     const QList<QByteArray>& warningPages);

private:
    static void unmark(std::vector<Node>& nodes);
    static bool apply(Node& node, const QList<QByteArray>& pages, Overlay overlay);
};
