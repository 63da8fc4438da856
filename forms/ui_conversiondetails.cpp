#include "ui_conversiondetails.h"

#include "formstyle.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A code as a pane of the main window shows it: one long line, wrapped
// anywhere, read-only.
QTextEdit *codePane(QWidget *parent, const char *name)
{
    auto *pane = new QTextEdit(parent);
    pane->setObjectName(QString::fromUtf8(name));
    pane->setReadOnly(true);
    FormStyle::prepareCodePane(pane);
    pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return pane;
}

QLabel *heading(QWidget *parent, const char *name, QWidget *buddy)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

void Ui_ConversionDetails::setupUi(QDialog *ConversionDetails)
{
    if (ConversionDetails->objectName().isEmpty())
        ConversionDetails->setObjectName(QString::fromUtf8("ConversionDetails"));
    ConversionDetails->resize(900, 680);

    verticalLayout = new QVBoxLayout(ConversionDetails);
    verticalLayout->setObjectName(QString::fromUtf8("verticalLayout"));
    summaryLabel = new QLabel(ConversionDetails);
    summaryLabel->setObjectName(QString::fromUtf8("summaryLabel"));
    summaryLabel->setTextFormat(Qt::PlainText);
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verticalLayout->addWidget(summaryLabel);
    legendLabel = new QLabel(ConversionDetails);
    legendLabel->setObjectName(QString::fromUtf8("legendLabel"));
    legendLabel->setTextFormat(Qt::RichText);
    legendLabel->setWordWrap(true);
    verticalLayout->addWidget(legendLabel);

    splitter = new QSplitter(Qt::Vertical, ConversionDetails);
    splitter->setObjectName(QString::fromUtf8("splitter"));
    auto *codes = new QWidget(splitter);
    auto *codesLayout = new QVBoxLayout(codes);
    codesLayout->setContentsMargins(0, 0, 0, 0);
    codeTextEdit = codePane(codes, "codeTextEdit");
    conversionTextEdit = codePane(codes, "conversionTextEdit");
    codeLabel = heading(codes, "codeLabel", codeTextEdit);
    conversionLabel = heading(codes, "conversionLabel", conversionTextEdit);
    codesLayout->addWidget(codeLabel);
    codesLayout->addWidget(codeTextEdit);
    codesLayout->addWidget(conversionLabel);
    codesLayout->addWidget(conversionTextEdit);
    auto *list = new QWidget(splitter);
    auto *listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    segmentTree = new QTreeWidget(list);
    segmentTree->setObjectName(QString::fromUtf8("segmentTree"));
    segmentTree->setRootIsDecorated(false);
    segmentTree->setUniformRowHeights(true);
    segmentTree->setColumnCount(4);
    segmentTree->header()->setStretchLastSection(true);
    // Columns fit their first rows: measuring all 1,000 took longer than
    // laying out both codes.
    segmentTree->header()->setResizeContentsPrecision(100);
    segmentsLabel = heading(list, "segmentsLabel", segmentTree);
    listLayout->addWidget(segmentsLabel);
    listLayout->addWidget(segmentTree);
    splitter->addWidget(codes);
    splitter->addWidget(list);
    verticalLayout->addWidget(splitter, 1);

    noteLabel = new QLabel(ConversionDetails);
    noteLabel->setObjectName(QString::fromUtf8("noteLabel"));
    noteLabel->setWordWrap(true);
    verticalLayout->addWidget(noteLabel);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Close, ConversionDetails);
    buttonBox->setObjectName(QString::fromUtf8("buttonBox"));
    verticalLayout->addWidget(buttonBox);

    ConversionDetails->setWindowTitle(tr("Conversion Details"));
    codeLabel->setText(tr("&QVR code"));
    conversionLabel->setText(tr("&Morvane code"));
    segmentsLabel->setText(tr("&Segments not copied (select one to find it in both codes)"));
    segmentTree->setHeaderLabels({tr("#"), tr("Segment"), tr("Fate"), tr("Why")});

    QObject::connect(buttonBox, &QDialogButtonBox::rejected, ConversionDetails, &QDialog::reject);
    QMetaObject::connectSlotsByName(ConversionDetails);
}
