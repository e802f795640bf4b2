#pragma once

// How the process hands memory back to the system. Called once at start, before the
// first window; the benchmark calls it too, so that it measures the program as it runs.
class MemoryReuse
{
public:
    // Large freed blocks (the undo copy of a long document, the text of a closed one)
    // stay with the process for the next such block instead of going back to the
    // system at once: getting them back costs a page fault every 4 KiB, which for a
    // 10 MB document is more than the edit itself. Peak memory is unchanged.
    static void keepLargeBlocks();
};
