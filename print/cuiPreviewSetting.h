#pragma once

#include <QDialog>

class QComboBox;
class cmcGTex;

// The preview's font setting: a choice of "1" to "5" that stands for 8 to 12 points.
class cuiPreviewSetting : public QDialog {
    Q_OBJECT
public:
    cuiPreviewSetting(cmcGTex& table, int points, QWidget* owner);

    int points() const;

    static constexpr int FirstPoints = 8;
    static constexpr int LastPoints = 12;

private:
    QComboBox* choice;
};
