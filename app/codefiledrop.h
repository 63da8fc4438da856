#ifndef CODEFILEDROP_H
#define CODEFILEDROP_H

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;

// Lets one local file be dropped on a window, to be loaded as if it had
// been chosen in the open dialog. Anything else is refused at the border.
class CodeFileDrop : public QObject
{
    Q_OBJECT

public:
    CodeFileDrop(QWidget *window, std::function<void(const QString &)> load);

    // The one local file the data names, or an empty string.
    static QString droppedFile(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> mLoad;
};

#endif // CODEFILEDROP_H
