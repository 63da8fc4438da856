#ifndef STARTARGUMENTS_H
#define STARTARGUMENTS_H

#include <QString>
#include <QStringList>

#include <optional>

class Ui_QVRtoMorvane;

// What the window is started with: nothing, as the menu starts it, or one
// code file, as a file manager's "Open with" or a command line hands it
// over ("qvrtomorvane hero.txt"). Anything else is a usage error.
class StartArguments
{
public:
    // The program's arguments as QCoreApplication::arguments() gives them,
    // the program's name first and the toolkit's own options taken out.
    explicit StartArguments(const QStringList &arguments);

    // The file to load, as a full path (a name typed relative to the
    // current folder is found there), when one was given.
    const std::optional<QString> &file() const { return mFile; }
    // What was wrong, with how to start the program; empty when nothing was.
    const QString &usageError() const { return mUsageError; }

    // Loads the file into the window just shown, exactly as the load
    // dialog would; nothing when no file was given.
    void open(Ui_QVRtoMorvane &form) const;

private:
    std::optional<QString> mFile;
    QString mUsageError;
};

#endif // STARTARGUMENTS_H
