// A change signal: observers connect once and are called, in the order they
// connected, each time the signal is raised. Observers live at least as
// long as what they observe (they are connected by the owners of both).
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace base {

template <typename... Args>
class Signal {
public:
    void Connect(std::function<void(Args...)> observer) { observers_.push_back(std::move(observer)); }
    void operator()(Args... args) const {
        // By index: an observer may connect another while the signal runs.
        for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i](args...);
    }

private:
    std::vector<std::function<void(Args...)>> observers_;
};

}  // namespace base
