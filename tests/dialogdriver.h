#ifndef DIALOGDRIVER_H
#define DIALOGDRIVER_H

#include <QApplication>
#include <QString>
#include <QTimer>

#include <functional>

class QFileDialog;

// Drives the modal dialogs a click opens, from inside the event loop that
// runs them, as a user would.
class DialogDriver
{
public:
    // Acts on the next modal widget of type T once it is up; with a name,
    // on the next one of that object name.
    template<typename T>
    static void whenModal(std::function<void(T *)> act, const QString &name = QString())
    {
        auto *timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, act, name] {
            auto *widget = qobject_cast<T *>(QApplication::activeModalWidget());
            if (widget && (name.isEmpty() || widget->objectName() == name)) {
                timer->stop();
                timer->deleteLater();
                act(widget);
            }
        });
        timer->start();
    }

    // Types path into the next file dialog and confirms with Enter. A folder
    // opens inside the dialog instead of being chosen; the dialog is then
    // cancelled.
    static void chooseFile(const QString &path);
    // Opens folder in the next file dialog, then types name as it is there
    // (a bare name, or any path) and confirms.
    static void chooseFileIn(const QString &folder, const QString &name);
    static void cancelFileDialog();
};

#endif // DIALOGDRIVER_H
