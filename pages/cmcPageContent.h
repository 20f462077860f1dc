#pragma once

class cmcEeprom;

// Whether a page has anything to print: at least one used record among the records it shows.
class cmcPageContent {
public:
    static bool hasContent(const cmcEeprom& image, int pageIndex);

    static constexpr int LastMemoryPage = 12;
    static constexpr int FirstBankPage = 13;
    static constexpr int LastBankPage = 34;
    static constexpr int ScanEdgePage = 35;
    static constexpr int FirstLinkPage = 36;
    static constexpr int LastLinkPage = 45;
    static constexpr int AutoWritePage = 46;
    static constexpr int CommonPage = 47;

private:
    static bool anyUsed(const cmcEeprom& image, int kind, int first, int last);
};
