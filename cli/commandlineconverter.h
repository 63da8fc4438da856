#ifndef COMMANDLINECONVERTER_H
#define COMMANDLINECONVERTER_H

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

// qvrtomorvane-cli: converts code files (or standard input) exactly as the
// window's load and save actions would, for scripts and batches.
class CommandLineConverter
{
public:
    enum ExitStatus { AllConverted = 0, SomeFailed = 1, UsageError = 2 };

    int run(const QStringList &arguments);

private:
    enum class Destination { StandardOutput, File, Directory };

    bool convertOne(const QString &input, Destination destination, const QString &target);
    std::optional<std::string> readAndConvert(const QString &input);
    bool writeTo(const QString &input, const QString &path, const std::string &bytes);
    bool writeToStandardOutput(const std::string &bytes);

    static QString displayName(const QString &input);
    static void report(const QString &input, const QString &message);

    QSet<QString> mWrittenPaths;
};

#endif // COMMANDLINECONVERTER_H
