#include "app/startarguments.h"
#include "app/ui_qvrtomorvane.h"
#include "app/windowlanguage.h"
#include "files/codefile.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before anything opens a file, so that a save can never land on a
    // closed standard stream and receive the toolkit's messages.
    CodeFile::reserveStandardStreams();
    QApplication app(argc, argv);
    WindowLanguage::install();
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qvrtomorvane.QVRtoMorvane"));
#ifndef Q_OS_WIN
    // Windows takes the icon from the executable's resources.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/qvrtomorvane-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
#endif

    const StartArguments start(QCoreApplication::arguments());
    if (!start.usageError().isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("qvrtomorvane: ") + start.usageError()), stderr);
        return 2;
    }

    QMainWindow window;
    Ui::QVRtoMorvane form;
    form.setupUi(&window);
    window.show();
    start.open(form);
    return app.exec();
}
