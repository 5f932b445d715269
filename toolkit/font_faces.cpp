#include "toolkit/font_faces.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace toolkit {

namespace {

constexpr std::string_view KaiFace = "AR PL UKai CN";

// Faces the descriptions may name that fontconfig does not know under those names.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> Substitutes{{
    {"楷体", KaiFace},
    {"楷体_GB2312", KaiFace},
    {"KaiTi", KaiFace},
    {"KaiTi_GB2312", KaiFace},
    {"宋体", DefaultGuiFace},
    {"SimSun", DefaultGuiFace},
    {"微软雅黑", DefaultGuiFace},
    {"Microsoft YaHei", DefaultGuiFace},
}};

} // namespace

std::string installedFace(std::string_view requestedFace) {
    if (requestedFace.empty())
        return std::string(DefaultGuiFace);
    for (const auto& [name, face] : Substitutes)
        if (name == requestedFace)
            return std::string(face);
    return std::string(requestedFace);
}

int pixelSizeForHeight(int height) {
    if (height == 0)
        return DefaultGuiPixelSize;
    if (height < 0)
        return -height;
    return std::max(1, height * 4 / 5);
}

} // namespace toolkit
