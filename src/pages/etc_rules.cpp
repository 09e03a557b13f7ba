#include "pages/etc_rules.h"

#include <cwchar>

namespace {
// As the camera stores them: the rows do not add up to 1.
constexpr ShareRow kTypeA = {0.606f, 0.2f, 0.05f, 0.03f, 0.1f};
constexpr ShareRow kTypeB = {0.363f, 0.15f, 0.05f, 0.03f, 0.4f};
constexpr ShareRow kTypeC = {0.536f, 0.15f, 0.15f, 0.05f, 0.1f};
}  // namespace

const ShareRow& PartitionShares(std::int32_t memoryPartition) {
    switch (memoryPartition) {
        case 2:
            return kTypeB;
        case 3:
            return kTypeC;
        default:
            return kTypeA;
    }
}

int ShareBarWidth(float share) {
    return static_cast<int>(static_cast<double>(share) * 450.0);
}

std::wstring ShareText(float share) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%3.1f%%", static_cast<double>(share * 100.0f));
    return text;
}
