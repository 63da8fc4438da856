#include "codefile.h"

#include <QSaveFile>
#include <QTextStream>

namespace {

QString decode(const QByteArray &bytes)
{
    QTextStream stream(bytes);
    return stream.readAll();
}

// Of the byte-order marks a text stream honours, only UTF-8's is valid
// UTF-8 itself; the others fail the validity test.
bool isPlainUtf8(const QByteArray &bytes)
{
    return !bytes.startsWith("\xef\xbb\xbf") && bytes.isValidUtf8();
}

} // namespace

QString CodeFile::read(QIODevice &device)
{
    QTextStream stream(&device);
    return stream.readAll();
}

// Carriage returns go from the decoded text, as the text stream drops them,
// not from the raw bytes: in UTF-16 a 0x0D byte may be half of another
// character.
QByteArray CodeFile::readUtf8(QIODevice &device)
{
    const bool textMode = device.isTextModeEnabled();
    device.setTextModeEnabled(false);
    QByteArray bytes = device.readAll();
    device.setTextModeEnabled(textMode);
    if (isPlainUtf8(bytes)) {
        if (textMode)
            bytes.removeIf([](char c) { return c == '\r'; });
        return bytes;
    }
    QString text = decode(bytes);
    if (textMode)
        text.remove(u'\r');
    return text.toUtf8();
}

QByteArray CodeFile::encode(const QString &code)
{
    return code.toUtf8();
}

std::string CodeFile::savedForm(std::string &&convertedCode)
{
    const QByteArrayView bytes(convertedCode.data(), qsizetype(convertedCode.size()));
    if (bytes.isValidUtf8())
        return std::move(convertedCode);
    return QString::fromUtf8(bytes).toUtf8().toStdString();
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
