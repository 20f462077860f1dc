#include "cmcEvMan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Records what each listener received; optional actions run inside the delivery.
struct Probe {
    explicit Probe(cmcEvMan* events, std::function<void(cmcEvent&)> action = {})
        : events(events), action(std::move(action)) {}

    cmcEvMan* events;
    std::vector<cmcEventId> seen;
    std::function<void(cmcEvent&)> action;

    static void callback(void* context, cmcEvent& event) {
        auto* probe = static_cast<Probe*>(context);
        probe->seen.push_back(event.id());
        if (probe->action)
            probe->action(event);
    }
    void listen() { events->AddListener(callback, this); }
};

TEST(cmcEvMan, DeliversInRegistrationOrder) {
    cmcEvMan events;
    std::vector<int> order;
    Probe a(&events, [&](cmcEvent&) { order.push_back(1); });
    Probe b(&events, [&](cmcEvent&) { order.push_back(2); });
    b.listen();
    a.listen();
    events.Send(cmcEventId::StatusText);
    EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

TEST(cmcEvMan, ListenerRemovingItselfGetsNothingMoreAndIsFreedAfterTheSend) {
    cmcEvMan events;
    Probe quitter(&events);
    quitter.action = [&](cmcEvent&) { events.RemoveListener(Probe::callback, &quitter); };
    int countDuringSend = 0;
    Probe other(&events, [&](cmcEvent&) { countDuringSend = events.listenerCount(); });
    quitter.listen();
    other.listen();
    events.Send(cmcEventId::PageShown);
    EXPECT_EQ(countDuringSend, 2);
    EXPECT_EQ(events.listenerCount(), 1);
    events.Send(cmcEventId::RedrawAll);
    EXPECT_EQ(quitter.seen, (std::vector<cmcEventId>{cmcEventId::PageShown}));
    EXPECT_EQ(other.seen, (std::vector<cmcEventId>{cmcEventId::PageShown, cmcEventId::RedrawAll}));
}

TEST(cmcEvMan, ListenerAddedDuringDeliveryIsReachedInTheSamePass) {
    cmcEvMan events;
    Probe late(&events);
    Probe first(&events, [&](cmcEvent&) { late.listen(); });
    first.listen();
    events.Send(cmcEventId::ChecksRan);
    EXPECT_EQ(late.seen, (std::vector<cmcEventId>{cmcEventId::ChecksRan}));
}

TEST(cmcEvMan, SameCallbackAndContextTwiceIsOneListener) {
    cmcEvMan events;
    Probe probe(&events);
    probe.listen();
    probe.listen();
    events.AddListener(nullptr, &probe);
    events.Send(cmcEventId::DocumentChanged);
    EXPECT_EQ(probe.seen.size(), 1u);
    EXPECT_EQ(events.listenerCount(), 1);
}

TEST(cmcEvMan, EventPostedDuringQueueDeliveryWaitsForTheNextTick) {
    cmcEvMan events;
    Probe probe(&events);
    probe.action = [&](cmcEvent& e) {
        if (e.id() == cmcEventId::PageShown)
            events.Post(cmcEventId::RedrawAll);
    };
    probe.listen();
    events.Post(cmcEventId::PageShown);
    EXPECT_TRUE(probe.seen.empty());
    events.deliverQueue();
    EXPECT_EQ(probe.seen, (std::vector<cmcEventId>{cmcEventId::PageShown}));
    EXPECT_EQ(events.queuedCount(), 1);
    events.deliverQueue();
    EXPECT_EQ(probe.seen, (std::vector<cmcEventId>{cmcEventId::PageShown, cmcEventId::RedrawAll}));
    EXPECT_EQ(events.queuedCount(), 0);
}

TEST(cmcEvMan, QueueTimerDeliversPostedEventsWithTheirPayload) {
    cmcEvMan events;
    QByteArray text;
    int32_t mode = -1;
    Probe probe(&events, [&](cmcEvent& e) {
        text = e.payload;
        mode = e.mode;
    });
    probe.listen();
    events.PostText(cmcEventId::TreeCaption, 0, 13, "A: NAME");
    QElapsedTimer clock;
    clock.start();
    while (probe.seen.empty() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_EQ(probe.seen, (std::vector<cmcEventId>{cmcEventId::TreeCaption}));
    EXPECT_EQ(mode, cmcEvent::Posted);
    EXPECT_EQ(text, QByteArray("A: NAME", 8)) << "the copy keeps its terminating zero";
}

TEST(cmcEvMan, UnansweredQuestionGivesTheEmptyAnswer) {
    cmcEvMan events;
    Probe silent(&events);
    silent.listen();
    events.Ask(cmcEventId::CurrentCell);
    const cmcEvAns answer = events.Ask(cmcEventId::PageTitle, 1, 2);
    EXPECT_EQ(answer.first, 0);
    EXPECT_EQ(answer.second, 0);
    EXPECT_TRUE(answer.payload.isNull());
}

TEST(cmcEvMan, NestedQuestionDoesNotDisturbTheOuterAnswers) {
    cmcEvMan events;
    cmcEvAns inner;
    Probe asker(&events, [&](cmcEvent& e) {
        if (e.id() == cmcEventId::PageTitle) {
            inner = events.Ask(cmcEventId::PageIndex);
            events.Answer(5);
        }
    });
    Probe answerer(&events, [&](cmcEvent& e) {
        if (e.id() == cmcEventId::PageIndex)
            events.Answer2(7, 8);
        if (e.id() == cmcEventId::PageTitle)
            events.AnswerData("xy", 2);
    });
    asker.listen();
    answerer.listen();
    const cmcEvAns outer = events.Ask(cmcEventId::PageTitle);
    EXPECT_EQ(outer.first, 5);
    EXPECT_TRUE(outer.payload.isEmpty());
    EXPECT_EQ(inner.first, 7);
    EXPECT_EQ(inner.second, 8);
    // A later question at the same level starts from no answers.
    EXPECT_EQ(events.Ask(cmcEventId::BankPageIndex).first, 0);
}

} // namespace
