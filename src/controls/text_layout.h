#pragma once
// Where skinned controls put their text, and the pixels of anti-aliased text, apart from any
// window.

#include "controls/skin_layout.h"

enum class TextAlign { TopLeft = 0, Centred = 1 };

struct TextOffset {
    int dx = 0, dy = 0;
    bool operator==(const TextOffset&) const = default;
};

// Offset of a rendered text bitmap inside its box: always centred vertically; at the left
// edge (alignment 0) or centred, the odd pixel going to the left side (alignment 1). Never
// negative: a text larger than its box starts at the box's corner.
TextOffset BlendTextOffset(int boxWidth, int boxHeight, int textWidth, int textHeight, int alignment);

// The top of the text cell of a button's centred caption: the font height centred in
// [top, bottom), truncated toward zero.
int CentredTextTop(int top, int bottom, int fontHeight);

// A text pixel of the given colour at coverage 0-255, premultiplied for AlphaBlend.
Argb TextPixel(int red, int green, int blue, int coverage);
