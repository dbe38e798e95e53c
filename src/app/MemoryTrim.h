#pragma once

// Hands memory the process does not need right now back to the system, for an app that stays
// hidden in the tray for hours: free heap pages (malloc_trim), and the pages of read-only
// file mappings (program and library code and data), which the kernel reclaims and reads back
// from the page cache or the file when they are used again. Writable and anonymous memory is
// never touched, so nothing is lost; on a kernel without page-out support it does the heap
// part only. Returns the number of mappings paged out. Any thread; best on the main thread
// while it is idle.
namespace MemoryTrim {

int releaseIdlePages();

} // namespace MemoryTrim
