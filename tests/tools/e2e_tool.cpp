// Helper for the end-to-end tests of the real program under Wine.
//   e2e_tool monitor OUT READY STOP   receive debug output (the DBWIN_BUFFER protocol debug
//                                     viewers use) into OUT, one "pid<TAB>text" line per
//                                     message with \n, \r, \t and \\ escaped; touch READY once
//                                     listening; stop when the file STOP exists
//   e2e_tool close PID                post WM_CLOSE to the top-level windows of process PID
//   e2e_tool windows PID              print how many visible top-level windows PID has
//   e2e_tool origin PID               print the screen position of the client area of the
//                                     largest visible top-level window of PID as "X Y"
//   e2e_tool control PID ID           print "X Y VISIBLE" for the control ID inside the main
//                                     window of PID: the screen position of its centre and
//                                     1 when it can be seen (a visible match is preferred)
//   e2e_tool iconic PID               print 1 when the main window of PID is minimised, else 0
//   e2e_tool restore PID              restore the minimised main window of PID
//   e2e_tool texts PID                print the texts of every top-level window of PID and
//                                     of their children, one UTF-8 line each
//   e2e_tool title PID                print the titles of the visible top-level windows of
//                                     process PID, one UTF-8 line each
//   e2e_tool close-program NAME       post WM_CLOSE to the top-level windows of every
//                                     process whose program file is called NAME
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

struct DbwinBuffer {
    DWORD processId;
    char text[4096 - sizeof(DWORD)];
};

bool Exists(const wchar_t* path) {
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

int Monitor(const wchar_t* out, const wchar_t* ready, const wchar_t* stop) {
    HANDLE bufferReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
    HANDLE dataReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
    HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DbwinBuffer), L"DBWIN_BUFFER");
    if (!bufferReady || !dataReady || !mapping) return 2;
    auto* buffer = static_cast<DbwinBuffer*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(DbwinBuffer)));
    FILE* file = _wfopen(out, L"wb");
    if (!buffer || !file) return 2;
    if (FILE* flag = _wfopen(ready, L"wb")) fclose(flag);
    SetEvent(bufferReady);
    while (!Exists(stop)) {
        if (WaitForSingleObject(dataReady, 50) != WAIT_OBJECT_0) continue;
        std::string line = std::to_string(buffer->processId) + "\t";
        for (const char* p = buffer->text; *p && p < buffer->text + sizeof buffer->text; ++p) {
            switch (*p) {
                case '\n':
                    line += "\\n";
                    break;
                case '\r':
                    line += "\\r";
                    break;
                case '\t':
                    line += "\\t";
                    break;
                case '\\':
                    line += "\\\\";
                    break;
                default:
                    line += *p;
            }
        }
        line += "\n";
        fwrite(line.data(), 1, line.size(), file);
        fflush(file);
        SetEvent(bufferReady);
    }
    fclose(file);
    return 0;
}

struct WindowQuery {
    DWORD processId;
    bool close;
    int count;
    const wchar_t* programName = nullptr;
    HWND largest = nullptr;
    long largestArea = 0;
    bool titles = false;
};

bool RunsProgram(DWORD processId, const wchar_t* name) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return false;
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    const bool got = QueryFullProcessImageNameW(process, 0, path, &size) != 0;
    CloseHandle(process);
    if (!got) return false;
    const wchar_t* file = wcsrchr(path, L'\\');
    return _wcsicmp(file ? file + 1 : path, name) == 0;
}

BOOL CALLBACK VisitWindow(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (query->programName ? !RunsProgram(owner, query->programName) : owner != query->processId) return TRUE;
    if (query->close) {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        ++query->count;
    } else if (IsWindowVisible(hwnd)) {
        ++query->count;
        RECT r{};
        GetWindowRect(hwnd, &r);
        const long area = static_cast<long>(r.right - r.left) * (r.bottom - r.top);
        if (area > query->largestArea) query->largestArea = area, query->largest = hwnd;
        if (query->titles) {
            wchar_t title[512] = {};
            GetWindowTextW(hwnd, title, 512);
            char utf8[2048] = {};
            WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
            std::fwrite(utf8, 1, std::strlen(utf8), stdout);
            std::fwrite("\n", 1, 1, stdout);
        }
    }
    return TRUE;
}

