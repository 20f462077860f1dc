#pragma once

#include "cmcFBitsDialog.h"

class QWidget;
class cmcGTex;

// The bank link dialog: one row of bank letters and their on/off cells over OK and Cancel.
class cuiFBitsR : public cmcFBitsDialog {
public:
    cuiFBitsR(cmcGTex& table, QWidget* owner) : table(table), owner(owner) {}

    bool run(cmcFBitsR& bits) override;

private:
    cmcGTex& table;
    QWidget* owner;
};
