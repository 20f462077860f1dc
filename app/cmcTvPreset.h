#pragma once

#include "cmcTvTables.h"

#include <QByteArray>

class cmcEeprom;
class cmcPrompt;
class datCh;

// Fills the memory channels of a page with the channels of a built-in TV table. Every channel
// starts from band default 6 of the template image and takes the table entry's frequency, name
// and mode.
class cmcTvPreset {
public:
    enum Result { Done, NoChannelSpace };
    enum Target { MemoryGroup, Bank };

    // The document receives the channels; the template gives the band defaults; the destination
    // decides the tuning step of the Japanese table.
    cmcTvPreset(cmcEeprom& document, cmcEeprom& templateImage, int destination);

    // The whole command: asks whether to replace the channels, presets on OK, sends the
    // image-changed event so that the bank index follows the channels (a group preset can
    // overwrite channels that sat in banks), shows the overflow message and posts the redraw of
    // all cells. False when the user cancelled or there is no such table, and nothing changed.
    bool execute(cmcPrompt& prompt, int table, Target target, int number);

    // Entry i becomes memory channel 100 * group + i, in no bank.
    Result presetGroup(int table, int group);
    // Entry i goes into the lowest-numbered empty memory channel, at bank position i; a channel
    // that sat at that position before leaves the bank. Stops with NoChannelSpace when no memory
    // channel is empty, the entries before that being preset.
    Result presetBank(int table, int bank);

    // Number of channels the last preset stored.
    int storedCount() const { return stored; }

    // The confirmation question naming the table.
    static QByteArray confirmText(int table);
    // The message shown when a bank preset stops for want of empty memory channels.
    static QByteArray overflowText();

    static constexpr char ConfirmKey[] = "GI_AppMess_Tv_Preset";
    static constexpr char TableNamesKey[] = "GI_AppMess_Tv_Ch_Type";
    static constexpr char NoChSpaceKey[] = "GI_Mess_Preset_NoChSpace";

    static constexpr int BandDefaultRecord = 6;
    static constexpr int PresetStep = 10;

private:
    datCh channelFor(const cmcTvTables::Entry& entry, int table) const;
    void leaveBank(int bank, int position);

    cmcEeprom& document;
    cmcEeprom& templateImage;
    int destination;
    int stored = 0;
};
