#include "commandlineconverter.h"

#include "input/codefile.h"

#include <cstdio>
#include <new>

int main(int argc, char *argv[])
{
    // Before anything opens a file, so that none can land on a closed
    // standard stream.
    CodeFile::reserveStandardStreams();
    try {
        return CommandLineConverter().run(std::vector<std::string>(argv, argv + argc));
    } catch (const std::bad_alloc &) {
        std::fputs("qvrtomorvane-cli: out of memory\n", stderr);
        return CommandLineConverter::SomeFailed;
    }
}
