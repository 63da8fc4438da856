#include "sessiontable.h"

#include "convert/conversion.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Texts are bytes, a character each; a list joins its pieces, [TEXT, COUNT]
// repeating one; {"file": NAME} is the bytes of a file beside the table.
std::string bytesOf(const nlohmann::json &value, const std::string &folder)
{
    if (value.is_string()) {
        std::string bytes;
        const std::string utf8 = value.get<std::string>();
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            bytes += c < 0x80 ? char(c) : char(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3f));
        }
        return bytes;
    }
    if (value.is_object())
        return readFile(folder + "/" + value.at("file").get<std::string>());
    if (value.size() == 2 && value[1].is_number()) {
        std::string repeated;
        const std::string piece = bytesOf(value[0], folder);
        for (int i = value[1].get<int>(); i > 0; --i)
            repeated += piece;
        return repeated;
    }
    std::string joined;
    for (const nlohmann::json &piece : value)
        joined += bytesOf(piece, folder);
    return joined;
}

std::vector<std::string> wordsOf(const std::string &step)
{
    std::vector<std::string> words;
    StringTools::forEachPiece(step, ' ', [&](std::string_view word) { words.emplace_back(word); });
    return words;
}

} // namespace

SessionTable::SessionTable(const std::string &path)
{
    const std::string folder = path.substr(0, path.find_last_of('/'));
    const nlohmann::json document = nlohmann::json::parse(readFile(path));
    for (const auto &[name, content] : document.at("files").items())
        files[name] = bytesOf(content, folder);
    for (const nlohmann::json &sequence : document.at("sequences")) {
        Sequence read{sequence.at("title").get<std::string>(), {}};
        for (const nlohmann::json &step : sequence.at("steps")) {
            Step one{wordsOf(step[0].get<std::string>()), {}};
            if (step.size() > 1)
                for (const auto &[key, value] : step[1].items())
                    one.expected[key] = bytesOf(value, folder);
            read.steps.push_back(std::move(one));
        }
        sequences.push_back(std::move(read));
    }
}

SessionTable::State SessionTable::startState()
{
    State state;
    for (const char *key : {"upper", "path", "lower", "summary", "message"})
        state[key] = "";
    state["placeholder"] = "QVR Code will be displayed here...";
    for (const char *key : {"convert", "save", "copy", "details"})
        state[key] = "off";
    return state;
}

std::string SessionTable::shownPart(const std::string &key, const std::string &value)
{
    return key == "upper" || key == "lower" ? std::string(CodeText::preview(value)) : value;
}

std::string SessionTable::comparableMessage(const std::string &message)
{
    const std::string unread = " could not be read: ";
    const std::size_t at = message.find(unread);
    return at == std::string::npos ? message : message.substr(0, at + unread.size()) + "...";
}

std::string SessionTable::difference(const State &expected, const State &seen)
{
    for (const auto &[key, value] : expected) {
        const auto found = seen.find(key);
        const std::string shown = found == seen.end() ? std::string("<nothing>") : found->second;
        if (shown != shownPart(key, value))
            return key + " is \"" + shown.substr(0, 200) + "\", not \"" + value.substr(0, 200) + "\"";
    }
    return {};
}
