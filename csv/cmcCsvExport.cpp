#include "cmcCsvExport.h"

#include "cmcCsvCodes.h"
#include "cmcCsvLayout.h"
#include "cmcCsvLine.h"
#include "cmcCsvPage.h"
#include "cmcPageData.h"
#include "datCh.h"
#include "datMemField.h"
#include "indDestination.h"

namespace {

constexpr char LineEnd[] = "\r\n";
// Where the pages show the canceller columns.
constexpr int CancellerDestination = 0;

} // namespace

QByteArray cmcCsvExport::text(cmcPageData& data, const cmcCsvPage& page) {
    const cmcCsvLayout layout(page.layout(), data.bandPlan().destination() == CancellerDestination);
    cmcCsvCodes codes(data.table());
    QByteArray out = layout.titleLine(cmcCsvLine::Separator) + LineEnd;
    for (int row = 0; row < page.rowCount(); ++row)
        out += line(layout, codes, page.record(data.image(), row), row);
    return out;
}

QByteArray cmcCsvExport::line(const cmcCsvLayout& layout, cmcCsvCodes& codes, const datCh& record,
                              int row) {
    QByteArray out = layout.rowText(row);
    for (const datCsvColumn& column : layout.columns()) {
        const datMemField* field = layout.field(column);
        if (!field)
            continue;
        out += cmcCsvLine::Separator;
        if (!record.inUse())
            continue;
        if (field->isList())
            out += codes.text(column, *field, record.*field->code);
        else
            out += cmcCsvLayout::isName(column) ? name(record) : field->text(record);
    }
    return out + LineEnd;
}

QByteArray cmcCsvExport::name(const datCh& record) {
    QByteArray out;
    for (char c : record.name) {
        if (c == '\0')
            break;
        out += cmcCsvLine::special(c) || c < ' ' || c > '~' ? ' ' : c;
    }
    while (out.endsWith(' '))
        out.chop(1);
    return out;
}
