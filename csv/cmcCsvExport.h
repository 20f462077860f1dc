#pragma once

#include <QByteArray>

class cmcCsvCodes;
class cmcCsvLayout;
class cmcCsvPage;
class cmcPageData;
class datCh;

// The text of a CSV file of a page: the title line, then one line per row of the page in row
// order, every line ended by CR LF. An empty row is its index and empty fields.
class cmcCsvExport {
public:
    static QByteArray text(cmcPageData& data, const cmcCsvPage& page);

    // A name as a file can carry it: cut at a zero byte, the separators of either kind of
    // file, the quote and unprintable bytes as blanks, no trailing blanks.
    static QByteArray name(const datCh& record);

private:
    static QByteArray line(const cmcCsvLayout& layout, cmcCsvCodes& codes, const datCh& record,
                           int row);
};
