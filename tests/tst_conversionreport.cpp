// The conversion report: what it says of codes built for each rule and each
// reason, and that it agrees with the conversion on generated codes.
#include "codegenerator.h"
#include "convert/conversion.h"
#include "convert/reportjson.h"

#include <QtTest>

namespace {

ConversionReport reportOf(const QByteArray &code, std::string *out = nullptr, bool marking = false)
{
    ConversionReport report(marking);
    std::string converted;
    Conversion::convert(code.toStdString(), converted, &report);
    if (out)
        *out = converted;
    return report;
}

QByteArray repeated(const QByteArray &segment, int times)
{
    return QByteArrayList(times, segment).join('_');
}

} // namespace

class tst_ConversionReport : public QObject
{
    Q_OBJECT

private slots:
    void fates_data();
    void fates();
    void summaryDetailsAndJson();
    void segmentsShownOnOneLine();
    void marks_data();
    void marks();
    void agreesWithConversion();
};

void tst_ConversionReport::fates_data()
{
    QTest::addColumn<QByteArray>("segments");
    QTest::addColumn<QList<int>>("counts"); // copied, changed, renumbered, dropped
    QTest::addColumn<QByteArray>("key");    // of the last entry
    QTest::addColumn<QString>("reason");

    const QList<int> oneCopied{1, 0, 0, 0};
    const QList<int> oneChanged{0, 1, 0, 0};
    const QList<int> oneDropped{0, 0, 0, 1};
    QTest::newRow("copied") << QByteArray("zz9") << oneCopied << QByteArray() << QString();
    QTest::newRow("aa cut") << QByteArray("aa1.2.3") << oneChanged << QByteArray("values-cut")
                            << QStringLiteral("aa: the last two values are cut");
    QTest::newRow("aa too short, copied") << QByteArray("aa1.2") << oneCopied << QByteArray() << QString();
    QTest::newRow("bc rewritten") << QByteArray("bc1.2.3.4.5") << oneChanged << QByteArray("values-rewritten")
                                  << QStringLiteral("bc: value 2 becomes 8 and value 4 becomes 0");
    QTest::newRow("bc that already reads 8 and 0 is copied") << QByteArray("bc1.2.8.4.0") << oneCopied << QByteArray()
                                                             << QString();
    QTest::newRow("hc cut") << QByteArray("hc1.2.3.4.5") << oneChanged << QByteArray("characters-cut")
                            << QStringLiteral("hc: the last six characters are cut");
    QTest::newRow("hc cut to nothing") << QByteArray("hcABCD") << oneDropped << QByteArray("nothing-left")
                                       << QStringLiteral("nothing is left once hc loses its last six characters");
    QTest::newRow("fd cut") << QByteArray("fd1.2.3") << oneChanged << QByteArray("values-cut")
                            << QStringLiteral("fd: the last value is cut");
    QTest::newRow("cd not taken") << QByteArray("cd1") << oneDropped << QByteArray("tag-not-taken")
                                  << QStringLiteral("Morvane takes no \"cd\" segments");
    QTest::newRow("fv not taken") << QByteArray("fv3.4") << oneDropped << QByteArray("tag-not-taken")
                                  << QStringLiteral("Morvane takes no \"fv\" segments");
    const QList<int> oneRenumbered{0, 0, 1, 0};
    QTest::newRow("t renumbered") << QByteArray("t0433.1.2.3") << oneRenumbered << QByteArray("renumbered")
                                  << QStringLiteral("t: slot 04 becomes 00, the last two values are cut");
    QTest::newRow("m renumbered") << QByteArray("m0012.4.5.6.7.8.9") << oneRenumbered << QByteArray("renumbered")
                                  << QStringLiteral("m: slot 00 stays 00, the last four values are cut, and a value 1 is added");
    QTest::newRow("r renumbered") << QByteArray("r0540.1.2.3") << oneRenumbered << QByteArray("renumbered")
                                  << QStringLiteral("r: slot 05 becomes 00, the last value is cut");
    QTest::newRow("s renumbered, value 11 2 to 1") << QByteArray("s075.0.0.0.0.0.0.0.0.0.0.2.7.8.9") << oneRenumbered
                                                   << QByteArray("renumbered")
                                                   << QStringLiteral("s: slot 07 becomes 00, the last three values are cut, value 11 becomes 1");
    QTest::newRow("second t takes slot 01") << QByteArray("t0433.1.2.3_t0433.1.2.3") << QList<int>{0, 0, 2, 0}
                                            << QByteArray("renumbered")
                                            << QStringLiteral("t: slot 04 becomes 01, the last two values are cut");
    QTest::newRow("t00 copied") << QByteArray("t00") << oneCopied << QByteArray() << QString();
    QTest::newRow("31st t segment") << repeated("t0433.1.2.3", 31) << QList<int>{0, 0, 30, 1}
                                    << QByteArray("slots-full") << QStringLiteral("all 30 t slots are taken");
    QTest::newRow("61st m segment") << repeated("m0012.4.5.6.7.8.9", 61) << QList<int>{0, 0, 60, 1}
                                    << QByteArray("slots-full") << QStringLiteral("all 60 m slots are taken");
    QTest::newRow("too few values") << QByteArray("m0012.4.5") << oneDropped << QByteArray("values-do-not-fit")
                                    << QStringLiteral("an m segment needs at least 6 values");
    QTest::newRow("no slot number") << QByteArray("t0.1.2") << oneDropped << QByteArray("values-do-not-fit")
                                    << QStringLiteral("value 0 has no slot number");
    QTest::newRow("lead number over") << QByteArray("t0458.1.2.3") << oneDropped << QByteArray("out-of-range")
                                      << QStringLiteral("the lead number 58 is above 57");
    QTest::newRow("last value over") << QByteArray("r0540.1.51.3") << oneDropped << QByteArray("out-of-range")
                                     << QStringLiteral("the last value kept, 51, is above 50");
    QTest::newRow("lead number not a number") << QByteArray("t04x.1.2.3") << oneDropped << QByteArray("not-a-number")
                                              << QStringLiteral("the lead number \"x\" is not a number");
    QTest::newRow("lead number past 32 bits") << QByteArray("r0599999999999.1.2.3") << oneDropped
                                              << QByteArray("not-a-number")
                                              << QStringLiteral("the lead number \"99999999999\" is not a number");
}

