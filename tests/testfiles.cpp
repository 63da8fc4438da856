#include "testfiles.h"

#include <QFile>
#include <QProcess>
#include <QTest>

void TestFiles::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFiles::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray TestFiles::withByteOrderMark(const QString &text, int width)
{
    QByteArray bytes;
    const QString marked = QChar(QChar::ByteOrderMark) + text;
    if (width == 2) {
        for (QChar c : marked)
            bytes += char(c.unicode() & 0xff) + QByteArray(1, char(c.unicode() >> 8));
        return bytes;
    }
    for (uint c : marked.toUcs4())
        for (int i = 0; i < 4; ++i)
            bytes += char((c >> (8 * i)) & 0xff);
    return bytes;
}

TestFiles::Run TestFiles::runConverter(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(QVRTOMORVANE_CLI), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(300000);
    const bool finished = process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
    return {finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}
