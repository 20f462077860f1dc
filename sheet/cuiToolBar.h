#pragma once

#include "cmcGTex.h"
#include "cuiBody.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QMainWindow;
class QToolBar;

// Builds the toolbar from a definition body: a line "-" is a gap of 8 pixels, a line "/" starts
// a new row of buttons, any other line is a button showing the cell's text as its hint. Each
// row is a QToolBar of its own, to be placed one under the other.
class cuiToolBar : public QObject {
public:
    using Handler = cuiBody::Handler;
    static constexpr int GapWidth = 8;

    explicit cuiToolBar(cmcGTex& table = cmcGTex::app());
    ~cuiToolBar() override;

    // Replaces the rows built before with those of <name>_Body. A click passes a request with
    // the Enter key and the button's cell to `handler`, or else to the program-wide handler.
    void build(const QByteArray& name, Handler handler = {});
    // Pressed, enabled and image of every button from the program's state.
    void update();
    void release();

    QList<QToolBar*> rows() const;
    // Puts the rows at the top of `window`, each on a line of its own.
    void addTo(QMainWindow& window) const;

private:
    struct Button {
        QAction* action;
        cmcCellObj* cell;
    };

    QToolBar* newRow();
    void addGap(QToolBar& row);
    void addButton(QToolBar& row, cmcCellObj& cell);
    void click(const cmcCellObj& cell);

    cmcGTex& definitions;
    cuiBody body;
    Handler handler;
    std::vector<QPointer<QToolBar>> toolBars;
    std::vector<Button> buttons;
    unsigned generation = 0;
};
