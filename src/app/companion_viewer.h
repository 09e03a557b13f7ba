#pragma once
// What this program relies on of the camera maker's companion viewer, a separate program.

#include <string>

inline constexpr wchar_t kViewerWindowTitle[] = L"QUORVANTA DASHCAM PC VIEWER";
inline constexpr wchar_t kViewerAlternateTitle[] = L"Pelorvane";
inline constexpr wchar_t kViewerRegistryKey[] = L"SOFTWARE\\QUORVANTA\\";
inline constexpr wchar_t kViewerLanguageValue[] = L"LANGUAGE";
inline constexpr unsigned kViewerReleaseCardMessage = 1123;  // WM_USER + 99
inline constexpr wchar_t kViewerReleasedEvent[] = L"EVENT_FILE_PARSING";

// True when the viewer's main window exists.
bool CompanionViewerRunning();
// The viewer's UI language word ("english", "french", ...), empty when unset or unreadable.
std::wstring ReadViewerLanguage();
