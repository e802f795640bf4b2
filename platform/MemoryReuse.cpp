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
#endif
}
