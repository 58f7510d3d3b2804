// The ".TSK" skin file: what the skin engine needs to draw a skin, as bytes.
//
//   bytes 0-3   ".TSK"
//   bytes 4-5   00 03 (format 3)
//   bytes 6-9   size of the body that follows, little-endian (at most
//               kMaxSkinBody; the file ends with the body)
//   body        records: a one-byte key, a two-byte little-endian length,
//               that many bytes. Key 1: the skin's name (UTF-8). Key 2: the
//               colours, four bytes each (red in the low byte), in the order
//               of SkinColour. Key 3: the metrics, one byte each, in the
//               order of SkinMetric. Records of other keys are skipped, so
//               a newer writer's additions do not break an older reader; a
//               colour or metric record shorter than this reader's list
//               leaves the rest at their defaults.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skin::core {

enum SkinColour : std::size_t {
    kSkinWindow,        // window and page background
    kSkinText,          // labels, check boxes, radio buttons
    kSkinCaption,       // caption bar of the active window
    kSkinCaptionIdle,   // caption bar of an inactive window
    kSkinCaptionText,
    kSkinFrame,         // window frame and control borders
    kSkinButton,        // button face
    kSkinButtonHot,     // button face under the mouse or pressed
    kSkinButtonText,
    kSkinEdit,          // edit, combo and tree background
    kSkinEditText,
    kSkinAccent,        // selection, focus, check marks, the selected tab
    kSkinMenu,
    kSkinMenuText,
    kSkinColourCount
};

// Lengths in pixels at 96 DPI; the engine scales them with the window's DPI.
enum SkinMetric : std::size_t {
    kSkinBorderWidth,   // control borders and the caption's underline
    kSkinCornerRadius,  // buttons and tabs
    kSkinCheckSize,     // the square of a check box, the circle of a radio button
    kSkinMetricCount
};

struct SkinStyle {
    std::string name;
    std::array<std::uint32_t, kSkinColourCount> colours{};
    std::array<std::uint8_t, kSkinMetricCount> metrics{};
};

inline constexpr std::string_view kSkinMagic = ".TSK";
inline constexpr std::size_t kSkinHeaderSize = 10;
inline constexpr std::size_t kMaxSkinBody = 64 * 1024;

std::string WriteSkinFile(const SkinStyle& skin);
// Nothing when the bytes are too short, do not start with ".TSK" 00 03, say
// a body larger than kMaxSkinBody, or do not end where the body says.
std::optional<SkinStyle> ReadSkinFile(std::string_view bytes);

// The stored skin (1 to 67) that a skin number 1 to 77 attaches: the
// numbers map onto the stored skins one to one, except that ten numbers
// reuse another number's skin (16 = 6, 19 = 7, 23 = 10, 25 = 1, 30 = 26,
// 35 = 4, 38 = 11, 47 = 36, 51 = 3, 54 = 9). 0 for any other number.
inline constexpr int kStoredSkinCount = 67;
inline constexpr int kHighestSkinNumber = 77;
int StoredSkinOfNumber(int number);
// The skin number the program always applies (stored skin 4).
inline constexpr int kProgramSkinNumber = 35;

}  // namespace skin::core
