#include "pages/card_format.h"

#include <algorithm>

#include "app/startup.h"

namespace {

// "E:\" and nothing else: the only kind of root a removable volume is formatted at.
bool IsDriveRoot(const std::wstring& root) {
    if (root.size() != 3 || root[1] != L':' || root[2] != L'\\') return false;
    const wchar_t letter = root[0];
    return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}

wchar_t DriveLetter(const std::wstring& root) {
    const wchar_t letter = root[0];
    return letter >= L'a' && letter <= L'z' ? static_cast<wchar_t>(letter - L'a' + L'A') : letter;
}

bool SameDrive(const std::wstring& a, const std::wstring& b) {
    return IsDriveRoot(a) && IsDriveRoot(b) && DriveLetter(a) == DriveLetter(b);
}

// The drive root of a full path, also behind the "\\?\" prefix of long paths.
std::wstring DriveRootOfPath(std::wstring path) {
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) path.erase(0, 4);
    return DriveRootOf(path);
}

std::wstring FileNameOf(const std::wstring& path) {
    const auto slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

FormatParameters FormatParametersFor(const std::wstring& driveRoot, bool largeCard) {
    return {driveRoot, kRemovableMedia, largeCard ? L"exfat" : L"FAT32", L"", true, largeCard ? 0u : 32768u};
}

bool ExceedsLargeCardLimit(std::uint64_t volumeBytes) {
    return (volumeBytes >> 20) > kLargeCardMiB;
}

int StepProgress(int current) {
    return std::min(current + kProgressStep, 100);
}

bool FormatProgress::OnCallback(std::uint32_t command, const void* actionInfo) {
    switch (command) {
        case kFormatStructureProgress:
            display_.SetProgress(StepProgress(display_.GetProgress()));
            break;
        case kFormatDone:
            // A done report without its result byte is no success.
            succeeded_ = actionInfo && *static_cast<const std::uint8_t*>(actionInfo) == 1;
            break;
        default:
            break;
    }
    return true;
}

void FormatProgress::Finish() {
    display_.SetProgress(succeeded_ ? 100 : 0);
}

FormatVerdict JudgeFormatTarget(const std::wstring& driveRoot, bool removable, const std::wstring& systemDriveRoot,
                                const std::wstring& programPath) {
    if (!IsDriveRoot(driveRoot)) return FormatVerdict::NoCard;
    if (!removable) return FormatVerdict::NotRemovable;
    // A removable drive can still hold Windows (a system started from USB) or this very
    // program (when its copy to the local disk failed).
    if (SameDrive(driveRoot, DriveRootOfPath(systemDriveRoot))) return FormatVerdict::SystemDrive;
    if (SameDrive(driveRoot, DriveRootOfPath(programPath))) return FormatVerdict::ProgramDrive;
    return FormatVerdict::Format;
}

std::wstring RefusalText(FormatVerdict verdict, const std::wstring& driveRoot) {
    switch (verdict) {
        case FormatVerdict::SystemDrive:
            return L"Formatting stopped: " + driveRoot + L" is the drive Windows runs from.";
        case FormatVerdict::ProgramDrive:
            return L"Formatting stopped: this program runs from " + driveRoot + L" and would erase itself.";
        default:
            return {};
    }
}

std::wstring CardFormatter::Text(const wchar_t* key) const {
    return text_ ? text_(key) : std::wstring();
}

FormatVerdict CardFormatter::Judge() {
    const std::wstring driveRoot = cardRoot_.empty() ? std::wstring() : DriveRootOf(cardRoot_);
    const bool removable = IsDriveRoot(driveRoot) && host_.IsRemovableDrive(driveRoot);
    return JudgeFormatTarget(driveRoot, removable, host_.SystemDriveRoot(), host_.ProgramPath());
}

void CardFormatter::Run() {
    const std::wstring caption = Text(L"IDS_STRING162");
    if (!host_.AskYesNo(caption, Text(L"IDS_STRING163") + L"\r\n" + Text(L"IDS_STRING1630") + L"\r\n")) return;

    // Judged before the viewer is bothered: a card that will not be formatted stays in use.
    const FormatVerdict verdict = Judge();
    if (verdict != FormatVerdict::Format) {
        if (const std::wstring refusal = RefusalText(verdict, DriveRootOf(cardRoot_)); !refusal.empty())
            host_.Tell(caption, refusal);
        return;
    }
    if (!host_.HandOffFromViewer()) return;
    FormatCard(DriveRootOf(cardRoot_));
}

std::vector<CardFormatter::KeptFile> CardFormatter::KeepCardFiles() {
    const std::wstring folder = FolderOf(host_.ProgramPath());
    const KeptFile files[] = {
        {cardRoot_ + L"setup.cfg", folder + L"setup.cfg"},
        {cardRoot_ + L"default.cfg", folder + L"default.cfg"},
        {cardRoot_ + L"lang\\ver.dat", folder + L"ver.dat"},
    };
    // A copy left by an earlier formatting may belong to another card: it goes first, and
    // only what this formatting kept is put back.
    std::vector<KeptFile> kept;
    for (const KeptFile& file : files) {
        host_.Remove(file.kept);
        if (host_.CopyOver(file.onCard, file.kept)) kept.push_back(file);
    }
    return kept;
}

void CardFormatter::MakeCardFolders() {
    // Every level of a card folder below the drive root, then its lang folder.
    for (auto at = cardRoot_.find(L'\\', DriveRootOf(cardRoot_).size()); at != std::wstring::npos;
         at = cardRoot_.find(L'\\', at + 1))
        host_.MakeFolder(cardRoot_.substr(0, at + 1));
    host_.MakeFolder(cardRoot_ + L"lang\\");
}

bool CardFormatter::IsLargeCard() {
    const std::wstring driveRoot = cardRoot_.empty() ? std::wstring() : DriveRootOf(cardRoot_);
    if (!IsDriveRoot(driveRoot) || !host_.IsRemovableDrive(driveRoot)) return false;
    const std::optional<std::uint64_t> bytes = host_.VolumeBytes(driveRoot);
    return bytes && ExceedsLargeCardLimit(*bytes);
}

void CardFormatter::FormatCard(const std::wstring& driveRoot) {
    const std::wstring caption = Text(L"IDS_STRING162");
    const std::vector<KeptFile> kept = KeepCardFiles();

    const FormatParameters parameters = FormatParametersFor(driveRoot, IsLargeCard());
    const bool succeeded = host_.FormatUnderProgress(
        parameters, caption, Text(L"IDS_STRING178") + L"\r\n" + Text(L"IDS_STRING1780") + L"\r\n");

    // Put back even after a failure: a format that stopped half-way may have erased them.
    MakeCardFolders();
    for (const KeptFile& file : kept) host_.CopyOver(file.kept, file.onCard);
    if (const std::wstring program = host_.ProgramPath(); !program.empty())
        host_.CopyOver(program, cardRoot_ + FileNameOf(program));

    host_.Tell(caption, succeeded ? Text(L"IDS_STRING179")
                                  : Text(L"IDS_STRING181") + L"\r\n" + Text(L"IDS_STRING1810") + L"\r\n");
    if (IsLargeCard()) host_.NotifyViewerDeviceChanged();
}
