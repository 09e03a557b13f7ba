// The Win32 platform seams against the real file system and command-line parser.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "config/clock_file.h"
#include "config/config_store.h"
#include "platform/win32_platform.h"
#include "support/fakes.h"

namespace {

class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"dashcam-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount64()) + L"\\";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        std::wstring pattern = path_ + L"*";
        WIN32_FIND_DATAW found;
        HANDLE h = FindFirstFileW(pattern.c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do DeleteFileW((path_ + found.cFileName).c_str());
            while (FindNextFileW(h, &found));
            FindClose(h);
        }
        RemoveDirectoryW(path_.c_str());
    }
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace

TEST(Win32FileSystem, SaveOverwritesTheStartAndKeepsTheTail) {
    TempFolder folder;
    const std::wstring path = folder.Path() + L"setup.cfg";
    std::string original(600, 'a');
    original[0] = char(0x20), original[1] = char(0x02), original[2] = 0, original[3] = 0;  // RecordLength 544
    WriteAll(path, original);

    Win32FileSystem files;
    CapturedOutput debug;
    Latin1CodePage ansi;
    RecordedNotices notices;
    ConfigStore store(files, debug, ansi, notices);
    ASSERT_TRUE(store.Load(path));
    store.Record()->Set(Field::SpeedUnit, 1);
    ASSERT_TRUE(store.Save(path));

    const std::string saved = ReadAll(path);
    ASSERT_EQ(saved.size(), 600u);
    EXPECT_EQ(saved[416], 1);
    EXPECT_EQ(saved.substr(544), original.substr(544));
}

TEST(Win32FileSystem, OpeningIsExclusive) {
    TempFolder folder;
    const std::wstring path = folder.Path() + L"setup.cfg";
    WriteAll(path, "x");
    Win32FileSystem files;
    auto first = files.Open(path, FileOpen::ReadExclusive);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(files.Open(path, FileOpen::ReadWriteExisting), nullptr);
    first.reset();
    EXPECT_NE(files.Open(path, FileOpen::ReadWriteExisting), nullptr);
    EXPECT_EQ(files.Open(folder.Path() + L"missing.cfg", FileOpen::ReadExclusive), nullptr);
}

TEST(Win32FileSystem, ClockFileReplacesAndDeletes) {
    TempFolder folder;
    const std::wstring path = folder.Path() + L"time.dat";
    WriteAll(path, std::string(80, 'x'));
    Win32FileSystem files;
    FixedTimeZone zone(-345);
    ClockFile clock(files, zone);
    ClockSetting = {999, 1, 0, 2, 3, 4, 5, 0};
    ClockSettingEnabled = 1;
    ASSERT_TRUE(clock.Write(path));
    EXPECT_EQ(ReadAll(path), " 999,01,02,03,04,05,+0545");
    ClockSettingEnabled = 0;
    ASSERT_TRUE(clock.Write(path));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32CommandLine, AQuotedCardFolderParsesBackExactly) {
    for (const wchar_t* folder : {L"E:\\", L"E:\\My Card\\", L"E:\\a b\\c d\\\\", L"E:\\tab\there\\"}) {
        const std::wstring line = L"\"C:\\x\\DashcamSetting.exe\" " + QuoteArgument(folder);
        int count = 0;
        wchar_t** arguments = CommandLineToArgvW(line.c_str(), &count);
        ASSERT_NE(arguments, nullptr);
        EXPECT_EQ(count, 2) << folder;
        if (count == 2) {
            EXPECT_STREQ(arguments[1], folder);
        }
        LocalFree(arguments);
    }
}

TEST(Win32AnsiCodePage, RoundTripsAscii) {
    Win32AnsiCodePage ansi;
    EXPECT_EQ(ansi.ToWide("Tokyo Standard Time"), L"Tokyo Standard Time");
    EXPECT_EQ(ansi.FromWide(L"UTC"), "UTC");
    EXPECT_EQ(ansi.ToWide(""), L"");
}
