#include "cuiPrintDialogs.h"

#include "cuiPreview.h"
#include "cuiPrintAllDialog.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

// The print dialog's PDF writer is a printer too, and on a desktop without a printer the one
// the user has: printing there means printing to a file.
bool cuiPrintDialogs::printerPresent() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        return true;
    QPrinter pdf(QPrinter::ScreenResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    return pdf.isValid();
}

bool cuiPrintDialogs::setUpPrinter(QPrinter& printer, QWidget* owner) {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
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
