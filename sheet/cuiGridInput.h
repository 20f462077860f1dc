#pragma once

#include "cuiDispatch.h"

#include <QByteArray>
#include <QPoint>
#include <memory>

class QKeyEvent;
class QMenu;
class QMouseEvent;
class cuiFlector;
class cuiSheet;

// What the keyboard and the mouse do on a sheet's grid: cursor keys, function keys and typed
// characters become moves and cell actions; clicks choose cells, activate the current one and
// open the context menu of the cell under the pointer.
class cuiGridInput {
public:
    explicit cuiGridInput(cuiSheet& sheet);
    ~cuiGridInput();

    bool key(QKeyEvent* event);
    void mousePress(QMouseEvent* event, int column, int row);
    void mouseMove(QMouseEvent* event, int column, int row);
    void mouseRelease(QMouseEvent* event, int column, int row);
    // A cursor move made now extends the range: Shift is held or the mouse drags.
    bool extending() const;

    // Rebuilds the context menu when the current cell's menu body differs from the last one.
    void refreshPopupMenu();
    // Brings the context menu's enabled states up to date, so that its shortcuts follow them.
    void refreshPopupState();
    QMenu* popupMenu() const { return popup.get(); }
    const QByteArray& popupKey() const { return currentKey; }
    void showPopupMenu(int column, int row, QPoint globalPosition);
    // Answers the question for the cell under the cursor while the context menu is open.
    void answerCurrentCell();

private:
    static cuiDispatch::KeyKind kindOf(const QKeyEvent& event);
    bool moveKey(int dx, int dy, int edgeKey);
    QByteArray popupKeyOf(int column, int row) const;
    int lineColumn(int column, int row) const;
    std::unique_ptr<QMenu> buildMenu(const QByteArray& key, std::unique_ptr<cuiFlector>& builder);

    cuiSheet& sheet;
    bool dragging = false;
    bool pressOnCurrent = false;
    QByteArray currentKey;
    std::unique_ptr<cuiFlector> builder;
    std::unique_ptr<QMenu> popup;
    std::unique_ptr<cuiFlector> cutBuilder;
    std::unique_ptr<QMenu> cutPopup;
};
