// The API-entry patch: makes every call of a function in this process go to
// a replacement, and gives the replacement a way to call the original.
//
// The function's first instructions are moved, whole, into a trampoline in
// executable memory within 2 GiB of the function (so that RIP-relative
// operands can be rewritten for it), followed by an absolute jump back; the
// entry is overwritten with an absolute jump to the replacement (14 bytes,
// reaching anywhere). An entry that is an import thunk (jmp [rip + disp32])
// is followed to the function it jumps to, and that function is patched:
// the thunk itself is too short for the jump, and every caller of the thunk
// reaches the function anyway. When the first instructions cannot be moved
// safely (patch/core/x64_instructions.h), or the code cannot be made
// read-execute again after it was written, nothing is patched and the
// result is null.
//
// The caller names the place where it keeps the address that runs the
// original; the patch stores the trampoline there before the entry jumps to
// the replacement, so a call arriving at any moment finds it set. That place
// must outlive this object. A trampoline is never freed while a place the
// patch stored it in still names it: undoing a patch puts the original bytes
// back and then points those places at the function itself (which runs the
// original again); trampolines are kept for this object's lifetime, patching
// the same function again reuses its trampoline, and the destructor frees
// them after undoing.
//
// One patch at a time: patching another function undoes the earlier patch
// first. The 14 bytes of the entry are not written in one step: no other
// thread may be running them while they change. The program patches at
// start-up.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace patch {

class EntryPatch {
public:
    EntryPatch() = default;
    ~EntryPatch();
    EntryPatch(const EntryPatch&) = delete;
    EntryPatch& operator=(const EntryPatch&) = delete;

    // Patches the function `function` of `library` (loaded when needed);
    // stores the address that runs the original in `original` before the
    // entry is changed, and returns it; null when nothing was patched. On
    // failure `original` is left as it was, or, when the entry itself could
    // not be changed (or kept changed), names the trampoline, which runs the
    // original all the same.
    void* Patch(const char* library, const char* function, void* replacement, std::atomic<void*>& original);
    // The same for a function known by its address.
    void* PatchAddress(void* function, void* replacement, std::atomic<void*>& original);
    void Undo();
    // The entry that jumps to the replacement now (an import thunk's target,
    // not the thunk); null when nothing is patched.
    void* PatchedAddress() const { return target_; }

private:
    struct Trampoline {
        std::uint8_t* entry;
        std::vector<std::uint8_t> original;  // the entry bytes the trampoline replaces
        void* code;
        bool stuck = false;  // its entry could not be put back: the trampoline stays in use
    };
    struct Published {
        std::atomic<void*>* place;
        std::size_t trampoline;
    };
    void Publish(std::atomic<void*>& place, std::size_t trampoline);
    void PointBackAtEntry(std::size_t trampoline);

    std::uint8_t* target_ = nullptr;  // the entry holding our jump
    std::size_t current_ = 0;         // its trampoline, when target_ is set
    std::vector<Trampoline> trampolines_;
    std::vector<Published> published_;
};

}  // namespace patch
