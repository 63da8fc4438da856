#include "dialogdriver.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

void DialogDriver::chooseFile(const QString &path)
{
    whenModal<QFileDialog>([path](QFileDialog *dialog) {
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(fileName);
#ifdef Q_OS_WIN
        // "/work/docs/..." (the source folder, under Wine) names a file on the
        // current drive, not on the dialog's.
        fileName->setText(QFileInfo(path).absoluteFilePath());
#else
        fileName->setText(path);
#endif
        QTest::keyClick(fileName, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void DialogDriver::chooseFileIn(const QString &folder, const QString &name)
{
    whenModal<QFileDialog>([folder, name](QFileDialog *dialog) {
        dialog->setDirectory(folder);
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(fileName);
        fileName->setText(name);
        QTest::keyClick(fileName, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void DialogDriver::cancelFileDialog()
{
    whenModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
}
