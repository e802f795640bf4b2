#include "editing/HtmlColorScheme.h"

#include <algorithm>
#include <cmath>

namespace {

struct Hue
{
    double degrees;
    double saturation;
};

// In the order of HtmlScanner::Kind. Comments are muted on purpose: they are read least.
constexpr Hue Hues[HtmlScanner::KindCount] = {
    {220, 0.85}, // tag: blue
    {20, 0.80},  // attribute name: brown to orange
    {290, 0.70}, // attribute value: purple
    {120, 0.35}, // comment: grey-green
    {345, 0.85}, // entity: crimson
    {195, 0.45}, // declaration: slate teal
    {170, 0.80}, // style sheet: teal
    {40, 0.85},  // script: ochre
};

// Aim a little above the minimum, so that rounding to 8 bits never takes a colour below it.
constexpr double Aim = HtmlColorScheme::MinimumContrast + 0.15;

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int toByte(double v)
{
    return std::clamp(int(std::lround(v * 255.0)), 0, 255);
}

RgbColor fromHsl(double hue, double saturation, double lightness)
{
    const double c = (1.0 - std::abs(2.0 * lightness - 1.0)) * saturation;
    const double h = std::fmod(hue, 360.0) / 60.0;
    const double x = c * (1.0 - std::abs(std::fmod(h, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    if (h < 1) {
        r = c, g = x;
    } else if (h < 2) {
        r = x, g = c;
    } else if (h < 3) {
        g = c, b = x;
    } else if (h < 4) {
        g = x, b = c;
    } else if (h < 5) {
        r = x, b = c;
    } else {
        r = c, b = x;
    }
    const double m = lightness - c / 2.0;
    return RgbColor{toByte(r + m), toByte(g + m), toByte(b + m)};
}

} // namespace

double HtmlColorScheme::luminance(const RgbColor &c)
{
    return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
}

double HtmlColorScheme::contrast(const RgbColor &a, const RgbColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

HtmlColorScheme::Colors HtmlColorScheme::derive(const RgbColor &background)
{
    // Dark text on a box where black stands out more than white, light text otherwise;
    // one of the two always reaches 4.58:1, so the search below always finds a colour.
    const bool darkText = contrast(RgbColor{0, 0, 0}, background) >= contrast(RgbColor{255, 255, 255}, background);
    Colors colors;
    for (int k = 0; k < HtmlScanner::KindCount; ++k) {
        const Hue hue = Hues[k];
        // Start from a comfortable shade and move towards black or white only as far as needed.
        // Luminance grows with HSL lightness, so a bisection finds the closest shade.
        double lo = darkText ? 0.0 : 0.62;
        double hi = darkText ? 0.42 : 1.0;
        const RgbColor preferred = fromHsl(hue.degrees, hue.saturation, darkText ? hi : lo);
        RgbColor best = preferred;
        if (contrast(preferred, background) < Aim) {
            best = darkText ? RgbColor{0, 0, 0} : RgbColor{255, 255, 255};
            for (int step = 0; step < 24; ++step) {
                const double mid = (lo + hi) / 2.0;
                const RgbColor c = fromHsl(hue.degrees, hue.saturation, mid);
                const bool enough = contrast(c, background) >= Aim;
                if (enough)
                    best = c;
                // Keep the lightness that passes nearest the preferred shade.
                if (darkText == enough)
                    lo = mid;
                else
                    hi = mid;
            }
        }
        colors[k] = best;
    }
    return colors;
}
