// Large and hostile inputs through both front ends: the window, driven
// through its real file dialogs, and the command-line converter as a process.
// Whatever the file, both must agree, nothing may crash, and nothing the user
// already had may be lost.
#include "codegenerator.h"
#include "convert/convertbutton.h"
#include "dialogdriver.h"
#include "input/loadbutton.h"
#include "testfiles.h"
#include "input/qvrcode.h"
#include "app/ui_qvrtomorvane.h"
#include "windowtest.h"

#include <QtTest>
#include <QtWidgets>

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

private:
    TestFiles::Run mTypical; // a typical 100 MB code through the converter
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
    QCOMPARE(mUi->morvaneCodeTextEdit->toPlainText(), mUi->convertPushButton->mConvertedText());

    const QString fromWindow = path(QStringLiteral("window.txt"));
    DialogDriver::chooseFile(fromWindow);
    QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
    const QByteArray saved = TestFiles::read(fromWindow);
    QVERIFY(saved.startsWith("105**"));
    QVERIFY(saved == TestFiles::read(fromConverter)); // no QCOMPARE: a mismatch would print 100 MB
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
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("/dev/zero named") << QStringLiteral("\"$0\" /dev/zero") << QByteArray("/dev/zero");
    QTest::newRow("/dev/urandom on standard input") << QStringLiteral("\"$0\" < /dev/urandom")
                                                    << QByteArray("(standard input)");
}

// A stream that never ends is cut off at the largest code there can be:
// a clear message, well within two minutes and 3 GB.
void tst_LargeInputs::endlessInput()
{
    QFETCH(QString, script);
    QFETCH(QByteArray, name);

    const TestFiles::Run run =
        TestFiles::run({"/bin/bash", "-c", "exec " + script.toStdString(), TestFiles::converter()}, {}, {}, 120);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, name + ": cannot read: it holds more than 2 GiB, and a code is a few kilobytes\n");
    QVERIFY2(run.peakKilobytes < 3'000'000'000 / 1024, qPrintable(QString::number(run.peakKilobytes)));
    qInfo("%s: %.1f s, %ld MB at most", name.constData(), run.seconds, run.peakKilobytes / 1024);
}

void tst_LargeInputs::oneHugeSegment_data()
{
    QTest::addColumn<QByteArray>("head");
    for (const char *head : {"bc1", "m0312", "r0540", "s075", "t0433"})
        QTest::newRow(head) << QByteArray(head);
}

// However a code is shaped, a byte costs about what it costs in a typical
// code: a single segment of a hundred million short values is no slower per
// byte, and holds no more memory, than three times a typical code of the
// same size.
void tst_LargeInputs::oneHugeSegment()
{
    QFETCH(QByteArray, head);
    constexpr int size = 100 << 20;
    const QString input = path(QStringLiteral("code.txt"));
    const QString output = path(QStringLiteral("out.txt"));
    if (mTypical.exitCode != 0) {
        TestFiles::write(input, QByteArray::fromStdString(CodeGenerator(5).code(size)));
        mTypical = TestFiles::runConverter({input, QStringLiteral("-o"), output});
        QCOMPARE(mTypical.exitCode, 0);
    }
    QByteArray code = "107**" + head;
    code += QByteArray(".1").repeated((size - code.size()) / 2);
    TestFiles::write(input, code);
    code.clear();

    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    qInfo("%s: %.2f s, %ld MB; typical code: %.2f s, %ld MB", head.constData(), run.seconds, run.peakKilobytes / 1024,
          mTypical.seconds, mTypical.peakKilobytes / 1024);
    QVERIFY(run.seconds <= 3 * mTypical.seconds);
    QVERIFY(run.peakKilobytes <= 3 * mTypical.peakKilobytes);
}

QTEST_MAIN(tst_LargeInputs)
#include "tst_largeinputs.moc"
