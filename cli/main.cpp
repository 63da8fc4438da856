#include "commandlineconverter.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qvrtomorvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QVRTOMORVANE_VERSION));

    CommandLineConverter converter;
    return converter.run(QCoreApplication::arguments());
}
