#include "cuiPrintDialogs.h"

#include "cuiPreview.h"
#include "cuiPrintAllDialog.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>

bool cuiPrintDialogs::printerPresent() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool cuiPrintDialogs::setUpPrinter(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

bool cuiPrintDialogs::chooseAll(cmcGTex& table, cmcPrintChoices& choices, QWidget* owner) {
    cuiPrintAllDialog dialog(table, choices, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices = dialog.choices();
    return true;
}

bool cuiPrintDialogs::preview(cuiPreview& preview) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        QRect area(QPoint(), work.size() * 4 / 5);
        area.moveCenter(work.center());
        preview.setGeometry(area);
    }
    preview.showPage(0);
    return preview.exec() == QDialog::Accepted;
}
