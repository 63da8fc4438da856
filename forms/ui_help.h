#ifndef UI_HELP_H
#define UI_HELP_H

#include <QCoreApplication>

class QFormLayout;
class QLabel;
class QWidget;

// The Help window: the four steps of a conversion.
class Ui_Help
{
    Q_DECLARE_TR_FUNCTIONS(Help)

public:
    QWidget *formLayoutWidget;
    QFormLayout *formLayout;
    QLabel *labelStep1;
    QLabel *labelDesc1;
    QLabel *labelStep2;
    QLabel *labelDesc2;
    QLabel *labelStep3;
    QLabel *labelDesc3;
    QLabel *labelStep4;
    QLabel *labelDesc4;

    void setupUi(QWidget *Help);
};

#endif // UI_HELP_H
