#ifndef CODEFILE_H
#define CODEFILE_H

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>

class QIODevice;

// How a code comes out of a file and goes back into one; the window and the
// command-line converter share it so both read and write the same bytes.
class CodeFile
{
public:
    // What the window and the converter say of a code they refuse.
    static constexpr char invalidCodeMessage[] = "The file you provided is not a valid QVR file!!";

    // Reads the whole of a device opened ReadOnly | Text: every carriage
    // return is dropped, a byte-order mark picks the encoding, UTF-8
    // otherwise, and nothing is trimmed.
    static QString read(QIODevice &device);
    // The UTF-8 form of what read() gives, without building the string when
    // the bytes are UTF-8 already.
    static QByteArray readUtf8(QIODevice &device);

    // The bytes a saved code consists of: UTF-8, no byte-order mark, no
    // line end added.
    static QByteArray encode(const QString &code);
    // The same for a converted code held as bytes: cutting by bytes can split
    // a character, which is saved as U+FFFD like any string would be.
    static std::string savedForm(std::string &&convertedCode);

    // Replaces path with bytes atomically: on failure an existing file is
    // left as it was and error says why.
    static bool write(const QString &path, QByteArrayView bytes, QString *error);
};

#endif // CODEFILE_H
