// qvrtomorvane-cli as a real process, over real files and pipes.
#include "testfiles.h"

#include <QtTest>

namespace {

const QByteArray invalidMessage = "The file you provided is not a valid QVR file!!";

} // namespace

class tst_Cli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void convertFile_data();
    void convertFile();
    void standardInput_data();
    void standardInput();
    void outputFile();
    void outputFileUnwritable();
    void outputDirectory();
    void refusesToOverwriteInput();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion();

private:
    QScopedPointer<QTemporaryDir> mDir;
    QString path(const QString &name) const { return mDir->filePath(name); }
};

void tst_Cli::init()
{
    mDir.reset(new QTemporaryDir);
    QVERIFY(mDir->isValid());
}

void tst_Cli::convertFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");

    QTest::newRow("aa and bc") << QByteArray("107**aa1.2.3.4_bc5.6.7.8.9") << 0 << QByteArray("105**aa1.2_bc5.6.8.8.0");
    QTest::newRow("every kind of rule")
        << QByteArray("107**aa5.0.1.2.3_ab1.2_bc3.4.5.6.7_ca1_cd1_hc10.20.30.40_hd1.2.3_fd1.2.3_m0012.4.5.6.7.8.9_"
                      "r0540.1.2.3_s075.0.0.0.0.0.0.0.0.0.0.2.7.8.9_t0433.1.2.3_fv3.4_zz9")
        << 0
        << QByteArray("105**aa5.0.1_ab1.2_bc3.4.8.6.0_ca1_hc10.20_hd1.2_fd1.2_m0012.4.5.1_r0040.1.2_"
                      "s005.0.0.0.0.0.0.0.0.0.0.1_t0033.1_zz9");
    QTest::newRow("final line break kept") << QByteArray("106**zz9\n") << 0 << QByteArray("105**zz9\n");
    QTest::newRow("every carriage return dropped") << QByteArray("107**z\rz9\r\n") << 0 << QByteArray("105**zz9\n");
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xef\xbb\xbf" "107**zz9") << 0 << QByteArray("105**zz9");
    QTest::newRow("UTF-16 with byte-order mark") << TestFiles::withByteOrderMark(QString::fromUtf8("107**z\xc3\xa9"), 2) << 0
                                                 << QByteArray("105**z\xc3\xa9");
    QTest::newRow("UTF-16 with CRLF") << TestFiles::withByteOrderMark(QStringLiteral("107**zz9\r\n"), 2) << 0
                                      << QByteArray("105**zz9\n");
    QTest::newRow("cut inside a character") << QByteArray("107**hc\xc3\xa9\xc3\xa9\xc3\xa9x") << 0
                                            << QByteArray("105**hc\xef\xbf\xbd");
    QTest::newRow("version 108") << QByteArray("108**aa1.2.3") << 1 << QByteArray();
    QTest::newRow("empty file") << QByteArray() << 1 << QByteArray();
    QTest::newRow("empty segment") << QByteArray("107**zz__aa1.2.3") << 1 << QByteArray();
    QTest::newRow("binary junk") << QByteArray("\x00\x01\xfe\x80_._\x00", 8) << 1 << QByteArray();
}

void tst_Cli::convertFile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);

    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, content);
    const TestFiles::Run run = TestFiles::runConverter({input});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    if (exitCode == 0)
        QCOMPARE(run.err, QByteArray());
    else
        QCOMPARE(run.err, input.toUtf8() + ": " + invalidMessage + "\n");
}

void tst_Cli::standardInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no argument") << QStringList();
    QTest::newRow("dash") << QStringList{"-"};
}

void tst_Cli::standardInput()
{
    QFETCH(QStringList, arguments);

    TestFiles::Run run = TestFiles::runConverter(arguments, "107**aa1.2.3.4\r\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("105**aa1.2"));

    run = TestFiles::runConverter(arguments, "hello");
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, "(standard input): " + invalidMessage + "\n");
}

// The output is replaced whole, and only by a good conversion.
void tst_Cli::outputFile()
{
    const QString input = path(QStringLiteral("in.txt"));
    const QString output = path(QStringLiteral("out.txt"));
    const QByteArray longer(1000, 'x');
    TestFiles::write(output, longer);

    TestFiles::write(input, "108**bad");
    TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(TestFiles::read(output), longer);

    TestFiles::write(input, "107**zz9");
    run = TestFiles::runConverter({QStringLiteral("--output"), output, input});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(TestFiles::read(output), QByteArray("105**zz9"));
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Files).size(), 2); // no temporary file left behind
}

void tst_Cli::outputFileUnwritable()
{
    const QString input = path(QStringLiteral("in.txt"));
    TestFiles::write(input, "107**zz9");
    const QString output = path(QStringLiteral("missing/out.txt"));
    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(input.toUtf8() + ": cannot write " + output.toUtf8()), run.err);
}

// One bad input does not stop the others.
void tst_Cli::outputDirectory()
{
    const QString good = path(QStringLiteral("good.txt"));
    const QString bad = path(QStringLiteral("bad.txt"));
    const QString missing = path(QStringLiteral("missing.txt"));
    const QString other = path(QStringLiteral("other.txt"));
    TestFiles::write(good, "107**aa1.2.3");
    TestFiles::write(bad, "not a code");
    TestFiles::write(other, "106**t0433.1.2.3");
    const QString outDir = path(QStringLiteral("converted"));

    const TestFiles::Run run = TestFiles::runConverter({QStringLiteral("-d"), outDir, good, bad, missing, other});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(TestFiles::read(outDir + QStringLiteral("/good.txt")), QByteArray("105**aa1"));
    QCOMPARE(TestFiles::read(outDir + QStringLiteral("/other.txt")), QByteArray("105**t0033.1"));
    QVERIFY(!QFile::exists(outDir + QStringLiteral("/bad.txt")));
    QVERIFY(!QFile::exists(outDir + QStringLiteral("/missing.txt")));
    QVERIFY2(run.err.contains(bad.toUtf8() + ": " + invalidMessage), run.err);
    QVERIFY2(run.err.contains(missing.toUtf8() + ": cannot read: "), run.err);

    // A directory chosen as input is unreadable, not a crash.
    const TestFiles::Run directory = TestFiles::runConverter({outDir});
    QCOMPARE(directory.exitCode, 1);
    QVERIFY2(directory.err.startsWith(outDir.toUtf8() + ": cannot read: "), directory.err);
}

void tst_Cli::refusesToOverwriteInput()
{
    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, "107**aa1.2.3");
    const TestFiles::Run run = TestFiles::runConverter({QStringLiteral("-d"), mDir->path(), input});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(TestFiles::read(input), QByteArray("107**aa1.2.3"));
}

void tst_Cli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"};
    QTest::newRow("output without file") << QStringList{"-o"};
    QTest::newRow("output and directory") << QStringList{"-o", "a", "-d", "b", "c"};
    QTest::newRow("two inputs to one output") << QStringList{"a", "b"};
    QTest::newRow("standard input into directory") << QStringList{"-d", "b", "-"};
}

void tst_Cli::usageErrors()
{
    QFETCH(QStringList, arguments);
    const TestFiles::Run run = TestFiles::runConverter(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(run.err.contains("--help"));
}

void tst_Cli::helpAndVersion()
{
    const TestFiles::Run help = TestFiles::runConverter({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("--output-dir"));
    const TestFiles::Run version = TestFiles::runConverter({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("qvrtomorvane-cli 0.1\n"));
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
