// The string tools the button offers to cut and join codes with. What the
// button holds and enables is the session's, tested on its own in
// tst_codesession and through the window in tst_sessiontable.
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

} // namespace

class tst_ConvertButton : public QObject
{
    Q_OBJECT

private slots:
    void customSplit_data();
    void customSplit();
    void combine_data();
    void combine();
};

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
