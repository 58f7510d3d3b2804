#include "ui/timer.h"

#include "ui/form.h"

namespace ui {
namespace {

UINT_PTR NextTimerId() {
    static UINT_PTR next = 0x5000;
    return ++next;
}

}  // namespace

Timer::Timer(Form& form, std::function<void()> tick) : form_(form), tick_(std::move(tick)), id_(NextTimerId()) {
    form_.RegisterTimer(id_, this);
}

Timer::~Timer() {
    Stop();
    form_.UnregisterTimer(id_);
}

void Timer::Start(UINT periodMs) {
    if (form_.Handle() && SetTimer(form_.Handle(), id_, periodMs, nullptr)) running_ = true;
}

void Timer::Stop() {
    if (running_ && form_.Handle()) KillTimer(form_.Handle(), id_);
    running_ = false;
}

void Timer::Fire() {
    if (running_ && tick_) tick_();
}

}  // namespace ui
