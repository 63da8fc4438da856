#include "fulldisk.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>

FullDisk::FullDisk(qint64 size)
{
#ifndef Q_OS_LINUX
    Q_UNUSED(size);
    mWhyNot = QStringLiteral("Linux only: a full disk is a small tmpfs");
#else
    if (geteuid() != 0) {
        mWhyNot = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(size);
    if (::mount("tmpfs", QFile::encodeName(mDir.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
        mWhyNot = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mMounted = true;
#endif
}

// Fills it to the last byte, then gives back what is to stay free.
void FullDisk::fill(qint64 freeBytes)
{
    QFile fill(filePath(QStringLiteral("fill")));
    fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'f');
    while (fill.write(block) == block.size()) {
    }
    fill.resize(qMax<qint64>(0, fill.size() - freeBytes));
}

FullDisk::~FullDisk()
{
#ifdef Q_OS_LINUX
    if (mMounted)
        ::umount2(QFile::encodeName(mDir.path()).constData(), MNT_DETACH);
#endif
}

QStringList FullDisk::files() const
{
    return QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
