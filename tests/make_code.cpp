// Writes a realistic code of the given size in megabytes, for measuring the
// command-line converter and the window on large inputs, and for the fuzzing
// seed corpus; or a folder of many small codes, for batches.
//   make_code MEGABYTES FILE [SEED]
//   make_code --many COUNT BYTES FOLDER [SEED]   FOLDER/code-0001.txt, ...
#include "codegenerator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool write(const std::string &code, const char *path)
{
    std::FILE *file = std::fopen(path, "wb");
    if (!file || std::fwrite(code.data(), 1, code.size(), file) != code.size() || std::fclose(file) != 0) {
        std::perror(path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 5 && argc <= 6 && std::strcmp(argv[1], "--many") == 0) {
        CodeGenerator generator(std::uint32_t(argc == 6 ? std::atol(argv[5]) : 42));
        const long count = std::atol(argv[2]);
        const auto bytes = std::size_t(std::atol(argv[3]));
        for (long index = 1; index <= count; ++index) {
            char name[32];
            std::snprintf(name, sizeof name, "/code-%04ld.txt", index);
            if (!write(generator.code(bytes), (std::string(argv[4]) + name).c_str()))
                return 1;
        }
        return 0;
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s MEGABYTES FILE [SEED]\n       %s --many COUNT BYTES FOLDER [SEED]\n", argv[0],
                     argv[0]);
        return 2;
    }
    const auto seed = std::uint32_t(argc == 4 ? std::atol(argv[3]) : 42);
    return write(CodeGenerator(seed).code(std::size_t(std::atof(argv[1]) * (1 << 20))), argv[2]) ? 0 : 1;
}
