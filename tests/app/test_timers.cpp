#include "cmcTask.h"
#include "cmcTick.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

uint32_t fakeNow = 0;
uint32_t fakeClock() {
    return fakeNow;
}

struct TickCase {
    uint32_t start;
    uint32_t duration;
    uint32_t later;
    uint32_t remaining;
};

class cmcTickCases : public testing::TestWithParam<TickCase> {};

TEST_P(cmcTickCases, CountsDownAcrossTheWrapOfTheTickCount) {
    const TickCase c = GetParam();
    cmcTick tick(fakeClock);
    fakeNow = c.start;
    tick.Start(c.duration);
    fakeNow = c.start + c.later;
    EXPECT_EQ(tick.Remaining(), c.remaining);
}

INSTANTIATE_TEST_SUITE_P(Table, cmcTickCases,
                         testing::Values(TickCase{1000, 250, 0, 250}, TickCase{1000, 250, 100, 150},
                                         TickCase{1000, 250, 249, 1}, TickCase{1000, 250, 250, 0},
                                         TickCase{0xFFFFFF00u, 0x200, 0x150, 0xB0},
                                         TickCase{0xFFFFFFFFu, 10, 10, 0}));

TEST(cmcTick, StaysAtZeroOnceRunOutAndWhenStopped) {
    cmcTick tick(fakeClock);
    EXPECT_EQ(tick.Remaining(), 0u);
    fakeNow = 500;
    tick.Start(250);
    fakeNow = 800;
    EXPECT_EQ(tick.Remaining(), 0u);
    EXPECT_FALSE(tick.isRunning());
    fakeNow = 600;
    EXPECT_EQ(tick.Remaining(), 0u);
}

void runEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

struct TaskProbe {
    int calls = 0;
    int depth = 0;
    int deepest = 0;
    bool nestLoop = false;
    bool deleteInside = false;
};

void taskCallback(void* context, cmcTask* task) {
    auto* probe = static_cast<TaskProbe*>(context);
    ++probe->calls;
    probe->deepest = std::max(probe->deepest, ++probe->depth);
    if (probe->nestLoop)
        runEventsFor(40);
    if (probe->deleteInside)
        task->requestDeletion();
    --probe->depth;
}

TEST(cmcTask, TickDuringItsOwnCallbackIsIgnored) {
    TaskProbe probe{.nestLoop = true};
    cmcTask* task = cmcTask::create();
    task->setCallback(taskCallback, &probe);
    task->setInterval(0);
    runEventsFor(100);
    task->requestDeletion();
    EXPECT_GE(probe.calls, 1);
    EXPECT_EQ(probe.deepest, 1);
}

TEST(cmcTask, DeletionRequestedInsideTheCallbackWaitsForItToReturn) {
    TaskProbe probe{.nestLoop = true, .deleteInside = true};
    cmcTask* task = cmcTask::create();
    task->setCallback(taskCallback, &probe);
    task->setInterval(1);
    runEventsFor(120);
    EXPECT_EQ(probe.calls, 1);
}

TEST(cmcTask, NegativeIntervalStopsTheTimer) {
    TaskProbe probe;
    cmcTask* task = cmcTask::create();
    task->setCallback(taskCallback, &probe);
    task->setInterval(5);
    task->setInterval(-1);
    runEventsFor(40);
    task->requestDeletion();
    EXPECT_EQ(probe.calls, 0);
}

} // namespace
