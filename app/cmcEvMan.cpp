#include "cmcEvMan.h"

#include "cmcTask.h"

#include <algorithm>
#include <cstring>

namespace {

cmcEvMan* programManager = nullptr;

QByteArray copyOf(const void* data, int32_t length) {
    if (!data || length <= 0)
        return {};
    return QByteArray(static_cast<const char*>(data), length);
}

// Texts travel with their terminating zero.
QByteArray textCopy(const char* text) {
    if (!text)
        return {};
    return QByteArray(text, static_cast<qsizetype>(std::strlen(text) + 1));
}

} // namespace

cmcEvMan::cmcEvMan() : answerLevels(1) {
    if (!programManager)
        programManager = this;
    timer = cmcTask::create();
    timer->setCallback(onTimer, this);
    timer->setInterval(QueueInterval);
}

cmcEvMan::~cmcEvMan() {
    timer->requestDeletion();
    if (programManager == this)
        programManager = nullptr;
}

cmcEvMan* cmcEvMan::app() {
    return programManager;
}

void cmcEvMan::onTimer(void* context, cmcTask*) {
    static_cast<cmcEvMan*>(context)->deliverQueue();
}

void cmcEvMan::deliver(cmcEvent& event) {
    ++deliveryDepth;
    // Indexes, not iterators: listeners added during the pass are appended and reached.
    for (size_t i = 0; i < listeners.size(); ++i) {
        const Listener listener = listeners[i];
        if (!listener.removed)
            listener.callback(listener.context, event);
    }
    --deliveryDepth;
    if (deliveryDepth == 0)
        freeRemovedListeners();
}

void cmcEvMan::freeRemovedListeners() {
    std::erase_if(listeners, [](const Listener& l) { return l.removed; });
}

void cmcEvMan::Send(cmcEventId id, int32_t first, int32_t second) {
    cmcEvent event{int32_t(id), cmcEvent::Sent, first, second, {}};
    deliver(event);
}

void cmcEvMan::SendText(cmcEventId id, int32_t first, int32_t second, const char* text) {
    cmcEvent event{int32_t(id), cmcEvent::Sent, first, second, textCopy(text)};
    deliver(event);
}

void cmcEvMan::enqueue(cmcEvent&& event) {
    // Posted from inside a queue delivery: waits for the next tick.
    queue.push_back({std::move(event), deliveringQueue, false});
}

void cmcEvMan::Post(cmcEventId id, int32_t first, int32_t second) {
    enqueue({int32_t(id), cmcEvent::Posted, first, second, {}});
}

void cmcEvMan::PostText(cmcEventId id, int32_t first, int32_t second, const char* text) {
    enqueue({int32_t(id), cmcEvent::Posted, first, second, textCopy(text)});
}

void cmcEvMan::PostData(cmcEventId id, const void* data, int32_t length) {
    enqueue({int32_t(id), cmcEvent::Posted, 0, 0, copyOf(data, length)});
}

void cmcEvMan::deliverQueue() {
    if (deliveringQueue)
        return;
    deliveringQueue = true;
    for (Queued& entry : queue)
        entry.postedDuringDelivery = false;
    for (size_t i = 0; i < queue.size(); ++i) {
        if (queue[i].delivered || queue[i].postedDuringDelivery)
            continue;
        queue[i].delivered = true;
        // A copy: listeners may post, which can move the queue's entries.
        cmcEvent event = queue[i].event;
        deliver(event);
    }
    std::erase_if(queue, [](const Queued& q) { return q.delivered; });
    deliveringQueue = false;
    if (deliveryDepth == 0)
        freeRemovedListeners();
}

cmcEvAns cmcEvMan::Ask(cmcEventId id, int32_t first, int32_t second) {
    ++answerDepth;
    if (static_cast<int>(answerLevels.size()) <= answerDepth)
        answerLevels.resize(answerDepth + 1);
    answerLevels[answerDepth].clear();
    cmcEvent event{int32_t(id), cmcEvent::Question, first, second, {}};
    deliver(event);
    const std::vector<cmcEvAns>& answers = answerLevels[answerDepth];
    cmcEvAns result = answers.empty() ? cmcEvAns{} : answers.front();
    --answerDepth;
    return result;
}

void cmcEvMan::record(cmcEvAns&& answer) {
    answerLevels[answerDepth].push_back(std::move(answer));
}

void cmcEvMan::Answer(int32_t value) {
    record({value, 0, {}});
}

void cmcEvMan::Answer2(int32_t first, int32_t second) {
    record({first, second, {}});
}

void cmcEvMan::AnswerData(const void* data, int32_t length) {
    record({0, 0, copyOf(data, length)});
}

void cmcEvMan::AddListener(Callback callback, void* context) {
    if (!callback)
        return;
    RemoveListener(callback, context);
    listeners.push_back({callback, context, false});
}

void cmcEvMan::RemoveListener(Callback callback, void* context) {
    if (!callback)
        return;
    for (Listener& listener : listeners)
        if (listener.callback == callback && listener.context == context)
            listener.removed = true;
    if (deliveryDepth == 0 && !deliveringQueue)
        freeRemovedListeners();
}
