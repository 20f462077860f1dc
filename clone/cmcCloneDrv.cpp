#include "cmcCloneDrv.h"

#include "cmcCloneFrame.h"

namespace {

using F = cmcCloneFrame;
using M = cmcCloneMachine;

// Echo bytes allowed to be outstanding while data frames stream out; none elsewhere, so that
// every request and the prelude are fully echoed before the answer is looked at.
constexpr int EchoAllowanceWhileSending = 128;
constexpr int FlushWaitMs = 100;
constexpr int FlushLimit = 65535;
constexpr int SendRounds = 8;
constexpr int PendingPerQueued = 4;
// What handling a received data frame gives besides a result code: the frame was stored.
constexpr int FrameStored = 1;

QDeadlineTimer countdown(int ms) {
    return QDeadlineTimer(qMax(0, ms), Qt::PreciseTimer);
}

} // namespace

cmcCloneDrv::cmcCloneDrv() {
    tickTimer.setTimerType(Qt::PreciseTimer);
    tickTimer.setInterval(TickMs);
    QObject::connect(&tickTimer, &QTimer::timeout, [this] { tick(); });
}

cmcCloneDrv::~cmcCloneDrv() {
    tickTimer.stop();
    port.close();
}

void cmcCloneDrv::setModel(uint32_t modelCode, uint32_t secondIdentifier) {
    model = modelCode;
    identifier = secondIdentifier;
}

void cmcCloneDrv::setPort(int32_t number, const QByteArray& settings) {
    portNo = number;
    operationSettings = settings;
}

void cmcCloneDrv::setDataPreambles(int first, int later) {
    firstDataPreamble = first;
    laterDataPreamble = later;
}

void cmcCloneDrv::setBlockSize(int n) {
    if (n > 0)
        blockSize = n;
}

void cmcCloneDrv::setAcknowledgeTimeout(int ms) {
    if (ms > 0)
        acknowledgeTimeout = ms;
}

std::vector<mm::Range> cmcCloneDrv::copyTable(const mm::Range* table) {
    std::vector<mm::Range> out;
    for (; table && table->end >= table->start; ++table)
        out.push_back(*table);
    out.push_back({1, 0});
    return out;
}

void cmcCloneDrv::begin(Mode operation, Completion callback, void* context) {
    mode = operation;
    frameCount = 0;
    dataBytes = 0;
    rangeIndex = 0;
    receiveQueue.clear();
    frameQueue.clear();
    echoQueue.clear();
    result = std::make_unique<dst_CDrv_Result>();
    result->mode = operation;
    result->model = model;
    result->identifier = identifier;
    result->image.resize(qMax(0, imageSize));
    result->receivedMap = QByteArray((qMax(0, imageSize) + 7) / 8, 0);
    completion = callback;
    completionContext = context;
    inactivityTimer = QDeadlineTimer();
    state = State::Start;
    tickTimer.start();
}

bool cmcCloneDrv::startInformation(Completion callback, void* context) {
    if (busy())
        return false;
    ranges = copyTable(nullptr);
    begin(Mode::Information, callback, context);
    return true;
}

bool cmcCloneDrv::startRead(const mm::Range* coverage, Completion callback, void* context) {
    if (busy())
        return false;
    ranges = copyTable(coverage);
    begin(Mode::Read, callback, context);
    return true;
}

bool cmcCloneDrv::startWrite(const cmcEeprom& image, const mm::Range* table, Completion callback,
                             void* context) {
    if (busy())
        return false;
    // A range outside the image would send bytes that do not exist.
    for (const mm::Range& r : copyTable(table))
        if (r.end >= r.start && (r.start < 0 || r.end >= image.size()))
            return false;
    ranges = copyTable(table);
    begin(Mode::Write, callback, context);
    result->image = image;
    currentAddress = ranges.front().start;
    return true;
}

void cmcCloneDrv::tick() {
    clockMs += TickMs;
    if (state != State::Idle)
        runSteps();
    if (result && port.writeFailed()) {
        result->code = PortFailed;
        state = State::Finished;
    }
    if (state == State::Finished)
        finish();
    if (state == State::Idle)
        tickTimer.stop();
}

bool cmcCloneDrv::cancel() {
    if (!busy() || !result)
        return false;
    tickTimer.stop();
    result->code = Cancelled;
    finish();
    return true;
}

