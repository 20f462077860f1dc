#pragma once

#include "cmcPrintChoices.h"

#include <QDialog>

class QCheckBox;
class cmcGTex;

// "Print All": which of the memory channel and bank pages the job takes.
class cuiPrintAllDialog : public QDialog {
    Q_OBJECT
public:
    cuiPrintAllDialog(cmcGTex& table, const cmcPrintChoices& initial, QWidget* owner);

    cmcPrintChoices choices() const;

private:
    QCheckBox* memory;
    QCheckBox* banks;
};
