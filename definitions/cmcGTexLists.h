#pragma once

// The built-in line lists, generated at build time from the text files in data/. Each ends
// with a null entry.
extern const char* const gtexEnglishLines[];
extern const char* const gtexJapaneseLines[];
extern const char* const gtexHelpTopicLines[];
