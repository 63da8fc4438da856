// ConvertButton's conversion state and the enabled state that goes with it.
#include "convert/convertbutton.h"

#include <QtTest>

namespace {

QByteArrayList toList(const std::vector<std::string> &segments)
{
    QByteArrayList list;
    for (const std::string &segment : segments)
        list << QByteArray(segment.data(), qsizetype(segment.size()));
    return list;
}

const QString previousCode = QStringLiteral("107**zz1_aa1.2.3");
const QString previousConverted = QStringLiteral("105**zz1_aa1");

} // namespace

class tst_ConvertButton : public QObject
{
    Q_OBJECT

private slots:
    void startsDisabledAndInvalid();
    void updateEnabledState_data();
    void updateEnabledState();
    void newTextKeepsConversion();
    void translateCode_data();
    void translateCode();
    void translateSameCodeStaysDisabled();
    void clearKeepsEnabledState();
    void customSplit_data();
    void customSplit();
    void combine_data();
    void combine();
};

void tst_ConvertButton::startsDisabledAndInvalid()
{
    ConvertButton button;
    QVERIFY(!button.isEnabled());
    QVERIFY(!button.isValidFile());
    QVERIFY(button.mText.isNull());
    QVERIFY(button.mConvertedText.isNull());
}

// Each row feeds the texts in order; the enabled state and version prefix
// after the last one are checked.
void tst_ConvertButton::updateEnabledState_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QByteArray>("version");

    QTest::newRow("new text") << QStringList{"107**aa1.2"} << true << QByteArray("107");
    QTest::newRow("same text twice") << QStringList{"107**aa1.2", "107**aa1.2"} << false << QByteArray("107");
    QTest::newRow("empty while nothing held") << QStringList{""} << false << QByteArray("");
    QTest::newRow("shorter text") << QStringList{"107**aa1.2", "10"} << true << QByteArray("10");
    QTest::newRow("then empty") << QStringList{"107**aa1.2", "10", ""} << true << QByteArray("");
    QTest::newRow("cut inside a character") << QStringList{QString::fromUtf8("\xc3\xa9\xc3\xa9x")} << true
                                            << QByteArray("\xc3\xa9\xc3");
    QTest::newRow("four-byte character in the prefix") << QStringList{QString::fromUtf8("a\xf0\x9f\x98\x80x")} << true
                                                       << QByteArray("a\xf0\x9f");
    QTest::newRow("lone surrogate first") << QStringList{QString(QChar(0xd800)) + QStringLiteral("107")} << true
                                          << QByteArray("?10");
    QTest::newRow("message typed over") << QStringList{"The file you provided is not a valid QVR file!!"} << true
                                        << QByteArray("The");
}

void tst_ConvertButton::updateEnabledState()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, enabled);
    QFETCH(QByteArray, version);

    ConvertButton button;
    for (const QString &text : texts)
        button.updateEnabledState(text);
    QCOMPARE(button.isEnabled(), enabled);
    QCOMPARE(QByteArray::fromStdString(button.mVersion), version);
    QCOMPARE(button.mText, texts.constLast());
}

// Typing reaches updateEnabledState but never converts: validity still
// judges the segments of the last conversion with the new version prefix.
void tst_ConvertButton::newTextKeepsConversion()
{
    ConvertButton button;
    button.updateEnabledState(previousCode);
    button.translateCode();
    button.updateEnabledState(QStringLiteral("108**other"));
    QCOMPARE(button.mConvertedText, previousConverted);
    QCOMPARE(toList(button.mSegments), (QByteArrayList{"zz1", "aa1.2.3"}));
    QVERIFY(!button.isValidFile());
    button.updateEnabledState(QStringLiteral("106**other"));
    QVERIFY(button.isValidFile());
}

