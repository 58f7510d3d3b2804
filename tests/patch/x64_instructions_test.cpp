// The instruction-length decoder on real function entries, its refusals,
// and trampolines planned from them.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

#include "patch/core/x64_instructions.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Case {
    const char* what;
    Bytes bytes;
    std::size_t length;
    bool rip;
};

TEST(X64Decoder, KnowsTheUsualEntryInstructions) {
    const Case cases[] = {
        {"push r15", {0x41, 0x57}, 2, false},
        {"push rbp", {0x55}, 1, false},
        {"push rbx with REX", {0x40, 0x53}, 2, false},
        {"sub rsp, 0x68", {0x48, 0x83, 0xEC, 0x68}, 4, false},
        {"sub rsp, 0x1000", {0x48, 0x81, 0xEC, 0x00, 0x10, 0x00, 0x00}, 7, false},
        {"mov [rsp+8], rbx", {0x48, 0x89, 0x5C, 0x24, 0x08}, 5, false},
        {"mov [rsp+0x10], rsi", {0x48, 0x89, 0x74, 0x24, 0x10}, 5, false},
        {"mov r11, rsp", {0x4C, 0x8B, 0xDC}, 3, false},
        {"mov rax, [rsp+0x1000]", {0x48, 0x8B, 0x84, 0x24, 0x00, 0x10, 0x00, 0x00}, 8, false},
        {"mov eax, [rip+0x1234]", {0x8B, 0x05, 0x34, 0x12, 0x00, 0x00}, 6, true},
        {"lea rcx, [rip-16]", {0x48, 0x8D, 0x0D, 0xF0, 0xFF, 0xFF, 0xFF}, 7, true},
        {"cmp byte [rip+1], 0", {0x80, 0x3D, 0x01, 0x00, 0x00, 0x00, 0x00}, 7, true},
        {"mov dword [rip+4], 1", {0xC7, 0x05, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}, 10, true},
        {"mov rax, gs:[0x30]", {0x65, 0x48, 0x8B, 0x04, 0x25, 0x30, 0x00, 0x00, 0x00}, 9, false},
        {"mov eax, 1", {0xB8, 0x01, 0x00, 0x00, 0x00}, 5, false},
        {"mov rax, imm64", {0x48, 0xB8, 1, 2, 3, 4, 5, 6, 7, 8}, 10, false},
        {"mov ax, 1", {0x66, 0xB8, 0x01, 0x00}, 4, false},
        {"xor eax, eax", {0x33, 0xC0}, 2, false},
        {"test rcx, rcx", {0x48, 0x85, 0xC9}, 3, false},
        {"nop word [rax+rax]", {0x66, 0x0F, 0x1F, 0x44, 0x00, 0x00}, 6, false},
        {"movaps [rsp+0x20], xmm6", {0x0F, 0x29, 0x74, 0x24, 0x20}, 5, false},
        {"movsxd rax, ecx", {0x48, 0x63, 0xC1}, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const patch::core::X64Instruction ins = patch::core::DecodeX64Instruction(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(ins.length, c.length);
        EXPECT_EQ(ins.ripRelative, c.rip);
        if (c.rip) {
            // The displacement follows the ModRM byte, before any immediate.
            EXPECT_EQ(c.bytes[ins.displacementAt - 1] & 0xC7, 0x05);
            EXPECT_LE(ins.displacementAt + 4, ins.length);
        }
    }
}

// The immediate's size follows the operand size, which REX.W decides over
// 66 (a 64-bit operation takes a sign-extended imm32, mov r64 an imm64).
TEST(X64Decoder, TakesTheImmediateSizeFromThePrefixes) {
    const Case cases[] = {
        {"add eax, imm32", {0x81, 0xC0, 1, 2, 3, 4}, 6, false},
        {"add ax, imm16", {0x66, 0x81, 0xC0, 1, 2}, 5, false},
        {"add rax, imm32", {0x48, 0x81, 0xC0, 1, 2, 3, 4}, 7, false},
        {"66 + REX.W add rax, imm32", {0x66, 0x48, 0x81, 0xC0, 1, 2, 3, 4}, 8, false},
        {"66 + REX.B add r8w, imm16", {0x66, 0x41, 0x81, 0xC0, 1, 2}, 6, false},
        {"mov dword [rax], imm32", {0xC7, 0x00, 1, 2, 3, 4}, 6, false},
        {"mov word [rax], imm16", {0x66, 0xC7, 0x00, 1, 2}, 5, false},
        {"66 + REX.W mov rax, imm32", {0x66, 0x48, 0xC7, 0xC0, 1, 2, 3, 4}, 8, false},
        {"F3 66 REX.W mov [rip], imm32", {0xF3, 0x66, 0x48, 0xC7, 0x05, 0, 0, 0, 0, 1, 2, 3, 4}, 13, true},
        {"66 + REX.W mov rax, imm64", {0x66, 0x48, 0xB8, 1, 2, 3, 4, 5, 6, 7, 8}, 11, false},
        {"66 + REX.B mov r8w, imm16", {0x66, 0x41, 0xB8, 1, 2}, 5, false},
        {"mov byte [rax], imm8", {0xC6, 0x00, 1}, 3, false},
        {"66 + REX.W cmp rax, imm8", {0x66, 0x48, 0x83, 0xF8, 1}, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const patch::core::X64Instruction ins = patch::core::DecodeX64Instruction(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(ins.length, c.length);
        EXPECT_EQ(ins.ripRelative, c.rip);
    }
}

TEST(X64Decoder, KnowsWhereTheFunctionDoesNotGoOn) {
    const Case cases[] = {
        {"ret", {0xC3}, 1, false},
        {"rep ret", {0xF3, 0xC3}, 2, false},
        {"ret 8", {0xC2, 0x08, 0x00}, 3, false},
        {"jmp rel8", {0xEB, 0xFE}, 2, false},
        {"jmp rel32", {0xE9, 0, 0, 0, 0}, 5, false},
        {"jmp [rip+0] (import thunk)", {0xFF, 0x25, 0x00, 0x00, 0x00, 0x00}, 6, true},
        {"rex jmp [rip+0]", {0x48, 0xFF, 0x25, 0x00, 0x00, 0x00, 0x00}, 7, true},
        {"jmp rax", {0xFF, 0xE0}, 2, false},
        {"jmp [rax+8]", {0xFF, 0x60, 0x08}, 3, false},
        {"jmp far [rax]", {0xFF, 0x28}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const patch::core::X64Instruction ins = patch::core::DecodeX64Instruction(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(ins.length, c.length);
        EXPECT_EQ(ins.ripRelative, c.rip);
        EXPECT_TRUE(ins.endsFlow);
        EXPECT_EQ(ins.relativeJump, c.bytes[0] == 0xEB || c.bytes[0] == 0xE9);
    }
    // Calls come back: the function goes on after them.
    const Bytes callThroughMemory = {0xFF, 0x15, 0, 0, 0, 0};
    EXPECT_FALSE(patch::core::DecodeX64Instruction(callThroughMemory.data(), callThroughMemory.size()).endsFlow);
}

TEST(X64Decoder, RefusesWhatItDoesNotKnowOrCannotMove) {
    const Case cases[] = {
        {"call rel32", {0xE8, 0, 0, 0, 0}, 0, false},
        {"jz rel8", {0x74, 0x05}, 0, false},
        {"jz rel32", {0x0F, 0x84, 0, 0, 0, 0}, 0, false},
        {"address-size prefix", {0x67, 0x8B, 0x00}, 0, false},
        {"int3", {0xCC}, 0, false},
        {"inc through FF /0", {0xFF, 0xC0}, 0, false},
        {"jmp far through a register (invalid)", {0xFF, 0xE8}, 0, false},
        {"jmp rel16", {0x66, 0xE9, 0, 0}, 0, false},
        {"xbegin rel32 (jumps relative to itself)", {0xC7, 0xF8, 0, 0, 0, 0}, 0, false},
        {"xabort imm8", {0xC6, 0xF8, 0x01}, 0, false},
        {"C7 /1 (invalid)", {0xC7, 0xC8, 0, 0, 0, 0}, 0, false},
        {"C6 /7 through memory (invalid)", {0xC6, 0x38, 0x01}, 0, false},
        {"lea with a register operand (invalid)", {0x48, 0x8D, 0xC0}, 0, false},
        {"cut short: modrm missing", {0x48, 0x89}, 0, false},
        {"cut short: disp32", {0x8B, 0x05, 0x34, 0x12}, 0, false},
        {"cut short: imm64", {0x48, 0xB8, 1, 2, 3}, 0, false},
        {"nothing", {}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(patch::core::DecodeX64Instruction(c.bytes.data(), c.bytes.size()).length, 0u);
    }
}

// The first bytes of gdi32's GdiTransparentBlt under Wine 8.0 (x86-64), as
// read from the running function: push r15, r14, r13, r12, rbp, rdi, rsi,
// rbx, then sub rsp,0x68 (4 bytes, so a 14-byte patch ends inside it), then
// a RIP-relative mov.
const Bytes kGdiEntry = {0x41, 0x57, 0x41, 0x56, 0x41, 0x55, 0x41, 0x54, 0x55, 0x57, 0x56, 0x53,
                         0x48, 0x83, 0xEC, 0x68, 0x48, 0x8B, 0x05, 0, 0, 0, 0};

std::uint64_t JumpTarget(const Bytes& code, std::size_t at) {
    std::uint64_t target = 0;
    EXPECT_EQ(code[at], 0xFF);
    EXPECT_EQ(code[at + 1], 0x25);
    std::memcpy(&target, code.data() + at + 6, 8);
    return target;
}

TEST(Trampoline, CopiesWholeInstructionsAndJumpsBack) {
    const std::uint64_t entry = 0x7FFF12340000, trampoline = 0x7FFF00000000;
    const auto plan = patch::core::PlanTrampoline(kGdiEntry.data(), kGdiEntry.size(), entry, trampoline);
    ASSERT_TRUE(plan);
    // The 14-byte patch ends inside "sub rsp, 0x68": all 16 bytes move.
    EXPECT_EQ(plan->copied, 16u);
    ASSERT_EQ(plan->code.size(), 16u + patch::core::kAbsoluteJumpSize);
    EXPECT_TRUE(std::equal(kGdiEntry.begin(), kGdiEntry.begin() + 16, plan->code.begin()));
    EXPECT_EQ(JumpTarget(plan->code, 16), entry + 16);
    EXPECT_EQ(patch::core::AbsoluteJump(0x1122334455667788).size(), patch::core::kAbsoluteJumpSize);
}

TEST(Trampoline, RewritesRipRelativeOperandsForTheirNewPlace) {
    // lea rax, [rip+0x100]; mov rcx, [rip-0x20]; sub rsp, 0x28
    const Bytes entryBytes = {0x48, 0x8D, 0x05, 0x00, 0x01, 0x00, 0x00, 0x48, 0x8B,
                              0x0D, 0xE0, 0xFF, 0xFF, 0xFF, 0x48, 0x83, 0xEC, 0x28};
    const std::uint64_t entry = 0x140001000, trampoline = 0x140100000;
    const auto plan = patch::core::PlanTrampoline(entryBytes.data(), entryBytes.size(), entry, trampoline);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->copied, 14u);
    auto operand = [&](std::size_t end, std::size_t dispAt) {
        std::int32_t d;
        std::memcpy(&d, plan->code.data() + dispAt, 4);
        return trampoline + end + static_cast<std::int64_t>(d);
    };
    EXPECT_EQ(operand(7, 3), entry + 7 + 0x100);
    EXPECT_EQ(operand(14, 10), entry + 14 - 0x20);
    EXPECT_EQ(JumpTarget(plan->code, 14), entry + 14);
}

TEST(Trampoline, RefusesUnknownCodeAndOperandsOutOfReach) {
    const std::uint64_t entry = 0x7FFF12340000;
    // A call inside the bytes to be replaced.
    const Bytes withCall = {0x48, 0x83, 0xEC, 0x28, 0xE8, 0, 0, 0, 0, 0x48, 0x83, 0xC4, 0x28, 0xC3};
    EXPECT_FALSE(patch::core::PlanTrampoline(withCall.data(), withCall.size(), entry, entry + 0x1000));
    // Fewer bytes readable than the patch covers.
    EXPECT_FALSE(patch::core::PlanTrampoline(kGdiEntry.data(), 10, entry, entry + 0x1000));
    // RIP-relative data more than 2 GiB from the trampoline.
    const Bytes rip = {0x48, 0x8B, 0x05, 0, 0, 0, 0, 0x48, 0x83, 0xEC, 0x28, 0x90, 0x90, 0x90};
    EXPECT_FALSE(patch::core::PlanTrampoline(rip.data(), rip.size(), entry, entry + 0x100000000ull));
    EXPECT_FALSE(patch::core::PlanTrampoline(rip.data(), rip.size(), entry, entry - 0x90000000ull));
    EXPECT_TRUE(patch::core::PlanTrampoline(rip.data(), rip.size(), entry, entry - 0x70000000ull));
}

// Entries whose function ends, or jumps away for good, before the patch's
// 14 bytes: whatever follows (padding, the next function) is not theirs to
// give, so no trampoline is planned.
TEST(Trampoline, NeverCopiesPastAReturnOrJump) {
    const std::uint64_t entry = 0x7FFF12340000;
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"import thunk, nop padding, next function",
         {0xFF, 0x25, 0x10, 0x20, 0x00, 0x00, 0x66, 0x90, 0x48, 0x83, 0xEC, 0x28, 0xB8, 0x07, 0, 0, 0, 0x48, 0x83,
          0xC4, 0x28, 0xC3}},
        {"import thunk, int3 padding, next function",
         {0xFF, 0x25, 0x10, 0x20, 0x00, 0x00, 0xCC, 0xCC, 0x48, 0x83, 0xEC, 0x28, 0xB8, 0x07, 0, 0, 0, 0xC3}},
        {"jmp rax after the frame",
         {0x48, 0x83, 0xEC, 0x28, 0xFF, 0xE0, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90}},
        {"ret before 14 bytes", {0x33, 0xC0, 0xC3, 0x48, 0x83, 0xEC, 0x28, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90}},
        {"ret 8 before 14 bytes", {0x55, 0xC2, 0x08, 0x00, 0x48, 0x83, 0xEC, 0x28, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90}},
        {"jmp rel8 before 14 bytes", {0x55, 0xEB, 0x10, 0x48, 0x83, 0xEC, 0x28, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90}},
        {"jmp rel32 before 14 bytes",
         {0x48, 0x83, 0xEC, 0x28, 0xE9, 0, 1, 0, 0, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90, 0x90}},
        {"jmp rel32 as the last instruction covered",
         {0x48, 0x83, 0xEC, 0x28, 0x48, 0x83, 0xC4, 0x28, 0x90, 0x90, 0xE9, 0, 1, 0, 0, 0x90}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(patch::core::PlanTrampoline(c.bytes.data(), c.bytes.size(), entry, entry + 0x1000));
    }
}

// A return or indirect jump that is the last instruction the patch covers
// is moved as it is, RIP-relative operand rewritten, and nothing comes back.
TEST(Trampoline, EndsWithAReturnOrJumpThatFinishesTheCoveredBytes) {
    const std::uint64_t entry = 0x7FFF12340000, trampoline = 0x7FFF00000000;
    // A hot-patchable import thunk: lea rsp, [rsp+0]; jmp [rip+0x3D2FE].
    const Bytes thunk = {0x48, 0x8D, 0xA4, 0x24, 0, 0, 0, 0, 0xFF, 0x25, 0xFE, 0xD2, 0x03, 0x00, 0x66, 0x90};
    const auto jump = patch::core::PlanTrampoline(thunk.data(), thunk.size(), entry, trampoline);
    ASSERT_TRUE(jump);
    EXPECT_EQ(jump->copied, 14u);
    ASSERT_EQ(jump->code.size(), 14u);
    std::int32_t d;
    std::memcpy(&d, jump->code.data() + 10, 4);
    EXPECT_EQ(trampoline + 14 + static_cast<std::int64_t>(d), entry + 14 + 0x3D2FE);  // the same pointer

    // A short function whose ret is the 14th byte.
    const Bytes shortFunction = {0x48, 0x83, 0xEC, 0x28, 0x48, 0x83, 0xC4, 0x28, 0x33, 0xC0, 0x90, 0x90, 0x90, 0xC3,
                                 0xCC, 0xCC};
    const auto ret = patch::core::PlanTrampoline(shortFunction.data(), shortFunction.size(), entry, trampoline);
    ASSERT_TRUE(ret);
    EXPECT_EQ(ret->copied, 14u);
    EXPECT_TRUE(std::equal(ret->code.begin(), ret->code.end(), shortFunction.begin(), shortFunction.begin() + 14));
    EXPECT_EQ(ret->code.size(), 14u);
}

TEST(ImportThunk, GivesThePointerAThunkJumpsThrough) {
    const std::uint64_t at = 0x7B61005C;
    const struct {
        const char* what;
        Bytes bytes;
        std::optional<std::uint64_t> slot;
    } cases[] = {
        {"jmp [rip+0x100]", {0xFF, 0x25, 0x00, 0x01, 0x00, 0x00, 0xCC, 0xCC}, at + 6 + 0x100},
        {"rex jmp [rip-0x10]", {0x48, 0xFF, 0x25, 0xF0, 0xFF, 0xFF, 0xFF}, at + 7 - 0x10},
        {"hot-patch lea, then jmp", {0x48, 0x8D, 0xA4, 0x24, 0, 0, 0, 0, 0xFF, 0x25, 0xFE, 0xD2, 0x03, 0x00},
         at + 14 + 0x3D2FE},
        {"two-byte nop, then jmp", {0x66, 0x90, 0xFF, 0x25, 0x04, 0x00, 0x00, 0x00}, at + 8 + 4},
        {"call through memory", {0xFF, 0x15, 0x00, 0x01, 0x00, 0x00}, std::nullopt},
        {"jmp [rip] after real work", {0x48, 0x83, 0xEC, 0x28, 0xFF, 0x25, 0, 0, 0, 0}, std::nullopt},
        {"lea rsp with a real offset", {0x48, 0x8D, 0x64, 0x24, 0x08, 0xFF, 0x25, 0, 0, 0, 0}, std::nullopt},
        {"jmp through a register", {0xFF, 0xE0}, std::nullopt},
        {"cut short", {0xFF, 0x25, 0x00, 0x01}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(patch::core::ImportThunkSlot(c.bytes.data(), c.bytes.size(), at), c.slot);
    }
}

}  // namespace
