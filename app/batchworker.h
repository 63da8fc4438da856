#ifndef BATCHWORKER_H
#define BATCHWORKER_H

#include "convert/codebatch.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <string>

// Converts a batch of codes into a folder, code by code, in a thread of its
// own, so that the window answers all along: each code read, converted
// (CodeBatch), saved through the file layer with everything a save keeps,
// and let go before the next. A stop takes effect before the next code;
// every file written by then is whole.
class BatchWorker : public QObject
{
    Q_OBJECT

public:
    // replaceExisting: whether a file of a code's name in the folder is
    // replaced; otherwise it stays, and the code is not converted.
    BatchWorker(CodeBatch batch, std::string folder, bool replaceExisting);

    // From any thread.
    void stop() { mStopping = true; }
    // Once finished.
    const CodeBatch &batch() const { return mBatch; }

public slots:
    void run();

signals:
    // What became of a code, in the user's words.
    void settled(int index, int fate, const QString &said);
    void finished();

private:
    void convertOne(std::size_t index);

    CodeBatch mBatch;
    std::string mFolder;
    bool mReplaceExisting;
    std::atomic_bool mStopping{false};
};

#endif // BATCHWORKER_H
