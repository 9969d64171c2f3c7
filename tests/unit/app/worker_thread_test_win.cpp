#include "platform/win/worker_thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

TEST(WorkerThreadTest, RunsTheJobOnAnotherThreadAndJoins) {
    std::atomic<DWORD> jobThread{0};
    {
        WorkerThread worker;
        ASSERT_TRUE(worker.Start([&] { jobThread = ::GetCurrentThreadId(); }));
    }  // joined here
    EXPECT_NE(jobThread.load(), 0u);
    EXPECT_NE(jobThread.load(), ::GetCurrentThreadId());
}

TEST(WorkerThreadTest, OneJobAtATime) {
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> runs{0};
    WorkerThread worker;
    ASSERT_TRUE(worker.Start([&] {
        ::WaitForSingleObject(release, INFINITE);
        ++runs;
    }));
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_FALSE(worker.Start([&] { ++runs; }));
    ::SetEvent(release);
    worker.Join();
    EXPECT_FALSE(worker.IsRunning());
    ASSERT_TRUE(worker.Start([&] { ++runs; }));
    worker.Join();
    EXPECT_EQ(runs.load(), 2);
    ::CloseHandle(release);
}

}  // namespace
