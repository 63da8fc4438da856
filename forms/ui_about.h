#ifndef UI_ABOUT_H
#define UI_ABOUT_H

#include <QCoreApplication>

class QDialog;
class QLabel;

// The About dialog: the tool's name and version.
class Ui_About
{
    Q_DECLARE_TR_FUNCTIONS(About)

public:
    QLabel *aboutLabel;

    void setupUi(QDialog *About);
};

#endif // UI_ABOUT_H
