#pragma once
// Test doubles for the platform seams: an in-memory card with fault injection, a debug
// output that records every line, and fixed answers for the rest.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

class CapturedOutput final : public DebugOutput {
public:
    void Write(std::wstring_view text) override { lines.emplace_back(text); }
    std::vector<std::wstring> lines;
};

// Latin-1: every byte is the character of the same number, and back.
class Latin1CodePage final : public AnsiCodePage {
public:
    std::wstring ToWide(std::string_view bytes) const override {
        std::wstring text;
        for (unsigned char c : bytes) text += static_cast<wchar_t>(c);
        return text;
    }
    std::string FromWide(std::wstring_view text) const override {
        std::string bytes;
        for (wchar_t c : text) bytes += c < 256 ? static_cast<char>(c) : '?';
        return bytes;
    }
};

class FixedTimeZone final : public PcTimeZone {
public:
    explicit FixedTimeZone(std::int32_t bias = 0) : bias(bias) {}
    std::int32_t StandardBias() override { return bias; }
    PcZoneInfo CurrentZone() override { return zone; }
    std::int32_t bias;
    PcZoneInfo zone;
};

class RecordedNotices final : public UserNotices {
public:
    void Show(const std::wstring& text) override { shown.push_back(text); }
    std::vector<std::wstring> shown;
};

// Named resources in memory; type and name match without regard to case (ASCII), as
// FindResourceW matches them.
class MemoryResources final : public ProgramResources {
public:
    void Add(std::wstring type, std::wstring name, std::vector<std::uint8_t> bytes) {
        blobs[{Upper(std::move(type)), Upper(std::move(name))}] = std::move(bytes);
    }
    std::optional<std::span<const std::uint8_t>> Find(std::wstring_view type, std::wstring_view name) override {
        const auto found = blobs.find({Upper(std::wstring(type)), Upper(std::wstring(name))});
        if (found == blobs.end()) return std::nullopt;
        return std::span<const std::uint8_t>(found->second);
    }
    std::map<std::pair<std::wstring, std::wstring>, std::vector<std::uint8_t>> blobs;

private:
    static std::wstring Upper(std::wstring text) {
        for (wchar_t& c : text)
            if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        return text;
    }
};

// Files as byte vectors. Faults: a file that cannot be opened, writes that stop after a
// budget, a failing flush or close, and a reported size larger than the bytes held (a
// 4 GiB file without 4 GiB of memory).
class MemoryFileSystem final : public FileSystem {
public:
    struct Entry {
        std::vector<std::uint8_t> bytes;
        std::uint64_t reportedSize = 0;  // 0: the real size
    };
    std::map<std::wstring, Entry> files;
    std::vector<std::wstring> locked;    // cannot be opened
    std::size_t writeBudget = SIZE_MAX;  // bytes writable before writes fail
    bool failFlush = false, failClose = false, failRead = false;
    std::size_t bytesRead = 0;

    std::vector<std::uint8_t>& Bytes(const std::wstring& path) { return files[path].bytes; }
    bool Exists(const std::wstring& path) const { return files.count(path) != 0; }

    std::unique_ptr<CardFile> Open(const std::wstring& path, FileOpen mode) override {
        if (std::find(locked.begin(), locked.end(), path) != locked.end()) return nullptr;
        if (mode == FileOpen::ReadExclusive && !Exists(path)) return nullptr;
        Entry& entry = files[path];
        if (mode == FileOpen::WriteTruncate) entry = Entry{};
        return std::make_unique<File>(*this, entry);
    }
    bool Delete(const std::wstring& path) override { return files.erase(path) != 0; }

private:
    class File final : public CardFile {
    public:
        File(MemoryFileSystem& fs, Entry& entry) : fs_(fs), entry_(entry) {}
        std::uint64_t Size() override { return entry_.reportedSize ? entry_.reportedSize : entry_.bytes.size(); }
        std::ptrdiff_t Read(std::span<std::uint8_t> buffer) override {
            if (fs_.failRead) return -1;
            std::size_t n = std::min(buffer.size(), entry_.bytes.size() - std::min(position_, entry_.bytes.size()));
            std::copy_n(entry_.bytes.begin() + position_, n, buffer.begin());
            position_ += n;
            fs_.bytesRead += n;
            return static_cast<std::ptrdiff_t>(n);
        }
        bool Write(std::span<const std::uint8_t> bytes) override {
            for (std::uint8_t b : bytes) {
                if (fs_.writeBudget == 0) return false;
                --fs_.writeBudget;
                if (position_ >= entry_.bytes.size()) entry_.bytes.resize(position_ + 1);
                entry_.bytes[position_++] = b;
            }
            return true;
        }
        bool Flush() override { return !fs_.failFlush; }
        bool Close() override { return !fs_.failClose; }

    private:
        MemoryFileSystem& fs_;
        Entry& entry_;
        std::size_t position_ = 0;
    };
};
