#include "cuiPrintProgress.h"

#include "cmcFont.h"
#include "cmcGTex.h"
#include "cuiLook.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Lines of GI_Sys_Printer_PrintingDialog.
enum Text { Caption, Printing, Cancel };

} // namespace

// Without a parent: the main window is disabled while the job runs, and its child windows
// with it.
cuiPrintProgress::cuiPrintProgress(cmcGTex& table, QWidget* over)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("PrintProgress");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    setFont(cuiLook::font(font));
    const auto text = [&table](int line) {
        return table.display(table.GetText("GI_Sys_Printer_PrintingDialog", line));
    };
    setWindowTitle(text(Caption));
    auto* cancel = new QPushButton(text(Cancel), this);
    cancel->setObjectName("Cancel");
    connect(cancel, &QPushButton::clicked, this, &cuiPrintProgress::cancelRequested);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text(Printing), this), 0, Qt::AlignCenter);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (over) {
        adjustSize();
        QRect area(QPoint(), size());
        area.moveCenter(over->window()->geometry().center());
        move(area.topLeft());
    }
}
