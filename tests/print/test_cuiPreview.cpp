#include "cmcGTex.h"
#include "cuiPreview.h"
#include "cuiPreviewCanvas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Preview : public testing::Test {
protected:
    Preview() {
        preview.setPaper(QSize(4960, 7016), 600);
        for (int i = 0; i < 3; ++i)
            preview.addPage(dst_Preview());
        preview.pagesLaidOut();
        preview.show();
    }
    QPushButton* button(const char* name) { return preview.findChild<QPushButton*>(name); }
    QString label(const char* name) { return preview.findChild<QLabel*>(name)->text(); }
    QLineEdit* pageBox() { return preview.findChild<QLineEdit*>("PageBox"); }
    void key(Qt::Key pressed) { QTest::keyClick(preview.findChild<cuiPreviewCanvas*>(), pressed); }
    // Top, Previous, Next, Last.
    QList<bool> enabled() {
        return {button("TopPage")->isEnabled(), button("PreviousPage")->isEnabled(),
                button("NextPage")->isEnabled(), button("LastPage")->isEnabled()};
    }

    cuiPreview preview{cmcGTex::app(), 9};
};

TEST_F(Preview, ButtonsStopAtTheFirstAndLastPage) {
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_EQ(enabled(), (QList<bool>{false, false, true, true}));
    EXPECT_EQ(label("PageTotal"), " / 3");
    EXPECT_EQ(label("Status"), " 1 / 3");
    EXPECT_EQ(pageBox()->text(), "1");
    button("NextPage")->click();
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true}));
    button("LastPage")->click();
    EXPECT_EQ(preview.currentPage(), 2);
    EXPECT_EQ(enabled(), (QList<bool>{true, true, false, false}));
    EXPECT_EQ(label("Status"), " 3 / 3");
    button("PreviousPage")->click();
    button("TopPage")->click();
    EXPECT_EQ(preview.currentPage(), 0);
    preview.showPage(9);
    EXPECT_EQ(preview.currentPage(), 2);
    preview.showPage(-4);
    EXPECT_EQ(preview.currentPage(), 0);
}

TEST_F(Preview, PageBoxTakesDigitsOnlyAndJumpsWithinLimits) {
    pageBox()->clear();
    QTest::keyClicks(pageBox(), "a2x");
    EXPECT_EQ(pageBox()->text(), "2");
    QTest::keyClick(pageBox(), Qt::Key_Backspace);
    EXPECT_EQ(pageBox()->text(), "");
    QTest::keyClicks(pageBox(), "3");
    QTest::keyClick(pageBox(), Qt::Key_Return);
    EXPECT_EQ(preview.currentPage(), 2);
    pageBox()->setText("");
    QTest::keyClicks(pageBox(), "99");
    QTest::keyClick(pageBox(), Qt::Key_Return);
    EXPECT_EQ(preview.currentPage(), 2);
    EXPECT_EQ(pageBox()->text(), "3");
}

TEST_F(Preview, KeysPageUnlessZoomedThenScroll) {
    key(Qt::Key_PageDown);
    EXPECT_EQ(preview.currentPage(), 1);
    key(Qt::Key_Down);
    EXPECT_EQ(preview.currentPage(), 2);
    key(Qt::Key_Down);
    EXPECT_EQ(preview.currentPage(), 2);
    key(Qt::Key_Up);
    key(Qt::Key_PageUp);
    EXPECT_EQ(preview.currentPage(), 0);
    key(Qt::Key_Right);
    EXPECT_EQ(preview.currentPage(), 0);

    button("Zoom")->click();
    ASSERT_TRUE(preview.zoomed());
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    EXPECT_EQ(preview.currentPage(), 0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(preview.currentPage(), 1);
    button("Zoom")->click();
    EXPECT_FALSE(preview.zoomed());
}

TEST_F(Preview, OnlyPrintAnswersYes) {
    button("Print")->click();
    EXPECT_EQ(preview.result(), QDialog::Accepted);
    preview.show();
    preview.reject();
    EXPECT_EQ(preview.result(), QDialog::Rejected);
}

} // namespace
