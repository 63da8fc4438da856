#include "commandlineconverter.h"

#include "input/codefile.h"
#include "convert/conversion.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString standardStream = QStringLiteral("-");

void printError(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

int CommandLineConverter::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts QVR character codes into Morvane codes.\n"
                       "Reads each FILE (standard input when there is none, or for \"-\") and writes the "
                       "converted code to standard output, to --output or into --output-dir."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Write the converted code to <file>, replacing it whole."),
                                          QStringLiteral("file"));
    const QCommandLineOption outputDirOption({QStringLiteral("d"), QStringLiteral("output-dir")},
                                             QStringLiteral("Write each converted code to <dir>/<input file name>."),
                                             QStringLiteral("dir"));
    parser.addOption(outputOption);
    parser.addOption(outputDirOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Code files to convert."),
                                 QStringLiteral("[FILE...]"));

    auto usageError = [](const QString &message) {
        printError(QStringLiteral("qvrtomorvane-cli: %1\nTry 'qvrtomorvane-cli --help'.").arg(message));
        return UsageError;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp(AllConverted);
    if (parser.isSet(versionOption))
        parser.showVersion();

    QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        inputs << standardStream;

    const bool toFile = parser.isSet(outputOption);
    const bool toDirectory = parser.isSet(outputDirOption);
    if (toFile && toDirectory)
        return usageError(QStringLiteral("--output and --output-dir exclude each other"));
    if (!toDirectory && inputs.size() > 1)
        return usageError(QStringLiteral("several inputs need --output-dir"));
    if (toDirectory && inputs.contains(standardStream))
        return usageError(QStringLiteral("standard input has no file name for --output-dir"));

    Destination destination = Destination::StandardOutput;
    QString target;
    if (toFile) {
        destination = Destination::File;
        target = parser.value(outputOption);
    } else if (toDirectory) {
        destination = Destination::Directory;
        target = parser.value(outputDirOption);
        if (!QDir().mkpath(target)) {
            printError(QStringLiteral("%1: cannot create the output directory").arg(target));
            return SomeFailed;
        }
    }

    bool allConverted = true;
    for (const QString &input : std::as_const(inputs))
        allConverted = convertOne(input, destination, target) && allConverted;
    return allConverted ? AllConverted : SomeFailed;
}

bool CommandLineConverter::convertOne(const QString &input, Destination destination, const QString &target)
{
    const std::optional<std::string> converted = readAndConvert(input);
    if (!converted)
        return false;
    switch (destination) {
    case Destination::StandardOutput:
        return writeToStandardOutput(*converted);
    case Destination::File:
        return writeTo(input, target, *converted);
    case Destination::Directory:
        return writeTo(input, QDir(target).filePath(QFileInfo(input).fileName()), *converted);
    }
    return false;
}

std::optional<std::string> CommandLineConverter::readAndConvert(const QString &input)
{
    QFile file;
    const QIODevice::OpenMode mode = QIODevice::ReadOnly | QIODevice::Text;
    const bool opened = input == standardStream ? file.open(stdin, mode) : (file.setFileName(input), file.open(mode));
    if (!opened) {
        report(input, QStringLiteral("cannot read: %1").arg(file.errorString()));
        return std::nullopt;
    }

    std::string code = CodeFile::readUtf8(file);
    if (file.error() != QFileDevice::NoError) {
        report(input, QStringLiteral("cannot read: %1").arg(file.errorString()));
        return std::nullopt;
    }
    std::string converted;
    const ConversionOutcome outcome = Conversion::convert(code, converted);
    code = std::string(); // a large code need not be held twice while it is written
    if (outcome != ConversionOutcome::Converted) {
        report(input, QString::fromUtf8(CodeFile::invalidCodeMessage));
        return std::nullopt;
    }
    return CodeText::encode(std::move(converted));
}

bool CommandLineConverter::writeTo(const QString &input, const QString &path, const std::string &bytes)
{
    // Never replace the code being converted, nor what an earlier input of
    // the same batch has just written.
    if (input != standardStream && isSameFile(input, path)) {
        report(input, QStringLiteral("refusing to overwrite the input with its own conversion"));
        return false;
    }
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    if (mWrittenPaths.contains(absolutePath)) {
        report(input, QStringLiteral("%1 was already written by an earlier input").arg(path));
        return false;
    }
    QString error;
    if (!CodeFile::write(path, QByteArrayView(bytes.data(), qsizetype(bytes.size())), &error)) {
        report(input, QStringLiteral("cannot write %1: %2").arg(path, error));
        return false;
    }
    mWrittenPaths.insert(absolutePath);
    return true;
}

bool CommandLineConverter::writeToStandardOutput(const std::string &bytes)
{
    QFile out;
    const qint64 size = qint64(bytes.size());
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes.data(), size) != size || !out.flush()) {
        printError(QStringLiteral("qvrtomorvane-cli: cannot write to standard output: %1").arg(out.errorString()));
        return false;
    }
    return true;
}

QString CommandLineConverter::displayName(const QString &input)
{
    return input == standardStream ? QStringLiteral("(standard input)") : input;
}

void CommandLineConverter::report(const QString &input, const QString &message)
{
    printError(displayName(input) + QStringLiteral(": ") + message);
}
