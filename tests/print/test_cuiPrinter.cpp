#include "PrintPageData.h"
#include "ScriptedDialogs.h"
#include "cuiPreview.h"
#include "cuiPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QByteArray FirstMemoryPage = "[St_ColCut]GI_Sheet_MemoryCH,0,0";
const QByteArray SecondMemoryPage = "[St_ColCut]GI_Sheet_MemoryCH,1,100";

class Printing : public testing::Test {
protected:
    Printing() { dialogs.pdf = dir.filePath("out.pdf"); }

    // Runs a job to its end, however many ticks it takes.
    void waitForEnd(const std::function<void()>& start) {
        QSignalSpy ended(&printer, &cuiPrinter::finished);
        start();
        if (ended.isEmpty()) {
            ASSERT_TRUE(ended.wait(120000));
        }
        EXPECT_FALSE(printer.busy());
    }
    QSet<QByteArray> printedCalls() const {
        QSet<QByteArray> calls;
        for (const dst_Preview& paper : printer.printedPages())
            calls.insert(paper.call);
        return calls;
    }

    QTemporaryDir dir;
    PrintPageData data;
    int points = 9;
    QWidget window;
    ScriptedDialogs dialogs;
    cuiPrinter printer{&window, data, data.table(), points, &dialogs};
};

TEST_F(Printing, EmptyMemoryPagePrintsNothing) {
    data.put(150, 145500000);
    waitForEnd([&] { printer.printCurrent(FirstMemoryPage); });
    EXPECT_EQ(dialogs.previews, 0);
    EXPECT_TRUE(printer.printedPages().isEmpty());
    EXPECT_FALSE(QFile::exists(dialogs.pdf));
    EXPECT_TRUE(window.isEnabled());

    ASSERT_TRUE(printer.printToPdf({FirstMemoryPage, SecondMemoryPage}, {true, true},
                                   dir.filePath("direct.pdf")));
    EXPECT_EQ(printedCalls(), QSet<QByteArray>{SecondMemoryPage});
}

TEST_F(Printing, PrintAllWithBankChOnlyPrintsBankPagesWithContent) {
    data.put(5, 145500000, 0, 0);
    data.put(6, 145600000, 2, 1);
    data.put(250, 433000000);
    dialogs.chosen = cmcPrintChoices{false, true};
    waitForEnd([&] { printer.printAll(); });
    ASSERT_TRUE(dialogs.offered);
    EXPECT_TRUE(dialogs.offered->bankChannels);
    EXPECT_FALSE(dialogs.offered->memoryChannels);
    const QSet<QByteArray> calls = printedCalls();
    EXPECT_TRUE(calls.contains("[St_CCBank]GI_Sheet_BankCH,13"));
    EXPECT_TRUE(calls.contains("[St_CCBank]GI_Sheet_BankCH,15"));
    EXPECT_FALSE(calls.contains("[St_CCBank]GI_Sheet_BankCH,14"));
    for (const QByteArray& call : calls)
        EXPECT_FALSE(call.contains("GI_Sheet_MemoryCH")) << call.constData();
    EXPECT_TRUE(QFile::exists(dialogs.pdf));
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(Printing, WideSheetRepeatsFixedPartsAndKeepsGroupsWhole) {
    data.put(3, 145500000);
    ASSERT_TRUE(printer.printToPdf({FirstMemoryPage}, {true, true}, dialogs.pdf));
    const QList<dst_Preview>& papers = printer.printedPages();
    QSet<QList<int>> columnBlocks;
    for (const dst_Preview& paper : papers) {
        ASSERT_GE(paper.columns.size(), 3);
        EXPECT_EQ(paper.columns.mid(0, 3), (QList<int>{0, 1, 2}));
        EXPECT_EQ(paper.rows.mid(0, 5), (QList<int>{0, 1, 2, 3, 4}));
        columnBlocks.insert(paper.columns);
        // The header groups "Frequency", "TSQL/DTCS", "Canceller" (shown on destination 0)
        // and "Bank"; the fixed columns are a margin, "CH" and a spacer.
        for (const QList<int>& group :
             {QList<int>{3, 4, 5}, {12, 13, 14, 15}, {16, 17}, {19, 20}}) {
            qsizetype present = 0;
            for (const int column : group)
                present += paper.columns.contains(column) ? 1 : 0;
            EXPECT_TRUE(present == 0 || present == group.size())
                << "group from " << group.front() << " cut";
        }
    }
    EXPECT_GE(columnBlocks.size(), 2);
    // Every column of the sheet is on paper.
    QSet<int> all;
    for (const dst_Preview& paper : papers)
        all.unite(QSet<int>(paper.columns.begin(), paper.columns.end()));
    EXPECT_EQ(all.size(), 21);
}

TEST_F(Printing, GroupWiderThanThePaperPrintsAtASmallerFont) {
    data.put(3, 145500000);
    ASSERT_TRUE(printer.printToPdf({FirstMemoryPage}, {true, true}, dialogs.pdf, 600,
                                   QPageSize(QPageSize::A7)));
    const QList<dst_Preview>& papers = printer.printedPages();
    ASSERT_FALSE(papers.isEmpty());
    // The "Frequency" group alone is wider than A7 at 9 points.
    EXPECT_GT(papers.front().fontHeight, -12);
    for (const dst_Preview& paper : papers)
        EXPECT_EQ(paper.columns.mid(0, 3), (QList<int>{0, 1, 2}));
}

TEST_F(Printing, GreyCellsPrintOnTheOneGrey) {
    data.put(3, 145500000);
    bool grey = false;
    bool colourless = true;
    dialogs.print = false;
    dialogs.inPreview = [&](cuiPreview& preview) {
        ASSERT_GT(preview.pageCount(), 0);
        QImage canvas(1240, 1754, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.scale(0.25, 0.25);
        painter.drawPicture(0, 0, preview.page(0).picture);
        painter.end();
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const QRgb pixel = canvas.pixel(x, y);
                grey = grey || (pixel & 0xFFFFFF) == 0x606060;
                colourless =
                    colourless && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            }
        }
    };
    waitForEnd([&] { printer.printCurrent(FirstMemoryPage); });
    EXPECT_TRUE(grey);
    EXPECT_TRUE(colourless);
    EXPECT_TRUE(printer.printedPages().isEmpty());
}

