#pragma once

class cmcEeprom;

// Whether a page has anything to print: at least one used record among the records it shows.
class cmcPageContent {
public:
    static bool hasContent(const cmcEeprom& image, int pageIndex);

private:
    static bool anyUsed(const cmcEeprom& image, int kind, int first, int last);
};
