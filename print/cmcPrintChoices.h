#pragma once

class cmcEeprom;

// The two choices of a print-all job: the memory channel pages and the bank pages.
struct cmcPrintChoices {
    bool memoryChannels = true;
    bool bankChannels = true;

    // What the print-all dialog opens with: the bank pages when any used channel with a valid
    // frequency sits in a bank, otherwise the memory channel pages.
    static cmcPrintChoices initial(const cmcEeprom& image);
};
