#include "config/config_store.h"

#include <numeric>

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace {

std::vector<std::uint8_t> RecordBytes(std::size_t size, std::uint32_t recordLength) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    for (int i = 0; i < 4 && i < static_cast<int>(size); ++i)
        bytes[i] = static_cast<std::uint8_t>(recordLength >> (8 * i));
    return bytes;
}

class ConfigStoreTest : public ::testing::Test {
protected:
    MemoryFileSystem files;
    CapturedOutput debug;
    Latin1CodePage ansi;
    RecordedNotices notices;
    ConfigStore store{files, debug, ansi, notices};
    const std::wstring setup = L"E:\\setup.cfg";
};

}  // namespace

struct LoadCase {
    std::size_t fileSize;
    std::uint32_t recordLength;
    bool longWarning, lengthWarning;
};

TEST_F(ConfigStoreTest, LoadWarnsAboutLengthsButKeepsTheFile) {
    const LoadCase cases[] = {
        {0, 0, false, false},      // empty file: all-zero record, no warning
        {544, 544, false, false},  // the normal case
        {600, 544, true, true},    // longer than this layout
        {300, 300, false, false},  // shorter record, consistent
        {544, 600, false, true},   // length field disagrees
    };
    for (const LoadCase& c : cases) {
        files.Bytes(setup) = RecordBytes(c.fileSize, c.recordLength);
        debug.lines.clear();
        ASSERT_TRUE(store.Load(setup));
        const auto& bytes = store.Record()->Bytes();
        for (std::size_t i = 0; i < ConfigRecord::kSize; ++i)
            ASSERT_EQ(bytes[i], i < c.fileSize ? files.Bytes(setup)[i] : 0) << "size " << c.fileSize << " byte " << i;
        std::vector<std::wstring> want = {L"\n\nZentrova Setting loading...\n"};
        want.push_back(L"Read Product:[" + ansi.ToWide(store.Record()->ProductName()) + L"], Config Ver.:[" +
                       std::to_wstring(store.Record()->GetU32(Field::ConfigVersion) >> 16) + L"." +
                       std::to_wstring(store.Record()->GetU32(Field::ConfigVersion) & 0xFFFF) + L"], CheckSum:[" +
                       std::to_wstring(c.recordLength) + L"], Read Size:[" + std::to_wstring(c.fileSize) + L"]\n");
        if (c.longWarning) want.push_back(L"Warning config version seems to be higher than 1.2 or invalid !\n");
        if (c.lengthWarning) want.push_back(L"Warning file length differs  from the checksum !\n");
        EXPECT_EQ(debug.lines, want) << "size " << c.fileSize;
    }
}

TEST_F(ConfigStoreTest, LoadPrintsTheHeaderFields) {
    auto bytes = RecordBytes(544, 544);
    const std::string name = "M250 Dashcam\xE9XYZ";  // 16 bytes, no NUL
    std::copy(name.begin(), name.end(), bytes.begin() + 8);
    bytes[4] = 2, bytes[5] = 0, bytes[6] = 1, bytes[7] = 0;
    files.Bytes(setup) = bytes;
    ASSERT_TRUE(store.Load(setup));
    EXPECT_EQ(debug.lines[1],
              L"Read Product:[M250 Dashcam\u00E9XYZ], Config Ver.:[1.2], CheckSum:[544], Read Size:[544]\n");
}

TEST_F(ConfigStoreTest, AMissingFileLeavesTheRecordAsItWas) {
    store.CreateEmpty();
    store.Record()->Set(Field::SpeedUnit, 1);
    EXPECT_FALSE(store.Load(setup));
    EXPECT_EQ(debug.lines, std::vector<std::wstring>{L"Warning Zentrova Setting not found !\n"});
    EXPECT_EQ(store.Record()->Get(Field::SpeedUnit), 1);
}

TEST_F(ConfigStoreTest, AReadErrorIsAFailedLoad) {
    files.Bytes(setup) = RecordBytes(544, 544);
    files.failRead = true;
    store.CreateEmpty();
    EXPECT_FALSE(store.Load(setup));
    EXPECT_EQ(store.Record()->Get(Field::MemoryPartition), 0);
}

TEST_F(ConfigStoreTest, AHugeFileIsNeverReadPastTheRecord) {
    files.Bytes(setup) = RecordBytes(4096, 544);
    files.files[setup].reportedSize = 0x1'0000'0258ull;  // 4 GiB + 600 bytes
    ASSERT_TRUE(store.Load(setup));
    EXPECT_EQ(files.bytesRead, 544u);
    // L is the low 32 bits of the length, as the camera's tools report it.
    EXPECT_EQ(debug.lines[1].substr(debug.lines[1].find(L"Read Size")), L"Read Size:[600]\n");
    EXPECT_EQ(debug.lines.size(), 4u);
}

