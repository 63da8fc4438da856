// Large and hostile inputs through both front ends: the window, driven
// through its real file dialogs, and the command-line converter as a process.
// Whatever the file, both must agree, nothing may crash, and nothing the user
// already had may be lost.
#include "codegenerator.h"
#include "convert/conversion.h"
#include "convert/convertbutton.h"
#include "dialogdriver.h"
#include "input/loadbutton.h"
#include "testfiles.h"
#include "input/qvrcode.h"
#include "app/ui_qvrtomorvane.h"
#include "windowtest.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

const QString invalidMessage = QStringLiteral("The file you provided is not a valid QVR file!!");

} // namespace

class tst_LargeInputs : public WindowTest
{
    Q_OBJECT

private slots:
    void windowAndConverterAgree_data();
    void windowAndConverterAgree();
    void unreadableChoices_data();
    void unreadableChoices();
    void endlessInput_data();
    void endlessInput();
    void oneHugeSegment_data();
    void oneHugeSegment();
    void windowBoundsItsWork();
    void reportMemoryIsBounded();

private:
};

void tst_LargeInputs::windowAndConverterAgree_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("valid");

    CodeGenerator generator(11);
    const QString sample = QString::fromStdString(generator.code(3000)) + QStringLiteral("_zz\u00e9\r\n");
    QTest::newRow("100 MB code") << QByteArray::fromStdString(generator.code(100 << 20)) << true;
    std::string manySegments = "107**" + generator.segment();
    for (int i = 1; i < 10000; ++i)
        manySegments += '_' + generator.segment();
    QTest::newRow("10,000 segments") << QByteArray::fromStdString(manySegments) << true;
    QTest::newRow("UTF-16 with byte-order mark") << TestFiles::withByteOrderMark(sample, 2) << true;
    QTest::newRow("UTF-32 with byte-order mark") << TestFiles::withByteOrderMark(sample, 4) << true;
    QByteArray junk(1 << 20, '\0');
    for (char &c : junk)
        c = char(generator.noise(1)[0] ^ (&c - junk.data()));
    QTest::newRow("binary junk") << junk << false;
    QTest::newRow("binary junk behind a good header") << "107**" + junk << false;
}

// The window saves exactly what the converter writes for the same file; a
// refused file leaves the previous code, its path and its conversion alone.
void tst_LargeInputs::windowAndConverterAgree()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, valid);

    const QString previous = path(QStringLiteral("previous.txt"));
    TestFiles::write(previous, "107**aa1.2.3");
    loadThroughDialog(previous);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);

    const QString input = path(QStringLiteral("input.txt"));
    TestFiles::write(input, content);
    content.clear();
    loadThroughDialog(input);

    const QString fromConverter = path(QStringLiteral("converter.txt"));
    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), fromConverter});
    QCOMPARE(run.exitCode, valid ? 0 : 1);

    if (!valid) {
        QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), invalidMessage);
        QCOMPARE(mUi->loadPathLabel->text(), previous);
        QCOMPARE(mUi->convertPushButton->mConvertedText(), QStringLiteral("105**aa1"));
        QVERIFY(!QFile::exists(fromConverter));
        QVERIFY(run.err.endsWith(invalidMessage.toUtf8() + "\n"));
        return;
    }
    QCOMPARE(mUi->loadPathLabel->text(), input);
    QVERIFY(mUi->convertPushButton->isEnabled());
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
    // A pane shows at most the start of a long code, and says so.
    const QString shown = mUi->morvaneCodeTextEdit->toPlainText();
    QVERIFY(shown.size() <= int(CodeText::previewBytes) && mUi->convertPushButton->mConvertedText().startsWith(shown));
    QCOMPARE(mUi->previewNoteLabel->text().isEmpty(), shown.size() == mUi->convertPushButton->mConvertedText().size());

    const QString fromWindow = path(QStringLiteral("window.txt"));
    DialogDriver::chooseFile(fromWindow);
    QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
    const QByteArray saved = TestFiles::read(fromWindow);
    QVERIFY(saved.startsWith("105**"));
    QVERIFY(saved == TestFiles::read(fromConverter)); // no QCOMPARE: a mismatch would print 100 MB
    // On its standard input the converter reads the code in the blocks the
    // pipe gives, cut elsewhere than a file's: the same bytes all the same.
    const TestFiles::Run piped = TestFiles::runConverter({}, TestFiles::read(input));
    QCOMPARE(piped.exitCode, 0);
    QVERIFY(piped.out == saved);
}

