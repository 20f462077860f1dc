#pragma once

#include "cmcEvAns.h"
#include "cmcEvent.h"
#include "cmcEventId.h"

#include <deque>
#include <vector>

class cmcTask;

// The program-wide exchange of numbered events. Parts that must learn of a change listen here
// instead of calling each other. Everything runs on one thread; re-entrancy (a listener that
// sends, posts, asks, adds or removes listeners) is handled by marks acted on after a delivery.
class cmcEvMan {
public:
    using Callback = void (*)(void* context, cmcEvent& event);

    static constexpr int QueueInterval = 10;

    cmcEvMan();
    cmcEvMan(const cmcEvMan&) = delete;
    cmcEvMan& operator=(const cmcEvMan&) = delete;
    ~cmcEvMan();

    // The program's event manager: the first one created that still exists, or none.
    static cmcEvMan* app();

    void Send(cmcEventId id, int32_t first = 0, int32_t second = 0);
    void SendText(cmcEventId id, int32_t first, int32_t second, const char* text);
    void Post(cmcEventId id, int32_t first = 0, int32_t second = 0);
    void PostText(cmcEventId id, int32_t first, int32_t second, const char* text);
    void PostData(cmcEventId id, const void* data, int32_t length);

    // Returns the first answer given, or the empty answer.
    cmcEvAns Ask(cmcEventId id, int32_t first = 0, int32_t second = 0);
    void Answer(int32_t value);
    void Answer2(int32_t first, int32_t second);
    void AnswerData(const void* data, int32_t length);

    void AddListener(Callback callback, void* context);
    void RemoveListener(Callback callback, void* context);

    // One tick of the queue timer; public so that a caller without a running message loop can
    // drive the queue.
    void deliverQueue();

    int queuedCount() const { return static_cast<int>(queue.size()); }
    int listenerCount() const { return static_cast<int>(listeners.size()); }

private:
    struct Listener {
        Callback callback;
        void* context;
        bool removed;
    };
    struct Queued {
        cmcEvent event;
        bool postedDuringDelivery;
        bool delivered;
    };

    void deliver(cmcEvent& event);
    void freeRemovedListeners();
    void enqueue(cmcEvent&& event);
    void record(cmcEvAns&& answer);
    static void onTimer(void* context, cmcTask* task);

    std::vector<Listener> listeners;
    std::deque<Queued> queue;
    // Level 0 collects answers given outside any question; level n belongs to the n-th nested
    // question now being asked.
    std::vector<std::vector<cmcEvAns>> answerLevels;
    int answerDepth = 0;
    int deliveryDepth = 0;
    bool deliveringQueue = false;
    cmcTask* timer = nullptr;
};
