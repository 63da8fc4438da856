#include "ui_about.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>

void Ui_About::setupUi(QDialog *About)
{
    About->setObjectName(QString::fromUtf8("About"));
    About->setEnabled(true);
    About->resize(400, 300);
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setHeightForWidth(About->sizePolicy().hasHeightForWidth());
    About->setSizePolicy(policy);
    About->setMinimumSize(QSize(400, 300));
    About->setMaximumSize(QSize(400, 300));

    aboutLabel = new QLabel(About);
    aboutLabel->setObjectName(QString::fromUtf8("aboutLabel"));
    aboutLabel->setGeometry(QRect(0, 0, 400, 300));
    QSizePolicy labelPolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    labelPolicy.setHeightForWidth(aboutLabel->sizePolicy().hasHeightForWidth());
    aboutLabel->setSizePolicy(labelPolicy);
    QFont font;
    font.setFamilies({QString::fromUtf8("Eras Medium ITC")});
    font.setPointSize(22);
    aboutLabel->setFont(font);
    aboutLabel->setAlignment(Qt::AlignCenter);

    About->setWindowTitle(QCoreApplication::translate("About", "About"));
    aboutLabel->setText(QCoreApplication::translate("About", "QVRToMorvane\n"
                                                             "Version: 0.1\n"
                                                             "The QVRtoMorvane project\n"
                                                             "Free software, MIT licence"));

    QMetaObject::connectSlotsByName(About);
}
