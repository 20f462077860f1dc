#include "cuiPrintAllDialog.h"

#include "cmcFont.h"
#include "cmcGTex.h"
#include "cuiLook.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Lines of GI_AppInd_Print_All_Setting_Caption.
enum Text { Caption, MemoryGroup, AllMemory, BankPages };

} // namespace

cuiPrintAllDialog::cuiPrintAllDialog(cmcGTex& table, const cmcPrintChoices& initial, QWidget* owner)
    : QDialog(owner) {
    setObjectName("PrintAll");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    setFont(cuiLook::font(font));
    const auto text = [&table](const char* key, int line) {
        return table.display(table.GetText(key, line));
    };
    const char* captions = "GI_AppInd_Print_All_Setting_Caption";
    setWindowTitle(text(captions, Caption));
    auto* group = new QGroupBox(text(captions, MemoryGroup), this);
    memory = new QCheckBox(text(captions, AllMemory), group);
    memory->setObjectName("All");
    memory->setChecked(initial.memoryChannels);
    banks = new QCheckBox(text(captions, BankPages), group);
    banks->setObjectName("BankCH");
    banks->setChecked(initial.bankChannels);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(memory);
    groupLayout->addWidget(banks);
    auto* buttons = new QDialogButtonBox(this);
    const char* labels = "GI_AppInd_Print_All_Setting_Buttons";
    buttons->addButton(text(labels, 0), QDialogButtonBox::AcceptRole);
    buttons->addButton(text(labels, 1), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

cmcPrintChoices cuiPrintAllDialog::choices() const {
    return {memory->isChecked(), banks->isChecked()};
}
