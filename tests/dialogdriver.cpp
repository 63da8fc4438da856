#include "dialogdriver.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

void DialogDriver::chooseFile(const QString &path)
{
    whenModal<QFileDialog>([path](QFileDialog *dialog) {
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(fileName);
        fileName->setText(path);
        QTest::keyClick(fileName, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void DialogDriver::cancelFileDialog()
{
    whenModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
}
