// The ".TSK" skin file's writer and reader, the skin number table, and the
// stored skins.
#include <gtest/gtest.h>

#include <set>

#include "app/core/main_layout.h"
#include "skin/core/skin_file.h"
#include "skin/core/skin_table.h"

namespace {

skin::core::SkinStyle Sample() {
    skin::core::SkinStyle skin;
    skin.name = "薄荷 mint";
    for (std::size_t i = 0; i < skin.colours.size(); ++i) skin.colours[i] = 0x010203u * static_cast<std::uint32_t>(i + 1) + 0xF0000000u * (i % 2);
    skin.metrics = {22, 4, 3};
    return skin;
}

TEST(SkinFile, WritesTheHeaderAndReadsBackWhatWasWritten) {
    const std::string bytes = skin::core::WriteSkinFile(Sample());
    ASSERT_GE(bytes.size(), skin::core::kSkinHeaderSize);
    EXPECT_EQ(bytes.substr(0, 6), std::string(".TSK\0\x03", 6));
    const auto read = skin::core::ReadSkinFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, Sample().name);
    EXPECT_EQ(read->colours, Sample().colours);
    EXPECT_EQ(read->metrics, Sample().metrics);
}

TEST(SkinFile, SkipsRecordsItDoesNotKnow) {
    std::string bytes = skin::core::WriteSkinFile(Sample());
    const std::string extra = std::string("\x09\x02\x00", 3) + "zz";
    bytes += extra;
    const std::uint32_t body = static_cast<std::uint32_t>(bytes.size() - skin::core::kSkinHeaderSize);
    for (int k = 0; k < 4; ++k) bytes[6 + k] = static_cast<char>((body >> (8 * k)) & 0xFF);
    const auto read = skin::core::ReadSkinFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->colours, Sample().colours);
}

TEST(SkinFile, RefusesShortWrongAndOversizedInput) {
    const std::string good = skin::core::WriteSkinFile(Sample());
    EXPECT_FALSE(skin::core::ReadSkinFile(""));
    EXPECT_FALSE(skin::core::ReadSkinFile(good.substr(0, 9)));                 // shorter than the header
    EXPECT_FALSE(skin::core::ReadSkinFile(good.substr(0, good.size() - 1)));   // body cut short
    EXPECT_FALSE(skin::core::ReadSkinFile(good + "x"));                        // more than the body says
    std::string wrong = good;
    wrong[1] = 't';
    EXPECT_FALSE(skin::core::ReadSkinFile(wrong));                             // ".tSK"
    wrong = good;
    wrong[5] = '\x02';
    EXPECT_FALSE(skin::core::ReadSkinFile(wrong));                             // another format
    // A body larger than any skin, whether or not the bytes are all there.
    std::string huge = good.substr(0, skin::core::kSkinHeaderSize);
    const std::uint32_t size = skin::core::kMaxSkinBody + 1;
    for (int k = 0; k < 4; ++k) huge[6 + k] = static_cast<char>((size >> (8 * k)) & 0xFF);
    EXPECT_FALSE(skin::core::ReadSkinFile(huge));
    huge += std::string(size, '\x09');
    EXPECT_FALSE(skin::core::ReadSkinFile(huge));
    // A record whose length runs past the end.
    std::string cut = good.substr(0, skin::core::kSkinHeaderSize) + std::string("\x01\xFF\x00", 3) + "ab";
    const std::uint32_t body = 5;
    for (int k = 0; k < 4; ++k) cut[6 + k] = static_cast<char>((body >> (8 * k)) & 0xFF);
    EXPECT_FALSE(skin::core::ReadSkinFile(cut));
}

TEST(SkinNumbers, TenNumbersReuseAnotherAndTheRestMapOneToOne) {
    EXPECT_EQ(skin::core::StoredSkinOfNumber(35), skin::core::StoredSkinOfNumber(4));
    const int reuses[][2] = {{16, 6}, {19, 7}, {23, 10}, {25, 1}, {30, 26}, {35, 4}, {38, 11}, {47, 36}, {51, 3}, {54, 9}};
    for (const auto& r : reuses) EXPECT_EQ(skin::core::StoredSkinOfNumber(r[0]), skin::core::StoredSkinOfNumber(r[1])) << r[0];
    for (int none : {-1, 0, 78, 1000}) EXPECT_EQ(skin::core::StoredSkinOfNumber(none), 0) << none;

    std::set<int> stored;
    int ownNumbers = 0;
    for (int n = 1; n <= skin::core::kHighestSkinNumber; ++n) {
        const int s = skin::core::StoredSkinOfNumber(n);
        ASSERT_GE(s, 1);
        ASSERT_LE(s, skin::core::kStoredSkinCount);
        if (stored.insert(s).second) ++ownNumbers;
    }
    EXPECT_EQ(ownNumbers, skin::core::kStoredSkinCount);  // every stored skin is used, none twice but the reuses
    EXPECT_EQ(skin::core::StoredSkinOfNumber(1), 1);
    EXPECT_EQ(skin::core::StoredSkinOfNumber(17), 16);  // after the first reuse
    EXPECT_EQ(skin::core::StoredSkinOfNumber(77), 67);
}

}  // namespace