void cmcCloneDrv::finish() {
    port.close();
    state = State::Idle;
    receiveQueue.clear();
    frameQueue.clear();
    echoQueue.clear();
    std::unique_ptr<dst_CDrv_Result> done = std::move(result);
    const Completion callback = completion;
    void* context = completionContext;
    completion = nullptr;
    completionContext = nullptr;
    // The callback may start the next operation at once.
    if (callback)
        callback(context, *done);
}

void cmcCloneDrv::failToOpen(Step& s) {
    result->portFailure = port.openFailure();
    fail(s, NoPort);
}

void cmcCloneDrv::fail(Step& s, int code) {
    result->code = code;
    s.outcome = Outcome::Failed;
}

// A state entered by a step takes its own first step in the same tick when its row says so.
void cmcCloneDrv::runSteps() {
    State before;
    do {
        before = state;
        step();
    } while (state != before && M::entry(state) == M::Entry::AtOnce && !port.writeFailed());
}

void cmcCloneDrv::step() {
    Step s;
    const bool expired = inactivityTimer.hasExpired();
    if (checkEcho(s))
        act(s);
    State next = M::next(state, s.outcome, mode);
    if (next != state)
        s.progress = true;
    if (s.progress) {
        inactivityTimer = countdown(timeoutFor(next));
    } else if (expired) {
        result->code = echoCheck && !echoQueue.isEmpty() ? EchoFailed : NoAnswer;
        next = M::next(state, Outcome::Failed, mode);
    }
    state = next;
}

int cmcCloneDrv::timeoutFor(State next) const {
    switch (M::patience(next)) {
    case M::Patience::PreludeStep:
        return prelude.isEmpty() ? inactivityTimeout : preludeStepTimeout;
    case M::Patience::Acknowledge:
        return acknowledgeTimeout;
    case M::Patience::Inactivity:
        break;
    }
    return inactivityTimeout;
}

// Returns whether the state's own action may run.
bool cmcCloneDrv::checkEcho(Step& s) {
    if (!echoCheck) {
        echoQueue.clear();
        return true;
    }
    const M::Echo echo = M::echo(state);
    if (echo == M::Echo::Unchecked || echoQueue.isEmpty())
        return true;
    readPort();
    s.progress = false;
    int32_t matched = 0;
    const int32_t comparable = qMin(receiveQueue.size(), echoQueue.size());
    while (matched < comparable && receiveQueue.data()[matched] == echoQueue.data()[matched])
        ++matched;
    receiveQueue.dropFront(matched);
    echoQueue.dropFront(matched);
    if (matched > 0)
        s.progress = true;
    if (matched < comparable) {
        fail(s, EchoFailed);
        return false;
    }
    if (echoQueue.isEmpty())
        echoQueue.clear();
    const int allowed = echo == M::Echo::Streaming ? EchoAllowanceWhileSending : 0;
    if (echoQueue.size() > allowed) {
        s.outcome = Outcome::Stay;
        return false;
    }
    return true;
}

// Stays in the state until the pause is over; what arrived during it is not part of the exchange.
void cmcCloneDrv::stepWait(Step& s, const QDeadlineTimer& pause) {
    if (!pause.hasExpired()) {
        s.outcome = Outcome::Stay;
        return;
    }
    echoQueue.clear();
    receiveQueue.clear();
}

void cmcCloneDrv::act(Step& s) {
    switch (state) {
    case State::Idle:
    case State::Finished:
        s.outcome = Outcome::Stay;
        break;
    case State::Start:
        break;
    case State::Prelude:
        stepPrelude(s);
        break;
    case State::PreludeFlush:
    case State::OpenFlush:
        stepFlushWait(s);
        break;
    case State::PreludeWait:
        stepWait(s, preludeWaitTimer);
        break;
    case State::OpenPort:
        stepOpen(s);
        break;
    case State::InfoRequest:
        sendRequest(F::InfoRequest);
        break;
    case State::InfoReply:
        stepInfoReply(s);
        break;
    case State::ReadRequest:
        sendRequest(F::ReadRequest);
        break;
    case State::ReceiveData:
        stepReceiveData(s);
        break;
    case State::WriteRequest:
        sendRequest(F::WriteRequest);
        requestWaitTimer = countdown(requestWait);
        requestWait = 0;
        break;
    case State::RequestWait:
        stepWait(s, requestWaitTimer);
        break;
    case State::SendData:
        stepSendData(s);
        break;
    case State::EndOfData:
        send(F::endOfDataFrame(F::ReceiverAddress, F::ProgramAddress, countInEndFrame, frameCount));
        break;
    case State::WriteResult:
        stepWriteResult(s);
        break;
    case State::Drain:
        stepDrain(s);
        break;
    }
}

