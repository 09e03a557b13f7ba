#pragma once
// Where the yes/no and progress popups put their controls, from the size the caller
// chose and the number of line breaks in the text.

#include <string>

struct Box {
    int x, y, width, height;
    bool operator==(const Box&) const = default;
};

inline int CountLineBreaks(const std::wstring& text) {
    int count = 0;
    for (auto at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2)) ++count;
    return count;
}

struct MsgPopupLayout {
    Box text, yes, no;
};

inline MsgPopupLayout LayOutMsgPopup(int width, int height, const std::wstring& text) {
    const int textHeight = CountLineBreaks(text) == 2 ? 70 : 40;
    return {
        {0, 28, width - 10, textHeight}, {width / 2 - 95, height - 60, 85, 25}, {width / 2 + 10, height - 60, 85, 25}};
}

struct ProgPopupLayout {
    Box text, bar;
};

inline ProgPopupLayout LayOutProgPopup(int width, int height, const std::wstring& text) {
    const int textHeight = CountLineBreaks(text) == 2 ? 50 : 40;
    return {{0, 28, width, textHeight}, {40, height - 70, width - 80, 30}};
}

inline int ClampProgress(int position) {
    return position > 100 ? 100 : position;
}
