// The same benchmarks in a process that keeps all memory it has once taken: freed memory
// stays with the process for the next run instead of going back to the system. With the file
// benchmarks' untimed first run, what is timed is the work of the code itself, without the
// system handing out fresh pages, which on some virtual machines costs many times the copying
// it is for and varies with what the machine did a moment earlier.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <climits>

namespace {

void KeepMemory() {
    // Every block from the heap (no separate mappings, which go back when freed), and the
    // heap never shrinks.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
}

}  // namespace

int main(int argc, char** argv) {
    KeepMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
