#include "cuiCloneInfo.h"

#include "cmcGTex.h"
#include "cuiGrid.h"
#include "cuiSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

cuiCloneInfo::cuiCloneInfo(cmcGTex& table, QWidget* owner)
    : QDialog(owner, Qt::Tool), cells(table) {
    setWindowTitle(table.display(table.GetText("GI_Sys_AppTitle")));
    infoSheet = new cuiSheet(this, nullptr, 0, 0, table, SheetKey);
    infoSheet->setValueProvider(&cells);
    // The window takes the whole sheet's size, so the grid never scrolls.
    infoSheet->grid().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    infoSheet->grid().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* buttons = new QDialogButtonBox(this);
    closer = buttons->addButton(table.display(table.GetText("GI_AppInd_Clone_Close")),
                                QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(infoSheet);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The sheet asks the cells while it goes, so it must go before them.
cuiCloneInfo::~cuiCloneInfo() {
    delete infoSheet;
}

void cuiCloneInfo::showRecord(const QByteArray& record) {
    cells.setRecord(record);
    infoSheet->Show();
    show();
    raise();
    activateWindow();
}
