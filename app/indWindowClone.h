#pragma once

#include "indCloneSession.h"

class indMain;

// The clone commands as the main window runs them: an open cell edit is finished first.
class indWindowClone : public indCloneSession {
public:
    indWindowClone(indMain& window, indEnviron& settings, cmcEvMan& events, indCloneMan& manager);

protected:
    bool mainWindowVisible() const override;
    void finishEdit() override;

private:
    indMain& window;
};