TEST_F(ConfigStoreTest, ASecondLoadLeavesNothingOfTheFirst) {
    files.Bytes(L"a") = RecordBytes(544, 544);
    files.Bytes(L"b") = RecordBytes(100, 100);
    ASSERT_TRUE(store.Load(L"a"));
    ASSERT_TRUE(store.Load(L"b"));
    EXPECT_EQ(store.Record()->Get(Field::SpeedStamp), 0);
    EXPECT_EQ(store.Record()->Bytes()[99], files.Bytes(L"b")[99]);
}

TEST_F(ConfigStoreTest, SaveWritesRecordLengthBytesAndKeepsTheFileTail) {
    struct SaveCase {
        std::size_t fileSize;
        std::uint32_t recordLength;
        std::size_t written;
    };
    const SaveCase cases[] = {{600, 544, 544}, {300, 300, 300}, {0, 0, 0}, {544, 0xFFFFFFFF, 544}};
    for (const SaveCase& c : cases) {
        const auto original = RecordBytes(c.fileSize, c.recordLength);
        files.Bytes(setup) = original;
        ASSERT_TRUE(store.Load(setup));
        for (auto& b : store.Record()->Bytes().subspan(4)) b = 0xEE;  // every byte past the length field
        ASSERT_TRUE(store.Save(setup));
        const auto& saved = files.Bytes(setup);
        ASSERT_EQ(saved.size(), std::max(c.fileSize, c.written)) << c.fileSize;
        for (std::size_t i = 0; i < saved.size(); ++i) {
            const bool derived = i >= 440 && i < 444;  // Ldws is recomputed on save
            if (i >= 4 && i < c.written && !derived) {
                ASSERT_EQ(saved[i], 0xEE) << c.fileSize << " byte " << i;
            } else if (i >= c.written) {
                ASSERT_EQ(saved[i], original[i]) << c.fileSize << " byte " << i;
            }
        }
    }
}

TEST_F(ConfigStoreTest, SaveCreatesAMissingFile) {
    store.CreateEmpty();
    store.Record()->SetU32(Field::RecordLength, 544);
    ASSERT_TRUE(store.Save(setup));
    EXPECT_EQ(files.Bytes(setup).size(), 544u);
}

TEST_F(ConfigStoreTest, SaveDerivesLdwsFromTheDriverAssistanceSwitches) {
    struct LdwsCase {
        std::int32_t s1, s2, s3, before, want;
    };
    const LdwsCase cases[] = {{0, 5, 0, 0, 1}, {0, 0, 0, 1, 0}, {-1, 0, 0, 0, 1}, {0, 0, 1, 7, 1}};
    for (const LdwsCase& c : cases) {
        store.CreateEmpty();
        store.Record()->Set(Field::AdasSwitch1, c.s1);
        store.Record()->Set(Field::AdasSwitch2, c.s2);
        store.Record()->Set(Field::AdasSwitch3, c.s3);
        store.Record()->Set(Field::Ldws, c.before);
        files.locked = {setup};  // derived even when the file cannot be opened
        EXPECT_FALSE(store.Save(setup));
        EXPECT_EQ(store.Record()->Get(Field::Ldws), c.want) << c.s1 << c.s2 << c.s3;
    }
    EXPECT_EQ(debug.lines.back(), L"\n\nZentrova Setting fail to save\n");
}

TEST_F(ConfigStoreTest, SavePrintsTheSettingsDump) {
    store.CreateEmpty();
    ConfigRecord& r = *store.Record();
    r.SetU32(Field::RecordLength, 544);
    r.SetU32(Field::ConfigVersion, 0x00010002);
    const std::string name = "M250";
    std::copy(name.begin(), name.end(), r.Bytes().begin() + 8);
    const std::pair<Field, std::int32_t> values[] = {
        {Field::FrontCameraBrightness, 1},
        {Field::VoiceRecordingEnable, 1},
        {Field::VoiceGuidanceVolume, 3},
        {Field::WayguardVoiceEnable, 0},
        {Field::LcdOff, 30000},
        {Field::Wdr, 1},
        {Field::FrontCameraResolution, 2},
        {Field::RearCameraResolution, 3},
        {Field::ImpactSensitivity, 4},
        {Field::AdasSwitch2, 1},
        {Field::SurveillanceEnable, 2},
        {Field::ParkingImpactSensitivity, 5},
        {Field::MotionDetectEnable, 1},
        {Field::MotionSensitivity, 3},
        {Field::StopRecordingTimer, 48},
        {Field::StopRecordingVoltage12V, 7},
        {Field::StopRecordingVoltage24V, 0},
        {Field::BatteryAutoSetting, 31},
        {Field::EventRecording, 1},
        {Field::MotionDetection, 0},
        {Field::EventRecordingPark, 1},
        {Field::ManualRecording, 0},
        {Field::SecurityLed, 1},
        {Field::MemoryPartition, -2},
    };
    for (auto [field, value] : values) r.Set(field, value);
    ASSERT_TRUE(store.Save(setup));
    const std::vector<std::wstring> want = {
        L"\n\nZentrova Setting saving...\n",
        L"Write Product:[M250]  Config Ver.:[1.2], CheckSum:[544], Written Size [544] \n",
        L"Common -----------------------------------------------------------------\n",
        L"Front Camera Brightness  [0~2] = 1\n",
        L"Voice recording Enable [0/1] = 1\n",
        L"Voice guguidence Volume [1~6] = 3\n",
        L"Wayguard Voice (Domestic only) Enable [0/1] = 0\n",
        L"LCD off  [0/1/2] = 30000\n",
        L"WDR  [0/1] = 1\n",
        L"Continous  ---------------------------------------------------------------\n",
        L"Front Camera Resolution [1~3] = 2\n",
        L"Rear Camera Resolution [1~3] = 3\n",
        L"Impact Sensitivity [1~10] = 4\n",
        L"LDWS [0/1] = 1\n",
        L"Surveillance ---------------------------------------------------------------\n",
        L"Surveillance Enable [0/1] = 2\n",
        L"Impact Sensitivity [1~10] = 5\n",
        L"Motion Detect  Enabe[0/1] = 1, Sensitivity [1,3,5] = 3\n",
        L" Timer setting for stop recording   [1~48] = 48 \n",
        L" Voltage setting for stop recording   [11.6(0) ~12.3(7)] = 7, [23.2(0) ~24.6(7)] = 0 \n",
        L" Bettary auto setting value   [0/1] = 31\n",
        L"Additional -----------------------------------------------------------------\n",
        L"Event Recording [0/1] = 1\n",
        L"Motion Detecton [0/1] = 0\n",
        L"Event Recording(park) [0/1] = 1\n",
        L"Manual Recording [0/1] = 0\n",
        L"Security LED [0~3] = 1\n",
        L"Memory Partition [1~3] = -2\n",
        L"-----------------------------------------------------------------------------\n",
    };
    EXPECT_EQ(debug.lines, want);
}

