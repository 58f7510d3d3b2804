// The entry patch's instruction decoder against capstone, an independent
// disassembler: wherever ours gives a length, capstone decodes the same
// instruction with the same length, and agrees on a [rip + disp32]
// operand. Over a corpus of function prologues and over random buffers
// built to reach the decoder's instructions (prefixes, its opcodes, any
// ModRM, SIB, displacement and immediate bytes).
#include <gtest/gtest.h>

#include <capstone/capstone.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <vector>

#include "patch/core/x64_instructions.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class Capstone {
public:
    Capstone() {
        if (cs_open(CS_ARCH_X86, CS_MODE_64, &handle_) != CS_ERR_OK) throw std::runtime_error("capstone");
        cs_option(handle_, CS_OPT_DETAIL, CS_OPT_ON);
        insn_ = cs_malloc(handle_);
    }
    ~Capstone() {
        cs_free(insn_, 1);
        cs_close(&handle_);
    }
    // The length capstone gives the first instruction (0: none), and
    // whether it has a memory operand based on rip.
    std::size_t Length(const Bytes& code, bool& rip) {
        const std::uint8_t* p = code.data();
        std::size_t size = code.size();
        std::uint64_t address = 0x140001000;
        rip = false;
        if (!cs_disasm_iter(handle_, &p, &size, &address, insn_)) return 0;
        const cs_x86& x86 = insn_->detail->x86;
        for (int i = 0; i < x86.op_count; ++i) {
            if (x86.operands[i].type == X86_OP_MEM && x86.operands[i].mem.base == X86_REG_RIP) rip = true;
        }
        return insn_->size;
    }

private:
    csh handle_ = 0;
    cs_insn* insn_ = nullptr;
};

std::string Hex(const Bytes& code, std::size_t n) {
    std::ostringstream out;
    for (std::size_t i = 0; i < n && i < code.size(); ++i) out << std::hex << (code[i] < 16 ? "0" : "") << int{code[i]} << ' ';
    return out.str();
}

// Where capstone 4.0.2 itself is wrong (checked against objdump): after a
// 66 prefix it gives ret imm16 a 32-bit immediate, and it refuses the hint
// nop 0F 1F with a register operand.
bool CapstoneIsWrongAbout(const Bytes& code) {
    std::size_t i = 0;
    bool operand16 = false;
    for (; i < code.size(); ++i) {
        if (code[i] == 0x66) {
            operand16 = true;
        } else if (code[i] != 0xF2 && code[i] != 0xF3 && code[i] != 0x64 && code[i] != 0x65) {
            break;
        }
    }
    if (i < code.size() && (code[i] & 0xF0) == 0x40) ++i;
    if (i + 2 >= code.size()) return false;
    if (code[i] == 0xC2 && operand16) return true;
    return code[i] == 0x0F && code[i + 1] == 0x1F && (code[i + 2] >> 6) == 3;
}

// Compares one buffer; false (and a failure naming it) when they differ.
bool Agree(Capstone& capstone, const Bytes& code) {
    const patch::core::X64Instruction ours = patch::core::DecodeX64Instruction(code.data(), code.size());
    if (ours.length == 0 || CapstoneIsWrongAbout(code)) return true;  // refused, or no reference
    bool rip = false;
    const std::size_t theirs = capstone.Length(code, rip);
    EXPECT_EQ(ours.length, theirs) << Hex(code, 16);
    EXPECT_EQ(ours.ripRelative, rip) << Hex(code, 16);
    return ours.length == theirs && ours.ripRelative == rip;
}

