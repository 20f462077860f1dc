#pragma once

#include "cuiSelectList.h"
#include "datCellReq.h"

#include <QObject>
#include <QPointer>
#include <functional>

class cuiCellEditor;
class cuiSheet;

// The editing of a sheet's cells: every action becomes a request to the sheet's value
// provider, whose answer says what happens next (a repaint, the in-place editor, a cursor move,
// a range, a repeat or a drop-down list).
class cuiActiveCell : public QObject {
    Q_OBJECT
public:
    using Waiter = std::function<void(int milliseconds)>;

    explicit cuiActiveCell(cuiSheet& sheet);
    ~cuiActiveCell() override;

    void act(int column, int row, int key, int commandLink, const QByteArray* input);
    // A choice made in a drop-down list on behalf of one of this sheet's cells.
    void listChoice(datCellReq& choice);

    bool isEditing() const { return editColumn >= 0; }
    cuiCellEditor* editor() const { return cellEditor; }
    cuiSelectList* openList() const { return listWindow; }
    void closeEditor(bool commit);
    void closeList();

    // Between the repeats of an action the grid is repainted and this waits; tests replace it.
    void setRepeatWaiter(Waiter waiter) { repeatWaiter = std::move(waiter); }
    // The wait before the n-th repeat (n from 0): 30 ms, shrinking by 6 ms to 0.
    static int repeatWait(int repeat);

    static constexpr int MaxRepeats = 1000;

private:
    int call(datCellReq& request);
    static bool asksForHelp(const datCellReq& request);
    void answer(datCellReq& request, int result, int column, int row);
    void openEditor(int column, int row, const datCellReq& request);
    void placeEditor(int column, int row);
    void openSelectionList(const datCellReq& request);
    void editorCommitted(int rows);
    void editorPaged(int key);

    cuiSheet& sheet;
    cuiCellEditor* cellEditor = nullptr;
    int editColumn = -1;
    int editRow = -1;
    QPointer<cuiSelectList> listWindow;
    Waiter repeatWaiter;
};
