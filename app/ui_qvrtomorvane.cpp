// The main window's form: every widget with its name, properties and
// texts, and the connections to the actions, which ui_qvrtomorvane_actions.cpp
// holds.
#include "ui_qvrtomorvane.h"

#include "app/codefiledrop.h"
#include "convert/codesession.h"
#include "convert/convertbutton.h"
#include "forms/formstyle.h"
#include "forms/ui_about.h"
#include "forms/ui_help.h"
#include "input/loadbutton.h"
#include "input/qvrcode.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QSize designedSize(1200, 900);

void setFixedRowHeight(QLabel *label)
{
    label->setEnabled(false);
    FormStyle::setSizePolicy(label, QSizePolicy::Preferred, QSizePolicy::Fixed);
    label->setMinimumSize(QSize(0, 24));
    label->setMaximumSize(QSize(16777215, 24));
    label->setBaseSize(QSize(0, 24));
}

QHBoxLayout *rowLayout(const char *name)
{
    auto *layout = new QHBoxLayout();
    layout->setObjectName(QString::fromLatin1(name));
    return layout;
}

template<typename Form>
void runDialog()
{
    QDialog dialog;
    Form form;
    form.setupUi(&dialog);
    dialog.exec();
}

} // namespace

QString Ui_QVRtoMorvane::translated(const char *text, int count)
{
    return tr(text, nullptr, count);
}

void Ui_QVRtoMorvane::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QString::fromUtf8("QVRtoMorvane"));
    window->setFixedSize(designedSize);

    actionHelp = new QAction(window);
    actionHelp->setObjectName(QString::fromUtf8("actionHelp"));
    actionAbout = new QAction(window);
    actionAbout->setObjectName(QString::fromUtf8("actionAbout"));

    centralwidget = new QWidget(window);
    centralwidget->setObjectName(QString::fromUtf8("centralwidget"));
    verticalLayoutWidget = new QWidget(centralwidget);
    verticalLayoutWidget->setObjectName(QString::fromUtf8("verticalLayoutWidget"));
    verticalLayoutWidget->setGeometry(QRect(9, 9, 1181, 761));
    verticalLayoutWidget->setMaximumWidth(16777215);
    verticalLayoutWidget->setMinimumSize(QSize(1181, 761));
    verticalLayout = new QVBoxLayout(verticalLayoutWidget);
    verticalLayout->setObjectName(QString::fromUtf8("verticalLayout"));

    buildRows();
    connectActions(window);

    statusbar = new QStatusBar(window);
    statusbar->setObjectName(QString::fromUtf8("statusbar"));
    window->setStatusBar(statusbar);
    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QString::fromUtf8("menuBar"));
    menuBar->setGeometry(QRect(0, 0, 600, 22));
    menuFile = new QMenu(menuBar);
    menuFile->setObjectName(QString::fromUtf8("menuFile"));
    window->setMenuBar(menuBar);
    menuBar->addAction(menuFile->menuAction());
    menuFile->addAction(actionHelp);
    menuFile->addAction(actionAbout);
    buildEditMenu(window);
    buildStatusLabels();
    codeFileDrop = new CodeFileDrop(window, [this](const QString &path) { loadCodeFile(path); },
                                    [this, window](const QStringList &paths) { convertSeveralCodes(window, paths); });

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
    putContentInScrollArea(window);
    fitToScreen(window);
}

// The content, at its designed size, in a scroll area that scrolls only
// where the screen is too small for it.
void Ui_QVRtoMorvane::putContentInScrollArea(QMainWindow *window)
{
    // The rows, with a margin below as wide as the one beside them; at the
    // designed size the content has more room than that and fills it.
    const QRect rows = verticalLayoutWidget->geometry();
    centralwidget->setMinimumSize(QSize(designedSize.width(), rows.bottom() + 1 + rows.left()));
    contentScrollArea = new QScrollArea(window);
    contentScrollArea->setObjectName(QString::fromUtf8("contentScrollArea"));
    contentScrollArea->setFrameShape(QFrame::NoFrame);
    contentScrollArea->setWidgetResizable(true);
    contentScrollArea->setWidget(centralwidget);
    window->setCentralWidget(contentScrollArea);
}

