#include "tests/win/failing_allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace testing_support {
namespace {

std::atomic<std::size_t> g_failFrom{0};  // 0: nothing fails
std::atomic<int> g_spared{0};
std::atomic<int> g_refused{0};

void* Allocate(std::size_t size) {
    const std::size_t failFrom = g_failFrom.load(std::memory_order_relaxed);
    if (failFrom != 0 && size >= failFrom && g_spared.fetch_sub(1) <= 0) {
        ++g_refused;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace

FailingAllocations::FailingAllocations(std::size_t bytes, int spared) {
    g_refused = 0;
    g_spared = spared;
    g_failFrom = bytes == 0 ? 1 : bytes;
}

FailingAllocations::~FailingAllocations() { g_failFrom = 0; }

int FailingAllocations::Refused() const { return g_refused; }

}  // namespace testing_support

void* operator new(std::size_t size) { return testing_support::Allocate(size); }
void* operator new[](std::size_t size) { return testing_support::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return testing_support::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
