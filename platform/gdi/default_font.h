// The one font of the headless platform, whose metrics every device context reports and from
// which dialog units and the rows of lists are measured: the default font of a device context at
// 96 dpi.
#pragma once

namespace qxplatform {

inline constexpr int fontAverageCharWidth = 7;
inline constexpr int fontHeight = 16;
inline constexpr int fontAscent = 13;
inline constexpr int fontMaxCharWidth = 14;
inline constexpr int fontWeight = 700;

}  // namespace qxplatform
