#include "windowlanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

QStringList WindowLanguage::qtCatalogueFolders()
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

QString WindowLanguage::install(const QLocale &locale)
{
    // Owned by the application, which keeps them for as long as it runs;
    // a later install (another language) takes their place.
    static QTranslator *installed[2] = {nullptr, nullptr};
    for (QTranslator *&earlier : installed) {
        if (earlier)
            QCoreApplication::removeTranslator(earlier);
        delete earlier;
        earlier = nullptr;
    }
    auto *own = installed[0] = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("qvrtomorvane"), QStringLiteral("_"), QStringLiteral(":/translations"))
        && !own->load(QStringLiteral(":/translations/qvrtomorvane_en.qm")))
        qWarning("The window's catalogues are missing from the program");
    QCoreApplication::installTranslator(own);
    const QString language = QFileInfo(own->filePath()).baseName().section(QLatin1Char('_'), 1);

    // Qt's own words, in the language of the window's words.
    if (language != QLatin1String("en")) {
        auto *qt = installed[1] = new QTranslator(QCoreApplication::instance());
        for (const QString &folder : qtCatalogueFolders()) {
            if (qt->load(QStringLiteral("qtbase_") + language, folder)) {
                QCoreApplication::installTranslator(qt);
                break;
            }
        }
    }
    return language;
}
