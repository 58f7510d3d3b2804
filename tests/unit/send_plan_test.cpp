#include "messages/core/send_plan.h"

#include <gtest/gtest.h>

namespace {

using namespace messages::core;
namespace {

TEST(SendPlan, TextBufferIsAsLargeAsTheTextOrWParamSaysWithinTheLimit) {
    struct Case {
        SendMethod method;
        std::int32_t wParam;
        std::size_t length;
        std::string_view refusal;
        std::size_t characters;
    } cases[] = {
        {SendMethod::Send, 0, 5, {}, 6},
        {SendMethod::Send, 100, 5, {}, 100},
        {SendMethod::SendWithTimeout, 3, 5, {}, 6},  // never smaller than the text
        {SendMethod::Send, -1, 0, {}, 1},            // a negative size asks for nothing
        {SendMethod::Send, static_cast<std::int32_t>(kMaxTextBuffer), 0, {}, kMaxTextBuffer},
        {SendMethod::Send, static_cast<std::int32_t>(kMaxTextBuffer) + 1, 0, kBufferTooLargeStatus, 0},
        {SendMethod::Send, 2000000000, 4, kBufferTooLargeStatus, 0},
        {SendMethod::SendWithTimeout, 2000000000, 4, kBufferTooLargeStatus, 0},
        {SendMethod::Send, 0, kMaxTextBuffer, kBufferTooLargeStatus, 0},  // the text itself with its NUL
        {SendMethod::Post, 0, 5, kPostedTextStatus, 0},
        {SendMethod::Post, 2000000000, 5, kPostedTextStatus, 0},
    };
    for (const Case& c : cases) {
        const TextBufferPlan plan = PlanTextBuffer(c.method, c.wParam, c.length);
        EXPECT_EQ(plan.refusal, c.refusal) << c.wParam << " " << c.length;
        EXPECT_EQ(plan.characters, c.characters) << c.wParam << " " << c.length;
    }
}

}  // namespace
}  // namespace
