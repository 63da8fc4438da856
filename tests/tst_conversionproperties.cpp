// Properties that must hold for every code, checked on many generated ones.
#include "codegenerator.h"
#include "convert/conversion.h"

#include <QtTest>

#include <map>

namespace {

constexpr int caseCount = 2000;

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

class tst_ConversionProperties : public QObject
{
    Q_OBJECT

private slots:
    void convertedCodeShape();
    void arbitraryBytes();
    void familyLimitsOverLongCodes();
};

// Realistic codes always convert: headed "105**", no empty segment, and the
// same every time.
void tst_ConversionProperties::convertedCodeShape()
{
    CodeGenerator generator(2);
    for (int i = 0; i < caseCount; ++i) {
        const std::string code = generator.code(std::size_t(20 + i % 600));
        const ConversionResult first = Conversion::convert(code);
        QCOMPARE(first.outcome, ConversionOutcome::Converted);
        QVERIFY2(first.code.rfind("105**", 0) == 0, code.c_str());
        QVERIFY2(first.code.find("__") == std::string::npos, code.c_str());
        QVERIFY2(first.code.size() == 5 || (first.code[5] != '_' && first.code.back() != '_'), code.c_str());
        const ConversionResult second = Conversion::convert(code);
        QCOMPARE(bytes(second.code), bytes(first.code));
    }
}

// Any bytes at all behind a good header: no crash, and whatever converts
// keeps the shape.
void tst_ConversionProperties::arbitraryBytes()
{
    CodeGenerator generator(3);
    int converted = 0;
    for (int i = 0; i < caseCount * 5; ++i) {
        const std::string code = "107**" + generator.noise(std::size_t(i % 80));
        const ConversionResult result = Conversion::convert(code);
        if (result.outcome != ConversionOutcome::Converted) {
            QCOMPARE(result.outcome, ConversionOutcome::Unconvertible);
            QVERIFY(result.code.empty());
            continue;
        }
        ++converted;
        QVERIFY(result.code.rfind("105**", 0) == 0);
        QVERIFY(result.code.find("__") == std::string::npos);
    }
    QVERIFY(converted > caseCount / 10); // the noise is not all rejected
}

// However long the code, no family hands out more slots than it has, and the
// slots it hands out run 00, 01, 02, ... in order.
void tst_ConversionProperties::familyLimitsOverLongCodes()
{
    const std::map<char, int> familySlots = {{'m', 60}, {'r', 30}, {'s', 30}, {'t', 30}};
    CodeGenerator generator(4);
    for (int i = 0; i < 20; ++i) {
        const ConversionResult result = Conversion::convert(generator.code(60000));
        QCOMPARE(result.outcome, ConversionOutcome::Converted);
        std::map<char, int> next;
        StringTools::forEachPiece(std::string_view(result.code).substr(5), '_', [&](std::string_view segment) {
            const auto family = familySlots.find(segment[0]);
            const bool exactCopy = segment.size() == 3 && segment.substr(1) == "00";
            if (family == familySlots.end() || exactCopy)
                return;
            const int slot = next[segment[0]]++;
            QVERIFY(slot < family->second);
            QCOMPARE(bytes(segment.substr(1, 2)), QByteArray::number(slot).rightJustified(2, '0'));
        });
        for (const auto &[letter, limit] : familySlots)
            QCOMPARE(next[letter], limit); // long codes fill every slot
    }
}

QTEST_APPLESS_MAIN(tst_ConversionProperties)
#include "tst_conversionproperties.moc"
