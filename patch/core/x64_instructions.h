// A small x86-64 instruction-length decoder for the first instructions of a
// function, and the plan of a trampoline made of them: what the entry patch
// (patch/entry_patch.h) needs to move a function's first bytes elsewhere
// without cutting an instruction in half.
//
// The decoder knows the instructions compilers put at function entries:
// pushes and pops, moves, lea, the arithmetic and test instructions with a
// ModRM operand and their immediate forms, mov with an immediate, the
// multi-byte nop, movzx/movsx, the SSE moves, the indirect call and push
// (FF /2 /6), with the 66, F2, F3, segment and REX prefixes. It tells
// where a RIP-relative displacement sits, so that it can be rewritten for
// the new place. It also knows the instructions after which the function
// does not go on: ret, ret imm16, jmp rel8/rel32 and the indirect jumps
// (FF /4 through a register or memory, FF /5). Whatever follows one of them
// may be padding or another function, so a trampoline never copies past
// one. Anything else (calls and conditional branches relative to their own
// place included: their targets would have to be rebuilt) is unknown: the
// length is 0 and nothing is moved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace patch::core {

struct X64Instruction {
    std::size_t length = 0;       // 0: not known
    bool ripRelative = false;     // has a [rip + disp32] operand
    std::size_t displacementAt = 0;  // offset of that disp32 in the instruction
    bool endsFlow = false;        // a return or unconditional jump: the next byte is not run after it
    bool relativeJump = false;    // jmp rel8/rel32: its target moves with it
};

// The instruction at the start of `code` (at most `available` bytes).
X64Instruction DecodeX64Instruction(const std::uint8_t* code, std::size_t available);

// The bytes of an absolute jump to `target`: jmp [rip+0] followed by the
// 8-byte address (14 bytes).
inline constexpr std::size_t kAbsoluteJumpSize = 14;
std::vector<std::uint8_t> AbsoluteJump(std::uint64_t target);

// Where an import thunk reads its target: when the entry's first
// instruction is `jmp [rip + disp32]` (with or without a REX.W prefix, and
// perhaps after the no-ops a hot-patchable entry starts with: nop, 66 nop,
// lea rsp, [rsp + 0]), the address of the 8-byte pointer it jumps through.
// Nothing for any other entry.
std::optional<std::uint64_t> ImportThunkSlot(const std::uint8_t* entry, std::size_t available,
                                             std::uint64_t entryAddress);

// A trampoline for the function at `entryAddress` whose first bytes are
// `entry`: the whole instructions that cover the first `patchSize` bytes,
// relocated to `trampolineAddress` (RIP-relative displacements rewritten),
// then an absolute jump back to the first byte not copied. `copied` tells
// how many entry bytes it replaces. When the last instruction copied is a
// return or an indirect jump, the trampoline ends with it (nothing comes
// back). Nothing when an instruction is unknown, a displacement cannot
// reach its target from the new place, a return or jump ends the function
// before `patchSize` bytes (the patch would overwrite whatever follows it),
// or a relative jump would have to move.
struct TrampolinePlan {
    std::vector<std::uint8_t> code;
    std::size_t copied = 0;
};
std::optional<TrampolinePlan> PlanTrampoline(const std::uint8_t* entry, std::size_t available,
                                             std::uint64_t entryAddress, std::uint64_t trampolineAddress,
                                             std::size_t patchSize = kAbsoluteJumpSize);

}  // namespace patch::core
