#include "testfiles.h"

#include "app/systempath.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#include <sddl.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;
#endif

namespace {

#ifndef Q_OS_WIN
// The most memory the process has held since it started the program it
// runs now. (What wait4 reports would include this test's own memory, which
// the child held for a moment before its exec.)
long peakKilobytesOf(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}
#endif

} // namespace

void TestFiles::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFiles::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray TestFiles::withByteOrderMark(const QString &text, int width)
{
    QByteArray bytes;
    const QString marked = QChar(QChar::ByteOrderMark) + text;
    if (width == 2) {
        for (QChar c : marked)
            bytes += char(c.unicode() & 0xff) + QByteArray(1, char(c.unicode() >> 8));
        return bytes;
    }
    for (uint c : marked.toUcs4())
        for (int i = 0; i < 4; ++i)
            bytes += char((c >> (8 * i)) & 0xff);
    return bytes;
}

// Another build's converter can be tested by naming it in QVRTOMORVANE_CLI.
std::string TestFiles::converter()
{
    return systemPath(qEnvironmentVariable("QVRTOMORVANE_CLI", QStringLiteral(QVRTOMORVANE_CLI)));
}

std::string TestFiles::window()
{
    return systemPath(QStringLiteral(QVRTOMORVANE_WINDOW));
}

TestFiles::Run TestFiles::runConverter(const QStringList &arguments, const QByteArray &input)
{
    std::vector<std::string> command{converter()};
    for (const QString &argument : arguments)
        command.push_back(systemPath(argument));
    return run(command, input);
}

#ifdef Q_OS_WIN
// Through QProcess, which hands Windows the UTF-16 command line; the
// program's peak memory is not measured here.
TestFiles::Run TestFiles::run(const std::vector<std::string> &command, const QByteArray &input,
                              const QString &inputFile, int timeoutSeconds)
{
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i)
        arguments << QString::fromStdString(command[i]);
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    Run result;
    process.start(QString::fromStdString(command.front()), arguments);
    if (inputFile.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(timeoutSeconds * 1000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
#else
TestFiles::Run TestFiles::run(const std::vector<std::string> &command, const QByteArray &input,
                              const QString &inputFile, int timeoutSeconds)
{
    QTemporaryDir dir;
    const QByteArray in = QFile::encodeName(inputFile.isEmpty() ? dir.filePath(QStringLiteral("in")) : inputFile);
    const QByteArray out = QFile::encodeName(dir.filePath(QStringLiteral("out")));
    const QByteArray err = QFile::encodeName(dir.filePath(QStringLiteral("err")));
    if (inputFile.isEmpty())
        write(QString::fromLocal8Bit(in), input);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char *> argv;
    for (const std::string &argument : command)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    Run result;
    QElapsedTimer timer;
    timer.start();
    pid_t pid;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;

    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (timer.elapsed() > timeoutSeconds * 1000) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return result;
        }
        result.peakKilobytes = std::max(result.peakKilobytes, peakKilobytesOf(pid));
        usleep(2000);
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read(QString::fromLocal8Bit(out));
    result.err = read(QString::fromLocal8Bit(err));
    return result;
}
#endif

QString TestFiles::shellQuoted(const QString &word)
{
    return QLatin1Char('\'') + QString(word).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
}

#ifdef Q_OS_WIN
// Wine's own: the Unix path of a Windows one. Not on Windows itself.
using UnixFileName = char *(CDECL *)(const wchar_t *);
static UnixFileName unixFileName()
{
    return reinterpret_cast<UnixFileName>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

QString TestFiles::linuxPath(const QString &path)
{
    const UnixFileName toUnix = unixFileName();
    const std::wstring name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
    char *unix = toUnix ? toUnix(name.c_str()) : nullptr;
    const QString linux = unix ? QString::fromUtf8(unix) : QString();
    HeapFree(GetProcessHeap(), 0, unix);
    return linux;
}

// Wine starts a Linux program named in a command line as it starts a
// Windows one, but neither waits for it nor passes its output or exit
// status back: the shell writes its output to a file, and a second file
// once it is done.
std::optional<QByteArray> TestFiles::runOnLinux(const QString &script)
{
    if (!unixFileName())
        return std::nullopt;
    QTemporaryDir dir;
    const QString base = linuxPath(dir.path()) + QStringLiteral("/run");
    write(dir.filePath(QStringLiteral("run")), QStringLiteral("{ %1; } > %2.out 2>&1; : > %2.done\n")
                                                    .arg(script, shellQuoted(base)).toUtf8());
    std::wstring line = QStringLiteral("/bin/sh \"%1\"").arg(base).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return std::nullopt;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(dir.filePath(QStringLiteral("run.done"))) && waited.elapsed() < 60'000)
        QThread::msleep(2);
    return read(dir.filePath(QStringLiteral("run.out")));
}

static QString windowsSecurityOf(const QString &path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    constexpr SECURITY_INFORMATION what = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD size = 0;
    GetFileSecurityW(name.c_str(), what, nullptr, 0, &size);
    QByteArray descriptor(int(size), '\0');
    wchar_t *text = nullptr;
    if (size == 0 || !GetFileSecurityW(name.c_str(), what, descriptor.data(), size, &size)
        || !ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1, what, &text, nullptr))
        return QStringLiteral("<unreadable>");
    const QString security = QString::fromWCharArray(text);
    LocalFree(text);
    return security;
}
#else
QString TestFiles::linuxPath(const QString &path)
{
    return path;
}

std::optional<QByteArray> TestFiles::runOnLinux(const QString &script)
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    shell.waitForFinished(-1);
    return shell.readAllStandardOutput();
}

static QString windowsSecurityOf(const QString &)
{
    return QString();
}
#endif

TestFiles::Permissions TestFiles::permissions(const QString &path)
{
    const QString linux = linuxPath(path);
    const std::optional<QByteArray> mode =
        linux.isEmpty() ? std::nullopt : runOnLinux(QStringLiteral("stat -c %a ") + shellQuoted(linux));
    return {mode.value_or(QByteArray()).trimmed(), windowsSecurityOf(path)};
}

void TestFiles::setLinuxMode(const QString &path, const QByteArray &mode)
{
    runOnLinux(QStringLiteral("chmod %1 %2").arg(QString::fromLatin1(mode), shellQuoted(linuxPath(path))));
}

char *toString(const TestFiles::Permissions &permissions)
{
    return QTest::toString(QStringLiteral("mode %1, %2")
                               .arg(QString::fromLatin1(permissions.linuxMode), permissions.windowsSecurity));
}
