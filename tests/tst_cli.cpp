// qvrtomorvane-cli as a real process, over real files, pipes, devices and
// a disk that runs out of space.
#include "fulldisk.h"
#include "testfiles.h"
#include "app/systempath.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <QLocalServer>

#include <fcntl.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QByteArray invalidMessage = "The file you provided is not a valid QVR file!!";
const QByteArray code = "107**aa1.2.3.4_bc5.6.7.8.9";
const QByteArray converted = "105**aa1.2_bc5.6.8.8.0";

#ifdef Q_OS_UNIX
// What kind of file a path is now, without following a link.
char kindOf(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return '-';
    if (S_ISREG(status.st_mode))
        return 'f';
    if (S_ISLNK(status.st_mode))
        return 'l';
    if (S_ISFIFO(status.st_mode))
        return 'p';
    if (S_ISCHR(status.st_mode))
        return 'c';
    if (S_ISSOCK(status.st_mode))
        return 's';
    return S_ISDIR(status.st_mode) ? 'd' : '?';
}
#endif

enum class Target { Fifo, CharacterDevice, Socket, Directory, MissingFolder, StandardOutput, LinkToFile };

} // namespace

Q_DECLARE_METATYPE(Target)

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
    void outputDirectory();
    void nonAsciiNames();
    void windowsTargets();
    void pipesAndProcessSubstitution();
    void outputTargets_data();
    void outputTargets();
    void neverOverwritesAnInput_data();
    void neverOverwritesAnInput();
    void closedStandardStreams_data();
    void closedStandardStreams();
    void terminalEndsTheLine();
    void fileNamesAsTheyAre();
    void fullDisk_data();
    void fullDisk();
    void failedCommitKeepsOldFile();
    void reasonsForAnOrdinaryUser();
    void report();
    void reportJsonIsOneDocument_data();
    void reportJsonIsOneDocument();
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

    QTest::newRow("aa and bc") << code << 0 << converted;
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

// Names outside ASCII (and, on Windows, outside the ANSI code page) are read
// and written under exactly their own name in a batch (tst_savetargets
// saves under such names).
void tst_Cli::nonAsciiNames()
{
    const QString input = path(QString::fromUtf8("\xc3\xa9t\xc3\xa9-\xe6\x97\xa5\xe6\x9c\xac.txt")); // été-日本.txt
    const QString folder = path(QString::fromUtf8("dossier-\xc3\xa9"));
    TestFiles::write(input, code);

    TestFiles::Run run = TestFiles::runConverter({QStringLiteral("-d"), folder, input});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(TestFiles::read(folder + QLatin1Char('/') + QFileInfo(input).fileName()), converted);
    run = TestFiles::runConverter({path(QString::fromUtf8("absent-\xc3\xa9.txt"))});
    QCOMPARE(run.err, path(QString::fromUtf8("absent-\xc3\xa9.txt")).toUtf8() + ": cannot read: No such file or directory\n");
}

// Windows marks a file not to be changed as read-only; a save respects it,
// says why and leaves the file as it was. Its null device takes a code as
// /dev/null does.
void tst_Cli::windowsTargets()
{
#ifndef Q_OS_WIN
    QSKIP("Windows only: elsewhere a read-only file in a folder one may write is replaced, as editors do");
#else
    const QString input = path(QStringLiteral("code.txt"));
    const QString output = path(QStringLiteral("kept.txt"));
    TestFiles::write(input, code);
    TestFiles::write(output, "OLD CONTENT");
    QVERIFY(QFile::setPermissions(output, QFileDevice::ReadOwner | QFileDevice::ReadOther));

    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, input.toUtf8() + ": cannot write " + output.toUtf8() + ": Permission denied\n");
    QCOMPARE(TestFiles::read(output), QByteArray("OLD CONTENT"));
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    QCOMPARE(TestFiles::runConverter({input, QStringLiteral("-o"), QStringLiteral("NUL")}).exitCode, 0);
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QFile::setPermissions(output, QFileDevice::ReadOwner | QFileDevice::WriteOwner); // so that the folder goes
#endif
}

