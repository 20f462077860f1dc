#pragma once

#include <QByteArray>

class cmcEeprom;

// The caption of a program scan link: its number as one digit, a colon, a blank and the six
// characters of its name, as the tree node of the link's page shows it.
class cmcLinkCaption {
public:
    // Empty for a number that is no link.
    static QByteArray text(const cmcEeprom& image, int link);
};
