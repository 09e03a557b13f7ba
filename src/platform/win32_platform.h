#pragma once
// The platform seams over Win32.

#include "platform/platform.h"

class Win32DebugOutput final : public DebugOutput {
public:
    void Write(std::wstring_view text) override;
};

class Win32AnsiCodePage final : public AnsiCodePage {
public:
    std::wstring ToWide(std::string_view bytes) const override;
    std::string FromWide(std::wstring_view text) const override;
};

class Win32FileSystem final : public FileSystem {
public:
    std::unique_ptr<CardFile> Open(const std::wstring& path, FileOpen mode) override;
    bool Delete(const std::wstring& path) override;
};

// Resources of the program file itself.
class Win32ProgramResources final : public ProgramResources {
public:
    std::optional<std::span<const std::uint8_t>> Find(std::wstring_view type, std::wstring_view name) override;
};

class Win32PcTimeZone final : public PcTimeZone {
public:
    std::int32_t StandardBias() override;
    PcZoneInfo CurrentZone() override;
};

// An OK-only message box captioned with the application's name.
class Win32UserNotices final : public UserNotices {
public:
    void Show(const std::wstring& text) override;
};

// The program's name for message-box captions: its file name without extension.
std::wstring ApplicationName();
