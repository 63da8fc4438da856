// The functions the page calls. Bytes cross in buffers the page allocates in
// the module's memory; results are read back from where these point.
#include "webconverter.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

WebConverter &converter()
{
    static WebConverter instance;
    return instance;
}

std::string taken(char *bytes, std::size_t size)
{
    std::string text(bytes, size);
    std::free(bytes);
    return text;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char *qvr_buffer(std::size_t size)
{
    return static_cast<char *>(std::malloc(size ? size : 1));
}

// Both take the buffer and free it.
EMSCRIPTEN_KEEPALIVE int qvr_load_file(char *bytes, std::size_t size)
{
    return converter().loadFile(taken(bytes, size));
}

EMSCRIPTEN_KEEPALIVE int qvr_load_text(char *text, std::size_t size)
{
    return converter().loadText(taken(text, size));
}

EMSCRIPTEN_KEEPALIVE void qvr_clear()
{
    converter().clear();
}

EMSCRIPTEN_KEEPALIVE const char *qvr_held_data() { return converter().heldCode().data(); }
EMSCRIPTEN_KEEPALIVE std::size_t qvr_held_size() { return converter().heldCode().size(); }
EMSCRIPTEN_KEEPALIVE const char *qvr_converted_data() { return converter().convertedCode().data(); }
EMSCRIPTEN_KEEPALIVE std::size_t qvr_converted_size() { return converter().convertedCode().size(); }
EMSCRIPTEN_KEEPALIVE const char *qvr_summary_data() { return converter().summary().data(); }
EMSCRIPTEN_KEEPALIVE std::size_t qvr_summary_size() { return converter().summary().size(); }
EMSCRIPTEN_KEEPALIVE const char *qvr_details_data() { return converter().details().data(); }
EMSCRIPTEN_KEEPALIVE std::size_t qvr_details_size() { return converter().details().size(); }

} // extern "C"
