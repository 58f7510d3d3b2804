#include "imaging/core/jpeg_encoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace imaging::core {
namespace {

// The quantisation tables of the JPEG standard's annex K, in natural order.
constexpr std::array<int, 64> kLuminanceQuant = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,  14, 13, 16, 24, 40,  57,
    69, 56, 14, 17, 22,  29,  51,  87,  80, 62, 18, 22, 37,  56,  68,  109, 103, 77, 24, 35, 55, 64,
    81, 104, 113, 92, 49, 64, 78,  87,  103, 121, 120, 101, 72, 92, 95,  98,  112, 100, 103, 99};
constexpr std::array<int, 64> kChrominanceQuant = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// Position in the block of the n-th coefficient in zig-zag order.
constexpr std::array<int, 64> kZigZag = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                         12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                         35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                         58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The standard JPEG Huffman tables: how many codes of each length 1..16, then
// the symbols in code order.
struct HuffmanCounts {
    std::array<std::uint8_t, 16> counts;
    std::vector<std::uint8_t> symbols;
};

const HuffmanCounts& DcLuminance() {
    static const HuffmanCounts huffman{{0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
                                  {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    return huffman;
}
const HuffmanCounts& DcChrominance() {
    static const HuffmanCounts huffman{{0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
                                  {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    return huffman;
}
const HuffmanCounts& AcLuminance() {
    static const HuffmanCounts huffman{
        {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d},
        {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71,
         0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72,
         0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37,
         0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59,
         0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
         0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3,
         0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3,
         0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2,
         0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}};
    return huffman;
}
const HuffmanCounts& AcChrominance() {
    static const HuffmanCounts huffman{
        {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77},
        {0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71, 0x13, 0x22,
         0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1,
         0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36,
         0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58,
         0x59, 0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
         0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a,
         0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba,
         0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda,
         0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}};
    return huffman;
}

// The code of every symbol, made from the counts as the standard says.
struct HuffmanCodes {
    std::array<std::uint16_t, 256> code{};
    std::array<std::uint8_t, 256> length{};
};

HuffmanCodes CodesOf(const HuffmanCounts& huffman) {
    HuffmanCodes codes;
    std::uint16_t code = 0;
    std::size_t k = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < huffman.counts[static_cast<std::size_t>(length - 1)]; ++i, ++k) {
            codes.code[huffman.symbols[k]] = code++;
            codes.length[huffman.symbols[k]] = static_cast<std::uint8_t>(length);
        }
        code = static_cast<std::uint16_t>(code << 1);
    }
    return codes;
}

// A table scaled for the quality as the IJG library scales it.
std::array<int, 64> ScaledQuant(const std::array<int, 64>& base, int quality) {
    quality = std::clamp(quality, 1, 100);
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::array<int, 64> table{};
    for (std::size_t i = 0; i < 64; ++i) table[i] = std::clamp((base[i] * scale + 50) / 100, 1, 255);
    return table;
}

class BitWriter {
public:
    explicit BitWriter(ByteSet& out) : out_(out) {}
    void Put(std::uint32_t bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = static_cast<std::uint8_t>((byte_ << 1) | ((bits >> i) & 1));
            if (++filled_ == 8) Flush();
        }
    }
    // Fills the last byte with one-bits.
    void Finish() {
        while (filled_ != 0) Put(1, 1);
    }

private:
    void Flush() {
        out_.push_back(byte_);
        if (byte_ == 0xFF) out_.push_back(0x00);  // a data byte FF is followed by 00
        byte_ = 0;
        filled_ = 0;
    }
    ByteSet& out_;
    std::uint8_t byte_ = 0;
    int filled_ = 0;
};

// Bits needed for |v| (the coefficient's category).
int Category(int v) {
    v = std::abs(v);
    int bits = 0;
    while (v) {
        ++bits;
        v >>= 1;
    }
    return bits;
}

// The 2-D DCT of an 8 x 8 block of level-shifted samples.
void ForwardDct(const float (&in)[64], float (&out)[64]) {
    static const auto cosines = [] {
        std::array<float, 64> c{};
        const double pi = std::acos(-1.0);
        for (int u = 0; u < 8; ++u) {
            const double scale = (u == 0 ? std::sqrt(0.5) : 1.0) / 2;
            for (int x = 0; x < 8; ++x) c[u * 8 + x] = static_cast<float>(scale * std::cos((2 * x + 1) * u * pi / 16));
        }
        return c;
    }();
    float rows[64];
    for (int y = 0; y < 8; ++y) {
        for (int u = 0; u < 8; ++u) {
            float sum = 0;
            for (int x = 0; x < 8; ++x) sum += in[y * 8 + x] * cosines[u * 8 + x];
            rows[y * 8 + u] = sum;
        }
    }
    for (int v = 0; v < 8; ++v) {
        for (int u = 0; u < 8; ++u) {
            float sum = 0;
            for (int y = 0; y < 8; ++y) sum += rows[y * 8 + u] * cosines[v * 8 + y];
            out[v * 8 + u] = sum;
        }
    }
}

void EncodeBlock(const float (&samples)[64], const std::array<int, 64>& quant, const HuffmanCodes& dc,
                 const HuffmanCodes& ac, int& previousDc, BitWriter& bits) {
    float coefficients[64];
    ForwardDct(samples, coefficients);
    int q[64];
    for (int i = 0; i < 64; ++i) {
        const int at = kZigZag[static_cast<std::size_t>(i)];
        q[i] = static_cast<int>(std::lround(coefficients[at] / static_cast<float>(quant[static_cast<std::size_t>(at)])));
    }
    auto putValue = [&bits](int value, int category) {
        // Negative values as their ones' complement in `category` bits.
        bits.Put(static_cast<std::uint32_t>(value < 0 ? value + (1 << category) - 1 : value), category);
    };
    const int diff = q[0] - previousDc;
    previousDc = q[0];
    const int dcCategory = Category(diff);
    bits.Put(dc.code[static_cast<std::size_t>(dcCategory)], dc.length[static_cast<std::size_t>(dcCategory)]);
    putValue(diff, dcCategory);
    int run = 0;
    for (int i = 1; i < 64; ++i) {
        if (q[i] == 0) {
            ++run;
            continue;
        }
        while (run > 15) {
            bits.Put(ac.code[0xF0], ac.length[0xF0]);  // sixteen zeros
            run -= 16;
        }
        const int category = Category(q[i]);
        const auto symbol = static_cast<std::size_t>((run << 4) | category);
        bits.Put(ac.code[symbol], ac.length[symbol]);
        putValue(q[i], category);
        run = 0;
    }
    if (run > 0) bits.Put(ac.code[0x00], ac.length[0x00]);  // end of block
}

void Put16(ByteSet& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void PutMarker(ByteSet& out, std::uint8_t marker, int length) {
    out.push_back(0xFF);
    out.push_back(marker);
    if (length >= 0) Put16(out, length);
}

void PutHuffmanTable(ByteSet& out, std::uint8_t classAndId, const HuffmanCounts& huffman) {
    out.push_back(classAndId);
    out.insert(out.end(), huffman.counts.begin(), huffman.counts.end());
    out.insert(out.end(), huffman.symbols.begin(), huffman.symbols.end());
}

}  // namespace

ByteSet EncodeJpeg(const ByteSet& bmp, int quality) {
    BmpInfo info;
    if (!ReadBmpInfo(bmp, info) || info.bitsPerPixel != 24 || info.width < 1 || info.height < 1 ||
        info.width > 0xFFFF || info.height > 0xFFFF) {
        return {};
    }
    const std::array<int, 64> luminance = ScaledQuant(kLuminanceQuant, quality);
    const std::array<int, 64> chrominance = ScaledQuant(kChrominanceQuant, quality);

    ByteSet out;
    PutMarker(out, 0xD8, -1);  // start of image
    PutMarker(out, 0xE0, 16);  // JFIF 1.1, no density, no thumbnail
    for (const char c : {'J', 'F', 'I', 'F', '\0'}) out.push_back(static_cast<std::uint8_t>(c));
    static constexpr std::uint8_t kJfifFields[] = {1, 1, 0, 0, 1, 0, 1, 0, 0};
    out.insert(out.end(), std::begin(kJfifFields), std::end(kJfifFields));
    PutMarker(out, 0xDB, 2 + 2 * 65);  // both quantisation tables, in zig-zag order
    for (int table = 0; table < 2; ++table) {
        out.push_back(static_cast<std::uint8_t>(table));
        const std::array<int, 64>& q = table == 0 ? luminance : chrominance;
        for (const int at : kZigZag) out.push_back(static_cast<std::uint8_t>(q[static_cast<std::size_t>(at)]));
    }
    PutMarker(out, 0xC0, 17);  // baseline frame: 8 bits, three components at full resolution
    out.push_back(8);
    Put16(out, info.height);
    Put16(out, info.width);
    out.push_back(3);
    for (std::uint8_t component = 1; component <= 3; ++component) {
        out.push_back(component);
        out.push_back(0x11);
        out.push_back(component == 1 ? 0 : 1);
    }
    const HuffmanCounts* tables[] = {&DcLuminance(), &AcLuminance(), &DcChrominance(), &AcChrominance()};
    int huffmanLength = 2;
    for (const HuffmanCounts* huffman : tables) huffmanLength += 17 + static_cast<int>(huffman->symbols.size());
    PutMarker(out, 0xC4, huffmanLength);
    PutHuffmanTable(out, 0x00, DcLuminance());
    PutHuffmanTable(out, 0x10, AcLuminance());
    PutHuffmanTable(out, 0x01, DcChrominance());
    PutHuffmanTable(out, 0x11, AcChrominance());
    PutMarker(out, 0xDA, 12);  // the scan: all three components
    out.push_back(3);
    for (std::uint8_t component = 1; component <= 3; ++component) {
        out.push_back(component);
        out.push_back(component == 1 ? 0x00 : 0x11);
    }
    static constexpr std::uint8_t kSpectralSelection[] = {0, 63, 0};
    out.insert(out.end(), std::begin(kSpectralSelection), std::end(kSpectralSelection));

    static const HuffmanCodes dcY = CodesOf(DcLuminance()), acY = CodesOf(AcLuminance());
    static const HuffmanCodes dcC = CodesOf(DcChrominance()), acC = CodesOf(AcChrominance());
    const auto stride = static_cast<std::size_t>(Bmp24RowStride(info.width));
    // Pixel (x, y) from the top; blocks past the edges repeat the last
    // column and row.
    auto pixel = [&](int x, int y) {
        x = std::min(x, info.width - 1);
        y = std::min(y, info.height - 1);
        return bmp.data() + info.pixelOffset + stride * static_cast<std::size_t>(info.height - 1 - y) +
               static_cast<std::size_t>(x) * 3;
    };
    BitWriter bits(out);
    int previous[3] = {0, 0, 0};
    for (int by = 0; by < info.height; by += 8) {
        for (int bx = 0; bx < info.width; bx += 8) {
            float y[64], cb[64], cr[64];
            for (int i = 0; i < 64; ++i) {
                const std::uint8_t* p = pixel(bx + i % 8, by + i / 8);  // B, G, R
                const float b = p[0], g = p[1], r = p[2];
                y[i] = 0.299f * r + 0.587f * g + 0.114f * b - 128;
                cb[i] = -0.168736f * r - 0.331264f * g + 0.5f * b;
                cr[i] = 0.5f * r - 0.418688f * g - 0.081312f * b;
            }
            EncodeBlock(y, luminance, dcY, acY, previous[0], bits);
            EncodeBlock(cb, chrominance, dcC, acC, previous[1], bits);
            EncodeBlock(cr, chrominance, dcC, acC, previous[2], bits);
        }
    }
    bits.Finish();
    PutMarker(out, 0xD9, -1);  // end of image
    return out;
}

}  // namespace imaging::core
