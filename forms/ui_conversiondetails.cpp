#include "ui_conversiondetails.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void Ui_ConversionDetails::setupUi(QDialog *ConversionDetails)
{
    if (ConversionDetails->objectName().isEmpty())
        ConversionDetails->setObjectName(QString::fromUtf8("ConversionDetails"));
    ConversionDetails->resize(760, 420);

    verticalLayout = new QVBoxLayout(ConversionDetails);
    verticalLayout->setObjectName(QString::fromUtf8("verticalLayout"));
    summaryLabel = new QLabel(ConversionDetails);
    summaryLabel->setObjectName(QString::fromUtf8("summaryLabel"));
    summaryLabel->setTextFormat(Qt::PlainText);
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verticalLayout->addWidget(summaryLabel);
    // A report can list many thousand segments; a plain text edit lays out
    // only the lines in view.
    detailsTextEdit = new QPlainTextEdit(ConversionDetails);
    detailsTextEdit->setObjectName(QString::fromUtf8("detailsTextEdit"));
    detailsTextEdit->setReadOnly(true);
    detailsTextEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    verticalLayout->addWidget(detailsTextEdit);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Close, ConversionDetails);
    buttonBox->setObjectName(QString::fromUtf8("buttonBox"));
    verticalLayout->addWidget(buttonBox);

    ConversionDetails->setWindowTitle(QCoreApplication::translate("ConversionDetails", "Conversion Details"));
    detailsTextEdit->setPlaceholderText(
        QCoreApplication::translate("ConversionDetails", "No segment was changed or dropped."));

    QObject::connect(buttonBox, &QDialogButtonBox::rejected, ConversionDetails, &QDialog::reject);
    QMetaObject::connectSlotsByName(ConversionDetails);
}
