#include "cmcMemInput.h"

#include <gtest/gtest.h>

namespace {

TEST(cmcMemInput, NumbersAreDecimalTextsOnly) {
    const struct {
        const char* text;
        int decimals;
        std::optional<int64_t> value;
    } cases[] = {
        {"145.0033", 6, 145003300},
        {" 145 ", 6, 145000000},
        {"0.05", 6, 50000},
        {".5", 6, 500000},
        {"7.", 0, 7},
        {"1234.9", 0, 1234},
        {"1.1234567", 6, 1123456},
        {"-3", 6, -3000000},
        {"+12", 0, 12},
        {"99999999999999999999999", 6, 1'000'000'000'000'000},
        {"", 6, std::nullopt},
        {".", 6, std::nullopt},
        {"-", 0, std::nullopt},
        {"abc", 6, std::nullopt},
        {"12a", 0, std::nullopt},
        {"1.2.3", 6, std::nullopt},
        {"1 2", 0, std::nullopt},
        {"1,5", 6, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cmcMemInput::number(c.text, c.decimals), c.value) << c.text;
}

TEST(cmcMemInput, HertzAreLimitedToTheRange) {
    EXPECT_EQ(cmcMemInput::hertz("1310", 100000, 1309995000), 1309995000u);
    EXPECT_EQ(cmcMemInput::hertz("-1", 100000, 1309995000), 100000u);
    EXPECT_EQ(cmcMemInput::hertz("99999999999", 0, 159995000), 159995000u);
    EXPECT_EQ(cmcMemInput::hertz("x", 0, 10), std::nullopt);
}

TEST(cmcMemInput, MegahertzHaveSixDecimals) {
    EXPECT_EQ(cmcMemInput::megahertz(145005000), "145.005000");
    EXPECT_EQ(cmcMemInput::megahertz(100000), "0.100000");
    EXPECT_EQ(cmcMemInput::megahertz(0), "0.000000");
    EXPECT_EQ(cmcMemInput::megahertz(1309995000), "1309.995000");
}

TEST(cmcMemInput, TrainFrequenciesKeepTenHertzStepsWithinTheRange) {
    const struct {
        int64_t typed;
        uint32_t stored;
    } cases[] = {{1234, 1230}, {1235, 1240}, {5000, 3000}, {12, 300},
                 {-50, 300},   {2996, 3000}, {300, 300},   {INT64_MAX, 3000}};
    for (const auto& c : cases)
        EXPECT_EQ(cmcMemInput::trainFrequency(c.typed), c.stored) << c.typed;
}

std::string nameOf(QByteArrayView text) {
    const auto name = cmcMemInput::name(text);
    return std::string(name.begin(), name.end());
}

TEST(cmcMemInput, NamesHoldOnlyWhatTheReceiverShows) {
    EXPECT_EQ(nameOf("ab#c"), "AB C  ");
    EXPECT_EQ(nameOf("abcdefgh"), "ABCDEF");
    EXPECT_EQ(nameOf("(*+-./"), "(*+-./");
    EXPECT_EQ(nameOf(":=)09Z"), ":=)09Z");
    EXPECT_EQ(nameOf(""), "      ");
    const std::string allowed = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ()*+-./:=";
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const std::string name = nameOf(QByteArray(6, c));
        EXPECT_EQ(name.find_first_not_of(allowed), std::string::npos) << code;
    }
}

} // namespace
