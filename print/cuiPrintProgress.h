#pragma once

#include <QDialog>

class cmcGTex;

// The small "Print" window shown while a job runs; its Cancel button asks the job to stop.
class cuiPrintProgress : public QDialog {
    Q_OBJECT
public:
    cuiPrintProgress(cmcGTex& table, QWidget* over);

signals:
    void cancelRequested();

protected:
    void reject() override { emit cancelRequested(); }
};
