#include "colour/core/colour_measures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace colour::core {
namespace {

constexpr double kThresholds[] = {3.0, 4.5, 7.0};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(base::Colour colour) {
    return 0.2126 * Linear(base::RedOf(colour)) + 0.7152 * Linear(base::GreenOf(colour)) +
           0.0722 * Linear(base::BlueOf(colour));
}

double ContrastRatio(base::Colour a, base::Colour b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string RatioText(double ratio) {
    // Two decimals, as contrast ratios are published; where rounding would
    // lift a failing ratio onto a threshold (4.496 to "4.50"), three decimals
    // cut short, so that the number never contradicts its verdict.
    char text[32];
    const double rounded = std::round(ratio * 100) / 100;
    const bool misleading = std::any_of(std::begin(kThresholds), std::end(kThresholds),
                                        [&](double t) { return ratio < t && rounded >= t; });
    if (misleading) {
        std::snprintf(text, sizeof text, "%.3f", std::floor(ratio * 1000) / 1000);
    } else {
        std::snprintf(text, sizeof text, "%.2f", rounded);
    }
    return text;
}

ContrastVerdicts VerdictsOf(double ratio) { return {ratio >= 4.5, ratio >= 3.0, ratio >= 7.0, ratio >= 4.5}; }

ContrastLines ContrastTexts(base::Colour chosen, base::Colour sampled) {
    const double ratio = ContrastRatio(chosen, sampled);
    const ContrastVerdicts v = VerdictsOf(ratio);
    const auto line = [](const char* level, bool normal, bool large) {
        return std::string(level) + "：正文" + (normal ? "通过" : "不通过") + "，大字" + (large ? "通过" : "不通过");
    };
    return {"对比度 " + RatioText(ratio) + ":1", line("AA", v.aaNormal, v.aaLarge),
            line("AAA", v.aaaNormal, v.aaaLarge)};
}

base::Colour AverageColour(const std::vector<base::Colour>& pixels, int width, int height, int x, int y, int size) {
    const int half = std::max(size, 1) / 2;
    long r = 0, g = 0, b = 0, n = 0;
    for (int row = std::max(y - half, 0); row <= std::min(y + half, height - 1); ++row) {
        for (int column = std::max(x - half, 0); column <= std::min(x + half, width - 1); ++column) {
            const base::Colour c = pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                          static_cast<std::size_t>(column)];
            r += base::RedOf(c);
            g += base::GreenOf(c);
            b += base::BlueOf(c);
            ++n;
        }
    }
    if (n == 0) return 0;
    return base::Rgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                     static_cast<int>((b + n / 2) / n));
}

}  // namespace colour::core
