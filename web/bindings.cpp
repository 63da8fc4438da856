// The page's way into the session (convert/codesession.h), the same one the
// window holds: every step the page takes is one of its steps, and every
// text the page shows is one of its texts. Bytes come in through buffers the
// page allocates here; texts go out through qvr_text, which builds each one
// once and says where it lies and how long it is in one answer, so that the
// page reads the bytes right after it and before anything can grow memory.
// The numbers and words the page uses are the session's own, handed over
// by qvr_constants: the page holds no copy of them.
#include "convert/codebatch.h"
#include "convert/codesession.h"
#include "convert/reportjson.h"

#include <emscripten.h>

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

CodeSession &session()
{
    static CodeSession instance;
    return instance;
}

// Several codes at once (CodeBatch), beside the session, which a batch
// leaves as it is: the latest one started.
std::optional<CodeBatch> &batch()
{
    static std::optional<CodeBatch> instance;
    return instance;
}

std::string taken(char *bytes, std::size_t size)
{
    std::string text(bytes, size);
    std::free(bytes);
    return text;
}

// Which controls are on (qvr_controls).
enum Control : unsigned { ConvertOn = 1, SaveOn = 2, CopyOn = 4, DetailsOn = 8 };

enum Text {
    UpperText, Placeholder, Source, ShownConversion, SaveName, Summary, Details, Message,
    UpperPreview, LowerPreview, UpperNote, LowerNote, // what a pane shows of a long code, and says of it
};

// The largest code the page takes: reading, converting and keeping one
// needs about three times its size, and the module's memory ends at 2 GiB.
constexpr std::uint64_t largestCode = std::uint64_t(256) << 20;
// A picked file up to this size is read whole at once and judged by its
// first bytes here; a larger one is judged by them before it is read. A
// second read and a trip to the worker took longer than reading a small
// file whole.
constexpr std::uint64_t readAtOnceUpTo = std::uint64_t(32) << 20;

using ReportJson::Json;

std::string constants()
{
    using S = CodeSession;
    using R = ConversionReport;
    Json messages = Json::object();
    for (unsigned kind = 0; kind < StepMessage::KindCount; ++kind)
        messages[std::string(StepMessage::nameOf(StepMessage::Kind(kind)))] = kind;
    Json constants = {
        {"change", {{"UpperPane", S::UpperPane}, {"PathLabel", S::PathLabel}, {"LowerPane", S::LowerPane},
                    {"Controls", S::Controls}, {"Message", S::Message}}},
        {"control", {{"Convert", ConvertOn}, {"Save", SaveOn}, {"Copy", CopyOn}, {"Details", DetailsOn}}},
        {"upper", {{"Nothing", S::Upper::Nothing}, {"Code", S::Upper::Code}, {"RefusedCode", S::Upper::RefusedCode},
                   {"UnreadableFile", S::Upper::UnreadableFile}}},
        {"text", {{"upper", UpperText}, {"placeholder", Placeholder}, {"source", Source},
                  {"shownConversion", ShownConversion}, {"saveName", SaveName}, {"summary", Summary},
                  {"details", Details}, {"message", Message}, {"upperPreview", UpperPreview},
                  {"lowerPreview", LowerPreview}, {"upperNote", UpperNote}, {"lowerNote", LowerNote}}},
        {"message", messages},
        {"fate", {{"Copied", R::Copied}, {"Changed", R::Changed}, {"Renumbered", R::Renumbered},
                  {"Dropped", R::Dropped}}},
        {"batchFate", {{"Waiting", CodeBatch::Fate::Waiting}, {"Converted", CodeBatch::Fate::Converted},
                       {"Refused", CodeBatch::Fate::Refused}, {"Unreadable", CodeBatch::Fate::Unreadable},
                       {"TooLarge", CodeBatch::Fate::TooLarge}, {"NotWritten", CodeBatch::Fate::NotWritten},
                       {"Kept", CodeBatch::Fate::Kept}, {"NotDone", CodeBatch::Fate::NotDone}}},
        {"numbers", {{"headBytes", CodeText::headBytes}, {"largestCode", largestCode},
                     {"previewBytes", CodeText::previewBytes}, {"messageMilliseconds", StepMessage::shownMilliseconds},
                     {"readWholeBelow", CodeBatch::readWholeBelow}, {"readAtOnceUpTo", readAtOnceUpTo}}},
        {"words", {{"clipboardName", S::clipboardName}, {"sharedName", S::sharedName},
                   {"upperPlaceholder", S::emptyPlaceholder}, {"lowerPlaceholder", S::lowerPlaceholder},
                   {"invalidCode", Conversion::invalidCodeMessage}, {"fates", Json::array()},
                   {"styles", Json::array()}, {"allCopied", ReportJson::said(S::allCopied())}, {"unshown", Json::array()}}},
    };
    // The fates and their marks, and what the details say of a segment
    // they do not show, as words with its position in "%1".
    Json &words = constants["words"];
    for (const auto fate : {R::Copied, R::Changed, R::Renumbered, R::Dropped}) {
        words["fates"].push_back(ReportJson::said(R::fateSaid(fate)));
        words["styles"].push_back(ReportJson::said(S::markStyle(fate)));
    }
    for (const auto why : {S::Unshown::BeyondCode, S::Unshown::Dropped, S::Unshown::BeyondConversion})
        words["unshown"].push_back(ReportJson::said(S::unshown(why, 0)).at("w"));
    return constants.dump();
}

