#include "cmcHelpGTex.h"

#include "cmcGTexLists.h"

cmcHelpGTex& cmcHelpGTex::app() {
    static cmcHelpGTex reader;
    static const bool ready = reader.setSource(gtexHelpTopicLines);
    (void)ready;
    return reader;
}
