// Saves as players make them: the converter run in the target's own folder
// with the target named as people type it, stopped by Ctrl+C halfway, and
// the window's Save through its dialog. After each: the exit status, the
// bytes, who may read the file (as Linux sees it and, on Windows, as Windows
// reports it) and that nothing is left beside it.
#include "convert/convertbutton.h"
#include "dialogdriver.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QByteArray code = "107**aa1.2.3.4_bc5.6.7.8.9";
const QByteArray converted = "105**aa1.2_bc5.6.8.8.0";

enum class Face { Converter, Window, StoppedConverter };

} // namespace

Q_DECLARE_METATYPE(Face)

class tst_SaveTargets : public WindowTest
{
    Q_OBJECT

private slots:
    void save_data();
    void save();

private:
    // The folder the user works in, where the converter runs; a sibling
    // folder holds what "../sub/" names.
    QString work(const QString &name = QString()) const { return path(QStringLiteral("work/") + name); }
    QString convert(const QString &target);
    int convertAndStop(const QString &input, const QString &target);
    QString saveThroughWindow(const QString &typed);
};

void tst_SaveTargets::save_data()
{
    QTest::addColumn<Face>("face");
    QTest::addColumn<QString>("typed");  // "/" stands for the system's separator
    QTest::addColumn<QString>("target"); // the file it names, in the folder
    QTest::addColumn<QByteArray>("old"); // what the target held; nothing for a new one
    QTest::addColumn<QByteArray>("mode"); // the old file's Linux mode

    const QString out = QStringLiteral("out.txt");
    const QString sub = QStringLiteral("../sub/out.txt");
    const QString u = QString::fromUtf8("sortie-\xc3\xbc.txt"), e = QString::fromUtf8("\xc3\xa9.txt");
    QTest::newRow("bare, new") << Face::Converter << out << out << QByteArray() << QByteArray();
    QTest::newRow("bare, existing") << Face::Converter << out << out << QByteArray("OLD") << QByteArray("644");
    QTest::newRow("bare, existing, private") << Face::Converter << out << out << QByteArray("OLD") << QByteArray("600");
    QTest::newRow("./name, existing") << Face::Converter << "./" + out << out << QByteArray("OLD") << QByteArray("644");
    QTest::newRow("../sub/name, existing") << Face::Converter << sub << sub << QByteArray("OLD") << QByteArray("640");
    QTest::newRow("full path, existing") << Face::Converter << "%folder%/" + out << out << QByteArray("OLD")
                                         << QByteArray("644");
    const QString deep = QString(120, QLatin1Char('d')) + QLatin1Char('/') + QString(120, QLatin1Char('e')) + "/" + out;
    QTest::newRow("full path beyond MAX_PATH, existing") << Face::Converter << "%folder%/" + deep << deep << QByteArray("OLD")
                                                         << QByteArray("644");
    QTest::newRow("non-ASCII, existing") << Face::Converter << u << u << QByteArray("OLD") << QByteArray("644");
    QTest::newRow("non-ASCII, new") << Face::Converter << e << e << QByteArray() << QByteArray();
#ifdef Q_OS_WIN
    QTest::newRow("C:name, existing") << Face::Converter << "%drive%" + out << out << QByteArray("OLD") << QByteArray("644");
#endif
    QTest::newRow("stopped by Ctrl+C, existing") << Face::StoppedConverter << out << out << QByteArray("OLD")
                                                 << QByteArray("644");
    QTest::newRow("window, bare, over a longer file") << Face::Window << out << out << QByteArray(5000, 'x')
                                                      << QByteArray("644");
    QTest::newRow("window, bare, over a shorter private file") << Face::Window << out << out << QByteArray("x")
                                                               << QByteArray("600");
    QTest::newRow("window, full path, new") << Face::Window << "%folder%/" + e << e << QByteArray() << QByteArray();
}

