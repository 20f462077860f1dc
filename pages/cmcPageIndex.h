#pragma once

// The page index: one number space shared by every page of the tree, on which the checks,
// printing, titles, tree captions, CSV files and the command line key. Pages without one (the
// top page, group pages, bank names, clone information) have -1.
struct cmcPageIndex {
    // Memory channels, 100 to a page: the first record is 100 times the index.
    static constexpr int FirstMemoryPage = 0;
    static constexpr int LastMemoryPage = 12;
    // Banks in the order of the usable bank letters: the bank is the index less the first.
    static constexpr int FirstBankPage = 13;
    static constexpr int LastBankPage = 34;
    static constexpr int ScanEdgePage = 35;
    // Program scan links: the link is the index less the first.
    static constexpr int FirstLinkPage = 36;
    static constexpr int LastLinkPage = 45;
    static constexpr int AutoWritePage = 46;
    static constexpr int CommonPage = 47;
    static constexpr int LinkNamePage = 48;
    static constexpr int LastPage = LinkNamePage;
};
