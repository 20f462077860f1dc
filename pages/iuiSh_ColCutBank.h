#pragma once

#include "iuiSh_ColCut_A.h"

// A bank's page: its rows are the bank's 100 positions, and its title bar names the bank and
// counts the memory channels still free, kept current whenever the page is shown or refreshed.
class iuiSh_ColCutBank : public iuiSh_ColCut_A {
    Q_OBJECT
public:
    static constexpr int NoBank = 255;

    iuiSh_ColCutBank(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table, const cmcPageCall& call,
                     cmcPageData& data);

    int bankNumber() const { return bank; }
    int rowBank() const override { return bank == NoBank ? -1 : bank; }
    void Show() override;
    QByteArray sheetName() const override;
    // The caption with its leading blank, six blanks and the free channel count.
    QByteArray titleText() const;

protected:
    void styleKey(QByteArrayView group) override;
    void notification(cmcEvent& event) override;
    cmcEventId indexQuestion() const override { return cmcEventId::BankPageIndex; }

private:
    QByteArray caption() const;
    void refreshTitle();

    int bank;
    QByteArray shownCaption;
    int shownFree = 65535;
};
