#include "app/core/skin_table.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace core {
namespace {

// Light skins first, then the coloured ones, then the dark ones. Skin 4,
// which the program wears, keeps the page colour of its layout and a quiet
// slate-violet caption.
constexpr SkinSeed kSeeds[] = {
    {"晨雾 Morning Mist", Rgb(240, 242, 245), Rgb(70, 110, 160)},
    {"宣纸 Rice Paper", Rgb(246, 242, 232), Rgb(150, 110, 60)},
    {"青瓷 Celadon", Rgb(232, 242, 236), Rgb(60, 120, 100)},
    {"淡紫 Lilac Slate", Rgb(242, 236, 243), Rgb(92, 84, 132)},
    {"素白 Plain White", Rgb(250, 250, 250), Rgb(90, 90, 90)},
    {"天青 Sky Blue", Rgb(234, 242, 250), Rgb(40, 110, 190)},
    {"杏仁 Almond", Rgb(248, 240, 228), Rgb(180, 110, 50)},
    {"薄荷 Mint", Rgb(234, 248, 240), Rgb(30, 150, 110)},
    {"樱粉 Cherry Blossom", Rgb(250, 238, 242), Rgb(190, 80, 120)},
    {"麦穗 Wheat", Rgb(246, 240, 220), Rgb(160, 130, 40)},
    {"银灰 Silver", Rgb(232, 232, 236), Rgb(100, 104, 120)},
    {"湖蓝 Lake", Rgb(230, 240, 244), Rgb(30, 120, 150)},
    {"茶白 Tea", Rgb(240, 238, 226), Rgb(110, 120, 70)},
    {"藕荷 Lotus Root", Rgb(244, 236, 240), Rgb(150, 90, 130)},
    {"沙丘 Dune", Rgb(244, 236, 222), Rgb(170, 120, 70)},
    {"冰川 Glacier", Rgb(236, 244, 248), Rgb(60, 140, 180)},
    {"象牙 Ivory", Rgb(250, 248, 238), Rgb(130, 120, 90)},
    {"雪松 Cedar", Rgb(236, 240, 232), Rgb(80, 110, 70)},
    {"珍珠 Pearl", Rgb(244, 244, 246), Rgb(120, 110, 150)},
    {"晴空 Clear Sky", Rgb(238, 244, 252), Rgb(20, 100, 210)},
    {"暖灰 Warm Grey", Rgb(238, 234, 230), Rgb(120, 100, 90)},
    {"海盐 Sea Salt", Rgb(236, 242, 242), Rgb(70, 130, 130)},
    {"柠檬 Lemon", Rgb(250, 248, 226), Rgb(170, 150, 20)},
    {"丁香 Lavender", Rgb(240, 236, 248), Rgb(110, 80, 170)},
    {"石青 Azurite", Rgb(232, 238, 246), Rgb(40, 80, 150)},
    {"苔绿 Moss", Rgb(236, 242, 228), Rgb(90, 130, 50)},
    {"珊瑚 Coral", Rgb(250, 238, 232), Rgb(210, 100, 70)},
    {"云杉 Spruce", Rgb(232, 240, 238), Rgb(40, 100, 90)},
    {"燕麦 Oat", Rgb(242, 238, 230), Rgb(140, 120, 90)},
    {"蓝莓 Blueberry", Rgb(236, 236, 246), Rgb(70, 70, 150)},
    {"胭脂 Rouge", Rgb(246, 234, 236), Rgb(170, 40, 60)},
    {"松石 Turquoise", Rgb(228, 244, 244), Rgb(20, 150, 150)},
    {"琥珀 Amber", Rgb(248, 238, 222), Rgb(200, 120, 20)},
    {"烟雨 Misty Rain", Rgb(234, 238, 240), Rgb(90, 110, 120)},
    {"桃夭 Peach", Rgb(252, 238, 230), Rgb(220, 120, 90)},
    {"竹青 Bamboo", Rgb(234, 244, 232), Rgb(60, 140, 70)},
    {"黛蓝 Indigo Ink", Rgb(232, 234, 242), Rgb(50, 60, 110)},
    {"霜叶 Maple", Rgb(246, 236, 230), Rgb(180, 70, 40)},
    {"月白 Moon White", Rgb(240, 244, 248), Rgb(100, 130, 160)},
    {"砂岩 Sandstone", Rgb(240, 232, 224), Rgb(150, 100, 70)},
    {"海军 Navy", Rgb(210, 220, 236), Rgb(20, 40, 100)},
    {"森林 Forest", Rgb(214, 230, 214), Rgb(30, 90, 40)},
    {"砖红 Brick", Rgb(236, 218, 210), Rgb(150, 50, 30)},
    {"钴蓝 Cobalt", Rgb(206, 220, 244), Rgb(0, 70, 170)},
    {"橄榄 Olive", Rgb(226, 228, 206), Rgb(110, 110, 30)},
    {"葡萄 Grape", Rgb(226, 214, 236), Rgb(100, 40, 130)},
    {"赭石 Ochre", Rgb(240, 224, 196), Rgb(170, 110, 20)},
    {"孔雀 Peacock", Rgb(206, 232, 232), Rgb(0, 110, 120)},
    {"玫瑰 Rose", Rgb(242, 214, 222), Rgb(180, 50, 90)},
    {"靛青 Indigo", Rgb(214, 216, 240), Rgb(50, 40, 140)},
    {"橙光 Tangerine", Rgb(250, 226, 204), Rgb(220, 100, 0)},
    {"翡翠 Jade", Rgb(208, 236, 220), Rgb(0, 130, 80)},
    {"石墨 Graphite", Rgb(60, 62, 66), Rgb(90, 140, 200)},
    {"午夜 Midnight", Rgb(30, 34, 44), Rgb(80, 120, 220)},
    {"炭黑 Charcoal", Rgb(44, 44, 44), Rgb(200, 140, 60)},
    {"深海 Deep Sea", Rgb(20, 40, 52), Rgb(40, 170, 190)},
    {"墨绿 Dark Pine", Rgb(28, 44, 36), Rgb(70, 170, 110)},
    {"夜紫 Night Violet", Rgb(40, 32, 52), Rgb(150, 100, 210)},
    {"咖啡 Coffee", Rgb(52, 40, 34), Rgb(190, 130, 80)},
    {"乌木 Ebony", Rgb(24, 24, 26), Rgb(120, 120, 130)},
    {"暗红 Dark Crimson", Rgb(48, 28, 30), Rgb(200, 60, 70)},
    {"星空 Starry Night", Rgb(22, 26, 48), Rgb(230, 190, 80)},
    {"板岩 Slate", Rgb(54, 60, 70), Rgb(110, 160, 170)},
    {"夜航 Night Flight", Rgb(32, 38, 40), Rgb(0, 160, 140)},
    {"熔岩 Lava", Rgb(40, 30, 26), Rgb(230, 90, 30)},
    {"极光 Aurora", Rgb(20, 36, 40), Rgb(90, 220, 160)},
    {"暮色 Dusk", Rgb(46, 40, 56), Rgb(220, 120, 140)},
};
static_assert(std::size(kSeeds) == kStoredSkinCount, "one seed per stored skin");

}  // namespace

