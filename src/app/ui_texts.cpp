#include "app/ui_texts.h"

#include "platform/win32_platform.h"

TextCatalog& UiTexts() {
    // Built on first use and kept until the process ends, like the seams it reads through.
    static Win32ProgramResources resources;
    static Win32DebugOutput debug;
    static Win32AnsiCodePage ansi;
    static TextCatalog catalog(resources, debug, ansi);
    return catalog;
}
