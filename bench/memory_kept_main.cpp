// The same benchmarks in a process that keeps all memory it has once taken: nothing goes back
// to the system, and the memory is touched once before the first benchmark. What is left is
// the work of the code measured, without the cost of the system handing out fresh pages,
// which on some virtual machines is many times the cost of the reading itself and varies with
// what the machine did a second earlier.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// Enough for the largest shared deck, a deck opened from its file and the file's bytes.
constexpr std::size_t kTouchedBytes = std::size_t{1536} << 20;

void KeepMemory() {
    // Every block from the heap (no separate mappings, which go back when freed), and the
    // heap never shrinks.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
    void* block = std::malloc(kTouchedBytes);
    if (block != nullptr) {
        std::memset(block, 0, kTouchedBytes);
        benchmark::DoNotOptimize(block);
        std::free(block);
    }
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
