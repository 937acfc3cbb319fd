#include "game/bank/files/zip_archive.h"

#include <array>
#include <cstring>
#include <dlfcn.h>
#include <expat.h>
#include <zip.h> // for its types and constants: the functions come from libzip(), below

namespace bank {

namespace {

// The libzip functions the archive calls.
#define RUVANTIA_LIBZIP_FUNCTIONS(F)                                                                                   \
    F(zip_error_init)                                                                                                  \
    F(zip_error_fini)                                                                                                  \
    F(zip_error_code_zip)                                                                                              \
    F(zip_source_buffer_create)                                                                                        \
    F(zip_source_free)                                                                                                 \
    F(zip_open_from_source)                                                                                            \
    F(zip_get_num_entries)                                                                                             \
    F(zip_get_error)                                                                                                   \
    F(zip_discard)                                                                                                     \
    F(zip_name_locate)                                                                                                 \
    F(zip_stat_index)                                                                                                  \
    F(zip_fopen_index)                                                                                                 \
    F(zip_fread)                                                                                                       \
    F(zip_fclose)

struct Libzip {
#define RUVANTIA_LIBZIP_POINTER(name) decltype(&::name) name = nullptr;
    RUVANTIA_LIBZIP_FUNCTIONS(RUVANTIA_LIBZIP_POINTER)
#undef RUVANTIA_LIBZIP_POINTER
    bool loaded = false;
};

// libzip, loaded the first time a spreadsheet's archive is opened and kept for the rest of the
// show. Linked to the program, it would bring libcrypto and libbz2 with it into every start, some
// 1.6 MB of memory and their relocations, for the few shows that are ever played from a
// spreadsheet; a text pack never needs it.
const Libzip& libzip()
{
    static const Libzip lib = [] {
        Libzip z;
        void* handle = nullptr;
        for (const char* name : {"libzip.so.4", "libzip.so"}) {
            if ((handle = dlopen(name, RTLD_NOW | RTLD_LOCAL)))
                break;
        }
        if (!handle)
            return z;
        z.loaded = true;
#define RUVANTIA_LIBZIP_RESOLVE(name)                                                                                  \
    z.name = reinterpret_cast<decltype(z.name)>(dlsym(handle, #name));                                                 \
    z.loaded = z.loaded && z.name;
        RUVANTIA_LIBZIP_FUNCTIONS(RUVANTIA_LIBZIP_RESOLVE)
#undef RUVANTIA_LIBZIP_RESOLVE
        return z;
    }();
    return lib;
}

// Expat's callbacks, on to the handler; a document type is refused, so no entity is ever defined.
struct Walk {
    XML_Parser parser;
    XmlHandler& handler;
    bool doctype = false;

    void stop_if_done()
    {
        if (handler.done || !handler.fault.empty())
            XML_StopParser(parser, XML_FALSE);
    }
};

void XMLCALL on_start(void* data, const XML_Char* name, const XML_Char** attributes)
{
    auto* w = static_cast<Walk*>(data);
    w->handler.start(name, attributes);
    w->stop_if_done();
}

void XMLCALL on_end(void* data, const XML_Char* name)
{
    auto* w = static_cast<Walk*>(data);
    w->handler.end(name);
    w->stop_if_done();
}

void XMLCALL on_text(void* data, const XML_Char* s, int length)
{
    auto* w = static_cast<Walk*>(data);
    w->handler.text({s, static_cast<std::size_t>(length)});
    w->stop_if_done();
}

void XMLCALL on_doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
{
    auto* w = static_cast<Walk*>(data);
    w->doctype = true;
    XML_StopParser(w->parser, XML_FALSE);
}

} // namespace

ZipArchive::ZipArchive(std::string_view bytes)
{
    const Libzip& z = libzip();
    if (!z.loaded) {
        fault_ = "manca la libreria libzip, che apre i fogli di Excel e di LibreOffice: installa il pacchetto libzip4";
        return;
    }
    zip_error_t error;
    z.zip_error_init(&error);
    zip_source_t* source = z.zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source)
        zip_ = z.zip_open_from_source(source, ZIP_RDONLY, &error);
    if (source && !zip_)
        z.zip_source_free(source);
    z.zip_error_fini(&error);
    if (zip_ && z.zip_get_num_entries(zip_, 0) > kMaxZipEntries) {
        fault_ = too_many_parts();
    }
}

ZipArchive::~ZipArchive()
{
    if (zip_)
        libzip().zip_discard(zip_);
}

bool ZipArchive::has(const std::string& entry) const
{
    return zip_ && fault_.empty() && libzip().zip_name_locate(zip_, entry.c_str(), 0) >= 0;
}

bool ZipArchive::unpack(const std::string& entry, auto&& take)
{
    if (!fault_.empty())
        return false;
    const Libzip& z = libzip();
    const zip_int64_t index = zip_ ? z.zip_name_locate(zip_, entry.c_str(), 0) : -1;
    if (index < 0) {
        fault_ = missing_part(entry);
        return false;
    }
    const std::string too_large = too_large_unpacked();
    zip_stat_t st;
    if (z.zip_stat_index(zip_, static_cast<zip_uint64_t>(index), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)
        && st.size > budget_) {
        fault_ = too_large;
        return false;
    }
    zip_file_t* file = z.zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        const int code = z.zip_error_code_zip(z.zip_get_error(zip_));
        fault_ = code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP
            ? "il file è protetto da una password: salvalo di nuovo senza password"
            : not_unpacked(entry);
        return false;
    }
    // Whatever the archive says of its sizes, no more than the budget is ever unpacked.
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const zip_int64_t n = z.zip_fread(file, buffer.data(), buffer.size());
        if (n < 0) {
            fault_ = not_unpacked(entry);
            break;
        }
        if (static_cast<std::size_t>(n) > budget_) {
            fault_ = too_large;
            break;
        }
        budget_ -= static_cast<std::size_t>(n);
        if (!take(std::string_view(buffer.data(), static_cast<std::size_t>(n)), n == 0) || n == 0)
            break;
    }
    z.zip_fclose(file);
    return fault_.empty();
}

bool ZipArchive::walk(const std::string& entry, XmlHandler& handler)
{
    XML_Parser parser = XML_ParserCreateNS(nullptr, '|');
    Walk w {parser, handler};
    XML_SetUserData(parser, &w);
    XML_SetElementHandler(parser, on_start, on_end);
    XML_SetCharacterDataHandler(parser, on_text);
    XML_SetStartDoctypeDeclHandler(parser, on_doctype);
    const bool unpacked = unpack(entry, [&](std::string_view chunk, bool last) {
        if (XML_Parse(parser, chunk.data(), static_cast<int>(chunk.size()), last) == XML_STATUS_OK)
            return true;
        // Stopped by the handler, which has what it came for or found a fault of its own.
        const bool stopped = XML_GetErrorCode(parser) == XML_ERROR_ABORTED && !w.doctype;
        if (!stopped)
            fault_ = not_xml(entry, static_cast<long>(XML_GetCurrentLineNumber(parser)));
        return false;
    });
    XML_ParserFree(parser);
    if (unpacked && !handler.fault.empty())
        fault_ = handler.fault;
    return fault_.empty();
}

} // namespace bank
