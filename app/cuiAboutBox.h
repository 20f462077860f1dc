#pragma once

#include <QDialog>

class cmcGTex;

// The About box: the program's title, revision and year, and the toolkit it runs on.
class cuiAboutBox : public QDialog {
    Q_OBJECT
public:
    cuiAboutBox(cmcGTex& table, QWidget* owner);
};
