#include "convertbutton.h"


ConvertButton::ConvertButton(QWidget *parent)
    : QPushButton(parent)
{
    setEnabled(false);
}

void ConvertButton::updateEnabledState(const QString &newText)
{
    if (newText == mText) {
        setEnabled(false);
        return;
    }
    mText = newText;
    // The first three bytes of the UTF-8 form come from at most the first
    // three characters, six code units, so a long code need not be encoded
    // whole for them.
    const QByteArray utf8 = QStringView(newText).left(6).toUtf8();
    mVersion = std::string(Conversion::versionPrefix(std::string_view(utf8.constData(), utf8.size())));
    setEnabled(true);
}

void ConvertButton::translateCode()
{
    const QByteArray utf8 = mText.toUtf8();
    const std::string_view code(utf8.constData(), utf8.size());
    std::string converted;
    ConversionReport report;
    const ConversionOutcome outcome = Conversion::convert(code, converted, &report);

    switch (outcome) {
    case ConversionOutcome::Converted:
        mSegments = StringTools::split(code, '_');
        mSegments.front().erase(0, Conversion::headerLength);
        mConvertedText = QString::fromUtf8(converted.data(), qsizetype(converted.size()));
        mReport = std::move(report);
        return;
    case ConversionOutcome::VersionRejected:
        mSegments = StringTools::split(code, '_');
        setEnabled(false);
        return;
    case ConversionOutcome::Unconvertible:
        // Keeping no segments makes isValidFile() refuse the code, so the
        // previous file's converted code is never offered as this one's.
        mSegments.clear();
        setEnabled(false);
        return;
    }
}

bool ConvertButton::isValidFile() const
{
    if (mSegments.empty())
        return false;
    return Conversion::isAcceptedVersion(mVersion);
}

void ConvertButton::clearMText()
{
    mText = QString();
    mConvertedText = QString();
    mVersion.clear();
    mSegments.clear();
    mReport.clear();
}

std::vector<std::string> ConvertButton::customSplit(std::string text, char separator)
{
    return StringTools::split(text, separator);
}

std::string ConvertButton::combine(std::vector<std::string> pieces, const std::string &separator)
{
    return StringTools::join(pieces, separator);
}
