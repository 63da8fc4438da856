#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>
#include <QStringList>

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
        int exitCode = -1; // -1 when the process crashed or did not finish
        QByteArray out;
        QByteArray err;
    };
    static Run runConverter(const QStringList &arguments, const QByteArray &input = QByteArray());
};

#endif // TESTFILES_H
