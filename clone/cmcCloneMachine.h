#pragma once

#include "dst_CDrv_Result.h"

// The states of the clone driver and the one table of moves between them. Every operation runs
// from Start to Finished along the path of its mode; a failure leaves any state for Drain, so
// that what was sent still leaves the port before it closes.
class cmcCloneMachine {
public:
    using Mode = dst_CDrv_Result::Mode;

    enum class State {
        Idle,
        Start,
        Prelude,
        // Input is dropped once it has settled after the prelude reopened the port.
        PreludeFlush,
        PreludeWait,
        OpenPort,
        OpenFlush,
        InfoRequest,
        InfoReply,
        ReadRequest,
        ReceiveData,
        WriteRequest,
        RequestWait,
        SendData,
        EndOfData,
        WriteResult,
        Drain,
        Finished,
    };
    static constexpr int StateCount = int(State::Finished) + 1;

    // How one step of a state ended.
    enum class Outcome { Stay, Done, Reopened, Failed };

    // Echo bytes that may still be due when the state acts: none, so that a request is heard
    // whole before its answer is looked at; a few while data frames stream out; or the echo is
    // not looked at (draining, when only the port's own output matters).
    enum class Echo { Complete, Streaming, Unchecked };

    // The time-out that ends a state without progress.
    enum class Patience { Inactivity, PreludeStep, Acknowledge };

    // When a state that was just entered takes its first step: at the next tick, or at once in
    // the same tick. A state that follows the end of a wait or of an exchange goes at once, so
    // that the line does not idle a tick for nothing.
    enum class Entry { NextTick, AtOnce };

    // Stay keeps the state and Failed leads to Drain from anywhere; the table holds the rest.
    static State next(State from, Outcome outcome, Mode mode);
    static Echo echo(State state);
    static Patience patience(State state);
    static Entry entry(State state);
};
