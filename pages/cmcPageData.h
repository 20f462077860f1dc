#pragma once

class cmcEeprom;
class cmcEvMan;
class cmcGTex;
class cmcPrompt;
class indDestination;

// What page logic works on. The main controller owns the document, its destination and the
// program's services; tests stand in for it with a plain fixture.
class cmcPageData {
public:
    virtual ~cmcPageData() = default;

    // The document image the pages show and edit.
    virtual cmcEeprom& image() = 0;
    // The template image of the current destination (band defaults for new records).
    virtual cmcEeprom& templateImage() = 0;
    // The band plan of the current destination and option flags.
    virtual indDestination bandPlan() const = 0;
    virtual cmcEvMan& events() = 0;
    virtual cmcPrompt& prompt() = 0;
    virtual cmcGTex& table() = 0;
};
