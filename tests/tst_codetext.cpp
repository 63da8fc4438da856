// Reading and saving a code's text. The core reads a file's bytes as Qt's
// text stream does and saves a code as a Qt string does; Qt itself is the
// reference here.
#include "codegenerator.h"
#include "convert/conversion.h"
#include "convert/conversionstream.h"
#include "convert/reportjson.h"
#include "convert/utf8stream_p.h"

#include <QtTest>

namespace {

// A text stream reads a device in 16 KB pieces, so this is the reference
// for shorter inputs.
QString throughTextStream(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream stream(&buffer);
    return stream.readAll();
}

// The stream's decoder given the whole input at once: what the stream reads
// when no malformed sequence straddles one of its 16 KB seams.
QString throughDecoder(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    return text.remove(u'\r');
}

QByteArray decoded(const QByteArray &bytes)
{
    return QByteArray::fromStdString(CodeText::decode(bytes.toStdString()));
}

// The bytes given in the blocks that cuts makes of them, as a file is read.
template<typename Stream>
void putInBlocks(Stream &stream, const std::string &bytes, const std::vector<std::size_t> &cuts)
{
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        stream.put(std::string_view(bytes).substr(from, cut - from));
        from = cut;
    }
    stream.put(std::string_view(bytes).substr(from));
}

// Every way of cutting bytes once, and in blocks of every length up to 5.
std::vector<std::vector<std::size_t>> cutsOf(std::size_t size)
{
    std::vector<std::vector<std::size_t>> ways;
    for (std::size_t at = 0; at <= size; ++at)
        ways.push_back({at});
    for (std::size_t block = 1; block <= 5; ++block) {
        std::vector<std::size_t> cuts;
        for (std::size_t at = block; at < size; at += block)
            cuts.push_back(at);
        ways.push_back(cuts);
    }
    return ways;
}

struct Streamed
{
    std::string bytes;
    ConversionOutcome outcome;
    std::string report;
};

Streamed convertedInBlocks(const std::string &bytes, const std::vector<std::size_t> &cuts)
{
    Streamed streamed;
    ConversionReport report(true);
    ConversionStream stream([&](std::string_view converted) { streamed.bytes += converted; }, &report);
    struct Feeder { ConversionStream &stream; void put(std::string_view b) { stream.feed(b); } } feeder{stream};
    putInBlocks(feeder, bytes, cuts);
    streamed.outcome = stream.finish();
    if (streamed.outcome != ConversionOutcome::Converted)
        streamed.bytes.clear();
    streamed.report = ReportJson::text(ReportJson::of(report));
    return streamed;
}

} // namespace

class tst_CodeText : public QObject
{
    Q_OBJECT

private slots:
    void decodesLikeTextStream_data();
    void decodesLikeTextStream();
    void generatedBytesDecodeLikeTextStream();
    void longInputsDecodeLikeQt();
    void encodesLikeString_data();
    void encodesLikeString();
    void anyBlocksReadAsTheWhole_data();
    void anyBlocksReadAsTheWhole();
};

void tst_CodeText::decodesLikeTextStream_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << QByteArray("107**aa1.2.3");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("carriage returns") << QByteArray("107**a\r\nb\rc\r");
    QTest::newRow("UTF-8 mark") << QByteArray("\xef\xbb\xbf" "107**aa");
    QTest::newRow("UTF-8 mark alone") << QByteArray("\xef\xbb\xbf");
    QTest::newRow("UTF-8 mark cut short") << QByteArray("\xef\xbb");
    QTest::newRow("mark later on") << QByteArray("107**\xef\xbb\xbf");
    QTest::newRow("UTF-16LE mark") << QByteArray("\xff\xfe" "1\x00" "0\x00" "7\x00", 8);
    QTest::newRow("UTF-16BE mark") << QByteArray("\xfe\xff\x00" "1\x00" "0\x00" "7", 8);
    QTest::newRow("UTF-16 mark, then U+FEFF kept") << QByteArray("\xfe\xff\xfe\xff\xfe\xf7\xfe\xf7", 8);
    QTest::newRow("UTF-16 odd byte at the end") << QByteArray("\xff\xfe" "1\x00" "0", 5);
    QTest::newRow("UTF-16 lone surrogates") << QByteArray("\xff\xfe\x00\xd8" "1\x00\x00\xdc\x00\xd8", 10);
    QTest::newRow("UTF-16 pair split by a carriage return") << QByteArray("\xff\xfe\x3d\xd8\r\x00\x00\xde", 8);
    QTest::newRow("UTF-32LE mark") << QByteArray("\xff\xfe\x00\x00" "1\x00\x00\x00", 8);
    QTest::newRow("UTF-32BE mark") << QByteArray("\x00\x00\xfe\xff\x00\x00\x00" "1", 8);
    QTest::newRow("UTF-32 beyond U+10FFFF") << QByteArray("\xff\xfe\x00\x00\xff\xff\xff\xff\x00\x00\x11\x00", 12);
    QTest::newRow("UTF-32 three bytes left over") << QByteArray("\xff\xfe\x00\x00" "1\x00\x00", 7);
    QTest::newRow("UTF-16 carriage return") << QByteArray("\xff\xfe" "1\x00\r\x00\n\x00", 8);
    QTest::newRow("invalid UTF-8") << QByteArray("107**\xc3\x28\xff\x80");
    QTest::newRow("truncated character at the end") << QByteArray("107**\xe2\x82");
    QTest::newRow("truncated character before text") << QByteArray("107**\xe2\x82x");
    QTest::newRow("overlong encoding") << QByteArray("107**\xc0\xaf");
    QTest::newRow("encoded surrogate") << QByteArray("107**\xed\xa0\x80");
    QTest::newRow("surrogate cut at the end") << QByteArray("107**\xed\xa0");
    QTest::newRow("beyond U+10FFFF") << QByteArray("107**\xf4\x90\x80\x80");
    QTest::newRow("noncharacter") << QByteArray("107**\xef\xbf\xbe");
    QTest::newRow("NUL bytes") << QByteArray("107**\x00\x00z", 8);
    QTest::newRow("four-byte character") << QByteArray("107**\xf0\x9f\x98\x80");
}