void tst_Cli::pipesAndProcessSubstitution()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: pipes and process substitution are run through bash");
#else
    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, code);
    const std::string converter = TestFiles::converter();
    for (const char *script : {"cat \"$1\" | \"$0\"", "\"$0\" <(cat \"$1\")", "\"$0\" - < \"$1\""}) {
        const TestFiles::Run run = TestFiles::run({"/bin/bash", "-c", script, converter, systemPath(input)});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, converted);
    }
#endif
}

void tst_Cli::outputTargets_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("FIFO, written through") << Target::Fifo << 0 << QByteArray();
    QTest::newRow("character device, written through") << Target::CharacterDevice << 0 << QByteArray();
    QTest::newRow("socket, refused") << Target::Socket << 1 << QByteArray("it is a socket, not a file");
    QTest::newRow("folder, refused") << Target::Directory << 1 << QByteArray("Is a directory");
    QTest::newRow("in a folder that does not exist") << Target::MissingFolder << 1
                                                     << QByteArray("/missing/out.txt: No such file or directory");
    QTest::newRow("standard output as a path") << Target::StandardOutput << 0 << QByteArray();
    QTest::newRow("link to a file, which is replaced") << Target::LinkToFile << 0 << QByteArray();
}

// Only a regular file is ever replaced; anything else that exists keeps
// being what it was, written through where that is what a stream is for.
void tst_Cli::outputTargets()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: FIFOs, device nodes, sockets and symbolic links");
#else
    QFETCH(Target, target);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);

    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, code);
    QString output = path(QStringLiteral("target"));
    int reader = -1;
    QLocalServer socket;
    switch (target) {
    case Target::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(output).constData(), 0600), 0);
        reader = ::open(QFile::encodeName(output).constData(), O_RDONLY | O_NONBLOCK);
        break;
    case Target::CharacterDevice:
        if (::mknod(QFile::encodeName(output).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("making a device node (the same as /dev/null) needs root");
        break;
    case Target::Socket:
        QVERIFY(socket.listen(output));
        break;
    case Target::Directory:
        QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("target")));
        break;
    case Target::MissingFolder:
        output = path(QStringLiteral("missing/out.txt"));
        break;
    case Target::StandardOutput:
        output = QStringLiteral("/dev/stdout");
        break;
    case Target::LinkToFile:
        TestFiles::write(path(QStringLiteral("file.txt")), "old");
        QVERIFY(QFile::link(QStringLiteral("file.txt"), output));
        break;
    }
    const char kindBefore = kindOf(output);

    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), run.err);
    QCOMPARE(kindOf(output), kindBefore);
    switch (target) {
    case Target::Fifo: {
        QByteArray received(100, '\0');
        received.resize(::read(reader, received.data(), received.size()));
        ::close(reader);
        QCOMPARE(received, converted);
        break;
    }
    case Target::StandardOutput:
        QCOMPARE(run.out, converted);
        break;
    case Target::LinkToFile:
        QCOMPARE(TestFiles::read(path(QStringLiteral("file.txt"))), converted);
        break;
    default:
        break;
    }
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral("saving")), QStringList());
#endif
}

void tst_Cli::neverOverwritesAnInput_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("refused");

    // Each runs in a folder holding old/hero.txt and hero.txt.
    QTest::newRow("a later input of a batch") << QStringLiteral("\"$0\" -d . old/hero.txt hero.txt")
                                              << QStringList{"old/hero.txt", "hero.txt"};
    QTest::newRow("its own folder") << QStringLiteral("\"$0\" -d . hero.txt") << QStringList{"hero.txt"};
    QTest::newRow("a hard link to an input")
        << QStringLiteral("mkdir out && ln hero.txt out/hero.txt && \"$0\" -d out old/hero.txt hero.txt")
        << QStringList{"old/hero.txt", "hero.txt"};
    QTest::newRow("a symbolic link to an input") << QStringLiteral("ln -s hero.txt link.txt && \"$0\" hero.txt -o link.txt")
                                                 << QStringList{"hero.txt"};
    QTest::newRow("standard input from the output") << QStringLiteral("\"$0\" -o hero.txt < hero.txt")
                                                    << QStringList{"(standard input)"};
}

