#pragma once
// Sizing rules shared by the settings pages' layout helpers.

struct Size {
    int width, height;
    bool operator==(const Size&) const = default;
};

// Width of a label placed with automatic width: its text plus four blanks of breathing
// space, or nothing for an empty text.
inline int AutoItemWidth(int textWidth, int spaceWidth, bool textEmpty) {
    return textEmpty ? 0 : textWidth + 4 * spaceWidth;
}

// A check box or radio button: its caption plus room for the box; 25 pixels either way
// when the caption measures nothing.
inline Size OptionLabelSize(int textWidth, int textHeight) {
    return {textWidth == 0 ? 25 : textWidth + 30, textHeight == 0 ? 25 : textHeight};
}

struct RuleLine {
    int x1, x2, y;  // from x1 up to but not including x2
};

// The rule drawn after a section title: it starts at the title's width plus 27 (the
// pages put their titles at a fixed left margin) and runs to 15 pixels before the edge.
inline RuleLine SectionRule(int left, int top, int right, int bottom, int pageWidth) {
    return {(right - left) + 27, pageWidth - 15, top + (bottom - top) / 2};
}
