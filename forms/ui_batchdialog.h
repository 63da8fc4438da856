#ifndef UI_BATCHDIALOG_H
#define UI_BATCHDIALOG_H

#include <QCoreApplication>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

// The Convert Several Codes dialog: where the codes go, how far the batch
// has come, every code with its fate and why, and the way to the folder.
class Ui_BatchDialog
{
    Q_DECLARE_TR_FUNCTIONS(BatchDialog)

public:
    QVBoxLayout *verticalLayout;
    QLabel *folderLabel;
    QProgressBar *progressBar;
    QLabel *currentLabel;
    QTreeWidget *codeTree;
    QLabel *summaryLabel;
    QDialogButtonBox *buttonBox;
    QPushButton *stopButton;
    QPushButton *openFolderButton;
    QPushButton *closeButton;

    void setupUi(QDialog *BatchDialog);
};

#endif // UI_BATCHDIALOG_H