int Windows(DWORD processId, bool close, const wchar_t* programName = nullptr) {
    WindowQuery query{processId, close, 0, programName};
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&query));
    std::printf("%d\n", query.count);
    return 0;
}

int Titles(DWORD processId) {
    // Binary output: the UTF-8 bytes go out unchanged, without CR before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    WindowQuery query{processId, false, 0};
    query.titles = true;
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&query));
    return 0;
}

}  // namespace

HWND MainWindow(DWORD processId) {
    WindowQuery query{processId, false, 0};
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&query));
    return query.largest;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK VisitControl(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(hwnd) == search->id && (!search->found || IsWindowVisible(hwnd))) search->found = hwnd;
    return TRUE;
}

int Control(DWORD processId, int id) {
    HWND main = MainWindow(processId);
    if (!main) return 1;
    ControlSearch search{id, nullptr};
    EnumChildWindows(main, VisitControl, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    RECT r{};
    GetWindowRect(search.found, &r);
    std::printf("%ld %ld %d\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2, IsWindowVisible(search.found) ? 1 : 0);
    return 0;
}

void PrintText(HWND hwnd) {
    wchar_t text[1024] = {};
    GetWindowTextW(hwnd, text, 1024);
    if (!text[0]) return;
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
}

BOOL CALLBACK PrintChildText(HWND hwnd, LPARAM) {
    PrintText(hwnd);
    return TRUE;
}

BOOL CALLBACK PrintTopLevelTexts(HWND hwnd, LPARAM param) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != static_cast<DWORD>(param) || !IsWindowVisible(hwnd)) return TRUE;
    PrintText(hwnd);
    EnumChildWindows(hwnd, PrintChildText, 0);
    return TRUE;
}

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"monitor" && argc == 5) return Monitor(argv[2], argv[3], argv[4]);
    if (command == L"close" && argc == 3) return Windows(static_cast<DWORD>(_wtoi(argv[2])), true);
    if (command == L"windows" && argc == 3) return Windows(static_cast<DWORD>(_wtoi(argv[2])), false);
    if (command == L"origin" && argc == 3) {
        WindowQuery query{static_cast<DWORD>(_wtoi(argv[2])), false, 0};
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&query));
        POINT origin{};
        if (!query.largest || !ClientToScreen(query.largest, &origin)) return 1;
        std::printf("%ld %ld\n", origin.x, origin.y);
        return 0;
    }
    if (command == L"control" && argc == 4) return Control(static_cast<DWORD>(_wtoi(argv[2])), _wtoi(argv[3]));
    if (command == L"iconic" && argc == 3) {
        HWND main = MainWindow(static_cast<DWORD>(_wtoi(argv[2])));
        std::printf("%d\n", main && IsIconic(main) ? 1 : 0);
        return main ? 0 : 1;
    }
    if (command == L"restore" && argc == 3) {
        HWND main = MainWindow(static_cast<DWORD>(_wtoi(argv[2])));
        if (main) PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        return main ? 0 : 1;
    }
    if (command == L"texts" && argc == 3) {
        EnumWindows(PrintTopLevelTexts, static_cast<LPARAM>(_wtoi(argv[2])));
        return 0;
    }
    if (command == L"title" && argc == 3) return Titles(static_cast<DWORD>(_wtoi(argv[2])));
    if (command == L"close-program" && argc == 3) return Windows(0, true, argv[2]);
    std::fprintf(
        stderr,
        "usage: e2e_tool monitor OUT READY STOP | close PID | windows PID | origin PID | control PID ID | texts PID | "
        "title PID | close-program NAME\n");
    return 1;
}
