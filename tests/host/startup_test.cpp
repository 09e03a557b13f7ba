#include "app/startup.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

TEST(Startup, CardRootIsTheOnlyArgument) {
    EXPECT_EQ(CardRootFromArguments({L"p.exe", L"E:\\"}), L"E:\\");
    EXPECT_EQ(CardRootFromArguments({L"p.exe"}), L"");
    EXPECT_EQ(CardRootFromArguments({L"p.exe", L"E:\\My", L"Card\\"}), L"");
}

TEST(Startup, FoldersAndDriveRoots) {
    EXPECT_EQ(FolderOf(L"E:\\DashcamSetting.exe"), L"E:\\");
    EXPECT_EQ(FolderOf(L"E:\\tools\\x\\DashcamSetting.exe"), L"E:\\tools\\x\\");
    EXPECT_EQ(DriveRootOf(L"E:\\tools\\x\\"), L"E:\\");
    EXPECT_EQ(DriveRootOf(L"C:\\users\\me\\AppData\\Local\\Pelorvane\\a.exe"), L"C:\\");
}

TEST(Startup, QuotesOnlyWhatTheCommandLineWouldSplit) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"E:\\", L"E:\\"},
        {L"E:\\card\\", L"E:\\card\\"},
        {L"E:\\My Card\\", L"\"E:\\My Card\\\\\""},
        {L"E:\\a\\\\ b\\\\", L"\"E:\\a\\\\ b\\\\\\\\\""},
        {L"E:\\say \"hi\"\\", L"\"E:\\say \\\"hi\\\"\\\\\""},
        {L"", L"\"\""},
    };
    for (auto [argument, want] : cases) EXPECT_EQ(QuoteArgument(argument), want) << argument;
}

namespace {

class FakeHost final : public StartupHost {
public:
    std::wstring modulePath = L"E:\\DashcamSetting.exe";
    std::wstring appData = L"C:\\users\\me\\AppData\\Local";
    bool removable = true, copyWorks = true;
    std::vector<std::wstring> calls;

    std::wstring ModulePath() override { return modulePath; }
    bool IsRemovableDrive(const std::wstring& root) override {
        calls.push_back(L"drive " + root);
        return removable;
    }
    std::wstring LocalAppDataFolder() override { return appData; }
    void CreateFolder(const std::wstring& path) override { calls.push_back(L"mkdir " + path); }
    bool CopyProgram(const std::wstring& from, const std::wstring& to) override {
        calls.push_back(L"copy " + from + L" " + to);
        return copyWorks;
    }
    void Launch(const std::wstring& program, const std::wstring& parameters, const std::wstring& folder) override {
        calls.push_back(L"open " + program + L" [" + parameters + L"] in " + folder);
    }
};

}  // namespace

TEST(Relauncher, CopiesToTheLocalDiskAndStartsTheCopyOnTheCard) {
    FakeHost host;
    host.modulePath = L"E:\\My Card\\DashcamSetting.exe";
    CapturedOutput debug;
    Relauncher relauncher(host, debug);
    const std::wstring moduleFolder = FolderOf(host.modulePath);
    ASSERT_TRUE(relauncher.RunsFromRemovableMedia(moduleFolder));
    ASSERT_TRUE(relauncher.CopyToLocalDisk());
    ASSERT_TRUE(relauncher.Relaunch(moduleFolder));
    const std::wstring copy = L"C:\\users\\me\\AppData\\Local\\Pelorvane\\DashcamSetting.exe";
    EXPECT_EQ(host.calls, (std::vector<std::wstring>{
                              L"drive E:\\",
                              L"mkdir C:\\users\\me\\AppData\\Local\\Pelorvane",
                              L"copy E:\\My Card\\DashcamSetting.exe " + copy,
                              L"open " + copy + L" [\"E:\\My Card\\\\\"] in C:\\",
                          }));
    EXPECT_EQ(debug.lines, (std::vector<std::wstring>{copy, L"E:\\My Card\\", L"C:\\"}));
}

TEST(Relauncher, AFailedCopyRunsInPlace) {
    FakeHost host;
    host.copyWorks = false;
    CapturedOutput debug;
    Relauncher relauncher(host, debug);
    EXPECT_FALSE(relauncher.CopyToLocalDisk());
    EXPECT_FALSE(relauncher.Relaunch(L"E:\\"));
    EXPECT_TRUE(relauncher.RelaunchPath().empty());
    EXPECT_TRUE(debug.lines.empty());
}

TEST(Relauncher, NoLocalAppDataFolderMeansNoCopy) {
    FakeHost host;
    host.appData.clear();
    CapturedOutput debug;
    Relauncher relauncher(host, debug);
    EXPECT_FALSE(relauncher.CopyToLocalDisk());
    EXPECT_TRUE(host.calls.empty());
}
