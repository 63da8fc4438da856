#include "ui_about.h"

#include "forms/formstyle.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>

void Ui_About::setupUi(QDialog *About)
{
    About->setObjectName(QString::fromUtf8("About"));
    About->setEnabled(true);
    FormStyle::fixSize(About, QSize(400, 300));

    aboutLabel = new QLabel(About);
    aboutLabel->setObjectName(QString::fromUtf8("aboutLabel"));
    aboutLabel->setGeometry(QRect(0, 0, 400, 300));
    FormStyle::setSizePolicy(aboutLabel, QSizePolicy::Preferred, QSizePolicy::Preferred);
    aboutLabel->setFont(FormStyle::erasFont(22));
    aboutLabel->setAlignment(Qt::AlignCenter);

    About->setWindowTitle(tr("About"));
    aboutLabel->setText(tr("QVRToMorvane\n"
                           "Version: 0.1\n"
                           "The QVRtoMorvane project\n"
                           "Free software, MIT licence"));

    QMetaObject::connectSlotsByName(About);
}
