#include "patch/entry_patch.h"

#include <windows.h>

#include <cstring>

#include "patch/core/x64_instructions.h"

namespace patch {
namespace {

constexpr std::size_t kTrampolineSize = 4096;
constexpr std::size_t kEntryBytesRead = 64;  // enough for the instructions the patch covers
constexpr std::uint64_t kReach = 0x7FF00000;  // a little under 2 GiB

// Executable memory in a free region within reach of `place`, searched
// outward from it; null when there is none.
void* AllocateNear(const void* place) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const std::uint64_t granularity = info.dwAllocationGranularity;
    const std::uint64_t origin = reinterpret_cast<std::uint64_t>(place) & ~(granularity - 1);
    const std::uint64_t lowest = reinterpret_cast<std::uint64_t>(info.lpMinimumApplicationAddress);
    const std::uint64_t highest = reinterpret_cast<std::uint64_t>(info.lpMaximumApplicationAddress);
    for (std::uint64_t distance = granularity; distance < kReach; distance += granularity) {
        for (const std::uint64_t candidate : {origin - distance, origin + distance}) {
            if (candidate < lowest || candidate > highest || candidate > origin + kReach || candidate + kReach < origin) {
                continue;
            }
            MEMORY_BASIC_INFORMATION region;
            if (!VirtualQuery(reinterpret_cast<void*>(candidate), &region, sizeof region) || region.State != MEM_FREE) {
                continue;
            }
            if (void* p = VirtualAlloc(reinterpret_cast<void*>(candidate), kTrampolineSize, MEM_RESERVE | MEM_COMMIT,
                                       PAGE_EXECUTE_READWRITE)) {
                return p;
            }
        }
    }
    return nullptr;
}

enum class Written { No, Yes, ButWritable };

// Writes `bytes` over code at `at`. ButWritable: written, but the code's own
// protection could not be put back, so it stays writable.
Written WriteCode(void* at, const void* bytes, std::size_t size) {
    DWORD old = 0;
    if (!VirtualProtect(at, size, PAGE_EXECUTE_READWRITE, &old)) return Written::No;
    std::memcpy(at, bytes, size);
    DWORD ignored = 0;
    const bool restored = VirtualProtect(at, size, old, &ignored) != FALSE;
    FlushInstructionCache(GetCurrentProcess(), at, size);
    return restored ? Written::Yes : Written::ButWritable;
}

// How many bytes at `p` can be read, up to `wanted`.
std::size_t Readable(const void* p, std::size_t wanted) {
    MEMORY_BASIC_INFORMATION region;
    if (!VirtualQuery(p, &region, sizeof region) || region.State != MEM_COMMIT ||
        (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) || !region.Protect) {
        return 0;
    }
    const auto end = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    const std::size_t left = end - reinterpret_cast<std::uintptr_t>(p);
    return left < wanted ? left : wanted;
}

bool Executable(const void* p) {
    MEMORY_BASIC_INFORMATION region;
    constexpr DWORD kExecute = PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return VirtualQuery(p, &region, sizeof region) && region.State == MEM_COMMIT && (region.Protect & kExecute) &&
           !(region.Protect & PAGE_GUARD);
}

std::uint64_t Address(const void* p) { return reinterpret_cast<std::uint64_t>(p); }

// The function an import thunk at `entry` leads to, through a few thunks at
// most (kernel32's lead to kernelbase's); `entry` itself when it is no
// thunk, or when where it leads cannot be read or is not code. `patched` is
// an entry already holding our own jump (which reads like a thunk): it is
// where the way ends.
std::uint8_t* FollowImportThunks(std::uint8_t* entry, const std::uint8_t* patched) {
    constexpr int kMostThunks = 4;
    for (int thunk = 0; thunk < kMostThunks && entry != patched; ++thunk) {
        const auto slot = core::ImportThunkSlot(entry, Readable(entry, kEntryBytesRead), Address(entry));
        if (!slot) break;
        const auto* pointer = reinterpret_cast<const void* const*>(static_cast<std::uintptr_t>(*slot));
        if (Readable(pointer, sizeof *pointer) < sizeof *pointer) break;
        auto* next = static_cast<std::uint8_t*>(const_cast<void*>(*pointer));
        if (!next || !Executable(next)) break;
        entry = next;
    }
    return entry;
}

// Executable memory that is released when it goes, unless kept.
class CodeMemory {
public:
    explicit CodeMemory(void* p) : p_(p) {}
    ~CodeMemory() {
        if (p_) VirtualFree(p_, 0, MEM_RELEASE);
    }
    CodeMemory(const CodeMemory&) = delete;
    CodeMemory& operator=(const CodeMemory&) = delete;
    void* get() const { return p_; }
    void* Keep() {
        void* p = p_;
        p_ = nullptr;
        return p;
    }

private:
    void* p_;
};

}  // namespace

