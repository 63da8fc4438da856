#include "webconverter.h"

int WebConverter::loadFile(std::string bytes)
{
    return hold(CodeText::decode(std::move(bytes)));
}

int WebConverter::loadText(std::string text)
{
    return hold(std::move(text));
}

// As the window does it: a code equal to the held one gives nothing new to
// convert; one that does not convert leaves the last conversion as it was.
int WebConverter::hold(std::string code)
{
    const int same = code == mHeld ? SameAsHeld : 0;
    mHeld = std::move(code);
    std::string converted;
    mHeldConverted = Conversion::convert(mHeld, converted) == ConversionOutcome::Converted;
    if (!mHeldConverted)
        return Refused | same;
    mConverted = CodeText::encode(std::move(converted));
    mReportMade = false;
    return Converted | same;
}

// The report belongs to the converted code, so it is made from the held
// code only while that is the code the conversion came from; after a refused
// load the last report stands, as the last conversion does.
const ConversionReport &WebConverter::report()
{
    if (!mReportMade && mHeldConverted) {
        std::string converted;
        Conversion::convert(mHeld, converted, &mReport);
        mReportMade = true;
    }
    return mReport;
}

const std::string &WebConverter::summary()
{
    return mWords = report().summary();
}

const std::string &WebConverter::details()
{
    return mWords = report().details();
}

void WebConverter::clear()
{
    mHeld.clear();
    mHeldConverted = false;
    mConverted.clear();
    mReport.clear();
    mReportMade = true;
}
