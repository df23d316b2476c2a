#include "mainwindow/WindowPicture.h"

#include <cmath>

namespace WindowPicture {

int PictureId(double dotsPerInch) {
    constexpr double kTwipsPerInch = 1440;
    if (dotsPerInch <= 0)
        return 119;
    return std::lround(kTwipsPerInch / dotsPerInch) >= 15 ? 119 : 120;
}

} // namespace WindowPicture
