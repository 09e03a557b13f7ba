#pragma once
// The memory card page's share bars: how the camera divides the card among its five
// kinds of recording for each partition type.

#include <array>
#include <cstdint>
#include <string>

using ShareRow = std::array<float, 5>;  // continuous, incident, parking motion, incident (parking), manual

// The shares of a partition type; any type but 2 and 3 shows type 1's.
const ShareRow& PartitionShares(std::int32_t memoryPartition);
// A bar's length in pixels for a share of the 450-pixel scale.
int ShareBarWidth(float share);
// "60.6%".
std::wstring ShareText(float share);
