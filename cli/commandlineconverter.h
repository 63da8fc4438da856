#ifndef COMMANDLINECONVERTER_H
#define COMMANDLINECONVERTER_H

#include "convert/conversion.h"
#include "convert/reportjson.h"
#include "files/codefile.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

// qvrtomorvane-cli: converts code files (or standard input) exactly as the
// window's load and save actions would, for scripts and batches. File names
// are taken as the bytes they are, so any name the system allows works.
class CommandLineConverter
{
public:
    enum ExitStatus { AllConverted = 0, SomeFailed = 1, UsageError = 2 };

    // arguments[0] is the program's name, as in argv.
    int run(const std::vector<std::string> &arguments);

private:
    struct Options
    {
        std::vector<std::string> inputs;
        std::optional<std::string> output;
        std::optional<std::string> outputDirectory;
        bool help = false;
        bool version = false;
        bool report = false;
        bool reportJson = false;
    };

    static std::optional<std::string> parse(const std::vector<std::string> &arguments, Options &options);
    static std::optional<std::string> check(const Options &options);

    bool convertBatch();
    bool convertOne(const std::string &input, const std::optional<std::string> &output);
    bool convertedOne(const std::string &input, const std::optional<std::string> &output,
                      const ConversionReport &conversionReport, std::vector<std::string_view> converted);
    // The conversion, in the blocks it was made in, or false when there is
    // none (the input's problem is reported).
    bool readAndConvert(const std::string &input, ConversionReport *report, std::vector<std::string> &converted);
    bool writeTo(const std::string &input, const std::string &path, CodeFile::Pieces converted);
    // A problem with one input: a line on standard error, or an entry of the
    // JSON report when that is what standard error carries.
    void report(const std::string &input, const std::string &message);

    Options mOptions;
    ReportJson::Json mJsonReports = ReportJson::Json::array();
    std::optional<std::string> mFailure; // of the input at hand, for the JSON report

    // Every input of the run, known before anything is written, so that no
    // output lands on an input, under whatever name it is reached.
    std::vector<CodeFile::Identity> mInputs;
    std::set<std::string> mWrittenPaths;
};

#endif // COMMANDLINECONVERTER_H
