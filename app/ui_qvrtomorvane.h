#ifndef UI_QVRTOMORVANE_H
#define UI_QVRTOMORVANE_H

#include <QCoreApplication>

#include <QObject>
#include <QString>

class CodeFileDrop;
class CodeSession;
class StepMessage;
class ConvertButton;
class LoadButton;
class QAction;
class QFormLayout;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTextEdit;
class QVBoxLayout;
class QWidget;
class qvrCode;

// The main window: builds every widget, sets every text and makes every
// connection (ui_qvrtomorvane.cpp). The window actions are closures over
// this form object, which lives as long as the event loop runs
// (ui_qvrtomorvane_actions.cpp).
class Ui_QVRtoMorvane : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(QVRtoMorvane)

public:
    QAction *actionHelp;
    QAction *actionAbout;
    // Holds centralwidget; scrolls only where the screen is too small.
    QScrollArea *contentScrollArea;
    QWidget *centralwidget;
    QWidget *verticalLayoutWidget;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *loadButtonHorizontalLayout;
    LoadButton *loadPushButton;
    QFrame *frame;
    QWidget *formLayoutWidget_2;
    QFormLayout *directoryFormLayout;
    QLabel *pathNameLabel;
    QLabel *loadPathLabel;
    QHBoxLayout *fileContentsHorizontalLayout;
    qvrCode *qvrCodeTextEdit;
    QHBoxLayout *convertButtonHorizontalLayout;
    ConvertButton *convertPushButton;
    QHBoxLayout *horizontalLayout_3;
    QTextEdit *morvaneCodeTextEdit;
    QHBoxLayout *saveButtonHorizontalLayout;
    QPushButton *savePushButton;
    QHBoxLayout *bottomHorizontalLayout;
    QPushButton *clearPushButton;
    QPushButton *exitPushButton;
    QStatusBar *statusbar;
    QMenuBar *menuBar;
    QMenu *menuFile;
    // Beyond the load dialog: codes in and out through the clipboard, and
    // a code file dropped on the window.
    QMenu *menuEdit;
    QAction *actionPasteCode;
    // Several codes at once, into a folder; beside the one code the window
    // holds, which a batch leaves as it is.
    QAction *actionConvertSeveralCodes;
    QAction *actionCopyConvertedCode;
    // What the conversion changed and dropped: the summary in the status bar
    // once Convert shows the code, the segments in a dialog.
    QAction *actionConversionDetails;
    QLabel *conversionSummaryLabel;
    // Says when a pane shows only the start of a long code.
    QLabel *previewNoteLabel;
    CodeFileDrop *codeFileDrop;

    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);

    // The load action from the chosen path on, as a dialog or a drop
    // hands it over.
    void loadCodeFile(const QString &path);
    // Text loaded as a file's text would be, named by source.
    void loadCodeText(const QString &text, const QString &source);
    // Files and folders (their .txt files) converted into a folder the
    // user chooses, as a batch.
    void convertSeveralCodes(QMainWindow *window, const QStringList &paths);

private:
    static QString translated(const char *text, int count = -1);
    void buildRows();
    void buildEditMenu(QMainWindow *window);
    void buildStatusLabels();
    void connectActions(QMainWindow *window);
    void putContentInScrollArea(QMainWindow *window);
    void fitToScreen(QMainWindow *window);

    CodeSession &session();
    // Shows what a step of the session changed (CodeSession::Change), and
    // what it said.
    void showSession(unsigned changes);
    void showMessage(const StepMessage &message);

    void chooseCodeFile(QMainWindow *window);
    void showConvertedCode();
    void saveConvertedCode(QMainWindow *window);
    void clearCodes();
    void pasteCode();
    void copyConvertedCode();
    void chooseSeveralCodes(QMainWindow *window);
    void showConversionDetails(QMainWindow *window);
};

namespace Ui {
class QVRtoMorvane : public Ui_QVRtoMorvane
{
};
} // namespace Ui

#endif // UI_QVRTOMORVANE_H
