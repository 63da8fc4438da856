#include "ui_batchdialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel *label(QDialog *dialog, const char *name)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

void Ui_BatchDialog::setupUi(QDialog *BatchDialog)
{
    if (BatchDialog->objectName().isEmpty())
        BatchDialog->setObjectName(QString::fromUtf8("BatchDialog"));
    BatchDialog->resize(760, 520);

    verticalLayout = new QVBoxLayout(BatchDialog);
    verticalLayout->setObjectName(QString::fromUtf8("verticalLayout"));
    folderLabel = label(BatchDialog, "folderLabel");
    verticalLayout->addWidget(folderLabel);
    progressBar = new QProgressBar(BatchDialog);
    progressBar->setObjectName(QString::fromUtf8("progressBar"));
    verticalLayout->addWidget(progressBar);
    currentLabel = label(BatchDialog, "currentLabel");
    verticalLayout->addWidget(currentLabel);
    codeTree = new QTreeWidget(BatchDialog);
    codeTree->setObjectName(QString::fromUtf8("codeTree"));
    codeTree->setRootIsDecorated(false);
    codeTree->setUniformRowHeights(true);
    codeTree->setColumnCount(2);
    codeTree->header()->setStretchLastSection(true);
    codeTree->header()->setResizeContentsPrecision(100);
    verticalLayout->addWidget(codeTree, 1);
    summaryLabel = label(BatchDialog, "summaryLabel");
    verticalLayout->addWidget(summaryLabel);

    buttonBox = new QDialogButtonBox(BatchDialog);
    buttonBox->setObjectName(QString::fromUtf8("buttonBox"));
    stopButton = buttonBox->addButton(tr("Stop"), QDialogButtonBox::RejectRole);
    stopButton->setObjectName(QString::fromUtf8("stopButton"));
    openFolderButton = buttonBox->addButton(tr("Open Folder"), QDialogButtonBox::ActionRole);
    openFolderButton->setObjectName(QString::fromUtf8("openFolderButton"));
    closeButton = buttonBox->addButton(QDialogButtonBox::Close);
    closeButton->setObjectName(QString::fromUtf8("closeButton"));
    verticalLayout->addWidget(buttonBox);

    BatchDialog->setWindowTitle(tr("Convert Several Codes"));
    codeTree->setHeaderLabels({tr("Code"), tr("What became of it")});
    QMetaObject::connectSlotsByName(BatchDialog);
}
