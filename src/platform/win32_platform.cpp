#include "platform/win32_platform.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

void Win32DebugOutput::Write(std::wstring_view text) {
    OutputDebugStringW(std::wstring(text).c_str());
}

std::wstring Win32AnsiCodePage::ToWide(std::string_view bytes) const {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

std::string Win32AnsiCodePage::FromWide(std::wstring_view text) const {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

namespace {

class Win32CardFile final : public CardFile {
public:
    explicit Win32CardFile(HANDLE handle) : handle_(handle) {}
    ~Win32CardFile() override { Close(); }

    std::uint64_t Size() override {
        LARGE_INTEGER size{};
        return GetFileSizeEx(handle_, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
    }

    std::ptrdiff_t Read(std::span<std::uint8_t> buffer) override {
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
        if (!ReadFile(handle_, buffer.data(), wanted, &got, nullptr)) return -1;
        return static_cast<std::ptrdiff_t>(got);
    }

    bool Write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
            bytes = bytes.subspan(written);
        }
        return true;
    }

    bool Flush() override { return FlushFileBuffers(handle_) != 0; }

    bool Close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<CardFile> Win32FileSystem::Open(const std::wstring& path, FileOpen mode) {
    DWORD access = GENERIC_READ, disposition = OPEN_EXISTING;
    switch (mode) {
        case FileOpen::ReadExclusive:
            break;
        case FileOpen::ReadWriteExisting:
            access = GENERIC_READ | GENERIC_WRITE;
            disposition = OPEN_ALWAYS;
            break;
        case FileOpen::WriteTruncate:
            access = GENERIC_WRITE;
            disposition = CREATE_ALWAYS;
            break;
    }
    HANDLE handle = CreateFileW(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32CardFile>(handle);
}

bool Win32FileSystem::Delete(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != 0;
}

std::optional<std::span<const std::uint8_t>> Win32ProgramResources::Find(std::wstring_view type,
                                                                         std::wstring_view name) {
    const std::wstring typeText(type), nameText(name);
    HRSRC found = FindResourceW(nullptr, nameText.c_str(), typeText.c_str());
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::span(static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, found));
}

std::int32_t Win32PcTimeZone::StandardBias() {
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return 0;
    // Standard time only: the camera's file carries the standard offset all year.
    return zone.Bias + zone.StandardBias;
}

PcZoneInfo Win32PcTimeZone::CurrentZone() {
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return {};
    // The name fills its 32 units without a terminator when it is that long.
    const std::size_t length =
        std::find(std::begin(zone.StandardName), std::end(zone.StandardName), L'\0') - std::begin(zone.StandardName);
    return {zone.Bias, zone.StandardBias, std::wstring(zone.StandardName, length)};
}

std::wstring ApplicationName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    if (auto slash = name.rfind(L'\\'); slash != std::wstring::npos) name.erase(0, slash + 1);
    if (auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
    return name;
}

void Win32UserNotices::Show(const std::wstring& text) {
    MessageBoxW(GetActiveWindow(), text.c_str(), ApplicationName().c_str(), MB_OK);
}
