#include "codebatch.h"

#include "convert/conversion.h"

#include <algorithm>
#include <set>

namespace {

// A name below the batch's folder: folders split at "/" or "\", with
// nothing that climbs out of it or names a drive.
std::string cleaned(std::string_view name)
{
    std::vector<std::string_view> parts;
    StringTools::forEachPiece(name, '/', [&](std::string_view piece) {
        StringTools::forEachPiece(piece, '\\', [&](std::string_view part) {
            if (part.empty() || part == ".")
                return;
            if (part == "..") {
                if (!parts.empty())
                    parts.pop_back();
                return;
            }
            parts.push_back(part);
        });
    });
    std::string path;
    for (const std::string_view part : parts) {
        if (!path.empty())
            path += '/';
        // "C:" makes no drive of the folder it lands in.
        path += part.size() == 2 && part[1] == ':' ? std::string(1, part[0]) : std::string(part);
    }
    return path.empty() ? "code.txt" : path;
}

// Case-blind, as a Windows or a macOS folder compares names.
std::string folded(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return lower;
}

// "codes/hero.txt", 2: "codes/hero (2).txt".
std::string numbered(const std::string &name, int number)
{
    const std::size_t folder = name.rfind('/') + 1;
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot <= folder)
        dot = name.size();
    return name.substr(0, dot) + " (" + std::to_string(number) + ")" + name.substr(dot);
}

} // namespace

bool CodeBatch::takesFromFolder(std::string_view name)
{
    bool hidden = false;
    StringTools::forEachPiece(name, '/', [&](std::string_view part) { hidden = hidden || part.substr(0, 1) == "."; });
    return !hidden && name.size() > 4 && folded(name.substr(name.size() - 4)) == ".txt";
}

CodeBatch::CodeBatch(std::vector<Input> inputs)
{
    for (Input &input : inputs)
        input.name = cleaned(input.name);
    std::stable_sort(inputs.begin(), inputs.end(),
                     [](const Input &a, const Input &b) { return a.name < b.name; });
    std::set<std::string> taken;
    mItems.reserve(inputs.size());
    for (Input &input : inputs) {
        Item item{std::move(input.source), input.name, false, Fate::Waiting, {}};
        for (int number = 2; !taken.insert(folded(item.target)).second; ++number) {
            item.target = numbered(input.name, number);
            item.renamed = true;
        }
        mItems.push_back(std::move(item));
    }
}

void CodeBatch::settle(std::size_t index, Fate fate, StepMessage said)
{
    Item &item = mItems.at(index);
    if (item.fate == Fate::Waiting)
        ++mDone;
    if (item.fate == Fate::Converted)
        --mConverted;
    if (fate == Fate::Converted)
        ++mConverted;
    item.fate = fate;
    item.said = std::move(said);
}

std::optional<std::string> CodeBatch::convert(std::size_t index, std::string bytes)
{
    ConversionReport report;
    ConversionResult result = Conversion::convertFile(std::move(bytes), &report);
    switch (result.outcome) {
    case ConversionOutcome::Converted:
        break;
    case ConversionOutcome::VersionRejected:
        settle(index, Fate::Refused, StepMessage(StepMessage::BatchRefusedVersion));
        return std::nullopt;
    case ConversionOutcome::Unconvertible:
        settle(index, Fate::Refused, StepMessage(StepMessage::BatchRefusedShape));
        return std::nullopt;
    }
    const Item &item = mItems.at(index);
    settle(index, Fate::Converted,
           item.renamed ? StepMessage(StepMessage::BatchConvertedRenamed, {report.summary(), item.target})
                        : StepMessage(StepMessage::BatchConverted, {report.summary()}));
    return std::move(result.code);
}

void CodeBatch::refuseCode(std::size_t index)
{
    settle(index, Fate::Refused, StepMessage(StepMessage::BatchRefusedVersion));
}

void CodeBatch::refuseUnreadable(std::size_t index, std::string_view reason)
{
    settle(index, Fate::Unreadable, StepMessage(StepMessage::BatchUnreadable, {std::string(reason)}));
}

void CodeBatch::refuseTooLarge(std::size_t index, std::uint64_t size, std::uint64_t largest)
{
    settle(index, Fate::TooLarge,
           StepMessage(StepMessage::BatchTooLarge, {StepMessage::sizeText(size), StepMessage::sizeText(largest)}));
}

void CodeBatch::notWritten(std::size_t index, std::string_view reason)
{
    settle(index, Fate::NotWritten, StepMessage(StepMessage::BatchNotWritten, {std::string(reason)}));
}

void CodeBatch::keep(std::size_t index)
{
    settle(index, Fate::Kept, StepMessage(StepMessage::BatchKept));
}

void CodeBatch::stop()
{
    mStopped = true;
    for (std::size_t index = 0; index < mItems.size(); ++index)
        if (mItems[index].fate == Fate::Waiting)
            settle(index, Fate::NotDone, StepMessage(StepMessage::BatchNotDone));
}

StepMessage CodeBatch::summary() const
{
    if (mItems.empty())
        return StepMessage(StepMessage::BatchEmpty);
    return StepMessage(mStopped ? StepMessage::BatchStopped : StepMessage::BatchDone, {std::to_string(mConverted)},
                       std::int64_t(mItems.size()));
}
