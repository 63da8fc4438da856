#ifndef SYSTEMPATH_H
#define SYSTEMPATH_H

#include <QFile>
#include <QString>

#include <string>

// A path as the file layer (CodeFile) takes it: the bytes the system names
// the file by, which on Windows, whose names are UTF-16, is their UTF-8.
inline std::string systemPath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

#endif // SYSTEMPATH_H
