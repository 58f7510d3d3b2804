// The error log's lines and its size limit.
#include <gtest/gtest.h>

#include <string>

#include "win/core/error_log_text.h"

namespace {

TEST(ErrorLog, ALineSaysWhenWhereAndWhatOnOneLine) {
    const win::core::LogTime t{2026, 12, 9, 7, 5, 3, 42};
    EXPECT_EQ(win::core::ErrorLogLine(t, "/home/build/src/ui/form.cpp", 123, "bad\r\nthing"),
              "2026-12-09 07:05:03.042  ui/form.cpp:123  bad  thing\r\n");
    EXPECT_EQ(win::core::ErrorLogLine(t, "C:\\src\\inspector\\target.cpp", 7, ""),
              "2026-12-09 07:05:03.042  inspector\\target.cpp:7  \r\n");
    EXPECT_EQ(win::core::ErrorLogLine(t, "form.cpp", 1, "x"), "2026-12-09 07:05:03.042  form.cpp:1  x\r\n");
}

// However many faults come, the log stays within its limit, ends with the
// newest, and holds whole lines only.
TEST(ErrorLog, StaysUnderItsLimitKeepingTheNewestWholeLines) {
    constexpr std::size_t kLimit = 1000;
    std::string log;
    for (int i = 0; i < 500; ++i) {
        const std::string line = "fault number " + std::to_string(i) + "\r\n";
        log = win::core::AppendToLog(log, line, kLimit);
        ASSERT_LE(log.size(), kLimit) << i;
        ASSERT_EQ(log.substr(log.size() - line.size()), line) << i;
        ASSERT_EQ(log.rfind("fault number ", 0), 0u) << "a cut line at the start after " << i;
    }
    // Below the limit nothing is dropped.
    EXPECT_EQ(win::core::AppendToLog("a\r\n", "b\r\n", kLimit), "a\r\nb\r\n");
    // A line beyond the limit alone is cut to it.
    EXPECT_EQ(win::core::AppendToLog("a\r\n", std::string(2000, 'x'), kLimit), std::string(1000, 'x'));
}

}  // namespace
