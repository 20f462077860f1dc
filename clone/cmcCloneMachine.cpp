#include "cmcCloneMachine.h"

namespace {

using S = cmcCloneMachine::State;
using O = cmcCloneMachine::Outcome;
using M = cmcCloneMachine::Mode;
using E = cmcCloneMachine::Echo;
using P = cmcCloneMachine::Patience;
using N = cmcCloneMachine::Entry;

struct Row {
    S state;
    E echo;
    P patience;
    N entry;
};

// One row per state, in the order of the states.
constexpr Row Rows[] = {
    {S::Idle, E::Complete, P::Inactivity, N::NextTick},
    {S::Start, E::Complete, P::Inactivity, N::NextTick},
    {S::Prelude, E::Complete, P::PreludeStep, N::AtOnce},
    {S::PreludeFlush, E::Complete, P::PreludeStep, N::NextTick},
    {S::PreludeWait, E::Complete, P::Inactivity, N::NextTick},
    {S::OpenPort, E::Complete, P::Inactivity, N::AtOnce},
    {S::OpenFlush, E::Complete, P::Inactivity, N::NextTick},
    {S::InfoRequest, E::Complete, P::Inactivity, N::AtOnce},
    {S::InfoReply, E::Complete, P::Inactivity, N::NextTick},
    {S::ReadRequest, E::Complete, P::Inactivity, N::AtOnce},
    {S::ReceiveData, E::Complete, P::Inactivity, N::NextTick},
    {S::WriteRequest, E::Complete, P::Inactivity, N::AtOnce},
    {S::RequestWait, E::Complete, P::Inactivity, N::NextTick},
    {S::SendData, E::Streaming, P::Inactivity, N::AtOnce},
    {S::EndOfData, E::Complete, P::Inactivity, N::NextTick},
    {S::WriteResult, E::Complete, P::Acknowledge, N::NextTick},
    {S::Drain, E::Unchecked, P::Inactivity, N::AtOnce},
    {S::Finished, E::Unchecked, P::Inactivity, N::NextTick},
};

struct Move {
    S from;
    O outcome;
    // None: whatever the operation.
    M mode;
    S to;
};

constexpr Move Moves[] = {
    {S::Start, O::Done, M::None, S::Prelude},
    {S::Prelude, O::Reopened, M::None, S::PreludeFlush},
    {S::PreludeFlush, O::Done, M::None, S::Prelude},
    {S::Prelude, O::Done, M::None, S::PreludeWait},
    {S::PreludeWait, O::Done, M::None, S::OpenPort},
    {S::OpenPort, O::Done, M::None, S::OpenFlush},
    {S::OpenFlush, O::Done, M::Information, S::InfoRequest},
    {S::OpenFlush, O::Done, M::Read, S::ReadRequest},
    {S::OpenFlush, O::Done, M::Write, S::WriteRequest},
    {S::InfoRequest, O::Done, M::None, S::InfoReply},
    {S::InfoReply, O::Done, M::None, S::Drain},
    {S::ReadRequest, O::Done, M::None, S::ReceiveData},
    {S::ReceiveData, O::Done, M::None, S::Drain},
    {S::WriteRequest, O::Done, M::None, S::RequestWait},
    {S::RequestWait, O::Done, M::None, S::SendData},
    {S::SendData, O::Done, M::None, S::EndOfData},
    {S::EndOfData, O::Done, M::None, S::WriteResult},
    {S::WriteResult, O::Done, M::None, S::Drain},
    {S::Drain, O::Done, M::None, S::Finished},
};

// Idle where the table has no move, as no move leads to Idle.
constexpr S lookUp(S from, O outcome, M mode) {
    for (const Move& move : Moves)
        if (move.from == from && move.outcome == outcome &&
            (move.mode == M::None || move.mode == mode))
            return move.to;
    return S::Idle;
}

constexpr bool rowsInStateOrder() {
    int index = 0;
    for (const Row& row : Rows)
        if (int(row.state) != index++)
            return false;
    return index == cmcCloneMachine::StateCount;
}

// Every operation reaches Finished by its steps' ends alone, and every state but Idle lies on
// some operation's way.
constexpr bool everyWayEnds() {
    bool reached[cmcCloneMachine::StateCount] = {};
    reached[int(S::Idle)] = true;
    for (M mode : {M::Information, M::Read, M::Write}) {
        S state = S::Start;
        for (int n = 0; n < cmcCloneMachine::StateCount && state != S::Idle; ++n) {
            reached[int(state)] = true;
            if (const S aside = lookUp(state, O::Reopened, mode); aside != S::Idle)
                reached[int(aside)] = true;
            if (state == S::Finished)
                break;
            state = lookUp(state, O::Done, mode);
        }
        if (state != S::Finished)
            return false;
    }
    for (bool r : reached)
        if (!r)
            return false;
    return true;
}

// A tick's steps come to an end: no chain of states going at once runs in a circle. Any state
// may fail into Drain.
constexpr bool chainEnds(S from, int depth = 0) {
    if (depth > cmcCloneMachine::StateCount)
        return false;
    const auto goesOn = [depth](S to) {
        return Rows[int(to)].entry == N::NextTick || chainEnds(to, depth + 1);
    };
    for (const Move& move : Moves)
        if (move.from == from && !goesOn(move.to))
            return false;
    return from == S::Drain || goesOn(S::Drain);
}

constexpr bool everyChainEnds() {
    for (const Row& row : Rows)
        if (!chainEnds(row.state))
            return false;
    return true;
}

static_assert(rowsInStateOrder());
static_assert(everyWayEnds());
static_assert(everyChainEnds());

} // namespace

cmcCloneMachine::State cmcCloneMachine::next(State from, Outcome outcome, Mode mode) {
    if (outcome == Outcome::Stay)
        return from;
    const State to = lookUp(from, outcome, mode);
    return outcome == Outcome::Failed || to == State::Idle ? State::Drain : to;
}

cmcCloneMachine::Echo cmcCloneMachine::echo(State state) {
    return Rows[int(state)].echo;
}

cmcCloneMachine::Patience cmcCloneMachine::patience(State state) {
    return Rows[int(state)].patience;
}

cmcCloneMachine::Entry cmcCloneMachine::entry(State state) {
    return Rows[int(state)].entry;
}
