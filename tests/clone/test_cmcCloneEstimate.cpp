#include "cmcCloneEstimate.h"
#include "cmcGTex.h"
#include "cmcPlaceholders.h"

#include <gtest/gtest.h>

namespace {

struct EstimateCase {
    int64_t done;
    int64_t total;
    int64_t elapsedMs;
    std::optional<int64_t> left;
};

TEST(cmcCloneEstimate, SecondsLeftFromTheMeasuredRate) {
    const EstimateCase cases[] = {
        {0, 28256, 5000, std::nullopt},    // nothing done: no rate yet
        {500, 28256, 5000, std::nullopt},  // less than one segment's share
        {14128, 28256, 500, std::nullopt}, // under a second of measuring
        {5, 0, 5000, std::nullopt},        // nothing to move
        {14128, 28256, 10000, 10},         // half in 10 s: 10 s more
        {883, 28256, 1000, 31},            // a 32nd in 1 s: 31 s more
        {28256, 28256, 30000, 0},          // done
        {20000, 28256, 29000, 12},         // 11.977 s left rounds up
    };
    for (const EstimateCase& c : cases)
        EXPECT_EQ(cmcCloneEstimate::secondsLeft(c.done, c.total, c.elapsedMs), c.left)
            << c.done << "/" << c.total << " in " << c.elapsedMs << " ms";
}

TEST(cmcCloneEstimate, ClockShowsMinutesAndTwoDigitSeconds) {
    cmcGTex& table = cmcGTex::app();
    EXPECT_EQ(cmcCloneEstimate::clock(0, table), "0:00");
    EXPECT_EQ(cmcCloneEstimate::clock(12, table), "0:12");
    EXPECT_EQ(cmcCloneEstimate::clock(58, table), "0:58");
    EXPECT_EQ(cmcCloneEstimate::clock(605, table), "10:05");
}

TEST(cmcCloneEstimate, TextShowsOnlyTheElapsedTimeUntilItCanEstimate) {
    cmcGTex& table = cmcGTex::app();
    EXPECT_EQ(cmcCloneEstimate::text(0, 28256, 3400, table), "0:03 elapsed");
    EXPECT_EQ(cmcCloneEstimate::text(14128, 28256, 12000, table), "0:12 elapsed, about 0:12 left");
    EXPECT_EQ(cmcCloneEstimate::text(5651, 28256, 12500, table), "0:12 elapsed, about 0:51 left");
}

TEST(cmcCloneEstimate, PercentTextAddsTheTimeLeftOnceKnown) {
    cmcGTex& table = cmcGTex::app();
    EXPECT_EQ(cmcCloneEstimate::percentText(0, 28256, 0, table), "0%");
    EXPECT_EQ(cmcCloneEstimate::percentText(500, 28256, 5000, table), "1%");
    EXPECT_EQ(cmcCloneEstimate::percentText(14128, 28256, 12000, table), "50%, about 0:12 left");
    EXPECT_EQ(cmcCloneEstimate::percentText(28256, 28256, 30000, table), "100%");
    EXPECT_EQ(cmcCloneEstimate::percent(28255, 28256), 99);
    EXPECT_EQ(cmcCloneEstimate::percent(5, 0), 0);
}

TEST(cmcPlaceholders, ValuesFillThePlacesFromTheLeft) {
    EXPECT_EQ(cmcPlaceholders::fill("%s elapsed, about %s left", {"0:12", "0:58"}),
              "0:12 elapsed, about 0:58 left");
    // A value that itself holds "%s" is not filled again.
    EXPECT_EQ(cmcPlaceholders::fill("%s and %s", {"%s", "b"}), "%s and b");
    EXPECT_EQ(cmcPlaceholders::fill("%s and %s", {"a"}), "a and %s");
    EXPECT_EQ(cmcPlaceholders::fill("none", {"a"}), "none");
}

} // namespace
