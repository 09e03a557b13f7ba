#pragma once
// Formatting the memory card: the rules and the sequence, apart from windows. The Format
// command asks, lets the companion viewer release the card, keeps the card's
// configuration files, formats the volume, and puts the files and the program back.
// win32_card_format.h supplies the platform side.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pages/page_texts.h"

// Cards above this size get exFAT; up to it, FAT32 with 32 KiB clusters.
inline constexpr std::uint64_t kLargeCardMiB = 60000;
// The formatting service's "removable media" type.
inline constexpr int kRemovableMedia = 11;
inline constexpr int kProgressStep = 20;

// The commands of the formatting service's progress callback that we act on.
inline constexpr std::uint32_t kFormatDone = 11;               // action info: one byte, 1 for success
inline constexpr std::uint32_t kFormatStructureProgress = 15;  // one step of writing the file system

// What the formatting service is asked to do.
struct FormatParameters {
    std::wstring driveRoot;
    int mediaType;
    std::wstring fileSystem;
    std::wstring label;
    bool quick;
    std::uint32_t clusterBytes;  // 0: the service's default
    bool operator==(const FormatParameters&) const = default;
};

FormatParameters FormatParametersFor(const std::wstring& driveRoot, bool largeCard);
// True when a volume of that many bytes is above the large-card limit (whole MiB count).
bool ExceedsLargeCardLimit(std::uint64_t volumeBytes);
// The position after one structure step; the bar stops at 100.
int StepProgress(int current);

// The progress bar the format reports into (the progress popup on Windows).
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual int GetProgress() const = 0;
    virtual void SetProgress(int position) = 0;
};

// Turns the formatting service's callbacks into progress and a result.
class FormatProgress {
public:
    explicit FormatProgress(ProgressDisplay& display) : display_(display) {}

    // One callback of the service; returns true so the format always goes on.
    bool OnCallback(std::uint32_t command, const void* actionInfo);
    // After the service has returned: 100 on success, 0 otherwise.
    void Finish();
    bool Succeeded() const { return succeeded_; }

private:
    ProgressDisplay& display_;
    bool succeeded_ = false;
};

// The platform's formatting service (FormatEx of fmifs.dll on Windows).
class FormatService {
public:
    enum class Outcome { Ran, LibraryMissing, EntryMissing };
    virtual ~FormatService() = default;
    // Formats and returns when the service has finished, reporting through progress.
    virtual Outcome Format(const FormatParameters& parameters, FormatProgress& progress) = 0;
};

// Whether the card folder's drive may be formatted.
enum class FormatVerdict {
    Format,
    NoCard,        // empty card folder, or one that does not start with a drive root like E:\ .
    NotRemovable,  // not on removable media
    SystemDrive,   // the drive Windows runs from
    ProgramDrive,  // the drive this program runs from: it would erase itself
};

// driveRoot is the card folder's drive root as DriveRootOf gives it.
FormatVerdict JudgeFormatTarget(const std::wstring& driveRoot, bool removable, const std::wstring& systemDriveRoot,
                                const std::wstring& programPath);

// Everything the sequence does to the world.
class CardFormatHost {
public:
    virtual ~CardFormatHost() = default;

    // Message boxes owned by the page.
    virtual bool AskYesNo(const std::wstring& caption, const std::wstring& text) = 0;
    virtual void Tell(const std::wstring& caption, const std::wstring& text) = 0;

    // Asks a running companion viewer to let go of the card and waits, for a bounded time,
    // until it has. False when the program was asked to quit meanwhile.
    virtual bool HandOffFromViewer() = 0;
    // Tells a running companion viewer that the card's volume has changed.
    virtual void NotifyViewerDeviceChanged() = 0;

    virtual std::wstring ProgramPath() = 0;
    virtual std::wstring SystemDriveRoot() = 0;
    virtual bool IsRemovableDrive(const std::wstring& driveRoot) = 0;
    // The volume's size in bytes, or nothing when it cannot be read.
    virtual std::optional<std::uint64_t> VolumeBytes(const std::wstring& driveRoot) = 0;
    // Copies, replacing an existing target.
    virtual bool CopyOver(const std::wstring& from, const std::wstring& to) = 0;
    virtual bool Remove(const std::wstring& path) = 0;
    virtual void MakeFolder(const std::wstring& path) = 0;

    // Formats under the progress popup; true when the service reported success.
    virtual bool FormatUnderProgress(const FormatParameters& parameters, const std::wstring& title,
                                     const std::wstring& text) = 0;
};

// Texts shown instead of formatting a drive that must not be erased (not translated, like
// the service messages).
std::wstring RefusalText(FormatVerdict verdict, const std::wstring& driveRoot);

// The Format command over a host.
class CardFormatter {
public:
    CardFormatter(CardFormatHost& host, std::wstring cardRoot, TextLookup text)
        : host_(host), cardRoot_(std::move(cardRoot)), text_(std::move(text)) {}

    // The whole command: confirmation, checks, viewer hand-off, FormatCard.
    void Run();
    // True when the card's drive is removable and larger than kLargeCardMiB. A size that
    // cannot be read (a card without a readable file system, say) counts as not large:
    // guessing wrong that way asks for FAT32 on a large card, which at worst the service
    // refuses and the user is told; the other way would quietly leave exFAT on a small
    // card, where the camera expects FAT32.
    bool IsLargeCard();

private:
    FormatVerdict Judge();
    // Keep, format, restore, report. driveRoot has passed JudgeFormatTarget.
    void FormatCard(const std::wstring& driveRoot);
    struct KeptFile {
        std::wstring onCard, kept;
    };
    std::vector<KeptFile> KeepCardFiles();
    void MakeCardFolders();
    std::wstring Text(const wchar_t* key) const;

    CardFormatHost& host_;
    const std::wstring cardRoot_;
    TextLookup text_;
};
