#include "batchview.h"

#include "app/batchworker.h"
#include "app/saidtext.h"
#include "forms/ui_batchdialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace {


// A failure reads as one, whatever the colours.
bool failed(CodeBatch::Fate fate)
{
    using Fate = CodeBatch::Fate;
    return fate == Fate::Refused || fate == Fate::Unreadable || fate == Fate::TooLarge || fate == Fate::NotWritten;
}

} // namespace

BatchView::BatchView(Ui_BatchDialog &form, QDialog *dialog, CodeBatch batch, const QString &folder,
                     bool replaceExisting)
    : mForm(form)
    , mDialog(dialog)
    , mFolder(folder)
{
    QList<QTreeWidgetItem *> rows;
    for (const CodeBatch::Item &item : batch.items())
        rows << new QTreeWidgetItem({QString::fromStdString(item.target), Ui_BatchDialog::tr("waiting")});
    mForm.codeTree->addTopLevelItems(rows);
    mForm.codeTree->resizeColumnToContents(0);
    mForm.folderLabel->setText(Ui_BatchDialog::tr("Converting %n code(s) into %1", nullptr,
                                                            int(batch.size()))
                                   .arg(QDir::toNativeSeparators(folder)));
    mForm.progressBar->setRange(0, int(batch.size()));
    mForm.progressBar->setValue(0);
    mForm.openFolderButton->setEnabled(false);
    mForm.closeButton->setEnabled(false);

    mWorker = new BatchWorker(std::move(batch), QDir::toNativeSeparators(folder).toStdString(), replaceExisting);
    mWorker->moveToThread(&mThread);
    connect(&mThread, &QThread::started, mWorker, &BatchWorker::run);
    connect(&mThread, &QThread::finished, mWorker, &QObject::deleteLater);
    connect(mWorker, &BatchWorker::settled, this, &BatchView::showSettled);
    connect(mWorker, &BatchWorker::finished, this, &BatchView::showFinished);
    // Stop ends the batch before its next code and shows what became of
    // every code; closing the dialog ends it too (see the destructor).
    connect(mForm.stopButton, &QPushButton::clicked, this, [this] { mWorker->stop(); });
    connect(mForm.closeButton, &QPushButton::clicked, mDialog, &QDialog::accept);
    connect(mForm.openFolderButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(mFolder)); });
    mThread.start();
}

BatchView::~BatchView()
{
    mWorker->stop();
    mThread.quit();
    mThread.wait();
}

void BatchView::showSettled(int index, int fate, const QString &said)
{
    QTreeWidgetItem *row = mForm.codeTree->topLevelItem(index);
    row->setText(1, said);
    row->setData(1, Qt::UserRole, fate);
    if (failed(CodeBatch::Fate(fate))) {
        const bool dark = QApplication::palette().color(QPalette::Base).lightness() < 128;
        row->setForeground(1, dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb3, 0x26, 0x1e));
    }
    mForm.progressBar->setValue(index + 1);
    mForm.currentLabel->setText(row->text(0));
}

void BatchView::showFinished()
{
    mFinished = true;
    const CodeBatch &batch = mWorker->batch();
    mForm.progressBar->setValue(int(batch.size()));
    mForm.currentLabel->clear();
    mForm.summaryLabel->setText(saidText(batch.summary()));
    mForm.stopButton->setEnabled(false);
    mForm.closeButton->setEnabled(true);
    mForm.openFolderButton->setEnabled(true);
    // Rows of codes the batch stopped before.
    for (std::size_t index = 0; index < batch.size(); ++index) {
        const CodeBatch::Item &item = batch.items()[index];
        if (item.fate == CodeBatch::Fate::NotDone) {
            mForm.codeTree->topLevelItem(int(index))->setText(1, saidText(item.said));
            mForm.codeTree->topLevelItem(int(index))->setData(1, Qt::UserRole, int(item.fate));
        }
    }
    mForm.closeButton->setFocus();
}
