#pragma once

class cmcFBitsR;

// The bank link dialog as the page logic sees it: it lets the user edit the bits and tells
// whether it was closed with OK.
class cmcFBitsDialog {
public:
    virtual ~cmcFBitsDialog() = default;

    virtual bool run(cmcFBitsR& bits) = 0;
};
