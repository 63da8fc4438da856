#include "commandlineconverter.h"

#include "convert/codebatch.h"
#include "convert/conversion.h"
#include "convert/conversionstream.h"
#include "convert/reportjson.h"

#include <algorithm>
#include <cstdio>

namespace {

// A conversion is kept as it is made, in blocks of a mebibyte: it never
// moves to grow, so a large one is held once, and it is written as it is.
void appendInBlocks(std::vector<std::string> &blocks, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (blocks.empty() || blocks.back().size() == CodeFile::blockBytes)
            blocks.emplace_back().reserve(CodeFile::blockBytes);
        std::string &last = blocks.back();
        const std::size_t taken = std::min(bytes.size(), CodeFile::blockBytes - last.size());
        last.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
    }
}

const std::string standardStream = "-";
const std::string programName = "qvrtomorvane-cli";
// A batch this long says how far it has come.
constexpr std::size_t progressFrom = 10;

const char helpText[] =
    "Usage: qvrtomorvane-cli [options] [--] [FILE...]\n"
    "Converts QVR character codes into Morvane codes.\n"
    "Reads each FILE (standard input when there is none, or for \"-\") and writes the\n"
    "converted code to standard output, to --output or into --output-dir.\n"
    "\n"
    "Options:\n"
    "  -h, --help              Displays this help.\n"
    "  -v, --version           Displays version information.\n"
    "  -o, --output <file>     Write the converted code to <file>, replacing it whole.\n"
    "  -d, --output-dir <dir>  Write each converted code to <dir>/<input file name>;\n"
    "                          a FILE that is a folder gives its .txt files, and\n"
    "                          those of the folders in it, below <dir>/<folder>/.\n"
    "                          A name taken twice is numbered: \"hero (2).txt\".\n"
    "  --report                Write to standard error, after the conversion, what\n"
    "                          became of the segments: a summary, then a line for\n"
    "                          every segment changed or dropped, with the reason.\n"
    "  --report-json           The same as one JSON document, for scripts.\n"
    "  --                      Take every argument after it as a FILE, even one that\n"
    "                          begins with \"-\".\n"
    "\n"
    "Arguments:\n"
    "  FILE...                 Code files to convert.\n"
    "\n"
    "Exit status: 0 when every input converted, 1 when one could not be read,\n"
    "converted or written, 2 for a usage error.\n";

void print(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

std::string displayName(const std::string &input)
{
    return input == standardStream ? "(standard input)" : input;
}

// The value of an option: glued to it ("-ofile", "--output=file") or the
// next argument.
std::optional<std::string> optionValue(const std::vector<std::string> &arguments, std::size_t &index,
                                       std::size_t nameLength)
{
    const std::string &argument = arguments[index];
    if (argument.size() > nameLength)
        return argument.substr(argument[nameLength] == '=' ? nameLength + 1 : nameLength);
    if (index + 1 == arguments.size())
        return std::nullopt;
    return arguments[++index];
}

} // namespace

std::optional<std::string> CommandLineConverter::parse(const std::vector<std::string> &arguments, Options &options)
{
    bool onlyFiles = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (onlyFiles || argument.empty() || argument == standardStream || argument.front() != '-') {
            options.inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyFiles = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "-v" || argument == "--version") {
            options.version = true;
        } else if (argument == "--report") {
            options.report = true;
        } else if (argument == "--report-json") {
            options.reportJson = true;
        } else if (argument.rfind("-o", 0) == 0 || argument == "--output" || argument.rfind("--output=", 0) == 0) {
            if (options.output)
                return "the output is named twice";
            options.output = optionValue(arguments, i, argument[1] == '-' ? 8 : 2);
            if (!options.output)
                return "missing value after '" + argument + "'";
        } else if (argument.rfind("-d", 0) == 0 || argument == "--output-dir" || argument.rfind("--output-dir=", 0) == 0) {
            if (options.outputDirectory)
                return "the output directory is named twice";
            options.outputDirectory = optionValue(arguments, i, argument[1] == '-' ? 12 : 2);
            if (!options.outputDirectory)
                return "missing value after '" + argument + "'";
        } else {
            return "unknown option '" + argument + "'";
        }
    }
    if (options.inputs.empty())
        options.inputs.push_back(standardStream);
    return std::nullopt;
}

