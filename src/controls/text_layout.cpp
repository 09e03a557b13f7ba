#include "controls/text_layout.h"

TextOffset BlendTextOffset(int boxWidth, int boxHeight, int textWidth, int textHeight, int alignment) {
    TextOffset offset;
    offset.dy = (boxHeight - textHeight) / 2;
    if (offset.dy < 0) offset.dy = 0;
    if (alignment == static_cast<int>(TextAlign::Centred)) {
        const int free = boxWidth - textWidth;
        offset.dx = free / 2 + (free % 2 != 0 ? 1 : 0);
        if (offset.dx < 0) offset.dx = 0;
    }
    return offset;
}

int CentredTextTop(int top, int bottom, int fontHeight) {
    return top + (bottom - fontHeight - top) / 2;
}

Argb TextPixel(int red, int green, int blue, int coverage) {
    return Premultiply(MakeArgb(coverage, red, green, blue));
}
