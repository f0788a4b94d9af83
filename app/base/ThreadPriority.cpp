#include "base/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

void ThreadPriority::yieldToOtherThreads() {
    // On Linux a thread has a niceness of its own, named by its thread ID.
    constexpr int kLeastPriority = 19;
    (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kLeastPriority);
}
