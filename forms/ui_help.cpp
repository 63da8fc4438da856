#include "ui_help.h"

#include "forms/formstyle.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QWidget>

void Ui_Help::setupUi(QWidget *Help)
{
    if (Help->objectName().isEmpty())
        Help->setObjectName(QString::fromUtf8("Help"));
    FormStyle::fixSize(Help, QSize(400, 400));
    Help->setLayoutDirection(Qt::LeftToRight);

    formLayoutWidget = new QWidget(Help);
    formLayoutWidget->setObjectName(QString::fromUtf8("formLayoutWidget"));
    formLayoutWidget->setGeometry(QRect(0, 0, 1383, 974));
    formLayout = new QFormLayout(formLayoutWidget);
    formLayout->setObjectName(QString::fromUtf8("formLayout"));
    formLayout->setSizeConstraint(QLayout::SetFixedSize);
    formLayout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    formLayout->setLabelAlignment(Qt::AlignCenter);
    formLayout->setFormAlignment(Qt::AlignHCenter | Qt::AlignTop);
    formLayout->setVerticalSpacing(50);
    formLayout->setContentsMargins(5, 0, 0, 0);

    const QFont stepFont = FormStyle::erasFont(22);
    const QFont descriptionFont = FormStyle::erasFont(12);
    QLabel **labels[] = {&labelStep1, &labelDesc1, &labelStep2, &labelDesc2,
                         &labelStep3, &labelDesc3, &labelStep4, &labelDesc4};
    const char *names[] = {"labelStep1", "labelDesc1", "labelStep2", "labelDesc2",
                           "labelStep3", "labelDesc3", "labelStep4", "labelDesc4"};
    for (int i = 0; i < 8; ++i) {
        QLabel *label = new QLabel(formLayoutWidget);
        label->setObjectName(QString::fromUtf8(names[i]));
        const bool isStep = i % 2 == 0;
        label->setFont(isStep ? stepFont : descriptionFont);
        formLayout->setWidget(i / 2, isStep ? QFormLayout::LabelRole : QFormLayout::FieldRole, label);
        *labels[i] = label;
    }

    Help->setWindowTitle(tr("Help"));
    labelStep1->setText(tr("Step 1:"));
    labelDesc1->setText(tr("Click the \"LOAD QVR FILE\" button."));
    labelStep2->setText(tr("Step 2:"));
    labelDesc2->setText(tr("Select a qvr code .txt file to load into the\n"
                           "program and load it in."));
    labelStep3->setText(tr("Step 3:"));
    labelDesc3->setText(tr("If the loaded file is valid, click on the\n"
                           "\"CONVERT QVR TO MORVANE\" button. If\n"
                           "the file is invalid, try to select a\n"
                           "different file that is valid."));
    labelStep4->setText(tr("Step 4:"));
    labelDesc4->setText(tr("Click on the \"SAVE MORVANE CODE\n"
                           "TO COMPUTER\" button and save as\n"
                           "a new .txt file, or highlight the new\n"
                           "displayed morvane code and copy-paste\n"
                           "it into the morvane import screen."));

    QMetaObject::connectSlotsByName(Help);
}
