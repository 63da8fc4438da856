// Conversion throughput of the core on realistic codes of 1, 10 and 100 MB,
// and on codes of a single huge segment; and the converter's whole way from
// a file to the bytes it writes, with the most memory it holds at once.
#include "codegenerator.h"
#include "convert/codesession.h"
#include "convert/conversion.h"
#include "files/codefile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <new>

// Every allocation of this program is counted, for the most it held at once.
// (GCC takes the malloc and free behind them for a mismatch with new.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::size_t heldBytes = 0;
std::size_t mostHeld = 0;
} // namespace

void *operator new(std::size_t size)
{
    auto *block = static_cast<std::size_t *>(std::malloc(size + sizeof(std::max_align_t)));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    heldBytes += size;
    mostHeld = std::max(mostHeld, heldBytes);
    return reinterpret_cast<char *>(block) + sizeof(std::max_align_t);
}

void operator delete(void *pointer) noexcept
{
    if (!pointer)
        return;
    auto *block = reinterpret_cast<std::size_t *>(static_cast<char *>(pointer) - sizeof(std::max_align_t));
    heldBytes -= *block;
    std::free(block);
}

void operator delete(void *pointer, std::size_t) noexcept
{
    operator delete(pointer);
}

namespace {

const std::string &codeOfSize(std::size_t megabytes)
{
    static std::map<std::size_t, std::string> codes;
    std::string &code = codes[megabytes];
    if (code.empty())
        code = CodeGenerator(42).code(megabytes << 20);
    return code;
}

void convertCode(benchmark::State &state)
{
    const std::string &code = codeOfSize(std::size_t(state.range(0)));
    for (auto _ : state) {
        ConversionResult result = Conversion::convert(code);
        benchmark::DoNotOptimize(result.code.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(code.size()));
}

// A batch converts into one buffer, so only the first code pays for the
// kernel's fresh pages.
void convertCodeReusingBuffer(benchmark::State &state)
{
    const std::string &code = codeOfSize(std::size_t(state.range(0)));
    std::string out;
    for (auto _ : state) {
        Conversion::convert(code, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(code.size()));
}

// What asking for the report costs; without one the pass does no extra work.
void convertCodeWithReport(benchmark::State &state)
{
    const std::string &code = codeOfSize(std::size_t(state.range(0)));
    std::string out;
    ConversionReport report;
    for (auto _ : state) {
        Conversion::convert(code, out, &report);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(code.size()));
}

// What a load and a Convert cost the window and the page: the file's bytes
// read as text, converted and kept in the form Save writes; then Convert,
// whose pass makes the report.
void loadIntoSession(benchmark::State &state)
{
    const std::string &code = codeOfSize(std::size_t(state.range(0)));
    CodeSession session;
    for (auto _ : state) {
        session.clear(); // else the same code again keeps its conversion
        session.load(session.startLoad(), code, "bench.txt");
        session.convert();
        benchmark::DoNotOptimize(session.shownConversion().data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(code.size()));
}

// One segment of millions of short values: each family's rule reads only
// the values it needs, so a byte costs here what it costs in a typical code.
void convertOneHugeSegment(benchmark::State &state)
{
    static const char *const heads[] = {"bc1", "m0312", "r0540", "s075", "t0433"};
    const char *head = heads[state.range(0)];
    std::string code = std::string("107**") + head;
    while (code.size() < (std::size_t(10) << 20))
        code += ".1";
    std::string out;
    for (auto _ : state) {
        Conversion::convert(code, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(head);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(code.size()));
}

// What qvrtomorvane-cli does with a file: read it (its head judged first),
// decode it, convert it and encode what it writes. "held" is the most
// memory held at once, as a multiple of the code's size: the code and its
// conversion, never a second copy of the code.
void convertFile(benchmark::State &state)
{
    const std::string &code = codeOfSize(std::size_t(state.range(0)));
    const std::string path = "/tmp/bench-convert-file-" + std::to_string(state.range(0)) + ".txt";
    std::ofstream(path, std::ios::binary) << code;
    double held = 0;
    for (auto _ : state) {
        const std::size_t before = heldBytes;
        mostHeld = heldBytes;
        CodeFile::Read read = CodeFile::read(path, CodeFile::Sources::Anything, CodeText::mayBeginCode);
        std::string text = CodeText::decode(std::move(read.bytes));
        std::string converted;
        Conversion::convert(text, converted);
        text = std::string();
        const std::string written = CodeText::encode(std::move(converted));
        benchmark::DoNotOptimize(written.data());
        held = double(mostHeld - before) / double(code.size());
    }
    std::remove(path.c_str());
    state.counters["held"] = held;
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(code.size()));
}

} // namespace

BENCHMARK(convertFile)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertCode)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertCodeReusingBuffer)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertCodeWithReport)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(loadIntoSession)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertOneHugeSegment)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
