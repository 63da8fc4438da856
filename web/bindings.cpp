// The page's way into the session (convert/codesession.h), the same one the
// window holds: every step the page takes is one of its steps, and every
// text the page shows is one of its texts. Bytes come in through buffers the
// page allocates here; texts go out through qvr_text, which builds each one
// once and says where it lies and how long it is in one answer, so that the
// page reads the bytes right after it and before anything can grow memory.
#include "convert/codesession.h"

#include <emscripten.h>

#include <cstdint>
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

// Which controls are on, and what the upper pane shows.
enum State : unsigned {
    ConvertOn = 1,
    SaveOn = 2,
    CopyOn = 4,
    DetailsOn = 8,
    UpperShift = 4, // CodeSession::Upper, in the bits above
};

enum Text {
    UpperText, Placeholder, Path, ShownConversion, SaveName, Summary, Details, ClipboardName,
    UpperPreview, LowerPreview, UpperNote, LowerNote, // what a pane shows of a long code, and says of it
};

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char *qvr_buffer(std::size_t size)
{
    return static_cast<char *>(std::malloc(size ? size : 1));
}

EMSCRIPTEN_KEEPALIVE CodeSession::Ticket qvr_start_load()
{
    return session().startLoad();
}

// Takes both buffers and frees them; the results are CodeSession::Change.
EMSCRIPTEN_KEEPALIVE unsigned qvr_load(CodeSession::Ticket ticket, char *bytes, std::size_t size, char *name,
                                       std::size_t nameSize)
{
    const std::string source = taken(name, nameSize);
    return session().load(ticket, taken(bytes, size), source);
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_refuse_unreadable(CodeSession::Ticket ticket)
{
    return session().refuseUnreadable(ticket);
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_refuse_code(CodeSession::Ticket ticket)
{
    return session().refuseCode(ticket);
}

// Takes the buffer and frees it.
EMSCRIPTEN_KEEPALIVE int qvr_may_begin_code(char *head, std::size_t size)
{
    return CodeText::mayBeginCode(taken(head, size));
}

// The largest code the page takes: reading, converting and keeping one
// needs about three times its size, and the module's memory ends at 2 GiB.
EMSCRIPTEN_KEEPALIVE double qvr_largest_code()
{
    return double(std::size_t(256) << 20);
}

EMSCRIPTEN_KEEPALIVE unsigned qvr_cancel() { return session().cancel(); }
EMSCRIPTEN_KEEPALIVE unsigned qvr_convert() { return session().convert(); }
EMSCRIPTEN_KEEPALIVE unsigned qvr_clear() { return session().clear(); }

EMSCRIPTEN_KEEPALIVE unsigned qvr_state()
{
    const CodeSession &held = session();
    return (held.canConvert() ? ConvertOn : 0) | (held.canSave() ? SaveOn : 0) | (held.canCopy() ? CopyOn : 0)
        | (held.canShowDetails() ? DetailsOn : 0) | (unsigned(held.upper()) << UpperShift);
}

// Where a text lies (its first byte, then its size, as two 32-bit words),
// valid until the next call.
EMSCRIPTEN_KEEPALIVE const std::uint32_t *qvr_text(int which)
{
    static std::string built;
    static std::uint32_t where[2];
    const CodeSession &held = session();
    std::string_view text;
    switch (which) {
    case UpperText: text = held.upperText(); break;
    case Placeholder: text = held.placeholder(); break;
    case Path: text = held.path(); break;
    case ShownConversion: text = held.shownConversion(); break;
    case SaveName: text = built = held.saveName(); break;
    case Summary: text = built = held.summary(); break;
    case Details: text = built = held.details(); break;
    case ClipboardName: text = CodeSession::clipboardName; break;
    case UpperPreview: text = CodeText::preview(held.upperText()); break;
    case LowerPreview: text = CodeText::preview(held.shownConversion()); break;
    case UpperNote: text = built = CodeText::previewNote(held.upperText().size()); break;
    case LowerNote: text = built = CodeText::previewNote(held.shownConversion().size()); break;
    default: break;
    }
    where[0] = std::uint32_t(reinterpret_cast<std::uintptr_t>(text.data()));
    where[1] = std::uint32_t(text.size());
    return where;
}

} // extern "C"