Colour MixColour(Colour a, Colour b, int weight) {
    const auto mix = [weight](int x, int y) { return x + ((y - x) * weight + (y > x ? 127 : -127)) / 255; };
    return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

int Lightness(Colour c) { return (RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114) / 1000; }

namespace {

double RelativeLuminance(Colour c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(RedOf(c)) + 0.7152 * channel(GreenOf(c)) + 0.0722 * channel(BlueOf(c));
}

// Black or white, whichever reads better on `background`.
Colour InkFor(Colour background) {
    const Colour black = Rgb(0, 0, 0), white = Rgb(255, 255, 255);
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}

// `background`, moved away from `ink` until text in `ink` reads on it
// (the contrast ratio body text needs, 4.5).
Colour ReadableUnder(Colour background, Colour ink) {
    const Colour away = ink == Rgb(0, 0, 0) ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
    for (int step = 0; step < 16 && ContrastRatio(ink, background) < 4.5; ++step) {
        background = MixColour(background, away, 24);
    }
    return background;
}

}  // namespace

double ContrastRatio(Colour a, Colour b) {
    const double x = RelativeLuminance(a), y = RelativeLuminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

const SkinSeed& StoredSkinSeed(int stored) {
    return kSeeds[(stored >= 1 && stored <= kStoredSkinCount ? stored : 1) - 1];
}

SkinStyle SkinFromSeed(const SkinSeed& seed) {
    const Colour black = Rgb(0, 0, 0), white = Rgb(255, 255, 255);
    const bool dark = Lightness(seed.page) < 128;
    // "Ink" reads on the page, "paper" is the page pushed further away from it.
    const Colour ink = dark ? white : black;
    const Colour paper = dark ? black : white;

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

}  // namespace core