void tst_SaveTargets::save()
{
    QFETCH(Face, face);
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QFETCH(QByteArray, old);
    QFETCH(QByteArray, mode);

    QVERIFY(QDir(mDir->path()).mkpath(QStringLiteral("work")) && QDir(mDir->path()).mkpath(QStringLiteral("sub")));
    const QString file = QDir::cleanPath(work(target));
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    // What any new file in the folder gets, for a new target to match.
    TestFiles::write(QFileInfo(file).dir().filePath(QStringLiteral("reference.txt")), "x");
    TestFiles::Permissions expected = TestFiles::permissions(QFileInfo(file).dir().filePath(QStringLiteral("reference.txt")));
    if (!old.isEmpty()) {
        TestFiles::write(file, old);
        TestFiles::setLinuxMode(file, mode);
        expected = TestFiles::permissions(file);
    }
    typed.replace(QStringLiteral("%folder%"), work());
    typed.replace(QStringLiteral("%drive%"), work().left(2)); // "Z:", the drive's current folder
    typed = QDir::toNativeSeparators(typed);

    QByteArray whole = converted;
    QString failure; // what went wrong, as the user would see it
    switch (face) {
    case Face::Converter:
        TestFiles::write(work(QStringLiteral("in.txt")), code);
        failure = convert(typed);
        break;
    case Face::Window:
        failure = saveThroughWindow(typed);
        break;
    case Face::StoppedConverter: {
        if (!TestFiles::runOnLinux(QStringLiteral("true")))
            QSKIP("Ctrl+C reaches the converter here as Linux's SIGINT, and this Windows has no Linux under it");
        // Long enough to be stopped while it is being saved.
        const QByteArray huge = "107**zz1" + QByteArray("_zz1").repeated(25'000'000);
        TestFiles::write(work(QStringLiteral("huge.txt")), huge);
        whole = "105**zz1" + QByteArray("_zz1").repeated(25'000'000);
        if (convertAndStop(work(QStringLiteral("huge.txt")), typed) == 0)
            failure = QStringLiteral("the converter was not stopped, or said it succeeded");
        break;
    }
    }
    // Nothing left behind, whatever happened.
    for (const QString &folder : {work(), path(QStringLiteral("sub"))})
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".saving-")), QStringList());
    QCOMPARE(failure, QString());
    const QByteArray now = TestFiles::read(file);
    if (face == Face::StoppedConverter)
        QVERIFY2(now == old || now == whole, QByteArray::number(now.size()) + " bytes");
    else
        QCOMPARE(now, whole);
    QCOMPARE(TestFiles::permissions(file), expected);
}

// Run in the working folder, as a user types it; what went wrong, if
// anything.
QString tst_SaveTargets::convert(const QString &target)
{
    QProcess converter;
    converter.setWorkingDirectory(work());
    converter.start(QString::fromStdString(TestFiles::converter()), {QStringLiteral("-o"), target, QStringLiteral("in.txt")});
    if (!converter.waitForFinished(60'000) || converter.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("did not finish");
    const QString message = QString::fromUtf8(converter.readAllStandardError());
    return converter.exitCode() == 0 && message.isEmpty() ? QString()
                                                          : QStringLiteral("exit %1: %2").arg(converter.exitCode()).arg(message);
}

// Ctrl+C as the terminal sends it, SIGINT, which Wine turns into Windows'
// Ctrl+C; once the temporary file is there. A watcher on Linux sends it the
// moment the file appears: a save of 100 MB takes a fraction of a second,
// less than starting a process under Wine once the test has seen the file.
int tst_SaveTargets::convertAndStop(const QString &input, const QString &target)
{
    QProcess converter;
    converter.setWorkingDirectory(work());
    converter.start(QString::fromStdString(TestFiles::converter()), {input, QStringLiteral("-o"), target});
    converter.waitForStarted();
    // Named by the test's own folder, in no other process's command line;
    // "[t]st_..." keeps the pattern from matching the shell that runs pkill.
    const QString folderName = QFileInfo(mDir->path()).fileName();
    const QString pattern = TestFiles::shellQuoted(QLatin1Char('[') + folderName.front() + QLatin1Char(']')
                                                   + folderName.mid(1) + QStringLiteral(".work.huge"));
    TestFiles::runOnLinux(QStringLiteral("while ! ls -A %1 | grep -q '\\.saving-'; do pgrep -f %2 > /dev/null || exit 0; done; "
                                         "pkill -INT -f %2")
                              .arg(TestFiles::shellQuoted(TestFiles::linuxPath(work())), pattern));
    converter.waitForFinished(60'000);
    return converter.exitStatus() == QProcess::NormalExit ? converter.exitCode() : -1;
}

// Loads and converts the code, then saves it through the dialog: in the
// working folder, typing what a user types there; the warning it shows, if
// any.
QString tst_SaveTargets::saveThroughWindow(const QString &typed)
{
    const QString input = work(QStringLiteral("in.txt"));
    TestFiles::write(input, code);
    loadThroughDialog(input);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);

    // The dialog asks first whether to replace an existing file (yes); a
    // failed save warns.
    QString warning;
    QTimer answer;
    answer.setInterval(5);
    connect(&answer, &QTimer::timeout, [&warning] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->button(QMessageBox::Yes)) {
            box->button(QMessageBox::Yes)->click();
        } else if (box) {
            warning = box->text();
            box->accept();
        }
    });
    answer.start();
    DialogDriver::chooseFileIn(work(), typed);
    QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
    return warning;
}

QTEST_MAIN(tst_SaveTargets)
#include "tst_savetargets.moc"
