#include "indWindowClone.h"

#include "cmcEvMan.h"
#include "indMain.h"

indWindowClone::indWindowClone(indMain& main, indEnviron& store, cmcEvMan& eventManager,
                               indCloneMan& manager)
    : indCloneSession(main, store, eventManager, manager), window(main) {}

bool indWindowClone::mainWindowVisible() const {
    return window.isVisible();
}

void indWindowClone::finishEdit() {
    if (cmcEvMan* events = cmcEvMan::app())
        events->Send(cmcEventId::FinishEdit);
}

void indWindowClone::showCloneInformation() {
    window.showCloneInformation(cloneInformation());
}

// A write shows on the tree what the checks found.
cmcSettingChecks::Result indWindowClone::runSettingChecks() {
    return window.checkSettings();
}
