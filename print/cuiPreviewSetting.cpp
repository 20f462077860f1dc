#include "cuiPreviewSetting.h"

#include "cmcFont.h"
#include "cmcGTex.h"
#include "cuiLook.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

cuiPreviewSetting::cuiPreviewSetting(cmcGTex& table, int points, QWidget* owner) : QDialog(owner) {
    setObjectName("PreviewSetting");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    setFont(cuiLook::font(font));
    const auto text = [&table](const char* key, int line) {
        return table.display(table.GetText(key, line));
    };
    setWindowTitle(text("GI_AppInd_Preview_Setting_Caption", 0));
    choice = new QComboBox(this);
    for (const QByteArray& size : table.listLines("GI_AppInd_Preview_Setting_Sizes"))
        choice->addItem(table.display(size));
    choice->setCurrentIndex(std::clamp(points, FirstPoints, LastPoints) - FirstPoints);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(text("GI_AppInd_Preview_Setting_Caption", 1), this));
    row->addWidget(choice, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("GI_AppInd_Button_OkCancel", 0), QDialogButtonBox::AcceptRole);
    buttons->addButton(text("GI_AppInd_Button_OkCancel", 1), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int cuiPreviewSetting::points() const {
    return FirstPoints + choice->currentIndex();
}
