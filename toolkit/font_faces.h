#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// The face the system's default GUI font uses, and the size it has (9 pt at 96 dpi).
inline constexpr std::string_view DefaultGuiFace = "WenQuanYi Micro Hei";
inline constexpr int DefaultGuiPixelSize = 12;

// Face names as descriptions store them (decoded to UTF-8) mapped to a face that is installed.
// An empty name leaves the choice to the system, which picks the default GUI face.
std::string installedFace(std::string_view requestedFace);

// The pixel size of a logical font's height: negative heights are character heights, positive ones
// cell heights (characters are then about 80 % of it), 0 the default size.
int pixelSizeForHeight(int height);

} // namespace toolkit
