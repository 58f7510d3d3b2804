#include "util/entry_patch.h"

#include <windows.h>

#include <cstring>

#include "util/core/x64_instructions.h"

namespace util {
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

bool WriteCode(void* at, const void* bytes, std::size_t size) {
    DWORD old = 0;
    if (!VirtualProtect(at, size, PAGE_EXECUTE_READWRITE, &old)) return false;
    std::memcpy(at, bytes, size);
    VirtualProtect(at, size, old, &old);
    FlushInstructionCache(GetCurrentProcess(), at, size);
    return true;
}

// How many bytes at `p` can be read, up to `wanted`.
std::size_t Readable(const void* p, std::size_t wanted) {
    MEMORY_BASIC_INFORMATION region;
    if (!VirtualQuery(p, &region, sizeof region) || region.State != MEM_COMMIT) return 0;
    const auto end = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    const std::size_t left = end - reinterpret_cast<std::uintptr_t>(p);
    return left < wanted ? left : wanted;
}

}  // namespace

EntryPatch::~EntryPatch() { Undo(); }

void* EntryPatch::Patch(const char* library, const char* function, void* replacement) {
    Undo();
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    void* address = reinterpret_cast<void*>(GetProcAddress(module, function));
    return address ? PatchAddress(address, replacement) : nullptr;
}

void* EntryPatch::PatchAddress(void* function, void* replacement) {
    Undo();
    auto* entry = static_cast<std::uint8_t*>(function);
    const std::size_t available = Readable(entry, kEntryBytesRead);
    void* trampoline = AllocateNear(entry);
    if (!trampoline) return nullptr;
    const auto plan = core::PlanTrampoline(entry, available, reinterpret_cast<std::uint64_t>(entry),
                                           reinterpret_cast<std::uint64_t>(trampoline));
    if (!plan || plan->code.size() > kTrampolineSize) {
        VirtualFree(trampoline, 0, MEM_RELEASE);
        return nullptr;
    }
    std::memcpy(trampoline, plan->code.data(), plan->code.size());
    DWORD old = 0;
    VirtualProtect(trampoline, kTrampolineSize, PAGE_EXECUTE_READ, &old);
    FlushInstructionCache(GetCurrentProcess(), trampoline, plan->code.size());

    // The jump, then int3 over the rest of the moved instructions' bytes.
    std::vector<std::uint8_t> jump = core::AbsoluteJump(reinterpret_cast<std::uint64_t>(replacement));
    jump.resize(plan->copied, 0xCC);
    std::vector<std::uint8_t> original(entry, entry + plan->copied);
    if (!WriteCode(entry, jump.data(), jump.size())) {
        VirtualFree(trampoline, 0, MEM_RELEASE);
        return nullptr;
    }
    target_ = entry;
    original_ = std::move(original);
    trampoline_ = trampoline;
    return trampoline;
}

void EntryPatch::Undo() {
    if (!target_) return;
    if (WriteCode(target_, original_.data(), original_.size())) {
        // Only when the original is back may nothing reach the trampoline.
        VirtualFree(trampoline_, 0, MEM_RELEASE);
    }
    target_ = nullptr;
    original_.clear();
    trampoline_ = nullptr;
}

}  // namespace util
