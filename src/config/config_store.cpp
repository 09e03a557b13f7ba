#include "config/config_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

namespace {

// One line of the settings dump that Save prints: its text and the fields it shows.
struct DumpLine {
    const wchar_t* format;
    std::initializer_list<Field> fields;
};

const DumpLine kSettingsDump[] = {
    {L"Common -----------------------------------------------------------------\n", {}},
    {L"Front Camera Brightness  [0~2] = %d\n", {Field::FrontCameraBrightness}},
    {L"Voice recording Enable [0/1] = %d\n", {Field::VoiceRecordingEnable}},
    {L"Voice guguidence Volume [1~6] = %d\n", {Field::VoiceGuidanceVolume}},
    {L"Wayguard Voice (Domestic only) Enable [0/1] = %d\n", {Field::WayguardVoiceEnable}},
    {L"LCD off  [0/1/2] = %d\n", {Field::LcdOff}},
    {L"WDR  [0/1] = %d\n", {Field::Wdr}},
    {L"Continous  ---------------------------------------------------------------\n", {}},
    {L"Front Camera Resolution [1~3] = %d\n", {Field::FrontCameraResolution}},
    {L"Rear Camera Resolution [1~3] = %d\n", {Field::RearCameraResolution}},
    {L"Impact Sensitivity [1~10] = %d\n", {Field::ImpactSensitivity}},
    {L"LDWS [0/1] = %d\n", {Field::Ldws}},
    {L"Surveillance ---------------------------------------------------------------\n", {}},
    {L"Surveillance Enable [0/1] = %d\n", {Field::SurveillanceEnable}},
    {L"Impact Sensitivity [1~10] = %d\n", {Field::ParkingImpactSensitivity}},
    {L"Motion Detect  Enabe[0/1] = %d, Sensitivity [1,3,5] = %d\n",
     {Field::MotionDetectEnable, Field::MotionSensitivity}},
    {L" Timer setting for stop recording   [1~48] = %d \n", {Field::StopRecordingTimer}},
    {L" Voltage setting for stop recording   [11.6(0) ~12.3(7)] = %d, [23.2(0) ~24.6(7)] = %d \n",
     {Field::StopRecordingVoltage12V, Field::StopRecordingVoltage24V}},
    {L" Bettary auto setting value   [0/1] = %d\n", {Field::BatteryAutoSetting}},
    {L"Additional -----------------------------------------------------------------\n", {}},
    {L"Event Recording [0/1] = %d\n", {Field::EventRecording}},
    {L"Motion Detecton [0/1] = %d\n", {Field::MotionDetection}},
    {L"Event Recording(park) [0/1] = %d\n", {Field::EventRecordingPark}},
    {L"Manual Recording [0/1] = %d\n", {Field::ManualRecording}},
    {L"Security LED [0~3] = %d\n", {Field::SecurityLed}},
    {L"Memory Partition [1~3] = %d\n", {Field::MemoryPartition}},
    {L"-----------------------------------------------------------------------------\n", {}},
};

std::int32_t Major(const ConfigRecord& r) {
    return static_cast<std::int32_t>(r.GetU32(Field::ConfigVersion) >> 16);
}
std::int32_t Minor(const ConfigRecord& r) {
    return static_cast<std::int32_t>(r.GetU32(Field::ConfigVersion) & 0xFFFF);
}

}  // namespace

ConfigStore::ConfigStore(FileSystem& files, DebugOutput& debug, const AnsiCodePage& ansi, UserNotices& notices)
    : files_(files), debug_(debug), ansi_(ansi), notices_(notices) {}

void ConfigStore::CreateEmpty() {
    record_ = std::make_unique<ConfigRecord>();
}

