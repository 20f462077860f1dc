#include "indWindowClone.h"

#include "cmcEvMan.h"
#include "indMain.h"

namespace {

constexpr int FinishEdit = 22;

} // namespace

indWindowClone::indWindowClone(indMain& main, indEnviron& store, cmcEvMan& eventManager,
                               indCloneMan& manager)
    : indCloneSession(main, store, eventManager, manager), window(main) {}

bool indWindowClone::mainWindowVisible() const {
    return window.isVisible();
}

void indWindowClone::finishEdit() {
    if (cmcEvMan* events = cmcEvMan::app())
        events->Send(FinishEdit);
}

void indWindowClone::showCloneInformation() {
    window.showCloneInformation(cloneInformation());
}

// A write shows on the tree what the checks found.
cmcSettingChecks::Result indWindowClone::runSettingChecks() {
    return window.checkSettings();
}
