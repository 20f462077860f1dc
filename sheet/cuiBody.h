#pragma once

#include "cmcCellObj.h"

#include <QByteArray>
#include <QByteArrayView>
#include <deque>
#include <functional>
#include <vector>

class cmcGTex;
struct datCellReq;

// The items of a menu, tree or toolbar body: the body's basic cell and one cell per line, each
// inheriting from the basic cell. Cells keep their addresses until the body is cleared, so the
// widgets built from a body may refer to them.
class cuiBody {
public:
    struct Item {
        cmcCellObj* cell;
        std::vector<Item> children;
    };
    // Carries out an item's command; without one, commands go to the program-wide handler.
    using Handler = std::function<void(datCellReq& request)>;

    cuiBody() = default;
    cuiBody(const cuiBody&) = delete;
    cuiBody& operator=(const cuiBody&) = delete;

    // Reads <name>_BasicCell and the lines of <name>_Body nested by their depth: the number of
    // bytes before the first '+'.
    void readNested(cmcGTex& table, const QByteArray& name);
    // Reads <name>_BasicCell and every line of <name>_Body as one item, without nesting.
    void readFlat(cmcGTex& table, const QByteArray& name);
    void clear();

    const cmcCellObj& basicCell() const { return basic; }
    const std::vector<Item>& items() const { return top; }

    // Clears Flag0 to Flag3 of an item's cell and lets the program-wide handler set them for
    // the program's current state.
    static void refresh(cmcCellObj& cell);
    // Passes an item's command, as the Enter key on its cell, to `handler` or else to the
    // program-wide handler. The handler is a copy: it may replace the builder's own.
    static void command(const cmcCellObj& cell, Handler handler);

private:
    QList<QByteArray> readBasicCell(cmcGTex& table, const QByteArray& name);
    qsizetype readList(const QList<QByteArray>& lines, qsizetype first, std::vector<Item>& into);
    cmcCellObj* addCell(QByteArrayView text);

    cmcCellObj basic;
    std::deque<cmcCellObj> cells;
    std::vector<Item> top;
};