TEST_F(Printing, FontSettingLaysThePreviewOutAgain) {
    data.put(3, 145500000);
    dialogs.print = false;
    int pagesBefore = 0;
    dialogs.inPreview = [&](cuiPreview& preview) {
        pagesBefore = preview.pageCount();
        EXPECT_EQ(preview.page(0).fontHeight, -12);
        QTimer::singleShot(0, [] {
            QWidget* setting = QApplication::activeModalWidget();
            ASSERT_TRUE(setting);
            setting->findChild<QComboBox*>()->setCurrentIndex(4);
            static_cast<QDialog*>(setting)->accept();
        });
        preview.findChild<QPushButton*>("Setting")->click();
        EXPECT_EQ(preview.page(0).fontHeight, -16);
        EXPECT_GT(preview.pageCount(), pagesBefore);
    };
    waitForEnd([&] { printer.printCurrent(FirstMemoryPage); });
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_GT(pagesBefore, 0);
    EXPECT_EQ(points, 12);
}

TEST_F(Printing, CancelStopsAtTheNextBlock) {
    data.put(3, 145500000);
    dialogs.inPreview = [](cuiPreview&) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "PrintProgress" && top->isVisible())
                top->findChild<QPushButton*>("Cancel")->click();
        }
    };
    waitForEnd([&] { printer.printCurrent(FirstMemoryPage); });
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_TRUE(printer.printedPages().isEmpty());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(Printing, NoPrinterIsReportedAndNothingRuns) {
    dialogs.present = false;
    printer.printCurrent("GI_Sheet_TopPage");
    const QList<cmcPrompt::Message> shown = data.questions.messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "No Printer is connected.\nConnect a printer.");
    EXPECT_EQ(shown[0].icon, cmcPrompt::Stop);
    EXPECT_EQ(dialogs.printerDialogs, 0);
    EXPECT_FALSE(printer.busy());
}

TEST_F(Printing, PrinterDialogCancelOrPreviewClosedPrintsNothing) {
    data.put(3, 145500000);
    dialogs.printerOk = false;
    printer.printCurrent(FirstMemoryPage);
    EXPECT_EQ(dialogs.previews, 0);
    dialogs.printerOk = true;
    dialogs.print = false;
    waitForEnd([&] { printer.printCurrent(FirstMemoryPage); });
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_FALSE(QFile::exists(dialogs.pdf));
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(Printing, PrintCurrentPrintsWhatThePreviewShowed) {
    data.put(3, 145500000);
    int shown = 0;
    dialogs.inPreview = [&](cuiPreview& preview) { shown = preview.pageCount(); };
    waitForEnd([&] { printer.printCurrent(FirstMemoryPage); });
    EXPECT_GT(shown, 1);
    EXPECT_EQ(printer.printedPages().size(), shown);
    EXPECT_TRUE(QFile(dialogs.pdf).size() > 0);
}

TEST(PrintTree, PagesInTreeOrder) {
    const QList<QByteArray> calls = cuiPrinter::treePages(cmcGTex::app());
    ASSERT_EQ(calls.size(), 55);
    EXPECT_EQ(calls.front(), "GI_Sheet_TopPage");
    EXPECT_EQ(calls[3], "[St_ColCut]GI_Sheet_MemoryCH,0,0");
    EXPECT_EQ(calls.back(), "[St_Common]GI_Sheet_Common,47");
}

} // namespace
