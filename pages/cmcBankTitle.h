#pragma once

#include <QByteArray>

class cmcEeprom;
class cmcGTex;

// The title of a bank page: the bank caption with a leading blank, and in the title label
// the count of memory channels still free behind it.
class cmcBankTitle {
public:
    // Empty for a number that is no bank.
    static QByteArray title(const cmcEeprom& image, cmcGTex& table, int bank);
    static QByteArray label(const cmcEeprom& image, cmcGTex& table, int bank, int freeChannels);
    // Memory channels not in use.
    static int freeChannels(const cmcEeprom& image);
};
