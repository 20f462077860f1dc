#pragma once

#include <QPlainTextEdit>

// The in-place editor of a cell: a borderless text field over the cell, without word wrap,
// that commits when it loses the focus. Keys that leave it are reported, not handled.
class cuiCellEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MaxLength = 1024;

    explicit cuiCellEditor(QWidget* parent);

    // The most characters the editor takes: what the field stores, so the limit shows while
    // typing.
    void setLimit(int characters) { maximum = characters; }
    int limit() const { return maximum; }

signals:
    // Enter (0), Up (-1) or Down (+1): commit, then move the cursor that many rows.
    void committed(int rows);
    // Page Up or Page Down: commit, then act as the grid does on that key.
    void paged(int key);
    void cancelled();
    void lostFocus();
    void keyTyped();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void limitLength();

    int maximum = MaxLength;
};
