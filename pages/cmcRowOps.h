#pragma once

#include "cmcEventId.h"

class cmcPageData;
class datClipCh;
struct datRowContext;

// The row commands of the list pages' popup menus and shortcuts: Copy, Paste, Up, Down, Clear,
// Delete, Insert and, on bank pages, Bank OFF. They work on the document image at once; there
// is no undo. A Cancel in any of their questions leaves the image as it was.
class cmcRowOps {
public:
    // Carries out the popup command `link` (CL_PMenu_Copy ... CL_PMenu_BankOff) on the page
    // that `row` describes, with the shared clipboard or the one given. Bank pages (kind 2)
    // and the other list pages each have their own rules. False when the link is no row
    // command of that page; the page then handles it otherwise.
    static bool command(cmcPageData& data, int link, datRowContext& row);
    static bool command(cmcPageData& data, int link, datRowContext& row, datClipCh& clipboard);

protected:
    cmcRowOps(cmcPageData& data, datClipCh& clipboard) : data(data), clip(clipboard) {}

    // OK goes on; Cancel, the default, stops.
    bool confirm(const char* key);
    void stop(const char* key);
    void status(const char* key);
    void send(cmcEventId id);
    void post(cmcEventId id, int first = 0);

    cmcPageData& data;
    datClipCh& clip;
};
