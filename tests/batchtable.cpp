#include "batchtable.h"

#include "codegenerator.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using Json = nlohmann::json;

std::filesystem::path pathOf(const std::string &folder, const std::string &name)
{
    return std::filesystem::u8path(folder) / std::filesystem::u8path(name);
}

void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// "many/code-0001.txt", ...
std::string generatedName(const Json &generate, int index)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", index + 1);
    return generate["folder"].get<std::string>() + "/code-" + number + ".txt";
}

} // namespace

BatchTable::BatchTable(const std::string &path)
{
    const Json table = Json::parse(std::ifstream(path));
    for (const Json &batch : table["batches"]) {
        Batch read{batch["title"], batch["given"].get<std::vector<std::string>>(), {}};
        if (batch["expected"].is_string()) {
            const Json &generate = batch["generate"];
            for (int index = 0; index < generate["codes"].get<int>(); ++index)
                read.expected.emplace_back(generatedName(generate, index), "Converted");
        } else {
            for (const Json &item : batch["expected"])
                read.expected.emplace_back(item[0], item[1]);
        }
        batches.push_back(std::move(read));
        mFiles.push_back(Json{{"files", batch.value("files", Json::object())},
                              {"generate", batch.value("generate", Json())}}.dump());
    }
}

void BatchTable::write(std::size_t batch, const std::string &folder) const
{
    const Json described = Json::parse(mFiles.at(batch));
    for (const auto &[name, content] : described["files"].items()) {
        const std::filesystem::path path = pathOf(folder, name);
        if (content.is_null()) {
            std::filesystem::create_directories(path);
        } else if (content.is_string()) {
            writeFile(path, content.get<std::string>());
        } else if (content.contains("head")) {
            // Sparse: as large as it says, and nothing on the disk.
            writeFile(path, content["head"].get<std::string>());
            std::filesystem::resize_file(path, content["megabytes"].get<std::uintmax_t>() << 20);
        }
    }
    const Json &generate = described["generate"];
    if (generate.is_object()) {
        CodeGenerator generator(generate["seed"].get<std::uint32_t>());
        for (int index = 0; index < generate["codes"].get<int>(); ++index)
            writeFile(pathOf(folder, generatedName(generate, index)), generator.code(generate["bytes"].get<std::size_t>()));
    }
}
