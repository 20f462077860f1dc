#pragma once

#include <cstdint>

// Every event the program exchanges through its event manager, by what it means. The numbers
// are the events' identities; nothing else spells them.
enum class cmcEventId : int32_t {
    // The main window has been built: it brings its toolbar up to date.
    MainWindowBuilt = 2,
    // Show the text in the status bar; first: text colour, second: background colour.
    StatusText = 4,
    // Question to the sheet of that page (first, or 0): its cell under the cursor.
    CurrentCell = 12,
    // Redraw every cell of the open page.
    RedrawAll = 13,
    // Redraw the cells of one command category, of one command link, of one record number, of
    // the record numbers up to one, or from one (first: that value).
    RedrawCategory = 14,
    RedrawLink = 15,
    RedrawRecord = 16,
    RedrawRecordsAtMost = 17,
    RedrawRecordsAtLeast = 18,
    // A page shows a blocking message box (first: 1) or closed it again (first: 0).
    MessageBoxShown = 20,
    // Commit an open cell editor, as before a save question, Open and Save.
    FinishEdit = 22,
    // The setting checks ran again: the tree is marked anew.
    ChecksRan = 24,
    // The whole document was replaced or converted.
    DocumentChanged = 28,
    // A program scan link name changed; first: the link number.
    LinkNameChanged = 29,
    // Read and show the receiver's clone information.
    ReadCloneInformation = 30,
    // The initial setup finished: the main window is shown.
    SetupFinished = 31,
    // Apply the clone information; first: cmcCloneInfoFlag bits, second: convert the document.
    ApplyCloneInformation = 32,
    // The initial setup stored a destination.
    DestinationStored = 33,
    // The clone information was read while the main window is hidden.
    InformationWhileHidden = 35,
    // A clone session started: the main window is disabled.
    CloneStarted = 38,
    // A clone session ended (first: 1 when it succeeded), after its progress window closed.
    CloneEnded = 39,
    ProgressClosed = 40,
    // A page was shown.
    PageShown = 41,
    // A page changed channels: the bank index is rebuilt before the sender goes on.
    ChannelsChanged = 42,
    // Questions to the open page: its title text; its page index, asked of every page, of a
    // bank page only, of a list page other than a bank page only.
    PageTitle = 43,
    PageIndex = 44,
    BankPageIndex = 45,
    ListPageIndex = 46,
    // Set the caption of the tree nodes of a page; second: the page index, text: the caption.
    // Both numbers do the same.
    TreeCaption = 47,
    TreeCaptionAlso = 48,
};