void cmcCloneDrv::stepPrelude(Step& s) {
    s.progress = false;
    if (prelude.startsWith('(')) {
        const qsizetype close = prelude.indexOf(')');
        const QByteArray settings = prelude.mid(1, close < 0 ? -1 : close - 1);
        prelude = close < 0 ? QByteArray() : prelude.mid(close + 1);
        if (!reopen(settings)) {
            prelude.clear();
            failToOpen(s);
            return;
        }
        s.outcome = Outcome::Reopened;
        return;
    }
    if (!prelude.isEmpty()) {
        const qsizetype open = prelude.indexOf('(');
        const QByteArray segment = open < 0 ? prelude : prelude.left(open);
        prelude = open < 0 ? QByteArray() : prelude.mid(open);
        send(F::hexTextToBytes(segment));
    }
    if (!prelude.isEmpty() || port.pendingOutput() > 0) {
        s.outcome = Outcome::Stay;
        s.progress = true;
        return;
    }
    preludeWaitTimer = countdown(preludeWait);
    preludeWait = 0;
}

void cmcCloneDrv::stepOpen(Step& s) {
    if (!reopen(operationSettings))
        failToOpen(s);
}

// A fresh opening waits before it drops its input, so that whatever the receiver or the cable
// still had in flight has arrived and goes too.
bool cmcCloneDrv::reopen(const QByteArray& settings) {
    port.close();
    if (!port.open(portNo, settings))
        return false;
    flushWaitEnd = clockMs + FlushWaitMs;
    return true;
}

void cmcCloneDrv::stepFlushWait(Step& s) {
    if (clockMs < flushWaitEnd) {
        s.outcome = Outcome::Stay;
        return;
    }
    dropInput();
}

void cmcCloneDrv::dropInput() {
    uint8_t scratch[ReadChunk];
    int discarded = 0;
    int32_t n;
    while (discarded < FlushLimit && (n = port.read(scratch, ReadChunk)) > 0)
        discarded += n;
}

int32_t cmcCloneDrv::readPort() {
    uint8_t scratch[ReadChunk];
    const int32_t n = port.read(scratch, ReadChunk);
    if (n > 0)
        receiveQueue.append(scratch, n);
    return n;
}

void cmcCloneDrv::send(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    port.write(data, int32_t(bytes.size()));
    echoQueue.append(data, int32_t(bytes.size()));
}

void cmcCloneDrv::sendRequest(uint8_t command) {
    send(F::request(command, model, identifier, extraPreamble));
    frameQueue.clear();
}

// The last frame completed by what has arrived, if any.
std::optional<QByteArray> cmcCloneDrv::collectFrame() {
    readPort();
    std::optional<QByteArray> last;
    const F::Scan scan = F::scan(receiveQueue, frameQueue, [&last](const cmcBuff& frame) {
        last = QByteArray(reinterpret_cast<const char*>(frame.data()), frame.size());
        return true;
    });
    // An oversized frame stands for one that no check accepts.
    return scan == F::Scan::Overflow ? QByteArray(1, '\0') : last;
}

void cmcCloneDrv::stepInfoReply(Step& s) {
    s.progress = false;
    const std::optional<QByteArray> frame = collectFrame();
    if (!frame) {
        s.outcome = Outcome::Stay;
        return;
    }
    const auto info = F::decodeInfoReply(*frame);
    if (!info) {
        fail(s, IllegalData);
        return;
    }
    result->model = info->model;
    result->identifier = info->version;
    result->information = info->information;
    result->code = Ok;
    s.progress = true;
}

void cmcCloneDrv::stepReceiveData(Step& s) {
    s.progress = false;
    s.outcome = Outcome::Stay;
    readPort();
    int handled = FrameStored;
    const F::Scan scan = F::scan(receiveQueue, frameQueue, [&](const cmcBuff& frame) {
        handled = handleFrame(frame);
        if (handled == FrameStored) {
            ++frameCount;
            s.progress = true;
        }
        return handled == FrameStored;
    });
    if (scan == F::Scan::Overflow) {
        fail(s, IllegalData);
    } else if (scan == F::Scan::Stopped && handled != Ok) {
        fail(s, handled);
    } else if (scan == F::Scan::Stopped) {
        result->code = ranges.size() > 1 ? coverageCheck() : Ok;
        s.outcome = Outcome::Done;
    }
}

