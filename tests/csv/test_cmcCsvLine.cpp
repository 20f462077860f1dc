#include "cmcCsvLine.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    QByteArray line;
    char separator;
    QList<QByteArray> fields;
};

class CsvLineFields : public testing::TestWithParam<SplitCase> {};

TEST_P(CsvLineFields, SplitAtTheSeparatorOutsideQuotes) {
    EXPECT_EQ(cmcCsvLine::fields(GetParam().line, GetParam().separator), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvLineFields,
    testing::Values(
        SplitCase{"plain", "000,146.010000,,DUP+", ',', {"000", "146.010000", "", "DUP+"}},
        SplitCase{"empty", "", ',', {""}},
        SplitCase{"quoted", "\"000\",\"A,B\",\"\"", ',', {"000", "A,B", ""}},
        SplitCase{"doubledQuote", "\"say \"\"hi\"\"\",x", ',', {"say \"hi\"", "x"}},
        SplitCase{"blanksBeforeQuote", "  \"a\" ,b", ',', {"a ", "b"}},
        SplitCase{"quoteInside", "ab\"c,d", ',', {"ab\"c", "d"}},
        SplitCase{"unclosed", "\"a,b", ',', {"a,b"}},
        SplitCase{"semicolons", "000;146,01;\"x;y\"", ';', {"000", "146,01", "x;y"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvLine, TheTitleLineTellsTheSeparator) {
    EXPECT_EQ(cmcCsvLine::separatorOf("CH No,Frequency"), ',');
    EXPECT_EQ(cmcCsvLine::separatorOf("CH No;Frequency"), ';');
    EXPECT_EQ(cmcCsvLine::separatorOf("CH No;Frequency,Dup"), ',');
    EXPECT_EQ(cmcCsvLine::separatorOf("CH No"), ',');
}

} // namespace