void tst_ConversionReport::fates()
{
    QFETCH(QByteArray, segments);
    QFETCH(QList<int>, counts);
    QFETCH(QByteArray, key);
    QFETCH(QString, reason);

    const ConversionReport report = reportOf("107**" + segments);
    const QList<int> actual{int(report.count(ConversionReport::Copied)), int(report.count(ConversionReport::Changed)),
                            int(report.count(ConversionReport::Renumbered)), int(report.count(ConversionReport::Dropped))};
    QCOMPARE(actual, counts);
    QCOMPARE(report.entries().empty(), key.isEmpty());
    if (!key.isEmpty()) {
        const ConversionReport::Entry entry = report.entries().back();
        QCOMPARE(QByteArray::fromStdString(std::string(entry.key)), key);
        QCOMPARE(QString::fromStdString(entry.reason.text()), reason);
        QCOMPARE(int(entry.position), segments.count('_') + 1);
    }
}

void tst_ConversionReport::summaryDetailsAndJson()
{
    QFile example(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/example-code.txt"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const ConversionReport report = reportOf(example.readAll());

    QCOMPARE(QString::fromStdString(report.summary().text()),
             QStringLiteral("14 segments: 3 copied, 5 changed, 4 renumbered, 2 dropped"));
    const QStringList lines = QString::fromStdString(report.details()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(2), QStringLiteral("#5 cd1: dropped: Morvane takes no \"cd\" segments"));

    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(ReportJson::text(ReportJson::of(report))), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.value(QStringLiteral("segments")).toInt(), 14);
    for (const auto &[key, count] : {std::pair{"copied", 3}, {"changed", 5}, {"renumbered", 4}, {"dropped", 2}})
        QCOMPARE(json.value(QLatin1String(key)).toInt(), count);
    const QJsonArray entries = json.value(QStringLiteral("entries")).toArray();
    QCOMPARE(entries.size(), 11);
    QCOMPARE(entries.at(2).toObject().value(QStringLiteral("key")).toString(), QStringLiteral("tag-not-taken"));
    QCOMPARE(entries.at(2).toObject().value(QStringLiteral("input")).toArray(), (QJsonArray{39, 42}));
    QVERIFY(entries.at(2).toObject().value(QStringLiteral("output")).isNull());
    QCOMPARE(entries.at(9).toObject().value(QStringLiteral("output")).toArray(), (QJsonArray{104, 111})); // t0033.1

    QCOMPARE(QString::fromStdString(ConversionReport().summary().text()), QStringLiteral("0 segments: 0 copied, 0 changed, 0 renumbered, 0 dropped"));
}

