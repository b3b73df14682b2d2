#pragma once

#include <cmath>

// Window layout and print positions are given in twips (1/1440 inch). On screen 15 twips
// make one device-independent pixel at 96 dpi; Qt's device-pixel ratio does the rest.
namespace Twips {

constexpr int JePixel = 15;

constexpr int zuPixel(double twips)
{
    const double p = twips / JePixel;
    return int(p < 0 ? p - 0.5 : p + 0.5);
}

constexpr double ausPixel(double pixel)
{
    return pixel * JePixel;
}

} // namespace Twips
