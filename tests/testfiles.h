#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// Real files and processes for the end-to-end tests.
class TestFiles
{
public:
    static void write(const QString &path, const QByteArray &bytes);
    static QByteArray read(const QString &path); // "<missing>" when unreadable

    // text with a byte-order mark, little-endian, in code units of 2 or 4 bytes
    static QByteArray withByteOrderMark(const QString &text, int width);

    struct Run
    {
        int exitCode = -1; // -1 when the process crashed or did not finish in time
        QByteArray out;
        QByteArray err;
        long peakKilobytes = 0; // the most memory it held at once, sampled every few milliseconds
    };
    static Run runConverter(const QStringList &arguments, const QByteArray &input = QByteArray());
    // Any program, with arguments passed as the bytes they are; standard
    // input comes from inputFile when one is named.
    static Run run(const std::vector<std::string> &command, const QByteArray &input = QByteArray(),
                   const QString &inputFile = QString(), int timeoutSeconds = 300);
    static std::string converter();
    // The window's program, to start as a process.
    static std::string window();

    // A shell script run on the Linux system the tests run on, to its end;
    // what it wrote, or nothing where there is no Linux (Windows itself).
    // Under Wine, a Windows test reaches Linux this way.
    static std::optional<QByteArray> runOnLinux(const QString &script);
    // A word for such a script: the script gets it as it is.
    static QString shellQuoted(const QString &word);
    // The path Linux knows a file by (under Wine, its Unix path).
    static QString linuxPath(const QString &path);

    // Who may do what with a file, as each system tells it: its Linux mode
    // ("644"; empty where there is no Linux) and, on Windows, its owner,
    // group and permissions as Windows reports them (SDDL).
    struct Permissions
    {
        QByteArray linuxMode;
        QString windowsSecurity;
        bool operator==(const Permissions &) const = default;
    };
    static Permissions permissions(const QString &path);
    static void setLinuxMode(const QString &path, const QByteArray &mode);
};

char *toString(const TestFiles::Permissions &permissions);

#endif // TESTFILES_H