TEST_F(ConfigStoreTest, SaveReportsFailuresAfterTheFileIsOpen) {
    struct Fault {
        const char* name;
        std::size_t writeBudget;
        bool failFlush, failClose;
    };
    const Fault faults[] = {
        {"card full", 100, false, false}, {"flush", SIZE_MAX, true, false}, {"close", SIZE_MAX, false, true}};
    for (const Fault& f : faults) {
        store.CreateEmpty();
        store.Record()->SetU32(Field::RecordLength, 544);
        files.writeBudget = f.writeBudget;
        files.failFlush = f.failFlush;
        files.failClose = f.failClose;
        debug.lines.clear();
        EXPECT_FALSE(store.Save(setup)) << f.name;
        EXPECT_EQ(debug.lines, (std::vector<std::wstring>{L"\n\nZentrova Setting saving...\n",
                                                          L"\n\nZentrova Setting fail to save\n"}))
            << f.name;
    }
}

TEST_F(ConfigStoreTest, RestoreDefaultsKeepsTheDeviceBytes) {
    auto current = RecordBytes(544, 544);
    auto defaults = RecordBytes(544, 544);
    for (auto& b : defaults) b ^= 0x5A;
    files.Bytes(setup) = current;
    files.Bytes(L"E:\\default.cfg") = defaults;
    ASSERT_TRUE(store.Load(setup));
    store.RestoreDefaults(L"E:\\");
    const auto& restored = store.Record()->Bytes();
    for (std::size_t i = 0; i < ConfigRecord::kSize; ++i) {
        const bool kept = (i >= 40 && i < 50) || (i >= 224 && i < 228);
        ASSERT_EQ(restored[i], kept ? current[i] : defaults[i]) << i;
    }
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(ConfigStoreTest, RestoreDefaultsOverAnEmptyRecordKeepsZeros) {
    auto defaults = RecordBytes(544, 544);
    defaults[224] = 7;
    files.Bytes(L"E:\\default.cfg") = defaults;
    store.CreateEmpty();
    store.RestoreDefaults(L"E:\\");
    EXPECT_EQ(store.Record()->Get(Field::PreservedValue), 0);
    EXPECT_EQ(store.Record()->Bytes()[45], 0);
    EXPECT_EQ(store.Record()->Bytes()[100], defaults[100]);
}

TEST_F(ConfigStoreTest, RestoreDefaultsWithoutTheFileTellsTheUser) {
    files.Bytes(setup) = RecordBytes(544, 544);
    ASSERT_TRUE(store.Load(setup));
    const auto before = files.Bytes(setup);
    store.RestoreDefaults(L"E:\\card\\");
    EXPECT_EQ(notices.shown, std::vector<std::wstring>{L"no default.cfg :E:\\card\\default.cfg"});
    EXPECT_TRUE(std::equal(before.begin(), before.end(), store.Record()->Bytes().begin()));
    EXPECT_EQ(debug.lines.back(), L"Warning Zentrova Setting not found !\n");
}

TEST_F(ConfigStoreTest, SaveAfterReleaseDoesNothing) {
    store.CreateEmpty();
    store.Release();
    EXPECT_EQ(store.Record(), nullptr);
    EXPECT_FALSE(store.Save(setup));
    EXPECT_FALSE(files.Exists(setup));
}
