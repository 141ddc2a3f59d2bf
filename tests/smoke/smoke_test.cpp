#include <windows.h>
#include <gtest/gtest.h>
#include <mutex>
TEST(Smoke, AnsiCodePageIsGbk) { std::mutex m; std::lock_guard g(m); EXPECT_EQ(GetACP(), 936u); }
