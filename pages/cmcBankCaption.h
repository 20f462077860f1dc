#pragma once

#include <QByteArray>

class cmcEeprom;
class cmcEvMan;
class cmcGTex;

// The caption of a bank: its letter, a colon, a blank and the six characters of its name, as
// the tree node of the bank's page shows it.
class cmcBankCaption {
public:
    // The letter of a bank number; a number beyond the usable letters has a blank.
    static char letter(cmcGTex& table, int bank);
    static QByteArray text(const cmcEeprom& image, cmcGTex& table, int bank);
    // Gives the tree node of the bank's page its caption.
    static void send(cmcEvMan& events, const cmcEeprom& image, cmcGTex& table, int bank);
    static void sendAll(cmcEvMan& events, const cmcEeprom& image, cmcGTex& table);
};
