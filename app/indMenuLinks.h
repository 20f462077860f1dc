#pragma once

class cmcCellObj;
class indMain;

// The menu and toolbar commands: for each command link, what it does and how its item shows
// the program's state (checked, hidden, disabled, caption).
class indMenuLinks {
public:
    // False when the link is not a menu command.
    static bool run(indMain& main, const cmcCellObj& cell);
    static bool refresh(indMain& main, cmcCellObj& cell);
};
