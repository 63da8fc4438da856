#include "commandlineconverter.h"

#include "files/codefile.h"

#include <csignal>
#include <cstdio>
#include <new>

int main(int argc, char *argv[])
{
    // Before anything opens a file, so that none can land on a closed
    // standard stream.
    CodeFile::reserveStandardStreams();
#ifdef SIGPIPE
    // A reader that went away is a failure to write like any other: said,
    // and an exit of 1.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    try {
        return CommandLineConverter().run(CodeFile::arguments(argc, argv));
    } catch (const std::bad_alloc &) {
        std::fputs("qvrtomorvane-cli: out of memory\n", stderr);
        return CommandLineConverter::SomeFailed;
    }
}
