#include <windows.h>

#include "app/setting_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The copy on the local disk runs elevated from a user-writable folder: a DLL planted
    // beside it must never be loaded, so libraries come from the system folder only.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    CSettingApp app;
    return app.Run();
}
