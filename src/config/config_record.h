#pragma once
// The camera's settings record, setup.cfg: 544 little-endian bytes. It is kept as the
// raw bytes so that everything this program does not interpret goes back to the card
// exactly as the camera wrote it.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Offsets of the 32-bit fields the program reads or writes.
enum class Field : std::uint16_t {
    RecordLength = 0,   // unsigned: bytes the camera stored; printed as "CheckSum"
    ConfigVersion = 4,  // unsigned: major << 16 | minor
    FrontCameraResolution = 52,
    FrontCameraBrightness = 64,
    RearCameraResolution = 76,
    VoiceRecordingEnable = 100,
    VoiceGuidanceEnable = 108,
    VoiceGuidanceVolume = 112,
    WayguardVoiceEnable = 116,
    ImpactSensitivity = 120,
    EventRecording = 132,
    MotionDetection = 136,
    EventRecordingPark = 140,
    ManualRecording = 144,
    ParkingImpactSensitivity = 176,
    SurveillanceEnable = 180,
    MotionDetectEnable = 184,
    MotionSensitivity = 196,
    StopRecordingTimer = 200,
    StopRecordingVoltage12V = 204,
    StopRecordingVoltage24V = 208,
    MemoryPartition = 212,
    SecurityLed = 216,
    PreservedValue = 224,
    TimeZoneBias = 372,
    DaylightSaving = 376,
    SpeedUnit = 416,
    LcdBrightness = 420,
    LcdOff = 424,
    LanguageIndex = 428,
    BatteryAutoSetting = 432,  // unsigned bit set
    Wdr = 436,
    Ldws = 440,
    LowVoltageOff = 464,
    AdasSwitch1 = 484,
    AdasSwitch2 = 492,
    AdasSwitch3 = 500,
    RecordPageOption = 508,
    SpeedStamp = 512,
};

class ConfigRecord {
public:
    static constexpr std::size_t kSize = 544;
    static constexpr std::size_t kProductNameOffset = 8, kProductNameSize = 16;
    static constexpr std::size_t kPreservedBytesOffset = 40, kPreservedBytesSize = 10;
    static constexpr std::size_t kTimeZoneNameOffset = 380, kTimeZoneNameSize = 32;

    ConfigRecord() : bytes_{} {}

    std::int32_t Get(Field field) const { return static_cast<std::int32_t>(GetU32(field)); }
    std::uint32_t GetU32(Field field) const;
    void Set(Field field, std::int32_t value) { SetU32(field, static_cast<std::uint32_t>(value)); }
    void SetU32(Field field, std::uint32_t value);

    // 8-bit text up to the first NUL, at most 16 bytes.
    std::string ProductName() const;
    std::span<std::uint8_t, kPreservedBytesSize> PreservedBytes() {
        return std::span<std::uint8_t, kPreservedBytesSize>(bytes_.data() + kPreservedBytesOffset, kPreservedBytesSize);
    }
    // 8-bit time-zone key name up to the first NUL.
    std::string TimeZoneName() const;
    // Zero-fills the field, then stores at most 31 bytes so the name always ends in NUL.
    void SetTimeZoneName(std::string_view ansi);

    std::span<std::uint8_t, kSize> Bytes() { return bytes_; }
    std::span<const std::uint8_t, kSize> Bytes() const { return bytes_; }

private:
    std::string TextAt(std::size_t offset, std::size_t size) const;

    std::array<std::uint8_t, kSize> bytes_;
};
