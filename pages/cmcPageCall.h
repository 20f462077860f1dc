#pragma once

#include <QByteArray>

// What a tree node's page call text names: the page class in brackets, the sheet key and the
// parameters (page index, then the first record number). The whole text is the page's
// identity, by which positions are remembered and the tree finds the open page.
struct cmcPageCall {
    QByteArray identity;
    QByteArray pageType;
    QByteArray sheetKey;
    QByteArray parameters;
    int pageIndex = -1;
    int firstRecord = 0;

    static cmcPageCall split(const QByteArray& text);
    // The page classes that read a page index and a first record number from the parameters.
    bool hasPageClass() const;
};
