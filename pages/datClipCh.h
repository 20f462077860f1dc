#pragma once

#include "cmcClipCh.h"

// The channel clipboard of the pages. Bank entries (kind 2, numbered bank × 100 + position) are
// the memory channels the positions refer to; auto-write rows follow the auto-write order, as
// the auto-write page shows them.
class datClipCh : public cmcClipCh {
public:
    // The one clipboard all pages share for the whole run.
    static datClipCh& global();

    // Refused while a paste is storing, so that the records being pasted stay in place.
    void copy(cmcEeprom& image, int kind, int first, int count) override;
    void loadOne(cmcEeprom& image, int kind, int number, datCh& target) override;
    int paste(cmcEeprom& image, int kind, int first, int count) override;
    // A used bank entry goes into the channel its position refers to, else into the lowest
    // empty memory channel (false when there is none); an empty one empties that channel.
    bool storeOne(cmcEeprom& image, int kind, int number, const datCh& record) override;

    bool writing() const { return isWriting; }
    // The record the last store replaced.
    const datCh& overwritten() const { return scratch; }

    // The auto-write slot shown on a row of the auto-write page, or -1 for an empty row.
    static int autoWriteSlot(const cmcEeprom& image, int row);

private:
    static void loadEmpty(cmcEeprom& image, int kind, int number, datCh& target);
    static void loadBankEntry(cmcEeprom& image, int number, datCh& target);
    static bool storeBankEntry(cmcEeprom& image, int number, const datCh& record);

    bool isWriting = false;
    datCh scratch;
};
