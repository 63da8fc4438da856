#include "codefile.h"

#include <QSaveFile>
#include <QTextStream>

QString CodeFile::read(QIODevice &device)
{
    QTextStream stream(&device);
    return stream.readAll();
}

QByteArray CodeFile::encode(const QString &code)
{
    return code.toUtf8();
}

bool CodeFile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
