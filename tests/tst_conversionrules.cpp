// The worked examples of every rule, one table per rule family, run through
// the core exactly as a pass runs them.
#include "convert/conversion.h"
#include "convert/conversionpass_p.h"
#include "convert/numberedfamilies_p.h"
#include "convert/segmentdispatch_p.h"

#include <QtTest>

#include <string>

namespace {

std::string_view view(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

QByteArray bytes(const std::string &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

class tst_ConversionRules : public QObject
{
    Q_OBJECT

private slots:
    void segment_data();
    void segment();
    void readNumber_data();
    void readNumber();
    void pass_data();
    void pass();
    void familySequence();
    void counterLimits_data();
    void counterLimits();

private:
    void addSegmentRows();
};

// One segment through its rule, with its family counter preset; the result
// is empty for a dropped segment.
void tst_ConversionRules::segment_data()
{
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<int>("counter");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<int>("counterAfter");

    // aa and bc
    QTest::newRow("aa four values") << QByteArray("aa1.2.3.4") << 0 << QByteArray("aa1.2") << 0;
    QTest::newRow("aa three values") << QByteArray("aa1.2.3") << 0 << QByteArray("aa1") << 0;
    QTest::newRow("aa empty values") << QByteArray("aa..x.y") << 0 << QByteArray("aa.") << 0;
    QTest::newRow("aa line break in last value") << QByteArray("aa1.2.3\n") << 0 << QByteArray("aa1") << 0;
    QTest::newRow("aa two values copied") << QByteArray("aa1.2") << 0 << QByteArray("aa1.2") << 0;
    QTest::newRow("aa alone copied") << QByteArray("aa") << 0 << QByteArray("aa") << 0;
    QTest::newRow("bc five values") << QByteArray("bc1.2.3.4.5") << 0 << QByteArray("bc1.2.8.4.0") << 0;
    QTest::newRow("bc seven values") << QByteArray("bc5.6.7.8.9.10.11") << 0 << QByteArray("bc5.6.8.8.0.10.11") << 0;
    QTest::newRow("bc empty values filled") << QByteArray("bc1.2..4.") << 0 << QByteArray("bc1.2.8.4.0") << 0;
    QTest::newRow("bc four values copied") << QByteArray("bc1.2.3.4") << 0 << QByteArray("bc1.2.3.4") << 0;
    QTest::newRow("aA is not aa") << QByteArray("aA1.2.3") << 0 << QByteArray("aA1.2.3") << 0;
    QTest::newRow("a alone") << QByteArray("a") << 0 << QByteArray("a") << 0;

    // dispatch
    QTest::newRow("ca copied") << QByteArray("ca1.2") << 0 << QByteArray("ca1.2") << 0;
    QTest::newRow("cd dropped") << QByteArray("cd1.2") << 0 << QByteArray() << 0;
    QTest::newRow("cc dropped") << QByteArray("cc") << 0 << QByteArray() << 0;
    QTest::newRow("ch dropped") << QByteArray("ch9") << 0 << QByteArray() << 0;
    QTest::newRow("ci copied") << QByteArray("ci9") << 0 << QByteArray("ci9") << 0;
    QTest::newRow("c digit copied") << QByteArray("c19") << 0 << QByteArray("c19") << 0;
    QTest::newRow("c alone") << QByteArray("c") << 0 << QByteArray("c") << 0;
    QTest::newRow("hc eleven") << QByteArray("hc1.2.3.4.5") << 0 << QByteArray("hc1.2") << 0;
    QTest::newRow("hc five") << QByteArray("hc1.2") << 0 << QByteArray("hc1.2") << 0;
    QTest::newRow("hc six") << QByteArray("hcABCD") << 0 << QByteArray() << 0;
    QTest::newRow("hc seven") << QByteArray("hcABCDE") << 0 << QByteArray("h") << 0;
    QTest::newRow("hd three values") << QByteArray("hd1.2.3") << 0 << QByteArray("hd1.2") << 0;
    QTest::newRow("hd alone") << QByteArray("hd") << 0 << QByteArray() << 0;
    QTest::newRow("hd1") << QByteArray("hd1") << 0 << QByteArray("h") << 0;
    QTest::newRow("hx copied") << QByteArray("hx1.2") << 0 << QByteArray("hx1.2") << 0;
    QTest::newRow("h alone") << QByteArray("h") << 0 << QByteArray("h") << 0;
    QTest::newRow("fd three values") << QByteArray("fd1.2.3") << 0 << QByteArray("fd1.2") << 0;
    QTest::newRow("fd empty value stays") << QByteArray("fd1..3") << 0 << QByteArray("fd1.") << 0;
    QTest::newRow("fd without dot copied") << QByteArray("fd12") << 0 << QByteArray("fd12") << 0;
    QTest::newRow("fd alone copied") << QByteArray("fd") << 0 << QByteArray("fd") << 0;
    QTest::newRow("fv dropped") << QByteArray("fv3.4") << 0 << QByteArray() << 0;
    QTest::newRow("fa copied") << QByteArray("fa3.4") << 0 << QByteArray("fa3.4") << 0;
    QTest::newRow("ab copied") << QByteArray("ab1.2") << 0 << QByteArray("ab1.2") << 0;
    QTest::newRow("copy keeps empty values") << QByteArray("zz..9.") << 0 << QByteArray("zz..9.") << 0;

    // m
    QTest::newRow("m full length") << QByteArray("m0312.4.5.6.7.8.9") << 0 << QByteArray("m0012.4.5.1") << 1;
    QTest::newRow("m last value 6") << QByteArray("m0712.4.6.6.7.8.9") << 1 << QByteArray() << 1;
    QTest::newRow("m lead 130") << QByteArray("m07130.4.5.6.7.8.9") << 1 << QByteArray() << 1;
    QTest::newRow("m slot ignored") << QByteArray("m9912.4.5.6.7.8.9") << 1 << QByteArray("m0112.4.5.1") << 2;
    QTest::newRow("m letters as slot") << QByteArray("mAB12.4.5.6.7.8.9") << 1 << QByteArray("m0112.4.5.1") << 2;
    QTest::newRow("m lead 122 kept") << QByteArray("m00122.5.6.7.8.9") << 0 << QByteArray("m00122.5.1") << 1;
    QTest::newRow("m lead 123 dropped") << QByteArray("m00123.5.6.7.8.9") << 0 << QByteArray() << 0;
    QTest::newRow("m exact m00") << QByteArray("m00") << 5 << QByteArray("m00") << 5;
    QTest::newRow("m00.1 is an m segment") << QByteArray("m00.1") << 0 << QByteArray() << 0;
    QTest::newRow("m over limit") << QByteArray("m0012.4.5.6.7.8.9") << 60 << QByteArray() << 60;
    QTest::newRow("m at limit") << QByteArray("m0012.4.5.6.7.8.9") << 59 << QByteArray("m5912.4.5.1") << 60;
    QTest::newRow("m five values") << QByteArray("m0012.4.5.6.7") << 0 << QByteArray() << 0;
    QTest::newRow("m short value 0") << QByteArray("m0.4.5.6.7.8.9") << 0 << QByteArray() << 0;
    QTest::newRow("m empty lead") << QByteArray("m00.4.5.6.7.8.9") << 0 << QByteArray() << 0;
    QTest::newRow("m last value not a number") << QByteArray("m0012.4.x.6.7.8.9") << 0 << QByteArray() << 0;
    QTest::newRow("m lead beyond 32 bits") << QByteArray("m00-99999999999.4.5.6.7.8.9") << 0 << QByteArray() << 0;
    QTest::newRow("m negative numbers kept") << QByteArray("m00-7.4.-5.6.7.8.9") << 0 << QByteArray("m00-7.4.-5.1") << 1;

    // r
    QTest::newRow("r kept") << QByteArray("r0540.1.2.3") << 0 << QByteArray("r0040.1.2") << 1;
    QTest::newRow("r last value 51") << QByteArray("r0540.1.51.3") << 1 << QByteArray() << 1;
    QTest::newRow("r last value 50 kept") << QByteArray("r0540.1.50.3") << 1 << QByteArray("r0140.1.50") << 2;
    QTest::newRow("r lead 90") << QByteArray("r0590.1.2.3") << 1 << QByteArray() << 1;
    QTest::newRow("r lead 86 kept") << QByteArray("r0586.1.2.3") << 1 << QByteArray("r0186.1.2") << 2;
    QTest::newRow("r lead 87 dropped") << QByteArray("r0587.1.2.3") << 1 << QByteArray() << 1;
    QTest::newRow("r two values") << QByteArray("r0540.1") << 0 << QByteArray() << 0;
    QTest::newRow("r exact r00") << QByteArray("r00") << 0 << QByteArray("r00") << 0;
    QTest::newRow("r over limit") << QByteArray("r0540.1.2.3") << 30 << QByteArray() << 30;

    // s
    QTest::newRow("s value 11 is 2") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.2.7.8.9") << 0
                                     << QByteArray("s005.0.0.0.0.0.0.0.0.0.0.1") << 1;
    QTest::newRow("s value 11 is 3") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.3.7.8.9") << 1
                                     << QByteArray("s015.0.0.0.0.0.0.0.0.0.0.3") << 2;
    QTest::newRow("s value 11 is 02") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.02.7.8.9") << 0
                                      << QByteArray("s005.0.0.0.0.0.0.0.0.0.0.02") << 1;
    QTest::newRow("s keeps any numbers") << QByteArray("s07x.9.9.9.9.9.9.9.9.9.9.9.7.8.9") << 3
                                         << QByteArray("s03x.9.9.9.9.9.9.9.9.9.9.9") << 4;
    QTest::newRow("s fourteen values") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.2.7.8") << 0 << QByteArray() << 0;
    QTest::newRow("s over limit") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.2.7.8.9") << 30 << QByteArray() << 30;

    // t
    QTest::newRow("t kept") << QByteArray("t0433.1.2.3") << 0 << QByteArray("t0033.1") << 1;
    QTest::newRow("t lead 60") << QByteArray("t0460.1.2.3") << 1 << QByteArray() << 1;
    QTest::newRow("t lead 57 kept") << QByteArray("t0457.1.2.3") << 1 << QByteArray("t0157.1") << 2;
    QTest::newRow("t lead 58 dropped") << QByteArray("t0458.1.2.3") << 1 << QByteArray() << 1;
    QTest::newRow("t lead with letters") << QByteArray("t0433x.1.2.3") << 0 << QByteArray("t0033x.1") << 1;
    QTest::newRow("t empty tail values") << QByteArray("t0433.1..") << 0 << QByteArray("t0033.1") << 1;
    QTest::newRow("t exact t00") << QByteArray("t00") << 0 << QByteArray("t00") << 0;
    QTest::newRow("t over limit") << QByteArray("t0433.1.2.3") << 30 << QByteArray() << 30;
    QTest::newRow("t lead not a number") << QByteArray("t04.1.2.3") << 0 << QByteArray() << 0;
}

void tst_ConversionRules::segment()
{
    QFETCH(QByteArray, segment);
    QFETCH(int, counter);
    QFETCH(QByteArray, result);
    QFETCH(int, counterAfter);

    ConversionPass pass;
    const NumberedFamily *family = NumberedFamilies::find(segment.at(0));
    if (family)
        pass.counters().of(*family) = counter;
    SegmentDispatch::convert(pass, view(segment));

    QCOMPARE(bytes(pass.takeOutput()), result);
    if (family)
        QCOMPARE(pass.counters().of(*family), counterAfter);
    else
        QCOMPARE(counterAfter, counter); // only the numbered families count
}

void tst_ConversionRules::readNumber_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<int>("number");

    QTest::newRow("plain") << QByteArray("12") << true << 12;
    QTest::newRow("trailing letters") << QByteArray("33x") << true << 33;
    QTest::newRow("negative") << QByteArray("-5") << true << -5;
    QTest::newRow("plus sign") << QByteArray("+7") << true << 7;
    QTest::newRow("leading blanks") << QByteArray(" \t\n12") << true << 12;
    QTest::newRow("many leading zeros") << QByteArray("000000000000000000000042") << true << 42;
    QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << true << int(-2147483647 - 1);
    QTest::newRow("one too large") << QByteArray("2147483648") << false << 0;
    QTest::newRow("one too small") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("huge") << QByteArray("99999999999999999999999999") << false << 0;
    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("letters") << QByteArray("x1") << false << 0;
    QTest::newRow("sign alone") << QByteArray("-") << false << 0;
    QTest::newRow("blank between sign and digit") << QByteArray("- 1") << false << 0;
}

void tst_ConversionRules::readNumber()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, reads);
    QFETCH(int, number);