// FrameStored, Ok for a valid end of data, or the result code of a bad frame.
int cmcCloneDrv::handleFrame(const cmcBuff& frame) {
    const int32_t length = frame.size();
    const uint8_t* b = frame.data();
    if (length < 12 || length >= F::MaxFrame + 1 || b[0] != F::Preamble ||
        b[1] != F::ProgramAddress || b[2] != F::ReceiverAddress)
        return IllegalData;
    const QByteArray payload(reinterpret_cast<const char*>(b + 4), length - 4);
    if (b[3] == F::Data)
        return storeData(payload);
    if (b[3] != F::EndOfData)
        return IllegalData;
    switch (F::checkEndOfData(payload, countInEndFrame, frameCount)) {
    case F::EndCheck::Matches:
        return Ok;
    case F::EndCheck::CountDiffers:
        return CountError;
    default:
        return IllegalData;
    }
}

int cmcCloneDrv::storeData(const QByteArray& payload) {
    const auto block = F::decodeData(payload);
    if (!block)
        return IllegalData;
    const int32_t count = int32_t(block->bytes.size());
    const int32_t last = block->address + count - 1;
    if (count > 0 && (last >= imageSize || !result->image.isValidAddress(last)))
        return DataOverflow;
    result->image.writeBlock(block->address,
                             reinterpret_cast<const uint8_t*>(block->bytes.constData()), count);
    for (int32_t a = block->address; a <= last; ++a)
        result->receivedMap[a / 8] = char(uint8_t(result->receivedMap[a / 8]) | 1 << (a % 8));
    dataBytes += count;
    return FrameStored;
}

int cmcCloneDrv::coverageCheck() const {
    QByteArray expected(result->receivedMap.size(), 0);
    for (const mm::Range& r : ranges)
        for (int32_t a = qMax(0, r.start); a <= r.end && a / 8 < expected.size(); ++a)
            expected[a / 8] = char(uint8_t(expected[a / 8]) | 1 << (a % 8));
    const QByteArray& received = result->receivedMap;
    if (received == expected)
        return Ok;
    for (qsizetype i = 0; i < received.size(); ++i)
        if (uint8_t(received[i]) & ~uint8_t(expected[i]))
            return DataOverflow;
    return NotEnoughData;
}

void cmcCloneDrv::stepSendData(Step& s) {
    s.outcome = Outcome::Stay;
    s.progress = false;
    for (int round = 0; round < SendRounds; ++round) {
        const mm::Range& range = currentRange();
        if (range.end < range.start) {
            if (port.pendingOutput() == 0 && frameQueue.isEmpty())
                s.outcome = Outcome::Done;
            return;
        }
        if (currentAddress > range.end) {
            ++rangeIndex;
            currentAddress = currentRange().start;
        } else {
            buildDataFrame();
        }
        if (frameQueue.isEmpty())
            return;
        // Keeps the line busy without piling up more than a few frames in the port.
        if (port.pendingOutput() > PendingPerQueued * frameQueue.size())
            return;
        port.write(frameQueue.data(), frameQueue.size());
        echoQueue.append(frameQueue);
        frameQueue.clear();
        s.progress = true;
    }
}

void cmcCloneDrv::buildDataFrame() {
    const mm::Range& range = currentRange();
    int32_t count = blockSize - currentAddress % blockSize;
    if (range.end < currentAddress + count - 1)
        count = range.end - currentAddress + 1;
    const int preamble = frameCount == 0 ? firstDataPreamble : laterDataPreamble;
    const QByteArray frame = F::dataFrame(F::ReceiverAddress, F::ProgramAddress, currentAddress,
                                          result->image.bytes() + currentAddress, count, preamble);
    frameQueue.append(reinterpret_cast<const uint8_t*>(frame.constData()), int32_t(frame.size()));
    ++frameCount;
    currentAddress += count;
    dataBytes += count;
}

void cmcCloneDrv::stepWriteResult(Step& s) {
    s.progress = false;
    const std::optional<QByteArray> frame = collectFrame();
    if (!frame) {
        s.outcome = Outcome::Stay;
        return;
    }
    const QByteArray accepted = F::writeResult(0).chopped(1).mid(1);
    result->code = *frame == accepted ? Ok : WriteRefused;
}

void cmcCloneDrv::stepDrain(Step& s) {
    s.progress = false;
    if (port.pendingOutput() > 0)
        s.outcome = Outcome::Stay;
}
