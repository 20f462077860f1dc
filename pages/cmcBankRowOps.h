#pragma once

#include "cmcRowOps.h"

// Row operations of a bank page. A row is a position of the bank; the bank index says which
// memory channel sits there. The operations change the channels' bank group and position, or
// the channels themselves, and never the index, which the image-changed event rebuilds.
class cmcBankRowOps : public cmcRowOps {
public:
    cmcBankRowOps(cmcPageData& data, datClipCh& clipboard) : cmcRowOps(data, clipboard) {}

    bool run(int link, datRowContext& row);

    void copy(datRowContext& row);
    void paste(datRowContext& row);
    void bankOff(datRowContext& row);
    void clear(datRowContext& row);
    void remove(datRowContext& row);
    void insert(datRowContext& row);
    void moveUp(datRowContext& row);
    void moveDown(datRowContext& row);

private:
    // The memory channel at a position of the page's bank, or -1.
    int channelAt(int position) const;
    bool anyChannel(int first, int last) const;
    void emptyChannels(int first, int last);
    // Every used channel of the bank from position `from` on moves by `by`; one pushed past
    // the last position is deleted.
    void shiftPositions(int from, int by);
    void exchange(int position, int other);
    void pageChanged(const char* statusKey);

    int bank = 0;
};