std::optional<std::string> CommandLineConverter::check(const Options &options)
{
    if (options.output && options.outputDirectory)
        return "--output and --output-dir exclude each other";
    if (!options.outputDirectory && options.inputs.size() > 1)
        return "several inputs need --output-dir";
    if (options.outputDirectory
        && std::find(options.inputs.begin(), options.inputs.end(), standardStream) != options.inputs.end())
        return "standard input has no file name for --output-dir";
    if ((options.output && options.output->empty()) || (options.outputDirectory && options.outputDirectory->empty()))
        return "an empty name is no file";
    if (options.report && options.reportJson)
        return "--report and --report-json exclude each other";
    return std::nullopt;
}

int CommandLineConverter::run(const std::vector<std::string> &arguments)
{
    Options &options = mOptions;
    std::optional<std::string> usage = parse(arguments, options);
    if (!usage && !options.help && !options.version)
        usage = check(options);
    if (usage) {
        print(stderr, programName + ": " + *usage + "\nTry 'qvrtomorvane-cli --help'.\n");
        return UsageError;
    }
    if (options.help || options.version) {
        print(stdout, options.help ? helpText : programName + " " QVRTOMORVANE_VERSION "\n");
        return AllConverted;
    }

    for (const std::string &input : options.inputs) {
        const auto identity = input == standardStream ? CodeFile::standardInputIdentity() : CodeFile::identity(input);
        if (identity)
            mInputs.push_back(*identity);
    }
    if (options.outputDirectory) {
        if (const auto failure = CodeFile::createFolders(*options.outputDirectory)) {
            const std::string message = *options.outputDirectory + ": cannot create the output directory: " + *failure;
            print(stderr, options.reportJson ? ReportJson::text(ReportJson::ofFailure({}, message)) : message + "\n");
            return SomeFailed;
        }
    }

    bool allConverted = true;
    if (options.outputDirectory) {
        allConverted = convertBatch();
    } else {
        for (const std::string &input : options.inputs)
            allConverted = convertOne(input, options.output) && allConverted;
    }
    // One document: the object of the one input, or a list of them.
    if (options.reportJson)
        print(stderr, ReportJson::text(mJsonReports.size() == 1 ? mJsonReports.front() : mJsonReports));
    return allConverted ? AllConverted : SomeFailed;
}

void CommandLineConverter::report(const std::string &input, const std::string &message)
{
    if (mOptions.reportJson)
        mFailure = message;
    else
        print(stderr, displayName(input) + ": " + message + "\n");
}

// The inputs into the output folder as every face converts several codes
// (CodeBatch): in the order of their names, each under its own file name,
// a name taken twice numbered ("hero (2).txt"). On a terminal a line says
// how far a long batch has come.
bool CommandLineConverter::convertBatch()
{
    std::vector<CodeBatch::Input> inputs;
    bool allConverted = true;
    for (const std::string &input : mOptions.inputs) {
        if (!CodeFile::isFolder(input)) {
            inputs.push_back({input, CodeFile::fileName(input)});
            continue;
        }
        // A folder's code files, with the folder kept below the output.
        const std::vector<CodeFile::FoundFile> found = CodeFile::codeFilesBelow(input);
        if (found.empty()) {
            const std::string said = "holds no .txt file to convert";
            if (mOptions.reportJson)
                mJsonReports.push_back(ReportJson::ofFailure(displayName(input), said));
            else
                report(input, said);
            allConverted = false;
        }
        for (const CodeFile::FoundFile &file : found) {
            if (const auto identity = CodeFile::identity(file.path))
                mInputs.push_back(*identity);
            inputs.push_back({file.path, file.name});
        }
    }
    const CodeBatch batch(std::move(inputs));
    const bool showProgress = batch.size() >= progressFrom && CodeFile::standardErrorIsTerminal();
    for (std::size_t index = 0; index < batch.size(); ++index) {
        const CodeBatch::Item &item = batch.items()[index];
        if (showProgress)
            print(stderr, "\rConverting " + std::to_string(index + 1) + " of " + std::to_string(batch.size()) + "\x1b[K");
        const std::string target = CodeFile::pathBelow(*mOptions.outputDirectory, item.target);
        if (const auto failure = CodeFile::createFoldersFor(target)) {
            report(item.source, "cannot create the folder for " + target + ": " + *failure);
            allConverted = false;
            continue;
        }
        allConverted = convertOne(item.source, target) && allConverted;
    }
    if (showProgress)
        print(stderr, "\r\x1b[K");
    return allConverted;
}

