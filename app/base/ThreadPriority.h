#pragma once

// Work that may wait for the rest of the program's (a check that reads a whole store file
// while the store loads beside it) runs on a thread that yields the processor: where threads
// outnumber the cores, the loading goes first and the check takes what is left.
class ThreadPriority final {
public:
    // Lowers the calling thread's priority to the least (nice 19) for as long as it runs; the
    // process's other threads keep theirs. Nothing happens where the system does not allow it.
    static void yieldToOtherThreads();
};