// Neither a folder nor a file that has gone can be loaded, and trying takes
// nothing away from the code already loaded.
void tst_LargeInputs::unreadableChoices_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dialogWarns");
    QTest::newRow("folder") << QStringLiteral("folder") << false;
    QTest::newRow("missing file") << QStringLiteral("missing.txt") << true;
}

void tst_LargeInputs::unreadableChoices()
{
    QFETCH(QString, name);
    QFETCH(bool, dialogWarns);
    QDir(mDir->path()).mkdir(QStringLiteral("folder"));
    const QString previous = path(QStringLiteral("previous.txt"));
    TestFiles::write(previous, "107**aa1.2.3");
    loadThroughDialog(previous);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);

    if (dialogWarns)
        DialogDriver::whenModal<QMessageBox>([](QMessageBox *box) { box->accept(); });
    loadThroughDialog(path(name));
    QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), QStringLiteral("107**aa1.2.3"));
    QCOMPARE(mUi->loadPathLabel->text(), previous);

    // Reaching the load action all the same (as a dropped file would): the
    // pane empties and says why, the conversion stays.
    mUi->loadCodeFile(path(name));
    QVERIFY(mUi->qvrCodeTextEdit->toPlainText().isEmpty());
    QCOMPARE(mUi->qvrCodeTextEdit->placeholderText(), invalidMessage);
    QCOMPARE(mUi->loadPathLabel->text(), previous);
    QCOMPARE(mUi->convertPushButton->mConvertedText(), QStringLiteral("105**aa1"));

    const TestFiles::Run run = TestFiles::runConverter({path(name)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(path(name).toUtf8() + ": cannot read: "), run.err);
}

void tst_LargeInputs::endlessInput_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("message");

    const QByteArray tooLarge = ": cannot read: it holds more than 2 GiB, and a code is a few kilobytes\n";
    QTest::newRow("/dev/zero named") << QStringLiteral("exec \"$0\" /dev/zero") << "/dev/zero: " + invalidMessage.toUtf8() + '\n';
    QTest::newRow("/dev/urandom on standard input") << QStringLiteral("exec \"$0\" < /dev/urandom")
                                                    << "(standard input): " + invalidMessage.toUtf8() + '\n';
    QTest::newRow("zeros behind a good header") << QStringLiteral("exec \"$0\" < <(printf '107**zz1'; exec cat /dev/zero)")
                                                << "(standard input)" + tooLarge;
}

// A stream that never ends is refused as soon as its first bytes cannot
// begin a code, or else cut off at the largest code there can be: a clear
// message, holding less than 3 GB.
void tst_LargeInputs::endlessInput()
{
    QFETCH(QString, script);
    QFETCH(QByteArray, message);

    const TestFiles::Run run =
        TestFiles::run({"/bin/bash", "-c", script.toStdString(), TestFiles::converter()}, {}, {}, 120);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, message);
    QVERIFY2(run.peakKilobytes < 3'000'000'000 / 1024, qPrintable(QString::number(run.peakKilobytes)));
}

void tst_LargeInputs::oneHugeSegment_data()
{
    QTest::addColumn<QByteArray>("head");
    for (const char *head : {"bc1", "m0312", "r0540", "s075", "t0433"})
        QTest::newRow(head) << QByteArray(head);
}

// However a code is shaped, its memory stays within a few times its size:
// a typical code is converted as it is read, holding about its
// conversion, while a single segment of a hundred million short values is
// held whole with its conversion, and holds no more than three times its
// size. (How long each takes is bench/'s: bench_conversion
// convertOneHugeSegment.)
void tst_LargeInputs::oneHugeSegment()
{
    QFETCH(QByteArray, head);
    constexpr int size = 100 << 20;
    const QString input = path(QStringLiteral("code.txt"));
    const QString output = path(QStringLiteral("out.txt"));
    QByteArray code = "107**" + head;
    code += QByteArray(".1").repeated((size - code.size()) / 2);
    TestFiles::write(input, code);
    code.clear();

    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.peakKilobytes <= 3 * (size >> 10), qPrintable(QStringLiteral("%1 KB").arg(run.peakKilobytes)));
}

