#ifndef CODEFILEDROP_H
#define CODEFILEDROP_H

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;

// Lets local files be dropped on a window: one file is loaded as if it had
// been chosen in the open dialog, several files or a folder are converted
// as a batch. Anything else is refused at the border.
class CodeFileDrop : public QObject
{
    Q_OBJECT

public:
    CodeFileDrop(QWidget *window, std::function<void(const QString &)> load,
                 std::function<void(const QStringList &)> convertSeveral);

    // The local files and folders the data names; empty when it names
    // anything else too.
    static QStringList droppedPaths(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> mLoad;
    std::function<void(const QStringList &)> mConvertSeveral;
};

#endif // CODEFILEDROP_H
