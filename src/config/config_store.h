#pragma once
// Owner of the one in-memory copy of setup.cfg that every settings page edits, and of
// its file operations and diagnostic lines.

#include <memory>
#include <string>

#include "config/config_record.h"
#include "i18n/language_pack.h"
#include "platform/platform.h"

class ConfigStore {
public:
    ConfigStore(FileSystem& files, DebugOutput& debug, const AnsiCodePage& ansi, UserNotices& notices);

    // Replaces the record with a zero-filled one, so the pages always have a record.
    void CreateEmpty();
    // False when the file cannot be opened or read; the record is then unchanged.
    bool Load(const std::wstring& path);
    // False when the record could not be written and flushed to the card.
    bool Save(const std::wstring& path);
    // Reloads cardRoot + "default.cfg", keeping the device-specific bytes of the record.
    void RestoreDefaults(const std::wstring& cardRoot);
    // Null after Release. Never keep the pointer across a load: a load replaces the record.
    ConfigRecord* Record() { return record_.get(); }
    void Release() { record_.reset(); }

    LanguagePackInfo& LanguagePack() { return languagePack_; }

private:
    void PrintSettings(const ConfigRecord& record);

    FileSystem& files_;
    DebugOutput& debug_;
    const AnsiCodePage& ansi_;
    UserNotices& notices_;
    std::unique_ptr<ConfigRecord> record_;
    LanguagePackInfo languagePack_;
};
