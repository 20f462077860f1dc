#include "cmcLoadFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char* name;
    QByteArray text;
    QList<QByteArray> lines;
};

class LoadFileLines : public testing::TestWithParam<LineCase> {};

TEST_P(LoadFileLines, SplitsAtEveryKindOfLineEnd) {
    cmcLoadFile file;
    EXPECT_EQ(file.setText(GetParam().text), !GetParam().lines.isEmpty());
    ASSERT_EQ(file.lineCount(), GetParam().lines.size());
    for (int i = 0; i < file.lineCount(); ++i)
        EXPECT_EQ(file.line(i), GetParam().lines[i]) << i;
    EXPECT_EQ(file.line(file.lineCount()), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadFileLines,
                         testing::Values(LineCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                                         LineCase{"lf", "a\nb", {"a", "b"}},
                                         LineCase{"cr", "a\rb\r", {"a", "b"}},
                                         LineCase{"mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
                                         LineCase{"lfcr", "a\n\rb", {"a", "", "b"}},
                                         LineCase{"byteOrderMark",
                                                  "\xEF\xBB\xBF"
                                                  "CH No\r\n1",
                                                  {"CH No", "1"}},
                                         LineCase{"markOnly", "\xEF\xBB\xBF", {}},
                                         LineCase{"empty", "", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadFile, NextSkipsEmptyLinesAndStartsOverAtTheEnd) {
    cmcLoadFile file;
    ASSERT_TRUE(file.setText("title\n\n\nfirst\r\n\r\nsecond\n\n"));
    ASSERT_TRUE(file.next());
    EXPECT_EQ(file.currentLine(), "first");
    ASSERT_TRUE(file.next());
    EXPECT_EQ(file.index(), 5);
    EXPECT_EQ(file.currentLine(), "second");
    EXPECT_FALSE(file.next());
    EXPECT_EQ(file.index(), 0);
}

TEST(LoadFile, OpenReadsTheWholeFileAndRefusesAMissingOne) {
    QTemporaryDir dir;
    cmcLoadFile file;
    EXPECT_FALSE(file.open(dir.filePath("none.csv")));
    EXPECT_EQ(file.lineCount(), 0);
    QFile written(dir.filePath("some.csv"));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("one\r\ntwo");
    written.close();
    ASSERT_TRUE(file.open(written.fileName()));
    EXPECT_EQ(file.line(1), "two");
}

} // namespace
