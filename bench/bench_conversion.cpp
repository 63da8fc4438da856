// Conversion throughput of the core on realistic codes of 1, 10 and 100 MB.
#include "codegenerator.h"
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

} // namespace

BENCHMARK(convertCode)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(convertCodeReusingBuffer)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
