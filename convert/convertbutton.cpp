#include "convertbutton.h"

namespace {

QString fromUtf8(const std::string &text)
{
    return text.empty() ? QString() : QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

ConvertButton::ConvertButton(QWidget *parent)
    : QPushButton(parent)
{
    setEnabled(false);
}

QString ConvertButton::mText() const
{
    return fromUtf8(mSession.heldCode());
}

QString ConvertButton::mConvertedText() const
{
    return fromUtf8(mSession.shownConversion());
}

bool ConvertButton::isValidFile() const
{
    return mSession.upper() == CodeSession::Upper::Code;
}

unsigned ConvertButton::clearMText()
{
    const unsigned changes = mSession.clear();
    updateEnabledState();
    return changes;
}

void ConvertButton::updateEnabledState()
{
    setEnabled(mSession.canConvert());
}

unsigned ConvertButton::translateCode()
{
    const unsigned changes = mSession.convert();
    updateEnabledState();
    return changes;
}

std::vector<std::string> ConvertButton::customSplit(std::string text, char separator)
{
    return StringTools::split(text, separator);
}

std::string ConvertButton::combine(std::vector<std::string> pieces, const std::string &separator)
{
    return StringTools::join(pieces, separator);
}
