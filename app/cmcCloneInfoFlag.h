#pragma once

#include <cstdint>

// The bits of the first parameter of cmcEventId::ApplyCloneInformation: which parts of the
// receiver's clone information become current.
struct cmcCloneInfoFlag {
    enum Bit : int32_t {
        // The receiver's two option flags.
        TakeOptionFlags = 1,
        // Set by the sessions along with the others; no handler reads it.
        Unassigned = 2,
        // The receiver's destination, after the change-model question.
        TakeDestination = 4,
        // Without the save question that a change of destination otherwise asks.
        NoSaveQuestion = 8,

        // What a session sends after its first query; a read has asked the save question
        // before it began.
        Query = TakeOptionFlags | Unassigned | TakeDestination,
        Read = Query | NoSaveQuestion,
    };
};
