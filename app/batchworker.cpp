#include "batchworker.h"

#include "app/saidtext.h"
#include "convert/conversion.h"
#include "files/codefile.h"

#include <cerrno>
#include <cstring>
#include <new>

BatchWorker::BatchWorker(CodeBatch batch, std::string folder, bool replaceExisting)
    : mBatch(std::move(batch))
    , mFolder(std::move(folder))
    , mReplaceExisting(replaceExisting)
{
}

void BatchWorker::run()
{
    for (std::size_t index = 0; index < mBatch.size(); ++index) {
        if (mStopping) {
            mBatch.stop();
            break;
        }
        try {
            convertOne(index);
        } catch (const std::bad_alloc &) {
            mBatch.refuseUnreadable(index, std::strerror(ENOMEM));
        }
        const CodeBatch::Item &item = mBatch.items()[index];
        emit settled(int(index), int(item.fate), saidText(item.said));
    }
    emit finished();
}

// As the load action reads a code and the save action writes one: regular
// files only, a file that cannot begin a code refused by its head.
void BatchWorker::convertOne(std::size_t index)
{
    const CodeBatch::Item &item = mBatch.items()[index];
    const std::string target = CodeFile::pathBelow(mFolder, item.target);
    if (!mReplaceExisting && CodeFile::identity(target))
        return mBatch.keep(index);
    CodeFile::Read read = CodeFile::read(item.source, CodeFile::Sources::RegularFiles, CodeText::mayBeginCode);
    switch (read.status) {
    case CodeFile::Read::Done:
        break;
    case CodeFile::Read::NotACode:
        return mBatch.refuseCode(index);
    case CodeFile::Read::TooLarge:
        return mBatch.refuseTooLarge(index, read.size, CodeFile::largestCode);
    default:
        return mBatch.refuseUnreadable(index, read.reason);
    }
    const std::optional<std::string> converted = mBatch.convert(index, std::move(read.bytes));
    if (!converted)
        return;
    if (const auto failure = CodeFile::createFoldersFor(target))
        return mBatch.notWritten(index, *failure);
    if (const auto failure = CodeFile::write(target, *converted, CodeFile::Targets::RegularFiles))
        mBatch.notWritten(index, *failure);
}