// The window is laid out for 1200 by 900 and keeps that wherever it fits.
// On a smaller screen (a laptop at 125% or 150%, a 1366 by 768 one) it
// opens at the room there is, its content the same, so that every control
// can still be reached.
void Ui_QVRtoMorvane::fitToScreen(QMainWindow *window)
{
    // The title bar and borders that the window system adds are not known
    // before the window is shown; this leaves room for usual ones.
    const QSize frame(16, 40);
    const QSize room = window->screen()->availableGeometry().size() - frame;
    const QSize content = centralwidget->minimumSize();
    // A scroll bar in one direction takes room from the other.
    const int scrollBar = contentScrollArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int bars = menuBar->sizeHint().height() + statusbar->sizeHint().height();
    QSize size = designedSize;
    if (room.height() < content.height() + bars)
        size.rwidth() += scrollBar;
    if (room.width() < content.width())
        size.rheight() += scrollBar;
    window->setFixedSize(size.boundedTo(room));
}

void Ui_QVRtoMorvane::buildRows()
{
    loadButtonHorizontalLayout = rowLayout("loadButtonHorizontalLayout");
    loadButtonHorizontalLayout->setAlignment(Qt::AlignHCenter);
    loadPushButton = new LoadButton(verticalLayoutWidget);
    loadPushButton->setObjectName(QString::fromUtf8("loadPushButton"));
    FormStyle::setSizePolicy(loadPushButton, QSizePolicy::Fixed, QSizePolicy::Fixed);
    loadButtonHorizontalLayout->addWidget(loadPushButton);
    verticalLayout->addLayout(loadButtonHorizontalLayout);

    frame = new QFrame(verticalLayoutWidget);
    frame->setObjectName(QString::fromUtf8("frame"));
    FormStyle::setSizePolicy(frame, QSizePolicy::Preferred, QSizePolicy::Fixed);
    frame->setMinimumSize(QSize(0, 50));
    frame->setMaximumSize(QSize(16777215, 24));
    frame->setBaseSize(QSize(0, 24));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    formLayoutWidget_2 = new QWidget(frame);
    formLayoutWidget_2->setObjectName(QString::fromUtf8("formLayoutWidget_2"));
    formLayoutWidget_2->setGeometry(QRect(10, 10, 1181, 54));
    directoryFormLayout = new QFormLayout(formLayoutWidget_2);
    directoryFormLayout->setObjectName(QString::fromUtf8("directoryFormLayout"));
    directoryFormLayout->setRowWrapPolicy(QFormLayout::WrapLongRows);
    directoryFormLayout->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
    directoryFormLayout->setFormAlignment(Qt::AlignHCenter | Qt::AlignTop);
    directoryFormLayout->setVerticalSpacing(7);
    directoryFormLayout->setContentsMargins(0, 0, 0, 0);
    pathNameLabel = new QLabel(formLayoutWidget_2);
    pathNameLabel->setObjectName(QString::fromUtf8("pathNameLabel"));
    setFixedRowHeight(pathNameLabel);
    pathNameLabel->setAlignment(Qt::AlignCenter);
    directoryFormLayout->setWidget(0, QFormLayout::LabelRole, pathNameLabel);
    loadPathLabel = new QLabel(formLayoutWidget_2);
    loadPathLabel->setObjectName(QString::fromUtf8("loadPathLabel"));
    setFixedRowHeight(loadPathLabel);
    directoryFormLayout->setWidget(0, QFormLayout::FieldRole, loadPathLabel);
    verticalLayout->addWidget(frame);

    fileContentsHorizontalLayout = rowLayout("fileContentsHorizontalLayout");
    qvrCodeTextEdit = new qvrCode(verticalLayoutWidget);
    qvrCodeTextEdit->setObjectName(QString::fromUtf8("qvrCodeTextEdit"));
    qvrCodeTextEdit->setEnabled(true);
    FormStyle::setSizePolicy(qvrCodeTextEdit, QSizePolicy::MinimumExpanding, QSizePolicy::Fixed, 0, 20);
    qvrCodeTextEdit->setMaximumWidth(16777215);
    qvrCodeTextEdit->setAutoFillBackground(true);
    qvrCodeTextEdit->setReadOnly(true);
    FormStyle::prepareCodePane(qvrCodeTextEdit);
    fileContentsHorizontalLayout->addWidget(qvrCodeTextEdit);
    verticalLayout->addLayout(fileContentsHorizontalLayout);

    convertButtonHorizontalLayout = rowLayout("convertButtonHorizontalLayout");
    convertPushButton = new ConvertButton(verticalLayoutWidget);
    convertPushButton->setObjectName(QString::fromUtf8("convertPushButton"));
    FormStyle::setSizePolicy(convertPushButton, QSizePolicy::Fixed, QSizePolicy::Fixed);
    convertButtonHorizontalLayout->addWidget(convertPushButton);
    verticalLayout->addLayout(convertButtonHorizontalLayout);

    horizontalLayout_3 = rowLayout("horizontalLayout_3");
    morvaneCodeTextEdit = new QTextEdit(verticalLayoutWidget);
    morvaneCodeTextEdit->setObjectName(QString::fromUtf8("morvaneCodeTextEdit"));
    morvaneCodeTextEdit->setMaximumWidth(16777215);
    morvaneCodeTextEdit->setEnabled(false);
    FormStyle::setSizePolicy(morvaneCodeTextEdit, QSizePolicy::Expanding, QSizePolicy::Fixed, 20, 0);
    morvaneCodeTextEdit->setAutoFillBackground(true);
    morvaneCodeTextEdit->setReadOnly(true);
    FormStyle::prepareCodePane(morvaneCodeTextEdit);
    horizontalLayout_3->addWidget(morvaneCodeTextEdit);
    verticalLayout->addLayout(horizontalLayout_3);

    saveButtonHorizontalLayout = rowLayout("saveButtonHorizontalLayout");
    savePushButton = new QPushButton(verticalLayoutWidget);
    savePushButton->setObjectName(QString::fromUtf8("savePushButton"));
    savePushButton->setEnabled(false);
    FormStyle::setSizePolicy(savePushButton, QSizePolicy::Fixed, QSizePolicy::Fixed);
    saveButtonHorizontalLayout->addWidget(savePushButton);
    verticalLayout->addLayout(saveButtonHorizontalLayout);

    bottomHorizontalLayout = rowLayout("bottomHorizontalLayout");
    clearPushButton = new QPushButton(verticalLayoutWidget);
    clearPushButton->setObjectName(QString::fromUtf8("clearPushButton"));
    FormStyle::setSizePolicy(clearPushButton, QSizePolicy::Fixed, QSizePolicy::Fixed);
    clearPushButton->setEnabled(true);
    bottomHorizontalLayout->addWidget(clearPushButton);
    exitPushButton = new QPushButton(verticalLayoutWidget);
    exitPushButton->setObjectName(QString::fromUtf8("exitPushButton"));
    FormStyle::setSizePolicy(exitPushButton, QSizePolicy::Fixed, QSizePolicy::Fixed);
    bottomHorizontalLayout->addWidget(exitPushButton);
    verticalLayout->addLayout(bottomHorizontalLayout);
}

