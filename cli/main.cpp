#include "commandlineconverter.h"

#include "input/codefile.h"

int main(int argc, char *argv[])
{
    // Before anything opens a file, so that none can land on a closed
    // standard stream.
    CodeFile::reserveStandardStreams();
    return CommandLineConverter().run(std::vector<std::string>(argv, argv + argc));
}
