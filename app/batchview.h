#ifndef BATCHVIEW_H
#define BATCHVIEW_H

#include "convert/codebatch.h"

#include <QObject>
#include <QString>
#include <QThread>

class BatchWorker;
class QDialog;
class Ui_BatchDialog;

// What the Convert Several Codes dialog shows of a batch as it runs: how
// far it has come, every code with its fate as it is settled, and at the
// end what became of all of them, with the way to the folder. The batch
// runs in a BatchWorker's thread; Stop, or closing the dialog, stops it
// before its next code, and the view waits for that before it goes.
class BatchView : public QObject
{
    Q_OBJECT

public:
    BatchView(Ui_BatchDialog &form, QDialog *dialog, CodeBatch batch, const QString &folder, bool replaceExisting);
    ~BatchView() override;

    bool finished() const { return mFinished; }

private:
    void showSettled(int index, int fate, const QString &said);
    void showFinished();

    Ui_BatchDialog &mForm;
    QDialog *mDialog;
    QString mFolder;
    QThread mThread;
    BatchWorker *mWorker;
    bool mFinished = false;
};

#endif // BATCHVIEW_H
