#pragma once

#include "datCellReq.h"

#include <QWidget>

class cmcGTex;
class cuiSheet;

// A drop-down selection list: a popup window holding a sheet of the choices, opened under the
// cell whose value it sets. A choice goes to the owner sheet's handler on behalf of the cell;
// Escape, a click elsewhere or losing the activation closes it without a choice.
class cuiSelectList : public QWidget {
    Q_OBJECT
public:
    // `ownerRequest` is the request of the cell that opens the list; `cellRect` is that cell in
    // screen coordinates.
    cuiSelectList(cuiSheet& owner, const datCellReq& ownerRequest, cmcGTex& table,
                  const QByteArray& sheetKey, int choice, const QRect& cellRect);

    cuiSheet& sheet() const { return *list; }
    const datCellReq& ownerRequest() const { return request; }
    void choose(int column, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void leave();
    void place(const QRect& cellRect);

    cuiSheet& owner;
    datCellReq request;
    cuiSheet* list;
    bool chosen = false;
};