// A batch knows all its inputs before it writes: an output that would land
// on one of them, under any name, is refused, and the input is still read
// and converted as it was.
void tst_Cli::neverOverwritesAnInput()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: the cases are bash scripts with hard and symbolic links");
#else
    QFETCH(QString, script);
    QFETCH(QStringList, refused);

    QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("old")));
    TestFiles::write(path(QStringLiteral("old/hero.txt")), code);
    TestFiles::write(path(QStringLiteral("hero.txt")), "106**zz7_aa9.8.7");
    const TestFiles::Run run = TestFiles::run(
        {"/bin/bash", "-c", "cd \"$1\" && " + script.toStdString(), TestFiles::converter(), systemPath(mDir->path())});

    QCOMPARE(run.exitCode, 1);
    QCOMPARE(TestFiles::read(path(QStringLiteral("hero.txt"))), QByteArray("106**zz7_aa9.8.7"));
    QCOMPARE(TestFiles::read(path(QStringLiteral("old/hero.txt"))), code);
    for (const QString &input : refused)
        QVERIFY2(run.err.contains(input.toUtf8() + ": refusing to write over"), run.err);
    QVERIFY2(!run.err.contains(invalidMessage), run.err);
#endif
}

void tst_Cli::closedStandardStreams_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("output closed") << QStringLiteral("\"$0\" code.txt >&-")
                                   << QByteArray("cannot write to standard output: Bad file descriptor");
    QTest::newRow("input closed") << QStringLiteral("\"$0\" <&-")
                                  << QByteArray("(standard input): cannot read: Bad file descriptor");
    QTest::newRow("output closed, file written") << QStringLiteral("\"$0\" code.txt -o out.txt >&-") << QByteArray();
}

// A stream the program was started without stays closed: nothing written
// for it lands anywhere else, and using it fails with the reason.
void tst_Cli::closedStandardStreams()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: streams are closed through bash");
#else
    QFETCH(QString, script);
    QFETCH(QByteArray, message);

    TestFiles::write(path(QStringLiteral("code.txt")), code);
    const TestFiles::Run run = TestFiles::run(
        {"/bin/bash", "-c", "cd \"$1\" && " + script.toStdString(), TestFiles::converter(), systemPath(mDir->path())});
    QCOMPARE(run.exitCode, message.isEmpty() ? 0 : 1);
    QVERIFY2(run.err.contains(message), run.err);
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Files).size(), message.isEmpty() ? 2 : 1);
#endif
}

// On a terminal the code ends its line, so that the prompt after it is not
// glued to it; a file or a pipe gets the code's bytes alone.
void tst_Cli::terminalEndsTheLine()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: the terminal is script's");
#else
    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, code);
    const TestFiles::Run run = TestFiles::run(
        {"/usr/bin/script", "-qec", "'" + TestFiles::converter() + "' '" + systemPath(input) + "'", "/dev/null"});
    QCOMPARE(run.out, converted + "\r\n"); // the terminal's line end
#endif
}

// Names are bytes: one that begins with "-" is a file after "--", and one
// that is not UTF-8 is read and written under exactly its own name.
void tst_Cli::fileNamesAsTheyAre()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: names that are not UTF-8 (Windows names are UTF-16; tst_Cli::nonAsciiNames)");
#else
    TestFiles::write(path(QStringLiteral("-old.txt")), code);
    const std::string folder = systemPath(mDir->path());
    const TestFiles::Run dash =
        TestFiles::run({"/bin/bash", "-c", "cd \"$1\" && \"$0\" -- -old.txt", TestFiles::converter(), folder});
    QCOMPARE(dash.exitCode, 0);
    QCOMPARE(dash.out, converted);

    const std::string input = folder + "/lat1\xe9.txt";
    const std::string output = folder + "/o\xff.txt";
    const int fd = ::open(input.c_str(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, code.constData(), std::size_t(code.size())), ssize_t(code.size()));
    ::close(fd);
    const TestFiles::Run run = TestFiles::run({TestFiles::converter(), input, "-o", output});
    QCOMPARE(run.exitCode, 0);
    struct stat status;
    QCOMPARE(::stat(output.c_str(), &status), 0);
    QCOMPARE(qint64(status.st_size), qint64(converted.size()));
