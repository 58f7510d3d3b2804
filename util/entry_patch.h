// The API-entry patch: makes every call of a function in this process go to
// a replacement, and gives the replacement a way to call the original.
//
// The function's first instructions are moved, whole, into a trampoline in
// executable memory within 2 GiB of the function (so that RIP-relative
// operands can be rewritten for it), followed by an absolute jump back; the
// entry is overwritten with an absolute jump to the replacement (14 bytes,
// reaching anywhere). When the first instructions cannot be moved safely
// (util/core/x64_instructions.h), nothing is patched and the result is
// null. One patch at a time: patching again undoes the earlier patch first;
// Undo() and the destructor put the original bytes back.
//
// No other thread may be running the patched bytes while they change: the
// program patches at start-up, before it starts other threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace util {

class EntryPatch {
public:
    EntryPatch() = default;
    ~EntryPatch();
    EntryPatch(const EntryPatch&) = delete;
    EntryPatch& operator=(const EntryPatch&) = delete;

    // Patches the function `function` of `library` (loaded when needed);
    // returns the address that runs the original, or null.
    void* Patch(const char* library, const char* function, void* replacement);
    // The same for a function known by its address.
    void* PatchAddress(void* function, void* replacement);
    void Undo();
    void* PatchedAddress() const { return target_; }

private:
    std::uint8_t* target_ = nullptr;
    std::vector<std::uint8_t> original_;
    void* trampoline_ = nullptr;
};

}  // namespace util