TEST(DecoderAgainstCapstone, FunctionPrologues) {
    const std::vector<Bytes> prologues = {
        {0x41, 0x57, 0x41, 0x56, 0x41, 0x55, 0x41, 0x54, 0x55, 0x57, 0x56, 0x53, 0x48, 0x83, 0xEC, 0x68},
        {0x48, 0x89, 0x5C, 0x24, 0x08, 0x57, 0x48, 0x83, 0xEC, 0x20},
        {0x4C, 0x8B, 0xDC, 0x49, 0x89, 0x5B, 0x08, 0x49, 0x89, 0x6B, 0x10},
        {0x48, 0x8B, 0x05, 0x11, 0x22, 0x33, 0x44, 0x48, 0x85, 0xC0},
        {0x66, 0x0F, 0x1F, 0x44, 0x00, 0x00, 0x48, 0x8D, 0x0D, 0x00, 0x01, 0x00, 0x00},
        {0x65, 0x48, 0x8B, 0x04, 0x25, 0x30, 0x00, 0x00, 0x00, 0xC3},
        {0x0F, 0x29, 0x74, 0x24, 0x20, 0xF3, 0x0F, 0x7F, 0x44, 0x24, 0x10},
        {0x48, 0x81, 0xEC, 0x00, 0x10, 0x00, 0x00, 0xC7, 0x05, 0x04, 0, 0, 0, 1, 0, 0, 0},
        {0x66, 0x48, 0xC7, 0xC0, 1, 2, 3, 4, 0x66, 0x81, 0xC1, 1, 2},
        {0x48, 0x63, 0xC1, 0x0F, 0xB6, 0x44, 0x24, 0x08, 0x0F, 0xBF, 0xC8},
        {0xFF, 0x25, 0, 0, 0, 0, 0xFF, 0x15, 0, 0, 0, 0},
    };
    Capstone capstone;
    for (const Bytes& prologue : prologues) {
        // Every instruction of the prologue, one after another.
        for (std::size_t at = 0; at < prologue.size();) {
            const Bytes rest(prologue.begin() + static_cast<std::ptrdiff_t>(at), prologue.end());
            const std::size_t n = patch::core::DecodeX64Instruction(rest.data(), rest.size()).length;
            ASSERT_GT(n, 0u) << "a prologue instruction refused: " << Hex(rest, 16);
            Agree(capstone, rest);
            at += n;
        }
    }
}

TEST(DecoderAgainstCapstone, RandomBuffersBuiltFromItsInstructions) {
    static const std::uint8_t kPrefixes[] = {0x66, 0xF2, 0xF3, 0x64, 0x65};
    static const std::uint8_t kOpcodes[] = {0x50, 0x5F, 0x90, 0xC3, 0xC2, 0xEB, 0xE9, 0xB8, 0xBF, 0x88, 0x89, 0x8A, 0x8B,
                                            0x8D, 0x84, 0x85, 0x63, 0x01, 0x03, 0x29, 0x33, 0x39, 0x3B, 0x80, 0x81, 0x83,
                                            0xC6, 0xC7, 0xFF, 0x0F};
    static const std::uint8_t kTwoByte[] = {0x1F, 0xB6, 0xB7, 0xBE, 0xBF, 0x10, 0x11, 0x28, 0x29, 0x57, 0x6F, 0x7F, 0xD6};
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    Capstone capstone;
    int compared = 0, disagreed = 0;
    for (int i = 0; i < 300000 && disagreed < 10; ++i) {
        Bytes code;
        for (int n = random() % 3; n > 0; --n) code.push_back(kPrefixes[random() % sizeof kPrefixes]);
        if (random() % 2) code.push_back(static_cast<std::uint8_t>(0x40 | (random() % 16)));  // REX
        const std::uint8_t op = kOpcodes[random() % sizeof kOpcodes];
        code.push_back(op);
        if (op == 0x0F) code.push_back(kTwoByte[random() % sizeof kTwoByte]);
        while (code.size() < 16) code.push_back(static_cast<std::uint8_t>(byte(random)));
        if (patch::core::DecodeX64Instruction(code.data(), code.size()).length == 0) continue;
        ++compared;
        if (!Agree(capstone, code)) ++disagreed;
    }
    std::printf("compared %d decoded buffers with capstone\n", compared);
    EXPECT_GT(compared, 100000);
    EXPECT_EQ(disagreed, 0);
}

}  // namespace
