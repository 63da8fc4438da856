#ifndef CODEFILE_H
#define CODEFILE_H

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

    // The text of the whole device, decoded by the core (CodeText::decode).
    static std::string readUtf8(QIODevice &device);

    // Replaces path with bytes atomically: on failure an existing file is
    // left as it was and error says why.
    static bool write(const QString &path, QByteArrayView bytes, QString *error);
};

#endif // CODEFILE_H
