#pragma once

#include "cmcGTex.h"

// Reader of the help-topic list; behaves exactly as the definition reader.
class cmcHelpGTex : public cmcGTex {
public:
    static cmcHelpGTex& app();
};
