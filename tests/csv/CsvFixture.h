#pragma once

#include "MemPageData.h"
#include "cmcCsvFile.h"
#include "cmcPageIndex.h"
#include "cmcScriptPrompt.h"
#include "datCh.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace csv {

constexpr int MemoryPage2 = 2;
constexpr int BankA = cmcPageIndex::FirstBankPage;
constexpr int BankB = cmcPageIndex::FirstBankPage + 1;
constexpr int ScanEdgePage = cmcPageIndex::ScanEdgePage;
constexpr int AutoWritePage = cmcPageIndex::AutoWritePage;

// A document of one destination, a folder for the files, and the prompt's record.
class CsvTest : public testing::Test {
protected:
    void SetUp() override { use(1); }

    void use(int destination) { data = std::make_unique<MemPageData>(destination); }

    cmcScriptPrompt& prompt() { return static_cast<cmcScriptPrompt&>(data->prompt()); }
    cmcEeprom& image() { return data->image(); }
    QString path(const char* name) const { return dir.filePath(name); }

    datCh load(int kind, int number) {
        datCh record(&image());
        record.load(kind, number);
        return record;
    }
    // A used FM channel at 146.01 MHz with a blank name, then whatever the test sets.
    void put(int kind, int number, const std::function<void(datCh&)>& set = {}) {
        datCh record(&image());
        record.reset();
        record.frequency = 146010000;
        record.lowEdge = 145000000;
        record.trainFrequency = datCh::DefaultTrainFrequency;
        if (set)
            set(record);
        record.store(kind, number);
        image().rebuildBankIndex();
    }

    QByteArray exported(int pageIndex, int firstRecord = 0) {
        EXPECT_EQ(cmcCsvFile::exportPage(*data, pageIndex, firstRecord, path("out.csv")),
                  cmcCsvFile::Done);
        QFile file(path("out.csv"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    // Imports the text with the confirmation answered OK; the messages shown after it.
    cmcCsvFile::Result imported(int pageIndex, const QByteArray& text, int firstRecord = 0) {
        QFile file(path("in.csv"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        prompt().answer(cmcPrompt::AnswerOk);
        data->sent.clear();
        confirmation = int(prompt().messages().size());
        return cmcCsvFile::importPage(*data, pageIndex, firstRecord, path("in.csv"));
    }
    // The texts of the messages after the last import's confirmation.
    QList<QByteArray> told() {
        QList<QByteArray> texts;
        const QList<cmcPrompt::Message> all = prompt().messages();
        for (qsizetype i = confirmation + 1; i < all.size(); ++i)
            texts.append(all[i].text);
        return texts;
    }
    static QByteArray text(const char* key) { return cmcGTex::app().multiLineText(key); }

    std::unique_ptr<MemPageData> data;
    QTemporaryDir dir;
    int confirmation = 0;
};

} // namespace csv
