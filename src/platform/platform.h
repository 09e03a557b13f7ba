#pragma once
// The few platform operations the window-free code needs. Windows supplies them with
// Win32 calls (win32_platform.h); tests supply doubles, so every rule above this seam
// runs natively and deterministically.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The debug output channel: each Write is one call of OutputDebugStringW on Windows.
class DebugOutput {
public:
    virtual ~DebugOutput() = default;
    virtual void Write(std::wstring_view text) = 0;
};

// The system ANSI code page, used for the record's 8-bit text fields.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    virtual std::wstring ToWide(std::string_view bytes) const = 0;
    virtual std::string FromWide(std::wstring_view text) const = 0;
};

// An open file on the card. Writes go forward from the start of the file.
class CardFile {
public:
    virtual ~CardFile() = default;
    virtual std::uint64_t Size() = 0;
    // Reads from the current position into buffer; returns the count read, or -1 on error.
    virtual std::ptrdiff_t Read(std::span<std::uint8_t> buffer) = 0;
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Pushes the written bytes through to the device, not just to the system cache:
    // users pull the card right after Save.
    virtual bool Flush() = 0;
    virtual bool Close() = 0;
};

enum class FileOpen {
    ReadExclusive,      // existing file, read only, not shared
    ReadWriteExisting,  // read and write, not shared, created when missing, never truncated
    WriteTruncate,      // write only, created or truncated
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Null when the file cannot be opened.
    virtual std::unique_ptr<CardFile> Open(const std::wstring& path, FileOpen mode) = 0;
    virtual bool Delete(const std::wstring& path) = 0;
};

// The PC's current time zone as the system describes it.
struct PcZoneInfo {
    std::int32_t bias = 0;          // minutes to add to local time to get UTC (UTC+9 gives -540)
    std::int32_t standardBias = 0;  // added to bias during standard time (usually 0)
    std::wstring standardName;      // the zone's standard-time name, as in the zone database
};

// The program's own compiled resources (the UI text tables).
class ProgramResources {
public:
    virtual ~ProgramResources() = default;
    // The bytes of the resource of that type and name, both matched without regard to
    // case; nullopt when there is none. The bytes stay valid for the whole run.
    virtual std::optional<std::span<const std::uint8_t>> Find(std::wstring_view type, std::wstring_view name) = 0;
};

// The PC's current time zone.
class PcTimeZone {
public:
    virtual ~PcTimeZone() = default;
    // Minutes to add to local standard time to get UTC (UTC+9 gives -540).
    virtual std::int32_t StandardBias() = 0;
    // All zeros and an empty name when the system cannot tell.
    virtual PcZoneInfo CurrentZone() = 0;
};

// Modal notices to the user (an OK-only message box on Windows).
class UserNotices {
public:
    virtual ~UserNotices() = default;
    virtual void Show(const std::wstring& text) = 0;
};

// printf-style formatting into a wide string; use %ls for wide string arguments so the
// same format works with every C library this code is built with.
std::wstring FormatText(const wchar_t* format, ...);
