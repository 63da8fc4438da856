#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>
#include <QStringList>

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
        double seconds = 0;
        long peakKilobytes = 0; // the most memory it held at once, sampled every few milliseconds
    };
    static Run runConverter(const QStringList &arguments, const QByteArray &input = QByteArray());
    // Any program, with arguments passed as the bytes they are; standard
    // input comes from inputFile when one is named.
    static Run run(const std::vector<std::string> &command, const QByteArray &input = QByteArray(),
                   const QString &inputFile = QString(), int timeoutSeconds = 300);
    static std::string converter();
};

#endif // TESTFILES_H
