#include "cmcEvMan.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// The event manager's queue timer needs an application object.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_events";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

void countingListener(void* context, cmcEvent& event) {
    *static_cast<int64_t*>(context) += event.number;
}

void answeringListener(void* context, cmcEvent& event) {
    static_cast<cmcEvMan*>(context)->Answer(event.first);
}

// A send to as many listeners as the main window, the tree and a page register.
void SendToListeners(benchmark::State& state) {
    ensureApplication();
    cmcEvMan events;
    std::vector<int64_t> sums(state.range(0));
    for (int64_t& sum : sums)
        events.AddListener(countingListener, &sum);
    for (auto _ : state)
        events.Send(cmcEventId::DocumentChanged);
    benchmark::DoNotOptimize(sums.data());
}
BENCHMARK(SendToListeners)->Arg(4)->Arg(32);

// The tree captions of a document change: 32 posted texts, then one queue tick.
void PostCaptionsAndDeliver(benchmark::State& state) {
    ensureApplication();
    cmcEvMan events;
    int64_t sum = 0;
    events.AddListener(countingListener, &sum);
    for (auto _ : state) {
        for (int i = 0; i < 32; ++i)
            events.PostText(cmcEventId::TreeCaption, 0, 13 + i, "A: BANK A");
        events.deliverQueue();
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(PostCaptionsAndDeliver);

void AskAnsweredQuestion(benchmark::State& state) {
    ensureApplication();
    cmcEvMan events;
    events.AddListener(answeringListener, &events);
    for (auto _ : state)
        benchmark::DoNotOptimize(events.Ask(cmcEventId::PageIndex, 7).first);
}
BENCHMARK(AskAnsweredQuestion);

} // namespace
