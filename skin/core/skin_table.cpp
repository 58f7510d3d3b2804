#include "skin/core/skin_table.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace skin::core {
namespace {

// Light skins first, then the coloured ones, then the dark ones. Skin 4,
// which the program wears, keeps the page colour of its layout and a quiet
// slate-violet caption.
constexpr SkinSeed kSeeds[] = {
    {"晨雾 Morning Mist", base::Rgb(240, 242, 245), base::Rgb(70, 110, 160)},
    {"宣纸 Rice Paper", base::Rgb(246, 242, 232), base::Rgb(150, 110, 60)},
    {"青瓷 Celadon", base::Rgb(232, 242, 236), base::Rgb(60, 120, 100)},
    {"淡紫 Lilac Slate", base::Rgb(242, 236, 243), base::Rgb(92, 84, 132)},
    {"素白 Plain White", base::Rgb(250, 250, 250), base::Rgb(90, 90, 90)},
    {"天青 Sky Blue", base::Rgb(234, 242, 250), base::Rgb(40, 110, 190)},
    {"杏仁 Almond", base::Rgb(248, 240, 228), base::Rgb(180, 110, 50)},
    {"薄荷 Mint", base::Rgb(234, 248, 240), base::Rgb(30, 150, 110)},
    {"樱粉 Cherry Blossom", base::Rgb(250, 238, 242), base::Rgb(190, 80, 120)},
    {"麦穗 Wheat", base::Rgb(246, 240, 220), base::Rgb(160, 130, 40)},
    {"银灰 Silver", base::Rgb(232, 232, 236), base::Rgb(100, 104, 120)},
    {"湖蓝 Lake", base::Rgb(230, 240, 244), base::Rgb(30, 120, 150)},
    {"茶白 Tea", base::Rgb(240, 238, 226), base::Rgb(110, 120, 70)},
    {"藕荷 Lotus Root", base::Rgb(244, 236, 240), base::Rgb(150, 90, 130)},
    {"沙丘 Dune", base::Rgb(244, 236, 222), base::Rgb(170, 120, 70)},
    {"冰川 Glacier", base::Rgb(236, 244, 248), base::Rgb(60, 140, 180)},
    {"象牙 Ivory", base::Rgb(250, 248, 238), base::Rgb(130, 120, 90)},
    {"雪松 Cedar", base::Rgb(236, 240, 232), base::Rgb(80, 110, 70)},
    {"珍珠 Pearl", base::Rgb(244, 244, 246), base::Rgb(120, 110, 150)},
    {"晴空 Clear Sky", base::Rgb(238, 244, 252), base::Rgb(20, 100, 210)},
    {"暖灰 Warm Grey", base::Rgb(238, 234, 230), base::Rgb(120, 100, 90)},
    {"海盐 Sea Salt", base::Rgb(236, 242, 242), base::Rgb(70, 130, 130)},
    {"柠檬 Lemon", base::Rgb(250, 248, 226), base::Rgb(170, 150, 20)},
    {"丁香 Lavender", base::Rgb(240, 236, 248), base::Rgb(110, 80, 170)},
    {"石青 Azurite", base::Rgb(232, 238, 246), base::Rgb(40, 80, 150)},
    {"苔绿 Moss", base::Rgb(236, 242, 228), base::Rgb(90, 130, 50)},
    {"珊瑚 Coral", base::Rgb(250, 238, 232), base::Rgb(210, 100, 70)},
    {"云杉 Spruce", base::Rgb(232, 240, 238), base::Rgb(40, 100, 90)},
    {"燕麦 Oat", base::Rgb(242, 238, 230), base::Rgb(140, 120, 90)},
    {"蓝莓 Blueberry", base::Rgb(236, 236, 246), base::Rgb(70, 70, 150)},
    {"胭脂 Rouge", base::Rgb(246, 234, 236), base::Rgb(170, 40, 60)},
    {"松石 Turquoise", base::Rgb(228, 244, 244), base::Rgb(20, 150, 150)},
    {"琥珀 Amber", base::Rgb(248, 238, 222), base::Rgb(200, 120, 20)},
    {"烟雨 Misty Rain", base::Rgb(234, 238, 240), base::Rgb(90, 110, 120)},
    {"桃夭 Peach", base::Rgb(252, 238, 230), base::Rgb(220, 120, 90)},
    {"竹青 Bamboo", base::Rgb(234, 244, 232), base::Rgb(60, 140, 70)},
    {"黛蓝 Indigo Ink", base::Rgb(232, 234, 242), base::Rgb(50, 60, 110)},
    {"霜叶 Maple", base::Rgb(246, 236, 230), base::Rgb(180, 70, 40)},
    {"月白 Moon White", base::Rgb(240, 244, 248), base::Rgb(100, 130, 160)},
    {"砂岩 Sandstone", base::Rgb(240, 232, 224), base::Rgb(150, 100, 70)},
    {"海军 Navy", base::Rgb(210, 220, 236), base::Rgb(20, 40, 100)},
    {"森林 Forest", base::Rgb(214, 230, 214), base::Rgb(30, 90, 40)},
    {"砖红 Brick", base::Rgb(236, 218, 210), base::Rgb(150, 50, 30)},
    {"钴蓝 Cobalt", base::Rgb(206, 220, 244), base::Rgb(0, 70, 170)},
    {"橄榄 Olive", base::Rgb(226, 228, 206), base::Rgb(110, 110, 30)},
    {"葡萄 Grape", base::Rgb(226, 214, 236), base::Rgb(100, 40, 130)},
    {"赭石 Ochre", base::Rgb(240, 224, 196), base::Rgb(170, 110, 20)},
    {"孔雀 Peacock", base::Rgb(206, 232, 232), base::Rgb(0, 110, 120)},
    {"玫瑰 Rose", base::Rgb(242, 214, 222), base::Rgb(180, 50, 90)},
    {"靛青 Indigo", base::Rgb(214, 216, 240), base::Rgb(50, 40, 140)},
    {"橙光 Tangerine", base::Rgb(250, 226, 204), base::Rgb(220, 100, 0)},
    {"翡翠 Jade", base::Rgb(208, 236, 220), base::Rgb(0, 130, 80)},
    {"石墨 Graphite", base::Rgb(60, 62, 66), base::Rgb(90, 140, 200)},
    {"午夜 Midnight", base::Rgb(30, 34, 44), base::Rgb(80, 120, 220)},
    {"炭黑 Charcoal", base::Rgb(44, 44, 44), base::Rgb(200, 140, 60)},
    {"深海 Deep Sea", base::Rgb(20, 40, 52), base::Rgb(40, 170, 190)},
    {"墨绿 Dark Pine", base::Rgb(28, 44, 36), base::Rgb(70, 170, 110)},
    {"夜紫 Night Violet", base::Rgb(40, 32, 52), base::Rgb(150, 100, 210)},
    {"咖啡 Coffee", base::Rgb(52, 40, 34), base::Rgb(190, 130, 80)},
    {"乌木 Ebony", base::Rgb(24, 24, 26), base::Rgb(120, 120, 130)},
    {"暗红 Dark Crimson", base::Rgb(48, 28, 30), base::Rgb(200, 60, 70)},
    {"星空 Starry Night", base::Rgb(22, 26, 48), base::Rgb(230, 190, 80)},
    {"板岩 Slate", base::Rgb(54, 60, 70), base::Rgb(110, 160, 170)},
    {"夜航 Night Flight", base::Rgb(32, 38, 40), base::Rgb(0, 160, 140)},
    {"熔岩 Lava", base::Rgb(40, 30, 26), base::Rgb(230, 90, 30)},
    {"极光 Aurora", base::Rgb(20, 36, 40), base::Rgb(90, 220, 160)},
    {"暮色 Dusk", base::Rgb(46, 40, 56), base::Rgb(220, 120, 140)},
};
static_assert(std::size(kSeeds) == kStoredSkinCount, "one seed per stored skin");

}  // namespace

