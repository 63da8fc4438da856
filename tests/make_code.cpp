// Writes a realistic code of the given size in megabytes, for measuring the
// command-line converter and the window on large inputs, and for the fuzzing
// seed corpus.
#include "codegenerator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s MEGABYTES FILE [SEED]\n", argv[0]);
        return 2;
    }
    const auto seed = std::uint32_t(argc == 4 ? std::atol(argv[3]) : 42);
    const std::string code = CodeGenerator(seed).code(std::size_t(std::atof(argv[1]) * (1 << 20)));
    std::FILE *file = std::fopen(argv[2], "wb");
    if (!file || std::fwrite(code.data(), 1, code.size(), file) != code.size() || std::fclose(file) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