// Each input has one entry in the JSON report, whatever fails for it: its
// report with the error beside it, or the error alone.
bool CommandLineConverter::convertOne(const std::string &input, const std::optional<std::string> &output)
{
    ConversionReport conversionReport;
    const bool reporting = mOptions.report || mOptions.reportJson;
    mFailure.reset();
    bool converted = false;
    bool done = false;
    try {
        std::vector<std::string> blocks;
        converted = readAndConvert(input, reporting ? &conversionReport : nullptr, blocks);
        done = converted && convertedOne(input, output, conversionReport, {blocks.begin(), blocks.end()});
    } catch (const std::bad_alloc &) {
        report(input, "out of memory");
        done = false;
    }
    if (mOptions.reportJson) {
        mJsonReports.push_back(converted ? ReportJson::of(conversionReport, displayName(input), mFailure.value_or(""))
                                         : ReportJson::ofFailure(displayName(input), mFailure.value_or("")));
    }
    return done;
}

bool CommandLineConverter::convertedOne(const std::string &input, const std::optional<std::string> &output,
                                        const ConversionReport &conversionReport, std::vector<std::string_view> converted)
{
    const Options &options = mOptions;
    if (options.report) {
        if (options.inputs.size() > 1)
            print(stderr, displayName(input) + ":\n");
        print(stderr, conversionReport.summary().text() + "\n" + conversionReport.details());
    }
    if (output)
        return writeTo(input, *output, converted);
    // On a terminal the prompt that follows goes on a line of its own; a
    // file or a pipe gets the code's bytes exactly.
    if (CodeFile::standardOutputIsTerminal() && !converted.empty() && !converted.back().ends_with('\n'))
        converted.push_back("\n");
    if (const auto failure = CodeFile::writeStandardOutput(converted)) {
        report(input, "cannot write to standard output: " + *failure);
        return false;
    }
    return true;
}

// The code is converted as it is read, block by block; what a refused code
// gave is let go.
bool CommandLineConverter::readAndConvert(const std::string &input, ConversionReport *conversionReport,
                                          std::vector<std::string> &converted)
{
    ConversionStream stream([&converted](std::string_view bytes) { appendInBlocks(converted, bytes); },
                            conversionReport);
    const CodeFile::Blocks take = [&stream](std::string_view block) { stream.feed(block); };
    const CodeFile::Read read = input == standardStream
        ? CodeFile::readStandardInput(CodeText::mayBeginCode, take)
        : CodeFile::read(input, CodeFile::Sources::Anything, CodeText::mayBeginCode, take);
    switch (read.status) {
    case CodeFile::Read::Done:
        break;
    case CodeFile::Read::TooLarge:
    case CodeFile::Read::Refused:
    case CodeFile::Read::Failed:
        report(input, "cannot read: " + read.reason);
        return false;
    case CodeFile::Read::NotACode:
        report(input, Conversion::invalidCodeMessage);
        return false;
    }
    if (stream.finish() != ConversionOutcome::Converted) {
        converted.clear();
        report(input, Conversion::invalidCodeMessage);
        return false;
    }
    return true;
}

bool CommandLineConverter::writeTo(const std::string &input, const std::string &path, CodeFile::Pieces converted)
{
    const std::optional<CodeFile::Identity> target = CodeFile::identity(path);
    if (target && std::find(mInputs.begin(), mInputs.end(), *target) != mInputs.end()) {
        report(input, "refusing to write over " + path + ", which is an input");
        return false;
    }
    if (mWrittenPaths.count(path) != 0) {
        report(input, path + " was already written by an earlier input");
        return false;
    }
    if (const auto failure = CodeFile::write(path, converted, CodeFile::Targets::Streams)) {
        report(input, "cannot write " + path + ": " + *failure);
        return false;
    }
    mWrittenPaths.insert(path);
    return true;
}