// A code as the session cut it, [text, index of the mark or -1] a piece, so
// that the page lays it out as it comes, whatever the characters.
Json piecesOf(const std::vector<CodeSession::Piece> &pieces)
{
    Json json = Json::array();
    for (const CodeSession::Piece &piece : pieces)
        json.push_back({ReportJson::string(piece.text), piece.mark ? long(*piece.mark) : -1L});
    return json;
}

// The Conversion Details, as the page shows them (CodeSession::marked).
std::string markedJson(const CodeSession::Marked &marked)
{
    Json marks = Json::array();
    Json entries = Json::array();
    for (const ConversionReport::Entry &mark : marked.marks)
        marks.push_back(ReportJson::ofEntry(mark));
    for (const ConversionReport::Entry &entry : marked.entries)
        entries.push_back(ReportJson::ofEntry(entry));
    const Json json = {{"counts", marked.counts}, {"unlisted", marked.unlisted},
                       {"more", ReportJson::said(CodeSession::moreUnlisted(marked.unlisted))}, {"marks", std::move(marks)},
                       {"entries", std::move(entries)}, {"code", piecesOf(marked.code)},
                       {"conversion", piecesOf(marked.conversion)}};
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// What the last code of the batch converted into, until the next one.
std::string &batchOutput()
{
    static std::string output;
    return output;
}

// Where a text lies (its first byte, then its size, as two 32-bit words),
// valid until the next call.
const std::uint32_t *where(std::string_view text)
{
    static std::uint32_t where[2];
    where[0] = std::uint32_t(reinterpret_cast<std::uintptr_t>(text.data()));
    where[1] = std::uint32_t(text.size());
    return where;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char *qvr_buffer(std::size_t size)
{
    return static_cast<char *>(std::malloc(size ? size : 1));
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t *qvr_constants()
{
    static const std::string json = constants();
    return where(json);
}

EMSCRIPTEN_KEEPALIVE CodeSession::Ticket qvr_start_load()
{
    return session().startLoad();
}

// Each step takes the buffers it is given and frees them; it answers with
// what it changed (CodeSession::Change).
EMSCRIPTEN_KEEPALIVE unsigned qvr_load(CodeSession::Ticket ticket, char *bytes, std::size_t size, char *name,
                                       std::size_t nameSize)
{
    const std::string source = taken(name, nameSize);
    return session().load(ticket, taken(bytes, size), source);
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_load_shared(CodeSession::Ticket ticket, char *text, std::size_t size)
{
    return session().loadShared(ticket, taken(text, size));
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_refuse_unreadable(CodeSession::Ticket ticket, char *name, std::size_t nameSize,
                                                    char *reason, std::size_t reasonSize)
{
    const std::string source = taken(name, nameSize);
    return session().refuseUnreadable(ticket, source, taken(reason, reasonSize));
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_refuse_too_large(CodeSession::Ticket ticket, char *name, std::size_t nameSize,
                                                   double size)
{
    return session().refuseTooLarge(ticket, taken(name, nameSize), std::uint64_t(size), largestCode);
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_refuse_code(CodeSession::Ticket ticket, char *name, std::size_t nameSize)
{
    return session().refuseCode(ticket, taken(name, nameSize));
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_tell(unsigned kind, char *value, std::size_t valueSize)
{
    std::string said = taken(value, valueSize);
    if (kind >= StepMessage::KindCount)
        kind = StepMessage::None;
    return session().tell(StepMessage(StepMessage::Kind(kind), said.empty() ? std::vector<Said>()
                                                                               : std::vector<Said>{Said(said)}));
}

// A batch of the codes named in a JSON list, each its source the index it
// has there; answers with its items in the order they are converted:
// [{"source", "target", "renamed"}].
EMSCRIPTEN_KEEPALIVE const std::uint32_t *qvr_batch_start(char *names, std::size_t size)
{
    static std::string built;
    const Json listed = Json::parse(taken(names, size));
    std::vector<CodeBatch::Input> inputs;
    for (std::size_t index = 0; index < listed.size(); ++index)
        inputs.push_back({std::to_string(index), listed[index].get<std::string>()});
    batch().emplace(std::move(inputs));
    Json items = Json::array();
    for (const CodeBatch::Item &item : batch()->items())
        items.push_back({{"source", std::stoul(item.source)}, {"target", item.target}, {"renamed", item.renamed}});
    return where(built = items.dump(-1, ' ', false, Json::error_handler_t::replace));
}

// Whether a folder's file of this name is among its codes.
EMSCRIPTEN_KEEPALIVE int qvr_batch_takes(char *name, std::size_t size)
{
    return CodeBatch::takesFromFolder(taken(name, size));
}

// A code's bytes, taken and freed: its fate, and the bytes its conversion
// is saved as (qvr_batch_output) when it converted.
EMSCRIPTEN_KEEPALIVE int qvr_batch_convert(unsigned index, char *bytes, std::size_t size)
{
    static std::string nothing;
    batchOutput() = batch()->convert(index, taken(bytes, size)).value_or(nothing);
    return int(batch()->items().at(index).fate);
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t *qvr_batch_output()
{
    return where(batchOutput());
}

EMSCRIPTEN_KEEPALIVE void qvr_batch_refuse_code(unsigned index)
{
    batch()->refuseCode(index);
}

EMSCRIPTEN_KEEPALIVE void qvr_batch_refuse_unreadable(unsigned index, char *reason, std::size_t size)
{
    batch()->refuseUnreadable(index, taken(reason, size));
}

EMSCRIPTEN_KEEPALIVE void qvr_batch_refuse_too_large(unsigned index, double size)
{
    batch()->refuseTooLarge(index, std::uint64_t(size), largestCode);
}

EMSCRIPTEN_KEEPALIVE int qvr_batch_fate(unsigned index)
{
    return int(batch()->items().at(index).fate);
}

EMSCRIPTEN_KEEPALIVE void qvr_batch_stop()
{
    batch()->stop();
}

// What a code's fate says, or (for -1) what the whole batch says.
EMSCRIPTEN_KEEPALIVE const std::uint32_t *qvr_batch_said(int index)
{
    static std::string built;
    const StepMessage &said = index < 0 ? batch()->summary() : batch()->items().at(std::size_t(index)).said;
    return where(built = ReportJson::said(said.said()).dump());
}

// Takes the buffer and frees it.
EMSCRIPTEN_KEEPALIVE int qvr_may_begin_code(char *head, std::size_t size)
{
    return CodeText::mayBeginCode(taken(head, size));
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_cancel() { return session().cancel(); }
EMSCRIPTEN_KEEPALIVE unsigned qvr_convert() { return session().convert(); }
EMSCRIPTEN_KEEPALIVE unsigned qvr_clear() { return session().clear(); }

EMSCRIPTEN_KEEPALIVE unsigned qvr_controls()
{
    const CodeSession &held = session();
    return (held.canConvert() ? ConvertOn : 0) | (held.canSave() ? SaveOn : 0) | (held.canCopy() ? CopyOn : 0)
        | (held.canShowDetails() ? DetailsOn : 0);
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_upper() { return unsigned(session().upper()); }
EMSCRIPTEN_KEEPALIVE int qvr_message_failed() { return session().message().failed(); }

EMSCRIPTEN_KEEPALIVE const std::uint32_t *qvr_text(int which)
{
    static std::string built;
    const CodeSession &held = session();
    switch (which) {
    case UpperText: return where(held.upperText());
    case Placeholder: return where(held.placeholder());
    case Source: return where(held.source());
    case ShownConversion: return where(held.shownConversion());
    case SaveName: return where(built = held.saveName());
    case Summary: return where(built = ReportJson::said(held.summary()).dump());
    case Details: return where(built = markedJson(held.marked()));
    case Message: return where(built = ReportJson::said(held.message().said()).dump());
    case UpperPreview: return where(CodeText::preview(held.upperText()));
    case LowerPreview: return where(CodeText::preview(held.shownConversion()));
    case UpperNote: return where(built = ReportJson::said(CodeText::previewNote(held.upperText().size())).dump());
    case LowerNote: return where(built = ReportJson::said(CodeText::previewNote(held.shownConversion().size())).dump());
    default: return where({});
    }
}

} // extern "C"
