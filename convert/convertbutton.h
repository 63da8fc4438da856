#ifndef CONVERTBUTTON_H
#define CONVERTBUTTON_H

#include "convert/conversion.h"

#include <QPushButton>
#include <QString>

#include <string>
#include <vector>

// The "CONVERT QVR TO MORVANE" button, and the one holder of the conversion
// state: the held code, its version prefix, its segments and the converted
// code. The conversion itself is the core's (conversion.h).
class ConvertButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ConvertButton(QWidget *parent = nullptr);

    bool isValidFile() const;
    void clearMText();

    static std::vector<std::string> customSplit(std::string text, char separator);
    static std::string combine(std::vector<std::string> pieces, const std::string &separator);

    QString mText;
    QString mConvertedText;
    std::string mVersion;
    std::vector<std::string> mSegments;

    // What the pass that made mConvertedText did with each segment; kept and
    // forgotten with it.
    const ConversionReport &conversionReport() const { return mReport; }

signals:
    // Hides QAbstractButton::clicked(bool): connect to the base signal by its
    // full name. Never emitted.
    void clicked(const QString &code);

public slots:
    void updateEnabledState(const QString &newText);
    void translateCode();

private:
    ConversionReport mReport;
};

#endif // CONVERTBUTTON_H
