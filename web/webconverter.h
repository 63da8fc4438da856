#ifndef WEBCONVERTER_H
#define WEBCONVERTER_H

#include "convert/conversion.h"

#include <string>
#include <string_view>

// What the web page holds, as ConvertButton holds it for the window: the
// code in the upper pane, and the conversion (with its report) of the last
// code that converted. The page keeps only the buttons' states itself.
class WebConverter
{
public:
    enum Load { Refused = 0, Converted = 1, SameAsHeld = 2 };

    // A file's bytes, read as the window reads a file.
    int loadFile(std::string bytes);
    // Text from the clipboard, taken as it is.
    int loadText(std::string text);
    void clear();

    const std::string &heldCode() const { return mHeld; }
    // The bytes a save writes and a copy copies.
    const std::string &convertedCode() const { return mConverted; }
    // The report of that conversion, made when Convert first asks for it
    // (a load converts without one, as fast as the converter) and worded
    // when asked for.
    const std::string &summary();
    const std::string &details();

private:
    int hold(std::string code);
    const ConversionReport &report();

    std::string mHeld;
    bool mHeldConverted = false;
    std::string mConverted;
    ConversionReport mReport;
    bool mReportMade = false;
    std::string mWords;
};

#endif // WEBCONVERTER_H