// The input pane still announces its text after every key press, but no
// longer to the convert button: the pane is read-only, so a key changes no
// code, and taking its text for the held code made Convert offer a refused
// file's message, or refuse the code it shows.
void Ui_QVRtoMorvane::connectActions(QMainWindow *window)
{
    QObject::connect(exitPushButton, SIGNAL(clicked()), QCoreApplication::instance(), SLOT(quit()));
    QObject::connect(loadPushButton, &QAbstractButton::clicked, loadPushButton,
                     [this, window] { chooseCodeFile(window); });
    QObject::connect(convertPushButton, &QAbstractButton::clicked, convertPushButton, [this] { showConvertedCode(); });
    QObject::connect(savePushButton, &QAbstractButton::clicked, savePushButton,
                     [this, window] { saveConvertedCode(window); });
    QObject::connect(clearPushButton, &QAbstractButton::clicked, clearPushButton, [this] { clearCodes(); });
    QObject::connect(actionAbout, &QAction::triggered, actionAbout, [] { runDialog<Ui_About>(); });
    QObject::connect(actionHelp, &QAction::triggered, actionHelp, [] { runDialog<Ui_Help>(); });
}

void Ui_QVRtoMorvane::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(tr("QVRtoMorvane"));
    actionHelp->setText(tr("Help"));
    actionHelp->setShortcut(QKeySequence(tr("F1")));
    actionAbout->setText(tr("About"));
    actionAbout->setShortcut(QKeySequence(tr("F3")));
    loadPushButton->setText(tr("LOAD QVR FILE"));
    pathNameLabel->setText(tr("Selected File: "));
    loadPathLabel->setText(QString());
    qvrCodeTextEdit->setPlaceholderText(translated(CodeSession::emptyPlaceholder));
    convertPushButton->setText(tr("CONVERT QVR TO MORVANE"));
    morvaneCodeTextEdit->setPlaceholderText(translated(CodeSession::lowerPlaceholder));
    savePushButton->setText(tr("SAVE MORVANE CODE TO COMPUTER"));
    clearPushButton->setText(tr("CLEAR CURRENT CODES"));
    exitPushButton->setText(tr("EXIT"));
    menuFile->setTitle(tr("File"));
    menuEdit->setTitle(tr("Edit"));
    actionPasteCode->setText(tr("Paste QVR Code"));
    actionPasteCode->setShortcut(QKeySequence(tr("Ctrl+V")));
    actionConvertSeveralCodes->setText(tr("Convert Several Codes..."));
    actionCopyConvertedCode->setText(tr("Copy Morvane Code"));
    actionCopyConvertedCode->setShortcut(QKeySequence(tr("Ctrl+Shift+C")));
    actionConversionDetails->setText(tr("Conversion Details"));
}

