#include "patch/core/x64_instructions.h"

#include <cstring>

namespace patch::core {
namespace {

enum Immediate { kNone, kImm8, kImmFromOperandSize };

// The ModRM operand's bytes after the ModRM byte, and whether it is
// [rip + disp32]; false when the bytes run out.
bool ModRmTail(const std::uint8_t* p, std::size_t available, std::size_t& extra, bool& rip) {
    if (available < 1) return false;
    const std::uint8_t modrm = p[0];
    const int mod = modrm >> 6, rm = modrm & 7;
    extra = 1;
    rip = false;
    if (mod == 3) return true;
    if (rm == 4) {  // SIB
        if (available < 2) return false;
        const int base = p[1] & 7;
        extra = 2;
        if (mod == 0 && base == 5) extra += 4;
    } else if (mod == 0 && rm == 5) {
        rip = true;
        extra += 4;
    }
    if (mod == 1) extra += 1;
    if (mod == 2) extra += 4;
    return extra <= available;
}

}  // namespace

X64Instruction DecodeX64Instruction(const std::uint8_t* code, std::size_t available) {
    X64Instruction none;
    std::size_t i = 0;
    bool operandSize16 = false, rexW = false, repeat = false, segment = false;
    // Legacy prefixes, then at most one REX prefix right before the opcode.
    while (i < available && i < 4) {
        const std::uint8_t b = code[i];
        if (b == 0x66) {
            operandSize16 = true;
        } else if (b == 0xF2 || b == 0xF3) {
            repeat = true;
        } else if (b == 0x64 || b == 0x65) {
            segment = true;
        } else {
            break;
        }
        ++i;
    }
    if (i < available && (code[i] & 0xF0) == 0x40) {
        rexW = (code[i] & 0x08) != 0;
        ++i;
    }
    if (i >= available) return none;
    const std::uint8_t op = code[i++];
    bool modrm = false;
    Immediate immediate = kNone;
    std::size_t fixedImmediate = 0;

    X64Instruction result;
    if (op >= 0x50 && op <= 0x5F) {  // push/pop r
    } else if (op == 0x90) {         // nop
    } else if (op == 0xC3) {         // ret
        result.endsFlow = true;
    } else if (op == 0xC2) {         // ret imm16
        result.endsFlow = true;
        fixedImmediate = 2;
    } else if (op == 0xEB || op == 0xE9) {  // jmp rel8, jmp rel32
        if (operandSize16) return none;     // jmp rel16: not made by compilers for 64-bit code
        result.endsFlow = true;
        result.relativeJump = true;
        fixedImmediate = op == 0xEB ? 1 : 4;
    } else if (op >= 0xB8 && op <= 0xBF) {  // mov r, imm
        fixedImmediate = rexW ? 8 : operandSize16 ? 2 : 4;
    } else if (op == 0x8D) {  // lea: its operand is an address, never a register
        if (i >= available || (code[i] >> 6) == 3) return none;
        modrm = true;
    } else if (op == 0x88 || op == 0x89 || op == 0x8A || op == 0x8B || op == 0x84 || op == 0x85 || op == 0x63) {
        modrm = true;  // mov, test, movsxd
    } else if (op < 0x40 && (op & 7) <= 3 && op != 0x0F) {
        modrm = true;  // add, or, adc, sbb, and, sub, xor, cmp with a ModRM operand
    } else if (op == 0x80 || op == 0x83) {
        modrm = true;
        immediate = kImm8;
    } else if (op == 0x81) {
        modrm = true;
        immediate = kImmFromOperandSize;
    } else if (op == 0xC6 || op == 0xC7) {
        // mov r/m, imm is /0; C6 F8 and C7 F8 are xabort and xbegin (the
        // latter jumps relative to its own place), the rest is invalid.
        if (i >= available || ((code[i] >> 3) & 7) != 0) return none;
        modrm = true;
        immediate = op == 0xC6 ? kImm8 : kImmFromOperandSize;
    } else if (op == 0xFF) {
        if (i >= available) return none;
        const int reg = (code[i] >> 3) & 7;
        const bool registerOperand = (code[i] >> 6) == 3;
        if (reg == 4) {
            result.endsFlow = true;  // jmp through a register or memory
        } else if (reg == 5 && !registerOperand) {
            result.endsFlow = true;  // jmp far through memory
        } else if (reg != 2 && reg != 6) {
            return none;  // besides these only call and push
        }
        modrm = true;
    } else if (op == 0x0F) {
        if (i >= available) return none;
        const std::uint8_t op2 = code[i++];
        const bool known = op2 == 0x1F || op2 == 0xB6 || op2 == 0xB7 || op2 == 0xBE || op2 == 0xBF ||
                           op2 == 0x10 || op2 == 0x11 || op2 == 0x28 || op2 == 0x29 || op2 == 0x57 ||
                           op2 == 0x6F || op2 == 0x7F || op2 == 0xD6;
        if (!known) return none;
        // movq xmm to r/m64 is 66 0F D6; without 66 it is no instruction,
        // with F2 or F3 one of the MMX moves, which take registers only.
        if (op2 == 0xD6 && (!operandSize16 || repeat)) return none;
        // The SSE moves with a segment override: no entry uses them, and
        // decoders disagree about them; refusing costs nothing.
        if (segment && op2 != 0x1F && op2 != 0xB6 && op2 != 0xB7 && op2 != 0xBE && op2 != 0xBF) return none;
        modrm = true;
    } else {
        return none;
    }

    if (modrm) {
        std::size_t extra = 0;
        bool rip = false;
        if (!ModRmTail(code + i, available - i, extra, rip)) return none;
        if (rip) {
            result.ripRelative = true;
            result.displacementAt = i + 1;
        }
        i += extra;
    }
    if (immediate == kImm8) fixedImmediate = 1;
    // REX.W wins over 66: a 64-bit operation takes a sign-extended imm32.
    if (immediate == kImmFromOperandSize) fixedImmediate = operandSize16 && !rexW ? 2 : 4;
    i += fixedImmediate;
    if (i > available) return none;
    result.length = i;
    return result;
}

std::vector<std::uint8_t> AbsoluteJump(std::uint64_t target) {
    std::vector<std::uint8_t> bytes = {0xFF, 0x25, 0, 0, 0, 0};
    for (int k = 0; k < 8; ++k) bytes.push_back(static_cast<std::uint8_t>(target >> (8 * k)));
    return bytes;
}

std::optional<std::uint64_t> ImportThunkSlot(const std::uint8_t* entry, std::size_t available,
                                             std::uint64_t entryAddress) {
    static const std::uint8_t kLeaRspRsp32[] = {0x48, 0x8D, 0xA4, 0x24, 0, 0, 0, 0};
    static const std::uint8_t kLeaRspRsp8[] = {0x48, 0x8D, 0x64, 0x24, 0};
    const auto startsWith = [&](std::size_t at, const std::uint8_t* bytes, std::size_t size) {
        return at + size <= available && std::memcmp(entry + at, bytes, size) == 0;
    };
    std::size_t at = 0;
    // The no-ops of a hot-patchable entry, a few at most.
    for (int skipped = 0; skipped < 4; ++skipped) {
        if (startsWith(at, kLeaRspRsp32, sizeof kLeaRspRsp32)) {
            at += sizeof kLeaRspRsp32;
        } else if (startsWith(at, kLeaRspRsp8, sizeof kLeaRspRsp8)) {
            at += sizeof kLeaRspRsp8;
        } else if (at < available && entry[at] == 0x90) {
            at += 1;
        } else if (at + 2 <= available && entry[at] == 0x66 && entry[at + 1] == 0x90) {
            at += 2;
        } else {
            break;
        }
    }
    if (at < available && entry[at] == 0x48) ++at;  // REX.W, as some compilers write tail jumps
    if (at + 6 > available || entry[at] != 0xFF || entry[at + 1] != 0x25) return std::nullopt;
    std::int32_t displacement;
    std::memcpy(&displacement, entry + at + 2, 4);
    return entryAddress + at + 6 + static_cast<std::uint64_t>(static_cast<std::int64_t>(displacement));
}

std::optional<TrampolinePlan> PlanTrampoline(const std::uint8_t* entry, std::size_t available,
                                             std::uint64_t entryAddress, std::uint64_t trampolineAddress,
                                             std::size_t patchSize) {
    TrampolinePlan plan;
    while (plan.copied < patchSize) {
        const X64Instruction ins = DecodeX64Instruction(entry + plan.copied, available - plan.copied);
        if (ins.length == 0) return std::nullopt;
        // The function does not go on after a return or jump: what follows may
        // be padding or another function, which the patch must not overwrite.
        // Such an instruction can only be the last one covered, and a relative
        // jump cannot move at all.
        if (ins.endsFlow && (plan.copied + ins.length < patchSize || ins.relativeJump)) return std::nullopt;
        const std::size_t at = plan.code.size();
        plan.code.insert(plan.code.end(), entry + plan.copied, entry + plan.copied + ins.length);
        if (ins.ripRelative) {
            std::int32_t displacement;
            std::memcpy(&displacement, entry + plan.copied + ins.displacementAt, 4);
            // The operand's address stays; the instruction's end moves.
            const std::int64_t target = static_cast<std::int64_t>(entryAddress + plan.copied + ins.length) + displacement;
            const std::int64_t moved = target - static_cast<std::int64_t>(trampolineAddress + at + ins.length);
            if (moved < INT32_MIN || moved > INT32_MAX) return std::nullopt;
            const std::int32_t rewritten = static_cast<std::int32_t>(moved);
            std::memcpy(plan.code.data() + at + ins.displacementAt, &rewritten, 4);
        }
        plan.copied += ins.length;
        if (ins.endsFlow) return plan;  // nothing comes back from it
    }
    const std::vector<std::uint8_t> back = AbsoluteJump(entryAddress + plan.copied);
    plan.code.insert(plan.code.end(), back.begin(), back.end());
    return plan;
}

}  // namespace patch::core
