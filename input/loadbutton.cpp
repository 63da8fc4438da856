#include "loadbutton.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileDialog>

LoadButton::LoadButton(QWidget *parent)
    : QPushButton(parent)
{
}

void LoadButton::loadFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("QVRtoMorvane", "Select a file to load"), QString(),
        QCoreApplication::translate("QVRtoMorvane", "Text Files (*.txt)"));
    qDebug() << "Selected file path: " << path;
}
