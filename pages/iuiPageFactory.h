#pragma once

#include <QByteArray>
#include <memory>

class QWidget;
class cmcGTex;
class cmcPageData;
class cuiDispatch;
class cuiSheet;
struct cmcPageCall;

// Creates the page a call text names, by its page class. Classes that do not exist open as the
// plain sheet, which still addresses the records of its page; without a document every page is
// a plain sheet.
class iuiPageFactory {
public:
    static std::unique_ptr<cuiSheet> create(const cmcPageCall& call, QWidget* owner,
                                            cuiDispatch* dispatch, cmcGTex& table,
                                            cmcPageData* data);
};