#endif
}

void tst_Cli::fullDisk_data()
{
    QTest::addColumn<int>("outputSize");
    QTest::addColumn<int>("freeBytes");

    QTest::newRow("22-byte output, no space") << 22 << 0;
    QTest::newRow("12 KB output, 8 KB free") << 12 * 1024 << 8 * 1024;
    QTest::newRow("600 KB output, 64 KB free") << 600 * 1024 << 64 * 1024;
}

// A full disk leaves the old file byte for byte and no temporary file
// behind, and the converter says so with the reason the system gave.
void tst_Cli::fullDisk()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: a full disk is a small tmpfs");
#else
    QFETCH(int, outputSize);
    QFETCH(int, freeBytes);

    FullDisk disk(1 << 20);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.whyNot()));
    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, "107**zz" + QByteArray(outputSize - 7, 'x'));
    const QString output = disk.filePath(QStringLiteral("t.txt"));
    TestFiles::write(output, "OLD CONTENT");
    disk.fill(freeBytes);

    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, input.toUtf8() + ": cannot write " + output.toUtf8() + ": No space left on device\n");
    QCOMPARE(TestFiles::read(output), QByteArray("OLD CONTENT"));
    QCOMPARE(disk.files(), (QStringList{"fill", "t.txt"}));
#endif
}

// The last step, the new file taking the old one's name, can fail too (here
// the old file is immutable): the old file stays, the new one goes.
void tst_Cli::failedCommitKeepsOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: the failed rename comes from chattr +i");
#else
    const QString input = path(QStringLiteral("code.txt"));
    const QString output = path(QStringLiteral("out.txt"));
    TestFiles::write(input, code);
    TestFiles::write(output, "OLD CONTENT");
    if (TestFiles::run({"/usr/bin/chattr", "+i", systemPath(output)}).exitCode != 0)
        QSKIP("making a file immutable needs root and a file system that has the flag");
    const TestFiles::Run run = TestFiles::runConverter({input, QStringLiteral("-o"), output});
    TestFiles::run({"/usr/bin/chattr", "-i", systemPath(output)});

    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, input.toUtf8() + ": cannot write " + output.toUtf8() + ": Operation not permitted\n");
    QCOMPARE(TestFiles::read(output), QByteArray("OLD CONTENT"));
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // The system's null device still takes a code, and leaves no file behind.
    QCOMPARE(TestFiles::runConverter({input, QStringLiteral("-o"), QStringLiteral("/dev/null")}).exitCode, 0);
    QCOMPARE(QDir(mDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
#endif
}

// An ordinary user gets what a user expects: /dev/null swallows the code,
// and a folder they may not write to is named with the reason.
void tst_Cli::reasonsForAnOrdinaryUser()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: another user is set with setpriv");
#else
    if (::geteuid() != 0)
        QSKIP("running the converter as another user needs root");
    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, code);
    QFile::setPermissions(mDir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                            | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const std::vector<std::string> asNobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                                               TestFiles::converter(), systemPath(input), "-o"};
    std::vector<std::string> toNull = asNobody;
    toNull.push_back("/dev/null");
    TestFiles::Run run = TestFiles::run(toNull);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());

    std::vector<std::string> toFolder = asNobody;
    toFolder.push_back(systemPath(path(QStringLiteral("out.txt"))));
    run = TestFiles::run(toFolder);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.endsWith(": Permission denied\n"), run.err);
#endif
}

