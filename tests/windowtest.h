#ifndef WINDOWTEST_H
#define WINDOWTEST_H

#include "app/ui_qvrtomorvane.h"

#include <QMainWindow>
#include <QMimeData>
#include <QObject>
#include <QTemporaryDir>

#include <memory>

// Base of the window tests: every test function gets a new main window,
// built and shown as the program does it, and an empty folder for its files.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    QString path(const QString &name) const { return mDir->filePath(name); }
    // Clicks "LOAD QVR FILE" and chooses path in the dialog.
    void loadThroughDialog(const QString &path);
    // Drags data onto the input pane, where a user aims, and drops it there;
    // says whether the window took the drag.
    bool drop(QMimeData &data);
    void dropFile(const QString &path);
    // A new window and folder, as every test function starts with.
    void startAfresh();

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QMainWindow> mWindow;
    std::unique_ptr<Ui::QVRtoMorvane> mUi;

private slots:
    void initTestCase();
    void init();
    void cleanup();
};

#endif // WINDOWTEST_H
