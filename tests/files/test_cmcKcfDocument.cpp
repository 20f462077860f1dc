#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class KcfDocument : public testing::Test {
protected:
    void SetUp() override {
        image.resize(mm::ImageSize);
        for (int a = 0; a < mm::ReceiverSize; ++a)
            image.setByte(a, static_cast<uint8_t>(a));
        image.setByte(mm::FormatRevision, 1);
        image.writeBlock(mm::Signature, reinterpret_cast<const uint8_t*>(mm::SignatureText),
                         mm::SignatureSize);
        image.writeBlock(mm::Comment, reinterpret_cast<const uint8_t*>("My\tscanner  \x7F  "),
                         mm::CommentSize);
        image.setByte(mm::BankIndexBase, 0x12);
        path = dir.filePath("d.kcf");
        document.resize(mm::ImageSize);
        document.fill(0x77);
    }

    int open() { return cmcKcfDocument::open(path, document, destination, messages); }

    static void collect(void* context, const QByteArray& text) {
        static_cast<QByteArrayList*>(context)->append(text);
    }

    QTemporaryDir dir;
    QString path;
    cmcEeprom image;
    cmcEeprom document;
    int destination = -1;
    QByteArrayList shown;
    cmcKcfDocument::Messages messages{collect, &shown};
};

TEST_F(KcfDocument, CommentIsPrintableAndTrimmed) {
    EXPECT_EQ(cmcKcfDocument::commentOf(image), "My scanner");
}

TEST_F(KcfDocument, SavedFileOpensAsTheReceiverAreaWithItsDestination) {
    ASSERT_EQ(cmcKcfDocument::write(path, image, 11, messages), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("32500001\r\n#Comment=My scanner\r\n#MapRev=1\r\n"));
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(destination, 11);
    EXPECT_TRUE(std::memcmp(document.bytes(), image.bytes(), mm::ReceiverSize) == 0);
    EXPECT_EQ(document.getByte(mm::BankIndexBase), 0); // never stored in a file
    EXPECT_TRUE(shown.isEmpty());
}

struct Spoil {
    const char* name;
    int address;
    uint8_t value;
};

class KcfDocumentRefused : public KcfDocument, public testing::WithParamInterface<Spoil> {};

TEST_P(KcfDocumentRefused, ImageFailingTheFormatCheckIsIllegalData) {
    image.setByte(GetParam().address, GetParam().value);
    ASSERT_EQ(cmcKcfDocument::write(path, image, 6), 0);
    const cmcEeprom before = document;
    EXPECT_EQ(open(), 8);
    EXPECT_TRUE(document == before);
    EXPECT_EQ(destination, -1);
    EXPECT_EQ(shown, QByteArrayList{"File error.\n\nIllegal data."});
}

INSTANTIATE_TEST_SUITE_P(Cases, KcfDocumentRefused,
                         testing::Values(Spoil{"revision2", mm::FormatRevision, 2},
                                         Spoil{"signature", mm::Signature + 15, '4'}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KcfDocument, FormatRevisionZeroIsAccepted) {
    image.setByte(mm::FormatRevision, 0);
    ASSERT_EQ(cmcKcfDocument::write(path, image, 0), 0);
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(destination, 0);
}

TEST_F(KcfDocument, FileLackingARecordIsNotEnoughData) {
    ASSERT_EQ(cmcKcfDocument::write(path, image, 6), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.remove(text.indexOf("\r\n0100") + 2, 40); // the record at 0x0100
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    EXPECT_EQ(open(), 7);
    EXPECT_EQ(shown, QByteArrayList{"File error.\n\nThere is not enough data."});
}

} // namespace