base::Colour MixColour(base::Colour a, base::Colour b, int weight) {
    const auto mix = [weight](int x, int y) { return x + ((y - x) * weight + (y > x ? 127 : -127)) / 255; };
    return base::Rgb(mix(base::RedOf(a), base::RedOf(b)), mix(base::GreenOf(a), base::GreenOf(b)), mix(base::BlueOf(a), base::BlueOf(b)));
}

int Lightness(base::Colour c) { return (base::RedOf(c) * 299 + base::GreenOf(c) * 587 + base::BlueOf(c) * 114) / 1000; }

namespace {

double RelativeLuminance(base::Colour c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(base::RedOf(c)) + 0.7152 * channel(base::GreenOf(c)) + 0.0722 * channel(base::BlueOf(c));
}

// Black or white, whichever reads better on `background`.
base::Colour InkFor(base::Colour background) {
    const base::Colour black = base::Rgb(0, 0, 0), white = base::Rgb(255, 255, 255);
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}

// `background`, moved away from `ink` until text in `ink` reads on it
// (the contrast ratio body text needs, 4.5).
base::Colour ReadableUnder(base::Colour background, base::Colour ink) {
    const base::Colour away = ink == base::Rgb(0, 0, 0) ? base::Rgb(255, 255, 255) : base::Rgb(0, 0, 0);
    for (int step = 0; step < 16 && ContrastRatio(ink, background) < 4.5; ++step) {
        background = MixColour(background, away, 24);
    }
    return background;
}

}  // namespace

