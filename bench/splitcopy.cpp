// The floor of any converter that reads a code, splits it and writes it: it
// reads the file a block at a time, cuts it at every "_" and "." and puts
// the pieces back, separators and all, into a block it writes out, changing
// nothing. A converter can do no less; bench/table.mjs measures the
// converter against it on the same file.
//   splitcopy INPUT OUTPUT
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: splitcopy INPUT OUTPUT\n", stderr);
        return 2;
    }
    std::FILE *in = std::fopen(argv[1], "rb");
    std::FILE *out = std::fopen(argv[2], "wb");
    if (!in || !out) {
        std::perror("splitcopy");
        return 1;
    }
    constexpr std::size_t blockSize = 1 << 20;
    std::vector<char> block(blockSize);
    std::vector<char> written(blockSize);
    std::size_t used = 0;
    std::size_t pieces = 1;
    const auto put = [&](const char *piece, std::size_t size) {
        if (used + size > written.size()) {
            std::fwrite(written.data(), 1, used, out);
            used = 0;
        }
        std::memcpy(written.data() + used, piece, size);
        used += size;
    };
    for (std::size_t read; (read = std::fread(block.data(), 1, block.size(), in)) > 0;) {
        const char *start = block.data();
        const char *end = start + read;
        for (const char *at = start; at < end; ++at) {
            if (*at == '_' || *at == '.') {
                put(start, std::size_t(at + 1 - start));
                start = at + 1;
                ++pieces;
            }
        }
        put(start, std::size_t(end - start));
    }
    std::fwrite(written.data(), 1, used, out);
    std::fclose(in);
    if (std::fclose(out) != 0) {
        std::perror("splitcopy");
        return 1;
    }
    std::printf("%zu pieces\n", pieces);
    return 0;
}
