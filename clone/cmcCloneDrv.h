#pragma once

#include "MemoryMap.h"
#include "cmcBuff.h"
#include "cmcCloneMachine.h"
#include "cmcComm.h"
#include "dst_CDrv_Result.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QTimer>
#include <memory>
#include <vector>

// The clone link driver: one information query, read or write at a time, stepped by a 10 ms
// timer so that it never waits on the line. The cable is a single-wire bus, so every byte sent
// comes back and is checked before the receiver's answers are looked at. There are no retries:
// the first failure ends the operation, and the completion callback gets the result.
class cmcCloneDrv {
public:
    using Completion = void (*)(void* context, dst_CDrv_Result& result);

    using Mode = dst_CDrv_Result::Mode;
    enum Code {
        Ok = 0,
        NoPort = 2,
        EchoFailed = 4,
        NoAnswer = 5,
        IllegalData = 6,
        CountError = 7,
        NotEnoughData = 8,
        DataOverflow = 9,
        WriteRefused = 10,
        IllegalInformation = 11,
        WrongDestination = 13,
        NotCompatible = 14,
        BadImage = 15,
        PortFailed = 17,
        // Not a result of the link but the user's stop; outside the table of messages.
        Cancelled = -1,
    };

    cmcCloneDrv();
    ~cmcCloneDrv();
    cmcCloneDrv(const cmcCloneDrv&) = delete;
    cmcCloneDrv& operator=(const cmcCloneDrv&) = delete;

    void setModel(uint32_t model, uint32_t identifier);
    void setImageSize(int32_t n) { imageSize = n; }
    void setPort(int32_t port, const QByteArray& settings);
    void setExtraPreamble(int n) { extraPreamble = n; }
    void setDataPreambles(int first, int later);
    void setPreludeScript(const QByteArray& script) { prelude = script; }
    void setEchoCheck(bool on) { echoCheck = on; }
    void setCountInEndFrame(bool on) { countInEndFrame = on; }
    void setBlockSize(int n);
    void setAcknowledgeTimeout(int ms);
    void setPreludeWait(int ms) { preludeWait = ms; }
    void setRequestWait(int ms) { requestWait = ms; }

    // Each refuses while an operation runs. The tables end at the first pair whose end is below
    // its start; they are copied.
    bool startInformation(Completion completion, void* context);
    bool startRead(const mm::Range* coverage, Completion completion, void* context);
    bool startWrite(const cmcEeprom& image, const mm::Range* ranges, Completion completion,
                    void* context);

    // Ends the running operation at once, without draining: the port is closed and the
    // completion gets the result with code Cancelled. False when nothing runs.
    bool cancel();

    bool busy() const { return state != State::Idle; }
    int32_t portNumber() const { return portNo; }
    // Data bytes stored (read) or sent (write) so far.
    int32_t dataByteCount() const { return dataBytes; }

    static constexpr int TickMs = 10;
    static constexpr int ReadChunk = 256;

private:
    using State = cmcCloneMachine::State;
    using Outcome = cmcCloneMachine::Outcome;

    struct Step {
        Outcome outcome = Outcome::Done;
        bool progress = true;
    };

    void begin(Mode operation, Completion completion, void* context);
    void tick();
    void runSteps();
    void step();
    int timeoutFor(State next) const;
    bool checkEcho(Step& s);
    void act(Step& s);
    void fail(Step& s, int code);
    void failToOpen(Step& s);
    void finish();

    void stepWait(Step& s, const QDeadlineTimer& pause);
    void stepPrelude(Step& s);
    void stepOpen(Step& s);
    void stepFlushWait(Step& s);
    void stepInfoReply(Step& s);
    void stepReceiveData(Step& s);
    void stepSendData(Step& s);
    void stepWriteResult(Step& s);
    void stepDrain(Step& s);

    int32_t readPort();
    void send(const QByteArray& bytes);
    void sendRequest(uint8_t command);
    void dropInput();
    bool reopen(const QByteArray& settings);
    std::optional<QByteArray> collectFrame();
    int handleFrame(const cmcBuff& frame);
    int storeData(const QByteArray& payload);
    int coverageCheck() const;
    void buildDataFrame();
    const mm::Range& currentRange() const { return ranges[rangeIndex]; }
    static std::vector<mm::Range> copyTable(const mm::Range* table);

    uint32_t model = 0;
    uint32_t identifier = 0;
    int32_t imageSize = 1;
    int32_t portNo = 1;
    QByteArray operationSettings = "9600,n,8,1";
    int extraPreamble = 0;
    int laterDataPreamble = 0;
    int firstDataPreamble = 0;
    Mode mode = Mode::None;
    bool countInEndFrame = true;
    bool echoCheck = false;
    cmcComm port;
    cmcBuff receiveQueue;
    cmcBuff frameQueue;
    cmcBuff echoQueue;
    QByteArray prelude;
    int32_t frameCount = 0;
    int32_t dataBytes = 0;
    int blockSize = 16;
    std::vector<mm::Range> ranges;
    size_t rangeIndex = 0;
    int32_t currentAddress = 0;
    std::unique_ptr<dst_CDrv_Result> result;
    Completion completion = nullptr;
    void* completionContext = nullptr;
    State state = State::Idle;
    // The machine's own time: TickMs more at every tick.
    int64_t clockMs = 0;
    int64_t flushWaitEnd = 0;
    QDeadlineTimer inactivityTimer;
    QDeadlineTimer preludeWaitTimer;
    QDeadlineTimer requestWaitTimer;
    int inactivityTimeout = 1000;
    int preludeStepTimeout = 1000;
    int acknowledgeTimeout = 2000;
    int preludeWait = 0;
    int requestWait = 0;
    QTimer tickTimer;
};
