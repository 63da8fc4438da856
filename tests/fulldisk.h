#ifndef FULLDISK_H
#define FULLDISK_H

#include <QString>
#include <QTemporaryDir>

// A small file system of its own (tmpfs) that can be filled up to leave a
// given number of bytes free, for testing what a save does when the disk
// runs out. Mounting needs root; where it is refused, whyNot() says why.
class FullDisk
{
public:
    explicit FullDisk(qint64 size);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool isMounted() const { return mMounted; }
    void fill(qint64 freeBytes);
    QString whyNot() const { return mWhyNot; }
    QString filePath(const QString &name) const { return mDir.filePath(name); }
    QStringList files() const;

private:
    QTemporaryDir mDir;
    bool mMounted = false;
    QString mWhyNot;
};

#endif // FULLDISK_H
