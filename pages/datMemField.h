#pragma once

#include "cmcEntryNotice.h"
#include "datCh.h"

#include <QByteArray>
#include <QByteArrayView>

class cmcEeprom;
class cmcRecordRules;
class indDestination;

// The behaviour of one channel field link: a list field steps through the codes of a selection
// sheet, an entry field is typed in the cell editor. Every part that a field does not have is
// left empty.
struct datMemField {
    using Text = QByteArray (*)(const datCh& channel);
    // Takes a committed edit into the channel; false when the text is refused.
    using Edit = bool (*)(datCh& channel, QByteArrayView input, const indDestination& plan,
                          const cmcEeprom& templateImage);
    // Settings that a chosen code excludes or implies.
    using Chosen = void (*)(datCh& channel, int previous, const cmcEeprom& image);
    using Grey = bool (*)(const datCh& channel);
    // cmcRecordRules::Warning and Error bits of the cell.
    using Marks = int (*)(const datCh& channel, const cmcRecordRules& rules,
                          const cmcEeprom& image);

    // What an accepted change tells the rest of the program besides redrawing the channel.
    enum Notice { ChannelsChanged = 1, PageShown = 2, PageRedrawn = 4 };

    int link = 0;
    int datCh::*code = nullptr;
    const char* list = nullptr;
    // The list with "Auto", offered on the destinations that have it.
    const char* automaticList = nullptr;
    Chosen chosen = nullptr;
    Text text = nullptr;
    Edit edit = nullptr;
    Grey grey = nullptr;
    Marks marks = nullptr;
    int notices = 0;
    // How typed text is taken, for the status line that tells what became of it.
    cmcEntryNotice::Entry entry = cmcEntryNotice::Entry::Plain;
    // The most characters the field stores, which the editor takes; 0 for no such limit.
    int length = 0;

    bool isList() const { return code != nullptr; }
    // The list a destination offers: the one with "Auto" where it has it.
    const char* offered(bool automaticLists) const {
        return automaticLists && automaticList ? automaticList : list;
    }
};
