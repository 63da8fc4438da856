#include "startarguments.h"

#include "app/ui_qvrtomorvane.h"

#include <QCommandLineParser>
#include <QFileInfo>

StartArguments::StartArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QString(), QStringLiteral("[FILE]"));
    // A name that begins with "-" follows "--", as with other programs.
    const bool parsed = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        mUsageError = (parsed ? QStringLiteral("only one file can be opened") : parser.errorText())
            + QStringLiteral("\nUsage: qvrtomorvane [FILE]\n"
                             "Opens the window; with FILE, loads that code file as \"LOAD QVR FILE\" would.\n");
        return;
    }
    if (!files.isEmpty())
        mFile = QFileInfo(files.front()).absoluteFilePath();
}

void StartArguments::open(Ui_QVRtoMorvane &form) const
{
    if (mFile)
        form.loadCodeFile(*mFile);
}