EntryPatch::~EntryPatch() {
    Undo();
    for (std::size_t i = 0; i < trampolines_.size(); ++i) {
        if (trampolines_[i].stuck) continue;  // its entry still jumps to the replacement, which uses it
        PointBackAtEntry(i);
        VirtualFree(trampolines_[i].code, 0, MEM_RELEASE);
    }
}

void* EntryPatch::Patch(const char* library, const char* function, void* replacement, std::atomic<void*>& original) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    void* address = reinterpret_cast<void*>(GetProcAddress(module, function));
    return address ? PatchAddress(address, replacement, original) : nullptr;
}

void* EntryPatch::PatchAddress(void* function, void* replacement, std::atomic<void*>& original) {
    try {
        std::uint8_t* entry = FollowImportThunks(static_cast<std::uint8_t*>(function), target_);
        if (target_ && target_ != entry) Undo();

        // The trampoline: the one in use, one made earlier for the same
        // unchanged entry, or a new one.
        std::size_t index = trampolines_.size();
        if (target_ == entry) {
            index = current_;
        } else {
            for (std::size_t i = 0; i < trampolines_.size(); ++i) {
                const Trampoline& t = trampolines_[i];
                if (t.entry == entry && !t.stuck && Readable(entry, t.original.size()) == t.original.size() &&
                    std::memcmp(entry, t.original.data(), t.original.size()) == 0) {
                    index = i;
                    break;
                }
            }
        }
        if (index == trampolines_.size()) {
            CodeMemory code(AllocateNear(entry));
            if (!code.get()) return nullptr;
            const auto plan = core::PlanTrampoline(entry, Readable(entry, kEntryBytesRead), Address(entry),
                                                   Address(code.get()));
            if (!plan || plan->code.size() > kTrampolineSize) return nullptr;
            std::memcpy(code.get(), plan->code.data(), plan->code.size());
            // Code that stays writable is not kept: a trampoline that cannot
            // be made read-execute is freed and nothing is patched.
            DWORD old = 0;
            if (!VirtualProtect(code.get(), kTrampolineSize, PAGE_EXECUTE_READ, &old)) return nullptr;
            FlushInstructionCache(GetCurrentProcess(), code.get(), plan->code.size());
            trampolines_.push_back({entry, std::vector<std::uint8_t>(entry, entry + plan->copied), code.get()});
            code.Keep();
        }
        const Trampoline& trampoline = trampolines_[index];

        // The jump, then int3 over the rest of the moved instructions' bytes.
        std::vector<std::uint8_t> jump = core::AbsoluteJump(Address(replacement));
        jump.resize(trampoline.original.size(), 0xCC);
        const std::vector<std::uint8_t> before(entry, entry + jump.size());
        published_.reserve(published_.size() + 1);

        // From here on nothing allocates. The original first, then the jump.
        Publish(original, index);
        const Written written = WriteCode(entry, jump.data(), jump.size());
        if (written == Written::ButWritable) {
            // Patched code that stays writable is not kept: what was there
            // goes back (the page is still writable) and nothing is patched.
            std::memcpy(entry, before.data(), before.size());
            FlushInstructionCache(GetCurrentProcess(), entry, before.size());
        }
        if (written != Written::Yes) return nullptr;
        target_ = entry;
        current_ = index;
        return trampoline.code;
    } catch (...) {
        // No memory for the bookkeeping: the entry was not changed.
        return nullptr;
    }
}

void EntryPatch::Undo() {
    if (!target_) return;
    Trampoline& trampoline = trampolines_[current_];
    if (WriteCode(target_, trampoline.original.data(), trampoline.original.size()) == Written::No) {
        trampoline.stuck = true;  // the jump stays, and the trampoline with it
    } else {
        PointBackAtEntry(current_);
    }
    target_ = nullptr;
}

void EntryPatch::Publish(std::atomic<void*>& place, std::size_t trampoline) {
    bool known = false;
    for (Published& p : published_) {
        if (p.place == &place) {
            p.trampoline = trampoline;
            known = true;
        }
    }
    if (!known) published_.push_back({&place, trampoline});  // capacity reserved by the caller
    place.store(trampolines_[trampoline].code, std::memory_order_release);
}

void EntryPatch::PointBackAtEntry(std::size_t trampoline) {
    const Trampoline& t = trampolines_[trampoline];
    for (Published& p : published_) {
        void* expected = t.code;
        if (p.trampoline == trampoline) p.place->compare_exchange_strong(expected, t.entry, std::memory_order_acq_rel);
    }
}

}  // namespace patch
