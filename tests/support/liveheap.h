// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <string>
#include <unistd.h>

// The live heap as glibc counts it. Its per-thread cache keeps freed blocks
// that mallinfo2 still counts as in use: up to a few hundred KB, filling slowly
// over thousands of allocations, so a heap curve measured with it rises and
// bends though nothing is kept. A process that measures the heap runs without it.
namespace liveheap {

inline long long bytes()
{
    return static_cast<long long>(mallinfo2().uordblks);
}

// Whether the allocator reports live blocks at all: AddressSanitizer's, for
// one, answers 0 whatever is held. A block of known size must show.
inline bool measurable()
{
    // Below the size glibc serves from mmap, which mallinfo2 counts apart.
    constexpr size_t probe = 32 * 1024;
    const long long before = bytes();
    void *volatile block = std::malloc(probe); // volatile: kept, not optimised away
    std::memset(block, 1, probe);
    const long long held = bytes() - before;
    std::free(block);
    return held >= static_cast<long long>(probe);
}

// Starts the program again without the thread cache, unless it already runs
// so; returns only in a process whose figures count live blocks alone (or,
// when the restart fails, after saying so).
inline void withoutThreadCache(char *argv[])
{
    static const char setting[] = "glibc.malloc.tcache_count=0";
    const char *tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables && std::strstr(tunables, setting))
        return;
    const std::string value =
        tunables && *tunables ? std::string(tunables) + ':' + setting : std::string(setting);
    setenv("GLIBC_TUNABLES", value.c_str(), 1);
    execv("/proc/self/exe", argv);
    std::perror("live heap figures include glibc's thread cache: cannot restart without it");
}

} // namespace liveheap
