#pragma once

#include "cmcCsvCodes.h"
#include "cmcCsvLayout.h"
#include "cmcCsvPage.h"
#include "indDestination.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>
#include <vector>

class cmcLoadFile;
class cmcPageData;
class datCh;
struct datMemField;

// Replaces the records of a page with the rows of a CSV file. Columns are found by their
// titles; every value goes through the rule of its page field, as if typed: a value that rule
// cannot take leaves the band default and counts as corrected, a frequency the receiver cannot
// take leaves the row blank and counts as discarded.
class cmcCsvImport {
public:
    struct Counts {
        int stored = 0;
        int discarded = 0;
        int corrected = 0;
        // No free memory channel was left for a bank position; the rows after it were not read.
        bool overflow = false;
    };

    cmcCsvImport(cmcPageData& data, const cmcCsvPage& page);

    // Finds the columns; false, with the page untouched, when a required title is missing.
    bool readTitles(QByteArrayView titleLine);
    // Clears the page and reads every non-empty line after the title line.
    Counts run(cmcLoadFile& lines);

private:
    enum Outcome { Skipped, Blank, Discarded, Stored, Overflow };

    Outcome importLine(const QByteArray& line);
    QByteArray fieldOf(const QList<QByteArray>& fields, size_t column) const;
    std::optional<int> rowOf(const QList<QByteArray>& fields) const;
    Outcome readFrequencies(const QList<QByteArray>& fields, datCh& record, int& corrected);
    int readField(datCh& record, const datCsvColumn& column, const datMemField& field,
                  QByteArray text);
    int readCode(datCh& record, const datCsvColumn& column, const datMemField& field,
                 const QByteArray& text);
    int readTone(datCh& record, const datCsvColumn& column, const datMemField& field,
                 QByteArray text);
    int readEntry(datCh& record, const datMemField& field, const QByteArray& text);
    QByteArray numberText(QByteArray text) const;
    bool edit(datCh& record, const datMemField& field, const QByteArray& text);
    Outcome store(datCh& record, int row);
    void finish();

    cmcPageData& data;
    cmcCsvPage page;
    indDestination plan;
    cmcCsvLayout layout;
    cmcCsvCodes codes;
    std::vector<int> columns;
    char separator;
    Counts counts;
};
