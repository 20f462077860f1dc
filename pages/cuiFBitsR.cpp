#include "cuiFBitsR.h"

#include "cmcFBitsR.h"
#include "cmcFont.h"
#include "cmcGTex.h"
#include "cuiGrid.h"
#include "cuiLook.h"
#include "cuiSheet.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

bool cuiFBitsR::run(cmcFBitsR& bits) {
    QDialog dialog(owner);
    dialog.setObjectName("BankLinkDialog");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    dialog.setFont(cuiLook::font(font));
    dialog.setWindowTitle(table.display(table.GetText("GI_Sys_AppTitle")));
    cuiSheet sheet(&dialog, nullptr, 0, 0, table, "GI_Sheet_FBitsR");
    sheet.setValueProvider(&bits);
    sheet.Show();
    sheet.setMinimumSize(sheet.grid().naturalSize());

    auto* buttons = new QDialogButtonBox(&dialog);
    buttons
        ->addButton(table.display(table.GetText("GI_AppInd_Button_OkCancel", 0)),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(table.display(table.GetText("GI_AppInd_Button_OkCancel", 1)),
                       QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(&sheet);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    sheet.grid().setFocus();
    return dialog.exec() == QDialog::Accepted;
}
