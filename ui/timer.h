// A timer of a form: calls its routine on the GUI thread every period while
// it runs. Stopping it, or destroying it or its form, ends the calls; a
// timer whose form's window is destroyed is stopped (Running() says false)
// and starts only on a window again.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Form;

class Timer {
public:
    Timer(Form& form, std::function<void()> tick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void Start(UINT periodMs);
    void Stop();
    bool Running() const { return running_; }

    void Fire();  // called by the form on WM_TIMER

private:
    Form& form_;
    std::function<void()> tick_;
    UINT_PTR id_;
    bool running_ = false;
};

}  // namespace ui