// Every row starts from a button that has converted previousCode.
void tst_ConvertButton::translateCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArrayList>("segments");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("accepted") << QStringLiteral("107**aa1.2.3.4_bc5.6.7.8.9") << true
                              << QByteArrayList{"aa1.2.3.4", "bc5.6.7.8.9"} << QStringLiteral("105**aa1.2_bc5.6.8.8.0")
                              << true;
    QTest::newRow("version 106") << QStringLiteral("106**zz") << true << QByteArrayList{"zz"}
                                 << QStringLiteral("105**zz") << true;
    QTest::newRow("version 108") << QStringLiteral("108**aa1.2.3_zz") << false << QByteArrayList{"108**aa1.2.3", "zz"}
                                 << previousConverted << false;
    QTest::newRow("header alone") << QStringLiteral("107**") << false << QByteArrayList{} << previousConverted << false;
    QTest::newRow("short first segment") << QStringLiteral("107_zz") << false << QByteArrayList{} << previousConverted
                                         << false;
    QTest::newRow("empty segment") << QStringLiteral("107**zz__aa1.2.3") << false << QByteArrayList{}
                                   << previousConverted << false;
    QTest::newRow("trailing separator") << QStringLiteral("107**zz_") << false << QByteArrayList{}
                                        << previousConverted << false;
    QTest::newRow("empty text") << QString() << false << QByteArrayList{} << previousConverted << false;
    QTest::newRow("non-ASCII") << QString::fromUtf8("107**z\xc3\xa9_hc\xc3\xa9\xc3\xa9\xc3\xa9x") << true
                               << QByteArrayList{"z\xc3\xa9", "hc\xc3\xa9\xc3\xa9\xc3\xa9x"}
                               << QString::fromUtf8("105**z\xc3\xa9_hc\xef\xbf\xbd") << true;
}

void tst_ConvertButton::translateCode()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QFETCH(QByteArrayList, segments);
    QFETCH(QString, converted);
    QFETCH(bool, enabled);

    ConvertButton button;
    button.updateEnabledState(previousCode);
    button.translateCode();
    button.updateEnabledState(code);
    button.setEnabled(true);
    button.translateCode();

    QCOMPARE(button.isValidFile(), valid);
    QCOMPARE(toList(button.mSegments), segments);
    QCOMPARE(button.mConvertedText, converted);
    QCOMPARE(button.isEnabled(), enabled);
    QCOMPARE(button.mText, code);
}

void tst_ConvertButton::translateSameCodeStaysDisabled()
{
    ConvertButton button;
    button.updateEnabledState(previousCode);
    button.translateCode();
    button.updateEnabledState(previousCode);
    button.translateCode();
    QVERIFY(!button.isEnabled());
    QVERIFY(button.isValidFile());
    QCOMPARE(button.mConvertedText, previousConverted);
}

void tst_ConvertButton::clearKeepsEnabledState()
{
    ConvertButton button;
    button.updateEnabledState(previousCode);
    button.translateCode();
    QVERIFY(button.isEnabled());
    button.clearMText();
    QVERIFY(button.isEnabled());
    QVERIFY(button.mText.isNull());
    QVERIFY(button.mConvertedText.isNull());
    QVERIFY(button.mVersion.empty());
    QVERIFY(button.mSegments.empty());
    QVERIFY(!button.isValidFile());
}

void tst_ConvertButton::customSplit_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArrayList>("pieces");

    QTest::newRow("two pieces") << QByteArray("a_b") << '_' << QByteArrayList{"a", "b"};
    QTest::newRow("leading separator") << QByteArray("_a") << '_' << QByteArrayList{"", "a"};
    QTest::newRow("doubled separator") << QByteArray("a__b") << '_' << QByteArrayList{"a", "", "b"};
    QTest::newRow("trailing separator") << QByteArray("a_") << '_' << QByteArrayList{"a", ""};
    QTest::newRow("no separator") << QByteArray("abc") << '_' << QByteArrayList{"abc"};
    QTest::newRow("empty text") << QByteArray("") << '_' << QByteArrayList{""};
    QTest::newRow("values") << QByteArray("a.b.c") << '.' << QByteArrayList{"a", "b", "c"};
    QTest::newRow("lone dot") << QByteArray(".") << '.' << QByteArrayList{"", ""};
}

void tst_ConvertButton::customSplit()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(QByteArrayList, pieces);
    QCOMPARE(toList(ConvertButton::customSplit(text.toStdString(), separator)), pieces);
}

void tst_ConvertButton::combine_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QByteArray>("joined");

    QTest::newRow("three") << QByteArrayList{"1", "2", "3"} << QByteArray("1.2.3");
    QTest::newRow("two empty") << QByteArrayList{"", ""} << QByteArray(".");
    QTest::newRow("single") << QByteArrayList{"x"} << QByteArray("x");
    QTest::newRow("empty inside") << QByteArrayList{"a", "", "b"} << QByteArray("a..b");
    QTest::newRow("single empty") << QByteArrayList{""} << QByteArray("");
    QTest::newRow("empty list") << QByteArrayList{} << QByteArray("");
}

void tst_ConvertButton::combine()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(QByteArray, joined);
    std::vector<std::string> list;
    for (const QByteArray &piece : pieces)
        list.emplace_back(piece.toStdString());
    QCOMPARE(QByteArray::fromStdString(ConvertButton::combine(list, ".")), joined);
}

QTEST_MAIN(tst_ConvertButton)
#include "tst_convertbutton.moc"
