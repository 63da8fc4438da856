#ifndef WINDOWLANGUAGE_H
#define WINDOWLANGUAGE_H

#include <QLocale>
#include <QString>

class QTranslator;

// The language the window speaks: the first of the system's languages
// (QLocale::uiLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux,
// the display language on Windows) that the project's catalogues have,
// else English, whose catalogue holds its plural forms; and Qt's own
// catalogue for the same language, for the file dialogs and the standard
// buttons. Nothing is kept between runs.
class WindowLanguage
{
public:
    // Installs both catalogues in the application; says which language
    // ("ja", "pt_BR", "en").
    static QString install(const QLocale &locale = QLocale());

    // Where Qt's own catalogues are: the system's (Debian's
    // qt6-translations-l10n), or a translations folder beside the program
    // (the Windows zip and installer).
    static QStringList qtCatalogueFolders();
};

#endif // WINDOWLANGUAGE_H
