#ifndef UI_CONVERSIONDETAILS_H
#define UI_CONVERSIONDETAILS_H

#include <QCoreApplication>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QSplitter;
class QTextEdit;
class QTreeWidget;
class QVBoxLayout;

// The Conversion Details dialog: the report's summary and a legend of the
// four fates; both codes, marked segment by segment; the segments that were
// not copied, with their reasons; and a note on what is beyond the part
// shown.
class Ui_ConversionDetails
{
    Q_DECLARE_TR_FUNCTIONS(ConversionDetails)

public:
    QVBoxLayout *verticalLayout;
    QLabel *summaryLabel;
    QLabel *legendLabel;
    QSplitter *splitter;
    QLabel *codeLabel;
    QTextEdit *codeTextEdit;
    QLabel *conversionLabel;
    QTextEdit *conversionTextEdit;
    QLabel *segmentsLabel;
    QTreeWidget *segmentTree;
    QLabel *noteLabel;
    QDialogButtonBox *buttonBox;

    void setupUi(QDialog *ConversionDetails);
};

#endif // UI_CONVERSIONDETAILS_H
