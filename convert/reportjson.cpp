#include "reportjson.h"

namespace {

using ReportJson::Json;

std::string dumped(const Json &value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json range(const ConversionReport::Range &range)
{
    return Json::array({range.start, range.start + range.length});
}

bool isListOfObjects(const Json &value)
{
    return value.is_array() && !value.empty() && value.front().is_object();
}

// Objects as "{"key": value, ...}", a list of objects one to a line.
std::string laidOut(const Json &value, const std::string &indent)
{
    if (value.is_object()) {
        std::string text = "{";
        for (auto member = value.begin(); member != value.end(); ++member) {
            text += (member == value.begin() ? "" : ", ") + dumped(member.key()) + ": ";
            text += laidOut(member.value(), indent);
        }
        return text + "}";
    }
    if (isListOfObjects(value)) {
        const std::string inner = indent + "  ";
        std::string text = "[";
        for (const Json &element : value)
            text += (text.size() > 1 ? ",\n" : "\n") + inner + laidOut(element, inner);
        return text + "\n" + indent + "]";
    }
    return dumped(value);
}

} // namespace

namespace ReportJson {

Json string(std::string_view text)
{
    return Json(std::string(text));
}

Json said(const Said &said)
{
    if (said.isText())
        return string(said.words());
    Json values = Json::array();
    for (const Said &value : said.values())
        values.push_back(ReportJson::said(value));
    Json words = {{"c", said.context()}, {"w", said.words()}, {"v", std::move(values)}};
    if (said.count())
        words["n"] = *said.count();
    return words;
}

Json ofEntry(const ConversionReport::Entry &entry)
{
    return {{"position", entry.position}, {"fate", int(entry.fate)}, {"segment", string(entry.segment)},
            {"reason", said(entry.reason)}};
}

Json of(const ConversionReport &report, std::string_view input, std::string_view error)
{
    Json document = Json::object();
    if (!input.empty())
        document["input"] = string(input);
    if (!error.empty())
        document["error"] = string(error);
    document["segments"] = report.segmentCount();
    for (const auto fate : {ConversionReport::Copied, ConversionReport::Changed, ConversionReport::Renumbered,
                            ConversionReport::Dropped})
        document[std::string(ConversionReport::fateName(fate))] = report.count(fate);
    document["unlisted"] = report.unlisted();
    Json entries = Json::array();
    for (const ConversionReport::Entry &entry : report.entries()) {
        entries.push_back({{"position", entry.position}, {"segment", string(entry.segment)},
                           {"fate", ConversionReport::fateName(entry.fate)}, {"key", entry.key},
                           {"reason", string(entry.reason.text())}, {"input", range(entry.input)},
                           {"output", entry.output ? range(*entry.output) : Json(nullptr)}});
    }
    document["entries"] = std::move(entries);
    return document;
}

Json ofFailure(std::string_view input, std::string_view message)
{
    Json document = Json::object();
    if (!input.empty())
        document["input"] = string(input);
    document["error"] = string(message);
    return document;
}

std::string text(const Json &document)
{
    return laidOut(document, "") + "\n";
}

} // namespace ReportJson
