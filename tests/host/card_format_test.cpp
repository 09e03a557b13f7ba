// Card formatting: the service's callbacks, the large-card rule, which drives may be
// formatted, and the whole Format command over a host that keeps its files in memory.
#include "pages/card_format.h"

#include <map>
#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t MiB = 1ull << 20;

// Clamps like the progress popup and remembers every position it was given.
class RecordedProgress final : public ProgressDisplay {
public:
    int GetProgress() const override { return position; }
    void SetProgress(int p) override {
        position = p > 100 ? 100 : p;
        shown.push_back(position);
    }
    int position = 0;
    std::vector<int> shown;
};

struct Report {
    std::uint32_t command;
    int doneByte;  // -1: the done report carries no result byte
};

struct CallbackCase {
    const char* name;
    std::vector<Report> reports;
    std::vector<int> shown;  // positions during the format, then the final one
    bool succeeded;
};

const CallbackCase kCallbackCases[] = {
    {"three steps, then success", {{15, 0}, {15, 0}, {15, 0}, {11, 1}}, {20, 40, 60, 100}, true},
    {"six steps stop at 100",
     {{15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {15, 0}, {11, 1}},
     {20, 40, 60, 80, 100, 100, 100},
     true},
    {"done with failure drops to 0", {{15, 0}, {15, 0}, {15, 0}, {11, 0}}, {20, 40, 60, 0}, false},
    {"a result byte other than 1 is no success", {{11, 2}}, {0}, false},
    {"done without its byte", {{15, 0}, {11, -1}}, {20, 0}, false},
    {"never done", {{15, 0}, {15, 0}}, {20, 40, 0}, false},
    {"other commands change nothing", {{0, 0}, {1, 0}, {14, 0}, {16, 0}, {11, 1}}, {100}, true},
    {"the last done report counts", {{11, 1}, {11, 0}}, {0}, false},
};

TEST(FormatProgress, EachCallbackCommandActsAsItShould) {
    for (const auto& c : kCallbackCases) {
        RecordedProgress display;
        FormatProgress progress(display);
        for (const Report& r : c.reports) {
            const std::uint8_t byte = static_cast<std::uint8_t>(r.doneByte);
            EXPECT_TRUE(progress.OnCallback(r.command, r.doneByte < 0 ? nullptr : &byte)) << c.name;
        }
        progress.Finish();
        EXPECT_EQ(display.shown, c.shown) << c.name;
        EXPECT_EQ(progress.Succeeded(), c.succeeded) << c.name;
    }
}

TEST(FormatProgress, AStepAddsTwentyAndStopsAt100) {
    const std::pair<int, int> cases[] = {{0, 20}, {20, 40}, {60, 80}, {80, 100}, {90, 100}, {100, 100}};
    for (auto [from, to] : cases) EXPECT_EQ(StepProgress(from), to) << from;
}

TEST(LargeCard, TheLimitIs60000WholeMiB) {
    const std::pair<std::uint64_t, bool> cases[] = {
        {0, false},           {32000 * MiB, false},
        {60000 * MiB, false}, {60001 * MiB - 1, false},    // part of a MiB does not count
        {60001 * MiB, true},  {(1ull << 31) * MiB, true},  // far beyond any 32-bit count of MiB
        {UINT64_MAX, true},
    };
    for (auto [bytes, large] : cases) EXPECT_EQ(ExceedsLargeCardLimit(bytes), large) << bytes;
}

TEST(FormatParameters, FollowTheCardSize) {
    EXPECT_EQ(FormatParametersFor(L"E:\\", false), (FormatParameters{L"E:\\", 11, L"FAT32", L"", true, 32768}));
    EXPECT_EQ(FormatParametersFor(L"F:\\", true), (FormatParameters{L"F:\\", 11, L"exfat", L"", true, 0}));
}

struct TargetCase {
    const wchar_t *driveRoot, *systemRoot, *program;
    bool removable;
    FormatVerdict want;
};

const TargetCase kTargetCases[] = {
    {L"E:\\", L"C:\\", L"C:\\Users\\me\\AppData\\Local\\Pelorvane\\DashcamSetting.exe", true, FormatVerdict::Format},
    {L"E:\\", L"C:\\", L"\\\\server\\share\\DashcamSetting.exe", true, FormatVerdict::Format},
    {L"", L"C:\\", L"C:\\p.exe", true, FormatVerdict::NoCard},
    {L"\\", L"C:\\", L"C:\\p.exe", true, FormatVerdict::NoCard},  // a card folder without a drive
    {L"E:", L"C:\\", L"C:\\p.exe", true, FormatVerdict::NoCard},
    {L"\\\\server\\", L"C:\\", L"C:\\p.exe", true, FormatVerdict::NoCard},
    {L"1:\\", L"C:\\", L"C:\\p.exe", true, FormatVerdict::NoCard},
    {L"E:\\", L"C:\\", L"C:\\p.exe", false, FormatVerdict::NotRemovable},
    {L"C:\\", L"C:\\", L"D:\\p.exe", false, FormatVerdict::NotRemovable},
    {L"E:\\", L"E:\\", L"C:\\p.exe", true, FormatVerdict::SystemDrive},  // Windows started from USB
    {L"e:\\", L"E:\\", L"C:\\p.exe", true, FormatVerdict::SystemDrive},
    {L"E:\\", L"C:\\", L"E:\\DashcamSetting.exe", true, FormatVerdict::ProgramDrive},
    {L"E:\\", L"C:\\", L"e:\\dashcam\\DashcamSetting.exe", true, FormatVerdict::ProgramDrive},
    {L"E:\\", L"C:\\", L"\\\\?\\E:\\DashcamSetting.exe", true, FormatVerdict::ProgramDrive},
};

TEST(FormatTarget, OnlyARemovableDriveThatHoldsNeitherWindowsNorThisProgram) {
    for (const auto& c : kTargetCases)
        EXPECT_EQ(JudgeFormatTarget(c.driveRoot, c.removable, c.systemRoot, c.program), c.want)
            << c.driveRoot << " system " << c.systemRoot << " program " << c.program;
}

// Files as strings by full path; formatting erases everything under the drive root.
class MemoryFormatHost final : public CardFormatHost {
public:
    std::map<std::wstring, std::string> files;
    std::set<std::wstring> removable{L"E:\\"};
    std::optional<std::uint64_t> volumeBytes = 32000 * MiB;
    std::wstring program = L"C:\\Local\\Pelorvane\\DashcamSetting.exe";
    bool answerYes = true, viewerReleases = true, formatSucceeds = true;
    std::vector<std::wstring> journal;
    std::vector<FormatParameters> formats;

    bool AskYesNo(const std::wstring& caption, const std::wstring& text) override {
        journal.push_back(L"ask " + caption + L": " + text);
        return answerYes;
    }
    void Tell(const std::wstring& caption, const std::wstring& text) override {
        journal.push_back(L"tell " + caption + L": " + text);
    }
    bool HandOffFromViewer() override {
        journal.push_back(L"viewer hand-off");
        return viewerReleases;
    }
    void NotifyViewerDeviceChanged() override { journal.push_back(L"viewer device change"); }
    std::wstring ProgramPath() override { return program; }
    std::wstring SystemDriveRoot() override { return L"C:\\"; }
    bool IsRemovableDrive(const std::wstring& root) override { return removable.count(root) != 0; }
    std::optional<std::uint64_t> VolumeBytes(const std::wstring&) override { return volumeBytes; }
    bool CopyOver(const std::wstring& from, const std::wstring& to) override {
        auto it = files.find(from);
        if (it == files.end()) return false;
        files[to] = it->second;
        journal.push_back(L"copy " + from + L" -> " + to);
        return true;
    }
    bool Remove(const std::wstring& path) override { return files.erase(path) != 0; }
    void MakeFolder(const std::wstring& path) override { journal.push_back(L"folder " + path); }
    bool FormatUnderProgress(const FormatParameters& p, const std::wstring& title, const std::wstring& text) override {
        journal.push_back(L"format " + p.driveRoot + L" " + p.fileSystem + L" under " + title + L": " + text);
        formats.push_back(p);
        std::erase_if(files, [&](const auto& f) { return f.first.starts_with(p.driveRoot); });
        return formatSucceeds;
    }

    // The card's files, without the drive root.
    std::map<std::wstring, std::string> Card(const std::wstring& root = L"E:\\") const {
        std::map<std::wstring, std::string> card;
        for (const auto& [path, bytes] : files)
            if (path.starts_with(root)) card[path.substr(root.size())] = bytes;
        return card;
    }
};

std::wstring English(const std::wstring& key) {
    static const std::map<std::wstring, std::wstring> texts{
        {L"IDS_STRING162", L"Formatting memory card"},
        {L"IDS_STRING163", L"Caution: All data will be deleted, if you format the memory card."},
        {L"IDS_STRING1630", L"Select (Yes) to format or select (No) to cancel."},
        {L"IDS_STRING178", L"Formatting memory card."},
        {L"IDS_STRING1780", L"Please wait."},
        {L"IDS_STRING179", L"Memory card format completed"},
        {L"IDS_STRING181", L"Cannot format the memory card."},
        {L"IDS_STRING1810", L"It is currently being used by Dash cam Viewer or another program."},
    };
    auto it = texts.find(key);
    return it == texts.end() ? std::wstring() : it->second;
}

const std::wstring kQuestion =
    L"ask Formatting memory card: Caution: All data will be deleted, if you format the memory card.\r\n"
    L"Select (Yes) to format or select (No) to cancel.\r\n";
const std::wstring kSuccess = L"tell Formatting memory card: Memory card format completed";
const std::wstring kFailure =
    L"tell Formatting memory card: Cannot format the memory card.\r\n"
    L"It is currently being used by Dash cam Viewer or another program.\r\n";

void FillCard(MemoryFormatHost& host) {
    host.files = {{L"E:\\setup.cfg", "setup"},
                  {L"E:\\default.cfg", "defaults"},
                  {L"E:\\lang\\ver.dat", "ver"},
                  {L"E:\\lang\\english.txt", "x"},
                  {L"E:\\time.dat", "clock"},
                  {L"E:\\DCIM\\rec1.avi", "video"},
                  {L"C:\\Local\\Pelorvane\\DashcamSetting.exe", "program"}};
}

TEST(FormatCommand, AnsweringNoTouchesNothing) {
    MemoryFormatHost host;
    FillCard(host);
    host.answerYes = false;
    const auto before = host.files;
    CardFormatter(host, L"E:\\", English).Run();
    EXPECT_EQ(host.journal, std::vector<std::wstring>{kQuestion});
    EXPECT_EQ(host.files, before);
}

TEST(FormatCommand, KeepsFormatsRestoresAndReportsInThatOrder) {
    MemoryFormatHost host;
    FillCard(host);
    CardFormatter(host, L"E:\\", English).Run();
    const std::wstring kept = L"C:\\Local\\Pelorvane\\";
    const std::vector<std::wstring> want{
        kQuestion,
        L"viewer hand-off",
        L"copy E:\\setup.cfg -> " + kept + L"setup.cfg",
        L"copy E:\\default.cfg -> " + kept + L"default.cfg",
        L"copy E:\\lang\\ver.dat -> " + kept + L"ver.dat",
        L"format E:\\ FAT32 under Formatting memory card: Formatting memory card.\r\nPlease wait.\r\n",
        L"folder E:\\lang\\",
        L"copy " + kept + L"setup.cfg -> E:\\setup.cfg",
        L"copy " + kept + L"default.cfg -> E:\\default.cfg",
        L"copy " + kept + L"ver.dat -> E:\\lang\\ver.dat",
        L"copy " + kept + L"DashcamSetting.exe -> E:\\DashcamSetting.exe",
        kSuccess,
    };
    EXPECT_EQ(host.journal, want);
    const std::map<std::wstring, std::string> card{{L"setup.cfg", "setup"},
                                                   {L"default.cfg", "defaults"},
                                                   {L"lang\\ver.dat", "ver"},
                                                   {L"DashcamSetting.exe", "program"}};
    EXPECT_EQ(host.Card(), card);
}

TEST(FormatCommand, AStaleKeptCopyOfAnotherCardIsNeverRestored) {
    MemoryFormatHost host;
    FillCard(host);
    host.files.erase(L"E:\\default.cfg");
    host.files.erase(L"E:\\lang\\ver.dat");
    // Left behind by formatting another card earlier.
    host.files[L"C:\\Local\\Pelorvane\\default.cfg"] = "other card's defaults";
    host.files[L"C:\\Local\\Pelorvane\\ver.dat"] = "other card's languages";
    CardFormatter(host, L"E:\\", English).Run();
    const std::map<std::wstring, std::string> card{{L"setup.cfg", "setup"}, {L"DashcamSetting.exe", "program"}};
    EXPECT_EQ(host.Card(), card);
    EXPECT_EQ(host.files.count(L"C:\\Local\\Pelorvane\\default.cfg"), 0u);
}

TEST(FormatCommand, AFailedFormatStillPutsTheFilesBack) {
    MemoryFormatHost host;
    FillCard(host);
    host.formatSucceeds = false;
    CardFormatter(host, L"E:\\", English).Run();
    EXPECT_EQ(host.journal.back(), kFailure);
    EXPECT_EQ(host.Card().count(L"setup.cfg"), 1u);
}

TEST(FormatCommand, ALargeCardGetsExfatAndTheViewerHearsOfIt) {
    struct Case {
        std::optional<std::uint64_t> bytes;
        const wchar_t* fileSystem;
        std::uint32_t cluster;
        bool notified;
    };
    const Case cases[] = {
        {60000 * MiB, L"FAT32", 32768, false},
        {60001 * MiB, L"exfat", 0, true},
        {std::nullopt, L"FAT32", 32768, false},  // size unknown: not large
    };
    for (const auto& c : cases) {
        MemoryFormatHost host;
        FillCard(host);
        host.volumeBytes = c.bytes;
        CardFormatter(host, L"E:\\", English).Run();
        ASSERT_EQ(host.formats.size(), 1u);
        EXPECT_EQ(host.formats[0].fileSystem, c.fileSystem);
        EXPECT_EQ(host.formats[0].clusterBytes, c.cluster);
        EXPECT_EQ(host.journal.back() == L"viewer device change", c.notified) << host.journal.back();
    }
}

TEST(FormatCommand, IsLargeCardAsksTheDriveOfTheCardFolder) {
    MemoryFormatHost host;
    host.volumeBytes = 100000 * MiB;
    EXPECT_TRUE(CardFormatter(host, L"E:\\My Card\\", English).IsLargeCard());
    EXPECT_FALSE(CardFormatter(host, L"D:\\", English).IsLargeCard());  // not removable
    EXPECT_FALSE(CardFormatter(host, L"", English).IsLargeCard());
}

TEST(FormatCommand, ACardFolderBelowTheRootIsMadeAgainLevelByLevel) {
    MemoryFormatHost host;
    FillCard(host);
    host.files[L"E:\\cam\\front\\setup.cfg"] = "nested setup";
    CardFormatter(host, L"E:\\cam\\front\\", English).Run();
    std::vector<std::wstring> folders;
    for (const auto& line : host.journal)
        if (line.starts_with(L"folder ")) folders.push_back(line.substr(7));
    EXPECT_EQ(folders, (std::vector<std::wstring>{L"E:\\cam\\", L"E:\\cam\\front\\", L"E:\\cam\\front\\lang\\"}));
    EXPECT_EQ(host.formats.at(0).driveRoot, L"E:\\");
    EXPECT_EQ(host.Card().at(L"cam\\front\\setup.cfg"), "nested setup");
    EXPECT_EQ(host.Card().count(L"cam\\front\\DashcamSetting.exe"), 1u);
}

TEST(FormatCommand, DrivesThatMustNotBeErasedAreRefusedOrLeftAlone) {
    struct Case {
        const wchar_t* cardRoot;
        const wchar_t* program;
        std::vector<std::wstring> removable;
        std::vector<std::wstring> journal;  // after the question
    };
    const Case cases[] = {
        {L"", L"C:\\p\\DashcamSetting.exe", {L"E:\\"}, {}},
        {L"D:\\", L"C:\\p\\DashcamSetting.exe", {L"E:\\"}, {}},
        {L"C:\\",
         L"D:\\p\\DashcamSetting.exe",
         {L"C:\\"},
         {L"tell Formatting memory card: Formatting stopped: C:\\ is the drive Windows runs from."}},
        {L"E:\\",
         L"E:\\DashcamSetting.exe",
         {L"E:\\"},
         {L"tell Formatting memory card: Formatting stopped: this program runs from E:\\ and would erase itself."}},
    };
    for (const auto& c : cases) {
        MemoryFormatHost host;
        FillCard(host);
        host.program = c.program;
        host.removable = {c.removable.begin(), c.removable.end()};
        const auto before = host.files;
        CardFormatter(host, c.cardRoot, English).Run();
        std::vector<std::wstring> want{kQuestion};
        want.insert(want.end(), c.journal.begin(), c.journal.end());
        EXPECT_EQ(host.journal, want) << c.cardRoot;
        EXPECT_EQ(host.files, before) << c.cardRoot;
    }
}

TEST(FormatCommand, AProgramAskedToQuitDuringTheHandOffFormatsNothing) {
    MemoryFormatHost host;
    FillCard(host);
    host.viewerReleases = false;
    const auto before = host.files;
    CardFormatter(host, L"E:\\", English).Run();
    EXPECT_EQ(host.journal.back(), L"viewer hand-off");
    EXPECT_EQ(host.files, before);
}

}  // namespace
