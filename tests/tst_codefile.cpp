// Reading and saving code bytes: the command-line converter's shortcut for
// plain UTF-8 must give exactly what the window's text stream gives.
#include "codefile.h"
#include "codegenerator.h"

#include <QtTest>

namespace {

QString throughTextStream(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream stream(&buffer);
    return stream.readAll();
}

QByteArray readUtf8(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    return CodeFile::readUtf8(buffer);
}

} // namespace

class tst_CodeFile : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeTextStream_data();
    void readsLikeTextStream();
    void generatedBytesReadLikeTextStream();
    void savedFormMatchesString_data();
    void savedFormMatchesString();
};

void tst_CodeFile::readsLikeTextStream_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << QByteArray("107**aa1.2.3");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("carriage returns") << QByteArray("107**a\r\nb\rc\r");
    QTest::newRow("UTF-8 mark") << QByteArray("\xef\xbb\xbf" "107**aa");
    QTest::newRow("UTF-8 mark alone") << QByteArray("\xef\xbb\xbf");
    QTest::newRow("mark later on") << QByteArray("107**\xef\xbb\xbf");
    QTest::newRow("UTF-16LE mark") << QByteArray("\xff\xfe" "1\x00" "0\x00" "7\x00", 8);
    QTest::newRow("UTF-16BE mark") << QByteArray("\xfe\xff\x00" "1\x00" "0\x00" "7", 8);
    QTest::newRow("UTF-32LE mark") << QByteArray("\xff\xfe\x00\x00" "1\x00\x00\x00", 8);
    QTest::newRow("UTF-32BE mark") << QByteArray("\x00\x00\xfe\xff\x00\x00\x00" "1", 8);
    QTest::newRow("UTF-16 carriage return") << QByteArray("\xff\xfe" "1\x00\r\x00\n\x00", 8);
    QTest::newRow("invalid UTF-8") << QByteArray("107**\xc3\x28\xff\x80");
    QTest::newRow("truncated character") << QByteArray("107**\xe2\x82");
    QTest::newRow("overlong encoding") << QByteArray("107**\xc0\xaf");
    QTest::newRow("encoded surrogate") << QByteArray("107**\xed\xa0\x80");
    QTest::newRow("NUL bytes") << QByteArray("107**\x00\x00z", 8);
    QTest::newRow("four-byte character") << QByteArray("107**\xf0\x9f\x98\x80");
}

void tst_CodeFile::readsLikeTextStream()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(readUtf8(bytes), throughTextStream(bytes).toUtf8());
}

void tst_CodeFile::generatedBytesReadLikeTextStream()
{
    CodeGenerator generator(7);
    const QByteArrayList prefixes = {"", "\xef\xbb\xbf", "\xff\xfe", "\xfe\xff", "\xc3", "\r"};
    for (int i = 0; i < 3000; ++i) {
        const std::string noise = generator.noise(std::size_t(i % 50));
        const QByteArray bytes = prefixes.at(i % prefixes.size()) + QByteArray::fromStdString(noise);
        QCOMPARE(readUtf8(bytes), throughTextStream(bytes).toUtf8());
    }
}

void tst_CodeFile::savedFormMatchesString_data()
{
    QTest::addColumn<QByteArray>("converted");
    QTest::newRow("ASCII") << QByteArray("105**aa1");
    QTest::newRow("whole characters") << QByteArray("105**z\xc3\xa9");
    QTest::newRow("character cut") << QByteArray("105**hc\xc3");
    QTest::newRow("stray byte") << QByteArray("105**\x80z");
}

// What the window saves goes through a QString; the converter's bytes must
// come out the same.
void tst_CodeFile::savedFormMatchesString()
{
    QFETCH(QByteArray, converted);
    const std::string saved = CodeFile::savedForm(converted.toStdString());
    QCOMPARE(QByteArray::fromStdString(saved), CodeFile::encode(QString::fromUtf8(converted)));
}

QTEST_APPLESS_MAIN(tst_CodeFile)
#include "tst_codefile.moc"
