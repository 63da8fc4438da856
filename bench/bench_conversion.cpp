// Conversion throughput of the core on realistic codes of 1, 10 and 100 MB,
// and on codes of a single huge segment.
#include "codegenerator.h"
#include "convert/codesession.h"
#include "convert/conversion.h"

#include <benchmark/benchmark.h>

#include <map>

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

} // namespace

BENCHMARK(convertCode)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertCodeReusingBuffer)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertCodeWithReport)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(loadIntoSession)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertOneHugeSegment)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
