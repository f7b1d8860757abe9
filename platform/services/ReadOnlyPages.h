#pragma once
// Giving back the memory of read-only data that the program is done with,
// such as a window definition compiled into it once it has been parsed: the
// pages that lie wholly inside the data leave the process's memory and stay
// in the system's file cache, so that reading the data again still works (it
// is then read back from there, a page at a time).

#include <cstddef>

// Only for data that no one writes: constants compiled into the program or
// a file mapped read-only. Does nothing where the system cannot do it.
void ForgetReadOnlyPages(const void* data, size_t size) noexcept;
