#include "cmcRecent.h"

#include <gtest/gtest.h>

namespace {

TEST(cmcRecent, PathDifferingOnlyInCaseLeavesOneEntryAtTheFrontSpelledAsAdded) {
    cmcRecent recent;
    recent.AddFirst("/data/Night.kcf");
    recent.AddFirst("/data/day.kcf");
    recent.AddFirst("/DATA/night.KCF");
    EXPECT_EQ(recent.Count(), 2);
    EXPECT_EQ(recent.at(0), "/DATA/night.KCF");
    EXPECT_EQ(recent.at(1), "/data/day.kcf");
}

TEST(cmcRecent, ElevenFilesKeepTheTenMostRecent) {
    cmcRecent recent;
    for (int i = 0; i < 11; ++i)
        recent.AddFirst(QString("/f/%1.kcf").arg(i));
    EXPECT_EQ(recent.Count(), 10);
    EXPECT_EQ(recent.at(0), "/f/10.kcf");
    EXPECT_EQ(recent.at(9), "/f/1.kcf");
    recent.AddLast("/f/end.kcf");
    EXPECT_EQ(recent.at(9), "/f/1.kcf") << "appending to a full list drops the new last entry";
}

TEST(cmcRecent, CaptionIsTheFileNameInTheCurrentFolderAndTheFullPathElsewhere) {
    cmcRecent recent;
    recent.AddLast("/home/u/Radio/a.kcf");
    recent.AddLast("/home/u/other/b.kcf");
    EXPECT_EQ(recent.Caption(0, "/home/u/radio"), "a.kcf");
    EXPECT_EQ(recent.Caption(0, "/home/u/Radio/"), "a.kcf");
    EXPECT_EQ(recent.Caption(1, "/home/u/Radio"), "/home/u/other/b.kcf");
    EXPECT_EQ(recent.Caption(0, "/home/u"), "/home/u/Radio/a.kcf");
    EXPECT_EQ(recent.Caption(2, "/home/u/Radio"), "");
}

} // namespace
