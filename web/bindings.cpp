// The page's way into the session (convert/codesession.h), the same one the
// window holds: every step the page takes is one of its steps, and every
// text the page shows is one of its texts. Bytes come in through buffers the
// page allocates here; texts go out through qvr_text, which builds each one
// once and says where it lies and how long it is in one answer, so that the
// page reads the bytes right after it and before anything can grow memory.
// The numbers and words the page uses are the session's own, handed over
// by qvr_constants: the page holds no copy of them.
#include "convert/codesession.h"

#include <emscripten.h>

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

CodeSession &session()
{
    static CodeSession instance;
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

struct Named
{
    const char *name;
    std::uint64_t value;
};

// {"name": value, ...}
template<std::size_t size>
std::string jsonObject(const Named (&members)[size])
{
    std::string json = "{";
    for (const Named &member : members)
        json.append(json.size() > 1 ? ",\"" : "\"").append(member.name).append("\":").append(std::to_string(member.value));
    return json + "}";
}

std::string constants()
{
    using S = CodeSession;
    static constexpr Named change[] = {{"UpperPane", S::UpperPane}, {"PathLabel", S::PathLabel}, {"LowerPane", S::LowerPane},
                                       {"Controls", S::Controls}, {"Message", S::Message}};
    static constexpr Named control[] = {{"Convert", ConvertOn}, {"Save", SaveOn}, {"Copy", CopyOn}, {"Details", DetailsOn}};
    static constexpr Named upper[] = {{"Nothing", unsigned(S::Upper::Nothing)}, {"Code", unsigned(S::Upper::Code)},
                                      {"RefusedCode", unsigned(S::Upper::RefusedCode)},
                                      {"UnreadableFile", unsigned(S::Upper::UnreadableFile)}};
    static constexpr Named text[] = {{"upper", UpperText}, {"placeholder", Placeholder}, {"source", Source},
                                     {"shownConversion", ShownConversion}, {"saveName", SaveName}, {"summary", Summary},
                                     {"details", Details}, {"message", Message}, {"upperPreview", UpperPreview},
                                     {"lowerPreview", LowerPreview}, {"upperNote", UpperNote}, {"lowerNote", LowerNote}};
    using R = ConversionReport;
    static constexpr Named fate[] = {{"Copied", R::Copied}, {"Changed", R::Changed}, {"Renumbered", R::Renumbered},
                                     {"Dropped", R::Dropped}};
    static constexpr Named numbers[] = {{"headBytes", CodeText::headBytes}, {"largestCode", largestCode},
                                        {"previewBytes", CodeText::previewBytes},
                                        {"messageMilliseconds", StepMessage::shownMilliseconds}};
    std::string messages = "{";
    for (unsigned kind = 0; kind < StepMessage::KindCount; ++kind)
        messages.append(kind ? ",\"" : "\"").append(StepMessage::nameOf(StepMessage::Kind(kind))).append("\":")
            .append(std::to_string(kind));
    return "{\"change\":" + jsonObject(change) + ",\"control\":" + jsonObject(control) + ",\"upper\":" + jsonObject(upper)
        + ",\"text\":" + jsonObject(text) + ",\"message\":" + messages + "},\"fate\":" + jsonObject(fate)
        + ",\"numbers\":" + jsonObject(numbers)
        + ",\"words\":{\"clipboardName\":" + ConversionReport::jsonString(S::clipboardName)
        + ",\"upperPlaceholder\":" + ConversionReport::jsonString(S::emptyPlaceholder)
        + ",\"lowerPlaceholder\":" + ConversionReport::jsonString(S::lowerPlaceholder) + ",\"fates\":[\""
        + std::string(R::fateName(R::Copied)) + "\",\"" + std::string(R::fateName(R::Changed)) + "\",\""
        + std::string(R::fateName(R::Renumbered)) + "\",\"" + std::string(R::fateName(R::Dropped)) + "\"]}}";
}

// A code cut where its marks begin and end: plain pieces and marked ones,
// as [text, index of the mark or -1], so that the page lays it out as it
// comes, whatever the characters.
std::string piecesOf(std::string_view text, const std::vector<ConversionReport::Entry> &marks, bool conversion)
{
    std::string json = "[";
    std::size_t written = 0;
    const auto piece = [&](std::size_t end, long mark) {
        if (end > written)
            json.append(json.size() > 1 ? ",[" : "[").append(ConversionReport::jsonString(text.substr(written, end - written)))
                .append(",").append(std::to_string(mark)).append("]");
        written = end;
    };
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const auto range = conversion ? marks[i].output : std::optional(marks[i].input);
        if (!range || range->start < written || range->start >= text.size())
            continue;
        piece(range->start, -1);
        piece(std::min(text.size(), range->start + range->length), long(i));
    }
    piece(text.size(), -1);
    return json + "]";
}

std::string entryJson(const ConversionReport::Entry &entry)
{
    return "{\"position\":" + std::to_string(entry.position) + ",\"fate\":" + std::to_string(int(entry.fate))
        + ",\"segment\":" + ConversionReport::jsonString(entry.segment) + ",\"reason\":"
        + ConversionReport::jsonString(entry.reason) + "}";
}

// The Conversion Details, as the page shows them (CodeSession::marked).
std::string markedJson(const CodeSession::Marked &marked)
{
    std::string marks, entries;
    for (const ConversionReport::Entry &mark : marked.marks)
        marks.append(marks.empty() ? "" : ",").append(entryJson(mark));
    for (const ConversionReport::Entry &entry : marked.entries)
        entries.append(entries.empty() ? "" : ",").append(entryJson(entry));
    return "{\"counts\":[" + std::to_string(marked.counts[0]) + "," + std::to_string(marked.counts[1]) + ","
        + std::to_string(marked.counts[2]) + "," + std::to_string(marked.counts[3]) + "],\"unlisted\":"
        + std::to_string(marked.unlisted) + ",\"marks\":[" + marks + "],\"entries\":[" + entries
        + "],\"code\":" + piecesOf(marked.code, marked.marks, false)
        + ",\"conversion\":" + piecesOf(marked.conversion, marked.marks, true) + "}";
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
    return session().tell(StepMessage(StepMessage::Kind(kind), said.empty() ? std::vector<std::string>()
                                                                               : std::vector<std::string>{said}));
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
    case Summary: return where(built = held.summary());
    case Details: return where(built = markedJson(held.marked()));
    case Message: return where(built = held.message().text());
    case UpperPreview: return where(CodeText::preview(held.upperText()));
    case LowerPreview: return where(CodeText::preview(held.shownConversion()));
    case UpperNote: return where(built = CodeText::previewNote(held.upperText().size()));
    case LowerNote: return where(built = CodeText::previewNote(held.shownConversion().size()));
    default: return where({});
    }
}

} // extern "C"
