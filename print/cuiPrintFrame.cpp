#include "cuiPrintFrame.h"

#include "cmcGTex.h"
#include "cmcPrintLayout.h"

#include <QFontMetrics>
#include <QPainter>

cuiPrintFrame::cuiPrintFrame(cmcGTex& definitions, const QFont& pageFont, int dpi)
    : table(definitions), font(pageFont) {
    const int points = table.GetText("GI_Sys_Printer_FrameFont").trimmed().toInt();
    font.setPixelSize(std::max(1, cmcPrintLayout::pointPixels(points, dpi)));
    height = QFontMetrics(font).height();
}

QRect cuiPrintFrame::sheetRect(const QRect& content) const {
    return cmcPrintLayout::sheetRect(content, height);
}

void cuiPrintFrame::draw(QPainter& painter, const QRect& content, const QString& pageTitle) const {
    const int bar = cmcPrintLayout::barThickness(height);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect header(content.left(), content.top(), content.width(), height);
    painter.drawText(
        header, Qt::AlignLeft | Qt::AlignVCenter,
        table.display(table.GetText("GI_Sys_AppTitleRev") + table.GetText("GI_Sys_AppRev")));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, pageTitle.trimmed());
    painter.fillRect(content.left(), header.bottom() + 1, content.width(), bar, Qt::black);
    const QRect footer(content.left(), content.top() + content.height() - height, content.width(),
                       height);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                     table.display(table.GetText("GI_Sys_Maker")));
    painter.fillRect(content.left(), footer.top() - bar, content.width(), bar, Qt::black);
    painter.restore();
}
