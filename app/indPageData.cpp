#include "indPageData.h"

#include "indDestination.h"
#include "indMain.h"

cmcEeprom& indPageData::image() {
    return main.document();
}

cmcEeprom& indPageData::templateImage() {
    return main.recordTemplate();
}

indDestination indPageData::bandPlan() const {
    return main.bandPlan();
}

cmcEvMan& indPageData::events() {
    return main.eventManager();
}

cmcPrompt& indPageData::prompt() {
    return main.userPrompt();
}

cmcGTex& indPageData::table() {
    return main.definitionTable();
}
