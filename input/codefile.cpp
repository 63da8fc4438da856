#include "codefile.h"

#include "convert/conversion.h"

#include <QSaveFile>

std::string CodeFile::readUtf8(QIODevice &device)
{
    const bool textMode = device.isTextModeEnabled();
    device.setTextModeEnabled(false);
    const QByteArray bytes = device.readAll();
    device.setTextModeEnabled(textMode);
    return CodeText::decode(bytes.toStdString());
}

bool CodeFile::write(const QString &path, QByteArrayView bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
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