// What this process has read from files so far, as the kernel counts it.
static qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    return -1;
}

// A 1.5 GB video dropped by mistake is refused after its first bytes are
// read; Conversion Details of a 1 MB code and a code of 64 MB lay out at
// most the start a pane shows, while Save and Copy take all of it. (How
// long each takes is bench/'s: bench_window.)
void tst_LargeInputs::windowBoundsItsWork()
{
    const QString video = path(QStringLiteral("holiday.mp4"));
    TestFiles::write(video, QByteArray("\x00\x00\x00\x20" "ftypisom", 12));
    QVERIFY(QFile::resize(video, qint64(1536) << 20));
    const qint64 readBefore = bytesReadSoFar();
    dropFile(video);
    const qint64 read = bytesReadSoFar() - readBefore;
    QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), invalidMessage);
    // The head the file is judged by, and whatever small files the window
    // reads meanwhile (fonts, settings): far from the video's size.
    QVERIFY2(readBefore >= 0 && read < qint64(1) << 20, qPrintable(QString::number(read)));

    const QString megabyte = path(QStringLiteral("megabyte.txt"));
    TestFiles::write(megabyte, QByteArray::fromStdString(CodeGenerator(5).code(std::size_t(1) << 20)).replace('\n', '.'));
    dropFile(megabyte);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
    DialogDriver::whenModal<QDialog>([](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        for (const char *pane : {"codeTextEdit", "conversionTextEdit"}) {
            const auto *edit = dialog->findChild<QTextEdit *>(QLatin1String(pane));
            QVERIFY(edit && !edit->toPlainText().isEmpty());
            QVERIFY(edit->toPlainText().toUtf8().size() <= qsizetype(CodeText::previewBytes));
        }
        const auto *list = dialog->findChild<QTreeWidget *>();
        QVERIFY(list && list->topLevelItemCount() <= int(ConversionReport::entriesListed) + 1);
        dialog->reject();
    });
    mUi->actionConversionDetails->trigger();

    const QString large = path(QStringLiteral("large.txt"));
    TestFiles::write(large, QByteArray::fromStdString(CodeGenerator(5).code(std::size_t(64) << 20)).replace('\n', '.'));
    dropFile(large);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
    for (const QTextEdit *pane : {static_cast<QTextEdit *>(mUi->qvrCodeTextEdit), mUi->morvaneCodeTextEdit})
        QVERIFY(pane->toPlainText().toUtf8().size() <= qsizetype(CodeText::previewBytes));
    QVERIFY(mUi->previewNoteLabel->text().contains(QStringLiteral("Showing the first 16 KB of 67,108,")));
    const QString saved = path(QStringLiteral("saved.txt"));
    DialogDriver::chooseFile(saved);
    QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
    QVERIFY(TestFiles::read(saved) == TestFiles::runConverter({large}).out);
}

// The report lists a bounded number of segments and counts the rest, so a
// code of a hundred megabytes of dropped segments costs what its bytes do.
void tst_LargeInputs::reportMemoryIsBounded()
{
    const TestFiles::Run run = TestFiles::run(
        {"/bin/bash", "-c",
         "{ printf '107**zz1'; yes _cd1 | head -n 25000000 | tr -d '\\n'; } > \"$1\" && exec \"$0\" --report-json \"$1\"",
         TestFiles::converter(), QFile::encodeName(path(QStringLiteral("dropped.txt"))).toStdString()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("105**zz1"));
    const QJsonObject json = QJsonDocument::fromJson(run.err).object();
    QCOMPARE(json.value(QStringLiteral("dropped")).toInt(), 25000000);
    QCOMPARE(json.value(QStringLiteral("entries")).toArray().size(), int(ConversionReport::entriesListed));
    QCOMPARE(json.value(QStringLiteral("unlisted")).toInt(), 25000000 - int(ConversionReport::entriesListed));
    QVERIFY2(run.peakKilobytes < 3 * 100'000, qPrintable(QString::number(run.peakKilobytes)));
}

QTEST_MAIN(tst_LargeInputs)
#include "tst_largeinputs.moc"