void Ui_QVRtoMorvane::buildEditMenu(QMainWindow *window)
{
    menuEdit = new QMenu(menuBar);
    menuEdit->setObjectName(QString::fromUtf8("menuEdit"));
    actionPasteCode = new QAction(window);
    actionPasteCode->setObjectName(QString::fromUtf8("actionPasteCode"));
    actionConvertSeveralCodes = new QAction(window);
    actionConvertSeveralCodes->setObjectName(QString::fromUtf8("actionConvertSeveralCodes"));
    actionCopyConvertedCode = new QAction(window);
    actionCopyConvertedCode->setObjectName(QString::fromUtf8("actionCopyConvertedCode"));
    actionCopyConvertedCode->setEnabled(savePushButton->isEnabled());
    actionConversionDetails = new QAction(window);
    actionConversionDetails->setObjectName(QString::fromUtf8("actionConversionDetails"));
    actionConversionDetails->setEnabled(savePushButton->isEnabled());
    menuBar->addAction(menuEdit->menuAction());
    menuEdit->addAction(actionPasteCode);
    menuEdit->addAction(actionConvertSeveralCodes);
    menuEdit->addAction(actionCopyConvertedCode);
    menuEdit->addAction(actionConversionDetails);

    QObject::connect(actionPasteCode, &QAction::triggered, actionPasteCode, [this] { pasteCode(); });
    QObject::connect(actionConvertSeveralCodes, &QAction::triggered, actionConvertSeveralCodes,
                     [this, window] { chooseSeveralCodes(window); });
    QObject::connect(actionCopyConvertedCode, &QAction::triggered, actionCopyConvertedCode,
                     [this] { copyConvertedCode(); });
    QObject::connect(actionConversionDetails, &QAction::triggered, actionConversionDetails,
                     [this, window] { showConversionDetails(window); });
}

// What the conversion did with the segments, and what a pane leaves out of
// a long code, stay in the status bar beside the steps' messages.
void Ui_QVRtoMorvane::buildStatusLabels()
{
    conversionSummaryLabel = new QLabel(statusbar);
    conversionSummaryLabel->setObjectName(QString::fromUtf8("conversionSummaryLabel"));
    statusbar->addWidget(conversionSummaryLabel, 1);
    previewNoteLabel = new QLabel(statusbar);
    previewNoteLabel->setObjectName(QString::fromUtf8("previewNoteLabel"));
    statusbar->addPermanentWidget(previewNoteLabel);
}

