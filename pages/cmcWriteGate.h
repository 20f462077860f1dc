#pragma once

#include "cmcSettingChecks.h"

class cmcGTex;
class cmcPrompt;

// Whether a clone write may start after the setting checks: never with an error; with
// warnings only after the user confirmed the warning question, else after the plain
// confirmation.
class cmcWriteGate {
public:
    enum Verdict { Refused, Cancelled, Confirmed };

    // With `ask` false (the user has confirmed already) only errors are reported.
    static Verdict judge(const cmcSettingChecks::Result& checks, cmcPrompt& prompt, cmcGTex& table,
                         bool ask = true);
};
