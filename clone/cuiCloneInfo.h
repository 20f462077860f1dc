#pragma once

#include "cmcCloneInfoCells.h"

#include <QByteArray>
#include <QDialog>

class QPushButton;
class cmcGTex;
class cuiSheet;

// The clone information window: the sheet of the receiver's clone-information record in a
// small tool window of the main window, sized to the sheet, closed with its button or Escape.
class cuiCloneInfo : public QDialog {
    Q_OBJECT
public:
    cuiCloneInfo(cmcGTex& table, QWidget* owner);
    ~cuiCloneInfo() override;

    // Shows the 35-byte record (empty: none) and brings the window up; again with a newer one.
    void showRecord(const QByteArray& record);

    cuiSheet& sheet() const { return *infoSheet; }
    QPushButton& closeButton() const { return *closer; }

    static constexpr const char* SheetKey = "GI_Sheet_CloneInfo";

private:
    cmcCloneInfoCells cells;
    cuiSheet* infoSheet = nullptr;
    QPushButton* closer = nullptr;
};
