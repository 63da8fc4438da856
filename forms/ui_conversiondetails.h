#ifndef UI_CONVERSIONDETAILS_H
#define UI_CONVERSIONDETAILS_H

class QDialog;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

// The Conversion Details dialog: the report's summary above the changed and
// dropped segments, one to a line.
class Ui_ConversionDetails
{
public:
    QVBoxLayout *verticalLayout;
    QLabel *summaryLabel;
    QPlainTextEdit *detailsTextEdit;
    QDialogButtonBox *buttonBox;

    void setupUi(QDialog *ConversionDetails);
};

#endif // UI_CONVERSIONDETAILS_H