double ContrastRatio(base::Colour a, base::Colour b) {
    const double x = RelativeLuminance(a), y = RelativeLuminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

const SkinSeed& StoredSkinSeed(int stored) {
    return kSeeds[(stored >= 1 && stored <= kStoredSkinCount ? stored : 1) - 1];
}

SkinStyle SkinFromSeed(const SkinSeed& seed) {
    const base::Colour black = base::Rgb(0, 0, 0), white = base::Rgb(255, 255, 255);
    const bool dark = Lightness(seed.page) < 128;
    // "Ink" reads on the page, "paper" is the page pushed further away from it.
    const base::Colour ink = dark ? white : black;
    const base::Colour paper = dark ? black : white;

    SkinStyle skin;
    skin.name = seed.name;
    auto& c = skin.colours;
    c[kSkinWindow] = seed.page;
    c[kSkinText] = MixColour(seed.page, ink, 225);
    // The caption keeps the accent's hue, made as dark or light as its
    // title needs to read.
    c[kSkinCaptionText] = InkFor(seed.accent);
    c[kSkinCaption] = ReadableUnder(seed.accent, c[kSkinCaptionText]);
    c[kSkinCaptionIdle] = MixColour(c[kSkinCaption], seed.page, 150);
    c[kSkinFrame] = MixColour(seed.page, ink, dark ? 90 : 80);
    c[kSkinButton] = MixColour(seed.page, paper, dark ? 60 : 150);
    c[kSkinButtonHot] = MixColour(c[kSkinButton], seed.accent, 60);
    c[kSkinButtonText] = c[kSkinText];
    c[kSkinEdit] = MixColour(seed.page, paper, dark ? 110 : 200);
    c[kSkinEditText] = MixColour(c[kSkinEdit], ink, 235);
    c[kSkinAccent] = seed.accent;
    c[kSkinMenu] = c[kSkinEdit];
    c[kSkinMenuText] = c[kSkinEditText];
    skin.metrics[kSkinBorderWidth] = 1;
    skin.metrics[kSkinCornerRadius] = dark ? 2 : 3;
    skin.metrics[kSkinCheckSize] = 13;
    return skin;
}

std::string StoredSkinFile(int stored) {
    if (stored < 1 || stored > kStoredSkinCount) return {};
    return WriteSkinFile(SkinFromSeed(kSeeds[stored - 1]));
}

}  // namespace skin::core