// A segment is shown cut to its first 40 bytes, never inside a character,
// with its line breaks written out, so that an entry stays one line and
// valid UTF-8, in the text and in JSON alike.
void tst_ConversionReport::segmentsShownOnOneLine()
{
    const QByteArray longSegment = "cd" + QByteArray(37, '1') + "\xc3\xa9" + QByteArray(10, '2');
    const ConversionReport report = reportOf("107**" + longSegment + "_fv1\n");
    QCOMPARE(report.entries().size(), std::size_t(2));
    QCOMPARE(QByteArray::fromStdString(report.entries().front().segment), "cd" + QByteArray(37, '1') + "...");
    const QByteArray details = QByteArray::fromStdString(report.details());
    QCOMPARE(details.count('\n'), 2);
    QVERIFY2(details.contains("#2 fv1\\n: dropped"), details);
    QJsonParseError error;
    QJsonDocument::fromJson(QByteArray::fromStdString(ReportJson::text(ReportJson::of(report))), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
}

void tst_ConversionReport::marks_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QStringList>("firstMarks"); // position, fate, bytes in the code and in the conversion
    QTest::addColumn<int>("markCount");
    QTest::addColumn<int>("unlisted");

    QFile example(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/example-code.txt"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    QTest::newRow("every rule family and fate")
        << example.readAll()
        << QStringList{"1 changed 5-16 5-12", "3 changed 23-34 19-30", "5 dropped 39-42 -", "6 changed 43-56 35-42",
                       "7 changed 57-64 43-48", "8 changed 65-72 49-54", "9 renumbered 73-90 55-66",
                       "10 renumbered 91-102 67-76", "11 renumbered 103-135 77-103", "12 renumbered 136-147 104-111",
                       "13 dropped 148-153 -"}
        << 11 << 0;
    // The thirtieth t takes the last slot, the thirty-first none.
    QTest::newRow("past the last slot") << "107**" + repeated("t0433.1.2.3", 31) << QStringList() << 31 << 0;
    QTest::newRow("copied alone") << QByteArray("107**zz9_ab1_t00") << QStringList() << 0 << 0;
    QTest::newRow("an empty segment, not converted") << QByteArray("107**zz__aa1.2.3") << QStringList() << 0 << 0;
    // 80 KB: marks as far as a pane shows (segments that begin in its
    // first 16 KB), a list of 1,000, the rest counted.
    QTest::newRow("longer than a pane shows") << "107**" + repeated("cd1", 20000) << QStringList{"1 dropped 5-8 -"}
                                              << int(CodeText::previewBytes - 5 + 3) / 4 << 19000;
}

// Where each segment not copied stands in the code and in its conversion,
// as far as a pane shows them.
void tst_ConversionReport::marks()
{
    QFETCH(QByteArray, code);
    QFETCH(QStringList, firstMarks);
    QFETCH(int, markCount);
    QFETCH(int, unlisted);

    const ConversionReport report = reportOf(code, nullptr, true);
    const std::vector<ConversionReport::Entry> marks = report.marks();
    QCOMPARE(int(marks.size()), markCount);
    QCOMPARE(int(report.unlisted()), unlisted);
    QCOMPARE(report.entries().size(), std::min(marks.size() + std::size_t(unlisted), ConversionReport::entriesListed));
    QStringList shown;
    for (std::size_t i = 0; i < std::min(marks.size(), std::size_t(firstMarks.size())); ++i) {
        const ConversionReport::Entry &mark = marks[i];
        const auto range = [](const ConversionReport::Range &range) {
            return QStringLiteral("%1-%2").arg(range.start).arg(range.start + range.length);
        };
        shown << QStringLiteral("%1 %2 %3 %4").arg(mark.position).arg(QString::fromUtf8(ConversionReport::fateName(mark.fate).data()),
                                                    range(mark.input), mark.output ? range(*mark.output) : QStringLiteral("-"));
    }
    QCOMPARE(shown, firstMarks);
    if (markCount == 31)
        QCOMPARE(QString::fromStdString(marks.back().reason.text()), QStringLiteral("all 30 t slots are taken"));
    // A report that does not mark keeps no more than its list.
    QCOMPARE(reportOf(code).marks().size(), std::size_t(0));
}

// Walking a generated code and its conversion side by side: every segment
// the report marks as dropped is missing from the output, every other one
// is there, unchanged when copied, different when changed or renumbered;
// each mark's ranges hold its segment and what became of it; and the counts
// add up. Asking for the report changes nothing in the output.
void tst_ConversionReport::agreesWithConversion()
{
    CodeGenerator generator(9);
    for (int i = 0; i < 2000; ++i) {
        const std::string code = generator.code(std::size_t(20 + i % 2000));
        std::string converted;
        const ConversionReport report = reportOf(QByteArray::fromStdString(code), &converted, true);
        QCOMPARE(converted, Conversion::convert(code).code);

        std::map<std::size_t, ConversionReport::Entry> marked;
        for (const ConversionReport::Entry &entry : report.marks())
            marked.emplace(entry.position, entry);
        const std::vector<std::string> in = StringTools::split(std::string_view(code).substr(5), '_');
        const std::vector<std::string> out = StringTools::split(std::string_view(converted).substr(5), '_');
        std::size_t next = 0;
        std::size_t copied = 0;
        for (std::size_t position = 1; position <= in.size(); ++position) {
            const std::string &segment = in[position - 1];
            const auto mark = marked.find(position);
            if (mark != marked.end()) {
                const ConversionReport::Entry &entry = mark->second;
                QCOMPARE(code.substr(entry.input.start, entry.input.length), segment);
                QCOMPARE(entry.output.has_value(), entry.fate != ConversionReport::Dropped);
                if (!entry.output)
                    continue;
                QVERIFY(next < out.size());
                QCOMPARE(converted.substr(entry.output->start, entry.output->length), out[next]);
                QVERIFY(out[next++] != segment);
            } else {
                QVERIFY(next < out.size());
                QCOMPARE(out[next++], segment);
                ++copied;
            }
        }
        QCOMPARE(next, out.size());
        QCOMPARE(report.count(ConversionReport::Copied), copied);
        QCOMPARE(report.segmentCount(), in.size());
    }
}

QTEST_APPLESS_MAIN(tst_ConversionReport)
#include "tst_conversionreport.moc"