// The report goes to standard error; standard output stays the code alone.
void tst_Cli::report()
{
    const QString example = QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/example-code.txt");
    const QByteArray exampleConverted = TestFiles::read(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/example-morvane.txt"));
    TestFiles::Run run = TestFiles::runConverter({example, QStringLiteral("--report")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, exampleConverted);
    const QByteArrayList lines = run.err.split('\n');
    QCOMPARE(lines.first(), QByteArray("14 segments: 3 copied, 5 changed, 4 renumbered, 2 dropped"));
    QCOMPARE(lines.size(), 1 + 11 + 1);
    QCOMPARE(lines.at(11), QByteArray("#13 fv3.4: dropped: Morvane takes no \"fv\" segments"));

    run = TestFiles::runConverter({example, QStringLiteral("--report-json")});
    QCOMPARE(run.out, exampleConverted);
    QJsonParseError error;
    QJsonObject json = QJsonDocument::fromJson(run.err, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.value(QStringLiteral("input")).toString(), example);
    QCOMPARE(json.value(QStringLiteral("dropped")).toInt(), 2);

    // A batch gives one document too: a list, with the inputs that failed.
    const QString missing = path(QStringLiteral("missing.txt"));
    run = TestFiles::runConverter({QStringLiteral("--report-json"), QStringLiteral("-d"), path(QStringLiteral("out")),
                                   example, missing});
    QCOMPARE(run.exitCode, 1);
    const QJsonArray list = QJsonDocument::fromJson(run.err, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0).toObject().value(QStringLiteral("renumbered")).toInt(), 4);
    QCOMPARE(list.at(1).toObject().value(QStringLiteral("error")).toString(),
             QStringLiteral("cannot read: No such file or directory"));
}

void tst_Cli::reportJsonIsOneDocument_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("error");

    QTest::newRow("standard output full") << QStringLiteral("\"$0\" --report-json code.txt > /dev/full")
                                          << QStringLiteral("cannot write to standard output: No space left on device");
    QTest::newRow("standard output a pipe no one reads")
        << QStringLiteral("{ sleep 0.3; \"$0\" --report-json code.txt; echo $? > status; } | true; exit $(cat status)")
        << QStringLiteral("cannot write to standard output: Broken pipe");
    QTest::newRow("output file full") << QStringLiteral("\"$0\" --report-json code.txt -o /dev/full")
                                      << QStringLiteral("cannot write /dev/full: No space left on device");
    QTest::newRow("output folder is a file") << QStringLiteral("\"$0\" --report-json -d code.txt code.txt")
                                             << QStringLiteral("code.txt: cannot create the output directory: Not a directory");
    // A code is converted as it is read, but its conversion is held until
    // it is written whole: 40 MB of segments that are all kept, with too
    // little memory for them.
    QTest::newRow("out of memory")
        << QStringLiteral("{ printf '107**zz1'; yes _zz1 | head -n 10000000 | tr -d '\\n'; } > zz.txt && "
                          "ulimit -v 30000 && \"$0\" --report-json zz.txt > /dev/null")
        << QStringLiteral("out of memory");
}

// Whatever fails, and when, standard error holds one JSON document, with
// the error where the input's entry is, and the exit status is 1.
void tst_Cli::reportJsonIsOneDocument()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: each failure is set up by a shell script");
#else
    QFETCH(QString, script);
    QFETCH(QString, error);
#if defined(__SANITIZE_ADDRESS__)
    if (error == QStringLiteral("out of memory"))
        QSKIP("AddressSanitizer reserves more address space than any memory limit leaves");
#endif
    TestFiles::write(path(QStringLiteral("code.txt")), code);
    const TestFiles::Run run = TestFiles::run({"/bin/sh", "-c", "cd \"$1\" && " + script.toStdString(),
                                               TestFiles::converter(), systemPath(mDir->path())});
    QCOMPARE(run.exitCode, 1);
    QJsonParseError parsed;
    const QJsonObject json = QJsonDocument::fromJson(run.err, &parsed).object();
    QVERIFY2(parsed.error == QJsonParseError::NoError, run.err.left(300));
    QCOMPARE(json.value(QStringLiteral("error")).toString(), error);
#endif
}

void tst_Cli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"};
    QTest::newRow("output without file") << QStringList{"-o"};
    QTest::newRow("output and directory") << QStringList{"-o", "a", "-d", "b", "c"};
    QTest::newRow("two inputs to one output") << QStringList{"a", "b"};
    QTest::newRow("standard input into directory") << QStringList{"-d", "b", "-"};
    QTest::newRow("both reports") << QStringList{"--report", "--report-json"};
    QTest::newRow("output named twice") << QStringList{"-o", "a", "-o", "b", "c"};
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
    QVERIFY(help.out.contains("[--] [FILE...]"));
    const TestFiles::Run version = TestFiles::runConverter({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("qvrtomorvane-cli " QVRTOMORVANE_VERSION "\n"));
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