// --- The stored skins -------------------------------------------------------

namespace {

using skin::core::ContrastRatio;

TEST(StoredSkins, EveryOneIsAFileThatReadsBackWithItsNameAndColours) {
    std::set<std::string> names;
    for (int stored = 1; stored <= skin::core::kStoredSkinCount; ++stored) {
        const std::string bytes = skin::core::StoredSkinFile(stored);
        const auto read = skin::core::ReadSkinFile(bytes);
        ASSERT_TRUE(read) << stored;
        const skin::core::SkinStyle expected = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(stored));
        EXPECT_EQ(read->name, expected.name) << stored;
        EXPECT_EQ(read->colours, expected.colours) << stored;
        EXPECT_EQ(read->metrics, expected.metrics) << stored;
        EXPECT_TRUE(names.insert(read->name).second) << "a second skin named " << read->name;
    }
    EXPECT_TRUE(skin::core::StoredSkinFile(0).empty());
    EXPECT_TRUE(skin::core::StoredSkinFile(skin::core::kStoredSkinCount + 1).empty());
}

// Every text of every skin reads on what it is written on (WCAG's 4.5 for
// body text), and the skins are a real range of light and dark ones.
TEST(StoredSkins, TextsReadOnTheirBackgroundsInEverySkin) {
    int light = 0, dark = 0;
    for (int stored = 1; stored <= skin::core::kStoredSkinCount; ++stored) {
        const skin::core::SkinStyle s = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(stored));
        const auto& c = s.colours;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinText], c[skin::core::kSkinWindow]), 4.5) << s.name;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinButtonText], c[skin::core::kSkinButton]), 4.5) << s.name;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinButtonText], c[skin::core::kSkinButtonHot]), 4.5) << s.name;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinEditText], c[skin::core::kSkinEdit]), 4.5) << s.name;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinCaptionText], c[skin::core::kSkinCaption]), 4.5) << s.name;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinMenuText], c[skin::core::kSkinMenu]), 4.5) << s.name;
        // Frames and the accent stand out from the page.
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinFrame], c[skin::core::kSkinWindow]), 1.8) << s.name;
        EXPECT_GE(ContrastRatio(c[skin::core::kSkinAccent], c[skin::core::kSkinEdit]), 1.8) << s.name;
        (skin::core::Lightness(c[skin::core::kSkinWindow]) < 128 ? dark : light) += 1;
    }
    EXPECT_GE(dark, 10);
    EXPECT_GE(light, 40);
}

// The skin the program wears keeps the page colour of its layout.
TEST(StoredSkins, TheProgramsSkinKeepsItsPageColour) {
    const int stored = skin::core::StoredSkinOfNumber(skin::core::kProgramSkinNumber);
    ASSERT_EQ(stored, 4);
    EXPECT_EQ(skin::core::SkinFromSeed(skin::core::StoredSkinSeed(stored)).colours[skin::core::kSkinWindow], app::core::kPageColour);
}

TEST(StoredSkins, ContrastRunsFromOneToTwentyOne) {
    EXPECT_NEAR(ContrastRatio(base::Rgb(0, 0, 0), base::Rgb(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(base::Rgb(90, 90, 90), base::Rgb(90, 90, 90)), 1.0, 1e-9);
    // A known pair: #777777 on white is just below body-text contrast.
    EXPECT_NEAR(ContrastRatio(base::Rgb(0x77, 0x77, 0x77), base::Rgb(255, 255, 255)), 4.48, 0.01);
}

TEST(StoredSkins, MixingGoesFromOneColourToTheOther) {
    const base::Colour a = base::Rgb(10, 200, 30), b = base::Rgb(250, 0, 130);
    EXPECT_EQ(skin::core::MixColour(a, b, 0), a);
    EXPECT_EQ(skin::core::MixColour(a, b, 255), b);
    EXPECT_EQ(skin::core::MixColour(a, b, 128), base::Rgb(130, 100, 80));
}

}  // namespace
