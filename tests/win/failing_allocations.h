// Makes allocations fail on purpose, to see what the program leaves behind
// when a step throws std::bad_alloc half way (the test program replaces
// operator new for this).
#pragma once

#include <cstddef>

namespace testing_support {

// While this lives, every operator new of at least `bytes` bytes on any
// thread throws std::bad_alloc, after the first `spared` such requests.
class FailingAllocations {
public:
    explicit FailingAllocations(std::size_t bytes, int spared = 0);
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
    // How many requests were refused so far.
    int Refused() const;
};

}  // namespace testing_support
