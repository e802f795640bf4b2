#include "platform/MemoryReuse.h"

#include <cstdlib> // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void MemoryReuse::keepLargeBlocks()
{
#if defined(__GLIBC__)
    // Blocks up to 32 MiB (glibc's largest threshold; a 16 MB document copy) come from
    // the heap, and up to 256 MiB of freed heap stays mapped.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    // Larger ones too: Qt sizes a growing string to the next power of two, so the whole
    // text of a 10 MB document asks for 32 MiB and more, which would be mapped afresh
    // and faulted in page by page on every search or scan.
    mallopt(M_MMAP_MAX, 0);
#endif
}
