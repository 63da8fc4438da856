#ifndef UI_ABOUT_H
#define UI_ABOUT_H

class QDialog;
class QLabel;

// The About dialog: the tool's name and version.
class Ui_About
{
public:
    QLabel *aboutLabel;

    void setupUi(QDialog *About);
};

#endif // UI_ABOUT_H
