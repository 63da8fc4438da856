#include "codefiledrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

CodeFileDrop::CodeFileDrop(QWidget *window, std::function<void(const QString &)> load,
                           std::function<void(const QStringList &)> convertSeveral)
    : QObject(window)
    , mLoad(std::move(load))
    , mConvertSeveral(std::move(convertSeveral))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QStringList CodeFileDrop::droppedPaths(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

bool CodeFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (droppedPaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedPaths(drop->mimeData());
        if (paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (paths.size() == 1 && !QFileInfo(paths.front()).isDir())
            mLoad(paths.front());
        else
            mConvertSeveral(paths);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
