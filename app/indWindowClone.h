#pragma once

#include "indCloneSession.h"

class indMain;

// The clone commands as the main window runs them: an open cell edit is finished first, and a
// successful information query shows the receiver's clone information.
class indWindowClone : public indCloneSession {
public:
    indWindowClone(indMain& window, indEnviron& settings, cmcEvMan& events, indCloneMan& manager);

protected:
    bool mainWindowVisible() const override;
    void finishEdit() override;
    void showCloneInformation() override;
    cmcSettingChecks::Result runSettingChecks() override;

private:
    indMain& window;
};