bool ConfigStore::Load(const std::wstring& path) {
    auto file = files_.Open(path, FileOpen::ReadExclusive);
    if (!file) {
        debug_.Write(L"Warning Zentrova Setting not found !\n");
        return false;
    }
    // The camera only ever uses the first 544 bytes, so only those are read: a huge or
    // hostile file loads as fast as a normal one. L still reports the whole length.
    const auto length = static_cast<std::uint32_t>(file->Size());
    auto record = std::make_unique<ConfigRecord>();
    auto wanted = record->Bytes().first(std::min<std::size_t>(length, ConfigRecord::kSize));
    std::size_t got = 0;
    while (got < wanted.size()) {
        auto n = file->Read(wanted.subspan(got));
        if (n < 0) {
            debug_.Write(L"Warning Zentrova Setting not found !\n");
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    file->Close();
    record_ = std::move(record);

    debug_.Write(L"\n\nZentrova Setting loading...\n");
    debug_.Write(FormatText(L"Read Product:[%ls], Config Ver.:[%d.%d], CheckSum:[%d], Read Size:[%d]\n",
                            ansi_.ToWide(record_->ProductName()).c_str(), Major(*record_), Minor(*record_),
                            record_->Get(Field::RecordLength), static_cast<std::int32_t>(length)));
    if (length > ConfigRecord::kSize)
        debug_.Write(L"Warning config version seems to be higher than 1.2 or invalid !\n");
    if (length != record_->GetU32(Field::RecordLength))
        debug_.Write(L"Warning file length differs  from the checksum !\n");
    return true;
}

bool ConfigStore::Save(const std::wstring& path) {
    if (!record_) return false;
    ConfigRecord& record = *record_;
    const bool anyAdas = record.Get(Field::AdasSwitch1) != 0 || record.Get(Field::AdasSwitch2) != 0 ||
                         record.Get(Field::AdasSwitch3) != 0;
    record.Set(Field::Ldws, anyAdas ? 1 : 0);

    auto file = files_.Open(path, FileOpen::ReadWriteExisting);
    if (!file) {
        debug_.Write(L"\n\nZentrova Setting fail to save\n");
        return false;
    }
    debug_.Write(L"\n\nZentrova Setting saving...\n");
    // A newer camera may have stored a longer record: its tail past our bytes stays.
    const std::size_t count = std::min<std::size_t>(record.GetU32(Field::RecordLength), ConfigRecord::kSize);
    const bool written = file->Write(record.Bytes().first(count)) && file->Flush();
    const bool closed = file->Close();
    if (!written || !closed) {
        debug_.Write(L"\n\nZentrova Setting fail to save\n");
        return false;
    }
    debug_.Write(FormatText(L"Write Product:[%ls]  Config Ver.:[%d.%d], CheckSum:[%d], Written Size [%d] \n",
                            ansi_.ToWide(record.ProductName()).c_str(), Major(record), Minor(record),
                            record.Get(Field::RecordLength), static_cast<std::int32_t>(count)));
    PrintSettings(record);
    return true;
}

void ConfigStore::PrintSettings(const ConfigRecord& record) {
    for (const DumpLine& line : kSettingsDump) {
        std::array<std::int32_t, 2> values{};
        std::size_t i = 0;
        for (Field f : line.fields) values[i++] = record.Get(f);
        debug_.Write(FormatText(line.format, values[0], values[1]));
    }
}

void ConfigStore::RestoreDefaults(const std::wstring& cardRoot) {
    const std::wstring path = cardRoot + L"default.cfg";
    if (!record_) CreateEmpty();
    std::array<std::uint8_t, ConfigRecord::kPreservedBytesSize> keptBytes;
    std::memcpy(keptBytes.data(), record_->PreservedBytes().data(), keptBytes.size());
    const std::int32_t keptValue = record_->Get(Field::PreservedValue);

    if (!Load(path)) notices_.Show(L"no default.cfg :" + path);

    std::memcpy(record_->PreservedBytes().data(), keptBytes.data(), keptBytes.size());
    record_->Set(Field::PreservedValue, keptValue);
}
