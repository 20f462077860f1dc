#pragma once

#include <QByteArray>
#include <memory>

class QWidget;
class cmcGTex;
class cuiDispatch;
class cuiSheet;
struct cmcPageCall;

// Creates the page a call text names, by its page class. Classes that do not exist open as the
// plain sheet, which still addresses the records of its page.
class iuiPageFactory {
public:
    static std::unique_ptr<cuiSheet> create(const cmcPageCall& call, QWidget* owner,
                                            cuiDispatch* dispatch, cmcGTex& table);
};
