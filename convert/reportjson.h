#ifndef REPORTJSON_H
#define REPORTJSON_H

#include "convert/conversion.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// What became of a code's segments as JSON, for scripts (the converter's
// --report-json) and for the page: written by nlohmann/json, which escapes
// every text and turns bytes that are not UTF-8 into U+FFFD.
namespace ReportJson {

// Members keep the order they are put in.
using Json = nlohmann::ordered_json;

// The counts and the entries, headed by the name of the input when one is
// given, with what failed after the conversion, if anything.
Json of(const ConversionReport &report, std::string_view input = {}, std::string_view error = {});
// What stands in its place for an input that could not be converted.
Json ofFailure(std::string_view input, std::string_view message);
// An entry as the page lists it: where it stood, its fate and its words.
Json ofEntry(const ConversionReport::Entry &entry);
// Words for a face to translate (said.h): a text as it is is a string;
// words are {"c": context, "w": words, "v": [values], "n": count}.
Json said(const Said &said);
// A string of any bytes.
Json string(std::string_view text);

// A document as text, ending in a line end: compact, but each element of a
// list of objects on a line of its own, so that a line of --report-json is
// one segment (grep finds it) and a document of a batch one input after
// the other.
std::string text(const Json &document);

} // namespace ReportJson

#endif // REPORTJSON_H