void tst_CodeText::decodesLikeTextStream()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(decoded(bytes), throughTextStream(bytes).toUtf8());
}

void tst_CodeText::generatedBytesDecodeLikeTextStream()
{
    CodeGenerator generator(7);
    const QByteArrayList prefixes = {"", "\xef\xbb\xbf", "\xff\xfe", "\xfe\xff", "\xff\xfe\x00\x00", "\xc3", "\r"};
    for (int i = 0; i < 5000; ++i) {
        QByteArray bytes = prefixes.at(i % prefixes.size()) + QByteArray::fromStdString(generator.noise(std::size_t(i % 60)));
        if (i % 3 == 0) // bytes beyond the generator's alphabet too
            bytes += char(i % 256);
        QCOMPARE(decoded(bytes), throughTextStream(bytes).toUtf8());
    }
}

// Past the stream's 16 KB pieces, the core keeps to the decoder's reading of
// the whole input, and to the stream's wherever no malformed sequence is cut
// by a piece's end. (Qt 6.4's stream loses the byte after such a cut
// sequence; the core does not copy that.)
void tst_CodeText::longInputsDecodeLikeQt()
{
    CodeGenerator generator(8);
    const QByteArrayList prefixes = {"", "\xef\xbb\xbf", "\xff\xfe", "\xfe\xff\x00\x00"};
    for (int i = 0; i < 40; ++i) {
        const QByteArray noise = prefixes.at(i % prefixes.size()) + QByteArray::fromStdString(generator.noise(40000));
        QCOMPARE(decoded(noise), throughDecoder(noise).toUtf8());
        const QByteArray code = QByteArray::fromStdString(generator.code(40000)) + "\xc3\xa9\r\n";
        QCOMPARE(decoded(code), throughTextStream(code).toUtf8());
    }
}

void tst_CodeText::encodesLikeString_data()
{
    QTest::addColumn<QByteArray>("converted");
    QTest::newRow("ASCII") << QByteArray("105**aa1");
    QTest::newRow("whole characters") << QByteArray("105**z\xc3\xa9");
    QTest::newRow("character cut at the end") << QByteArray("105**hc\xe2\x82");
    QTest::newRow("stray byte") << QByteArray("105**\x80z");
    QTest::newRow("carriage return kept") << QByteArray("105**a\r\n");
    QTest::newRow("leading mark") << QByteArray("\xef\xbb\xbf" "105**");
}

// What the window saves goes through a QString; the converter's bytes must
// come out the same.
void tst_CodeText::encodesLikeString()
{
    QFETCH(QByteArray, converted);
    QCOMPARE(QByteArray::fromStdString(CodeText::encode(converted.toStdString())), QString::fromUtf8(converted).toUtf8());
}

void tst_CodeText::anyBlocksReadAsTheWhole_data()
{
    decodesLikeTextStream_data();
    QTest::newRow("a code") << QByteArray("107**aa12.3_hc\xc3\xa9t\xc3\xa9_m5.6_s11.2_zz");
    QTest::newRow("a code in UTF-16 with CRLF") << QByteArray("\xff\xfe" "1\x00" "0\x00" "6\x00*\x00*\x00m\x00" "1\x00\r\x00\n\x00", 20);
    QTest::newRow("a code with a mark and malformed bytes")
        << QByteArray("\xef\xbb\xbf" "106**hd\xe2\x82\xac\xff_bc1.2\r\n_r3\xf0\x9f\x98");
    QTest::newRow("a refused code") << QByteArray("108**aa1.2_m1");
    QTest::newRow("an empty segment") << QByteArray("107**aa1__m2");
}

// A file is read and converted block by block, its blocks cut anywhere,
// inside a character or a header too; whatever the cuts, its text, its
// conversion, the bytes saved and the report are those of the whole.
void tst_CodeText::anyBlocksReadAsTheWhole()
{
    QFETCH(QByteArray, bytes);
    const std::string whole = bytes.toStdString();
    ConversionReport report(true);
    const ConversionResult expected = Conversion::convertFile(whole, &report);
    const std::string expectedReport = ReportJson::text(ReportJson::of(report));

    for (const std::vector<std::size_t> &cuts : cutsOf(whole.size())) {
        const QByteArray where = QByteArray::number(qulonglong(cuts.size())) + " cuts, the first at "
                                 + QByteArray::number(qulonglong(cuts.empty() ? 0 : cuts.front()));
        for (const auto direction : {Utf8Stream::Direction::Read, Utf8Stream::Direction::Save}) {
            std::string text;
            Utf8Stream stream(direction, [&text](std::string_view piece) { text += piece; });
            putInBlocks(stream, whole, cuts);
            stream.finish();
            const std::string expectedText = direction == Utf8Stream::Direction::Read ? CodeText::decode(whole)
                                                                                      : CodeText::encode(whole);
            QVERIFY2(text == expectedText, where.constData());
        }
        const Streamed streamed = convertedInBlocks(whole, cuts);
        QVERIFY2(streamed.outcome == expected.outcome, where.constData());
        QVERIFY2(streamed.bytes == expected.code, where.constData());
        QVERIFY2(streamed.report == expectedReport, where.constData());
    }
}

QTEST_APPLESS_MAIN(tst_CodeText)
#include "tst_codetext.moc"
