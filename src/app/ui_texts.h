#pragma once
// The process-wide catalog of UI texts, read from the program's own text tables. The main
// window loads it once at start-up; every window asks it for its texts afterwards.

#include "i18n/text_catalog.h"

TextCatalog& UiTexts();
