#include "base/ThreadPriority.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace {

int priorityOf(pid_t thread) {
    errno = 0;
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
}

TEST(ThreadPriority, OnlyTheThreadThatYieldsLosesPriority) {
    const pid_t caller = ::gettid();
    const int before = priorityOf(caller);
    int yielded = 0;
    int callerMeanwhile = 0;
    std::thread worker([&] {
        ThreadPriority::yieldToOtherThreads();
        yielded = priorityOf(::gettid());
        callerMeanwhile = priorityOf(caller);
    });
    worker.join();
    EXPECT_EQ(yielded, 19);
    EXPECT_EQ(callerMeanwhile, before);
    EXPECT_EQ(priorityOf(caller), before);
}

}  // namespace
