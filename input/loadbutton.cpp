#include "loadbutton.h"

#include <QDebug>
#include <QFileDialog>

LoadButton::LoadButton(QWidget *parent)
    : QPushButton(parent)
{
}

void LoadButton::loadFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8("Select a file to load"),
                                                      QString::fromUtf8(""), QString::fromUtf8("Text Files (*.txt)"));
    qDebug() << "Selected file path: " << path;
}