    const std::optional<std::int32_t> read = NumberedFamilies::readNumber(view(value));
    QCOMPARE(read.has_value(), reads);
    if (reads)
        QCOMPARE(*read, number);
}

void tst_ConversionRules::pass_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<ConversionOutcome>("outcome");
    QTest::addColumn<QByteArray>("converted");

    const auto converted = ConversionOutcome::Converted;
    const auto rejected = ConversionOutcome::VersionRejected;
    const auto unconvertible = ConversionOutcome::Unconvertible;

    QTest::newRow("aa and bc") << QByteArray("107**aa1.2.3.4_bc5.6.7.8.9") << converted
                               << QByteArray("105**aa1.2_bc5.6.8.8.0");
    QTest::newRow("version 106") << QByteArray("106**aa1.2.3.4_bc5.6.7.8.9") << converted
                                 << QByteArray("105**aa1.2_bc5.6.8.8.0");
    QTest::newRow("header characters not read") << QByteArray("107xxaa1.2.3") << converted << QByteArray("105**aa1");
    const auto example = [](const char *name) {
        QFile file(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    QTest::newRow("every kind of rule") << example("example-code.txt") << converted << example("example-morvane.txt");
    QTest::newRow("dropped middle segment") << QByteArray("107**ab1_fv2_zz3") << converted << QByteArray("105**ab1_zz3");
    QTest::newRow("dropped first segment") << QByteArray("107**fv2_zz3") << converted << QByteArray("105**zz3");
    QTest::newRow("every segment dropped") << QByteArray("107**fv1_cd2") << converted << QByteArray("105**");
    QTest::newRow("one segment") << QByteArray("107**zz") << converted << QByteArray("105**zz");
    QTest::newRow("line break kept") << QByteArray("107**zz9\n") << converted << QByteArray("105**zz9\n");
    QTest::newRow("non-ASCII bytes pass") << QByteArray("107**ab\xc3\xa9_c\xc3\xa9") << converted
                                          << QByteArray("105**ab\xc3\xa9_c\xc3\xa9");
    QTest::newRow("version 108") << QByteArray("108**aa1.2.3") << rejected << QByteArray();
    QTest::newRow("version 10x") << QByteArray("10x**aa1.2.3") << rejected << QByteArray();
    QTest::newRow("empty segment in version 108") << QByteArray("108**a__b") << rejected << QByteArray();
    QTest::newRow("empty code") << QByteArray() << unconvertible << QByteArray();
    QTest::newRow("short first segment") << QByteArray("107*_aa1.2.3") << unconvertible << QByteArray();
    QTest::newRow("short code with bad version") << QByteArray("10") << unconvertible << QByteArray();
    QTest::newRow("header alone") << QByteArray("107**") << unconvertible << QByteArray();
    QTest::newRow("header then separator") << QByteArray("107**_zz") << unconvertible << QByteArray();
    QTest::newRow("doubled separator") << QByteArray("107**ab__zz") << unconvertible << QByteArray();
    QTest::newRow("trailing separator") << QByteArray("107**ab_") << unconvertible << QByteArray();
}

void tst_ConversionRules::pass()
{
    QFETCH(QByteArray, code);
    QFETCH(ConversionOutcome, outcome);
    QFETCH(QByteArray, converted);

    const ConversionResult result = Conversion::convert(view(code));
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(bytes(result.code), converted);
}

// Dropped segments and the exact "t00" take no slot number.
void tst_ConversionRules::familySequence()
{
    const ConversionResult result = Conversion::convert("107**t0433.1.2.3_t0460.1.2.3_t00_t0512.1.2.3");
    QCOMPARE(bytes(result.code), QByteArray("105**t0033.1_t00_t0112.1"));
}

void tst_ConversionRules::counterLimits_data()
{
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<int>("kept");

    QTest::newRow("m") << QByteArray("m0012.4.5.6.7.8.9") << 60;
    QTest::newRow("r") << QByteArray("r0540.1.2.3") << 30;
    QTest::newRow("s") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.2.7.8.9") << 30;
    QTest::newRow("t") << QByteArray("t0433.1.2.3") << 30;
}

// A family's slots run from 00 up to its limit; every further segment of the
// family is dropped, even one its rule would keep.
void tst_ConversionRules::counterLimits()
{
    QFETCH(QByteArray, segment);
    QFETCH(int, kept);

    QByteArrayList segments(kept + 5, segment);
    const ConversionResult result = Conversion::convert(view("107**" + segments.join('_')));
    const QByteArrayList out = bytes(result.code).mid(5).split('_');
    QCOMPARE(out.size(), kept);
    for (int slot = 0; slot < kept; ++slot)
        QCOMPARE(out.at(slot).mid(1, 2), QByteArray::number(slot).rightJustified(2, '0'));
}

QTEST_APPLESS_MAIN(tst_ConversionRules)
#include "tst_conversionrules.moc"
