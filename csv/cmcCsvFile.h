#pragma once

#include "cmcPrompt.h"

#include <QString>

class cmcPageData;

// Export and Import of the File menu on the open page, without the window: the file dialog,
// the writing and reading, and every question and message through the prompt.
class cmcCsvFile {
public:
    enum Result {
        Done,
        // The user cancelled the import's confirmation.
        Cancelled,
        // The file could not be read or lacks a required title: the page is unchanged.
        Refused,
        // The file could not be written: any old file is kept.
        Unwritable,
        // The page has no records for a file.
        NoRecords,
    };

    // Whether a page has records to export and import: memory, bank, program scan edge and
    // auto-write pages.
    static bool available(int pageIndex);

    // The file dialog of both commands, on the CSV filter; the empty string when cancelled.
    static QString chooseFile(cmcPrompt& prompt, const QString& directory,
                              cmcPrompt::FileDialog::Kind kind);

    // Writes the page's rows. The file is replaced only once it is whole; a file that cannot
    // be created or written shows the file error.
    static Result exportPage(cmcPageData& data, int pageIndex, int firstRecord,
                             const QString& path);
    // Asks for confirmation, then replaces the page's records with the file's rows and tells
    // the outcome. Sends ChannelsChanged and PageShown and posts RedrawAll once the page has
    // changed.
    static Result importPage(cmcPageData& data, int pageIndex, int firstRecord,
                             const QString& path);

private:
    static void tell(cmcPageData& data, const QByteArray& text);
};
