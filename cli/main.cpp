#include "commandlineconverter.h"

#include "input/codefile.h"

#include <csignal>
#include <cstdio>
#include <new>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

// The arguments as UTF-8, from the UTF-16 command line: argv holds them in
// the ANSI code page, which loses any name outside it ("été-日本.txt").
static std::vector<std::string> arguments(int, char *[])
{
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 0; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(std::size_t(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
        utf8.push_back(std::move(argument));
    }
    LocalFree(wide);
    return utf8;
}
#else
static std::vector<std::string> arguments(int argc, char *argv[])
{
    return std::vector<std::string>(argv, argv + argc);
}
#endif

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
        return CommandLineConverter().run(arguments(argc, argv));
    } catch (const std::bad_alloc &) {
        std::fputs("qvrtomorvane-cli: out of memory\n", stderr);
        return CommandLineConverter::SomeFailed;
    }
}
