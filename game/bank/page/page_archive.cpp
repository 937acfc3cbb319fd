#include "game/bank/page/page_archive.h"
#include "game/bank/sheet.h"

#include <cstdlib>
#include <emscripten.h>
#include <memory>
#include <vector>

// The page's sheet reader, one archive open at a time. Kept from clang-format, which would
// split JavaScript's operators.
// clang-format off
EM_JS(int, sheets_ready, (), { return globalThis.ruvantiaSheets ? 1 : 0; });
EM_JS(int, sheets_open, (const char* bytes, int length, int most_entries, int most_bytes), {
    Module.sheet = globalThis.ruvantiaSheets.open(HEAPU8.slice(bytes, bytes + length), most_entries, most_bytes);
    return Module.sheet.status;
});
EM_JS(int, sheets_has, (const char* entry), { return Module.sheet.has(UTF8ToString(entry)) ? 1 : 0; });
EM_JS(char*, sheets_entry, (const char* entry, int* length), {
    const bytes = new TextEncoder().encode(Module.sheet.entry(UTF8ToString(entry)));
    const at = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, at);
    HEAP32[length >> 2] = bytes.length;
    return at;
});
EM_JS(void, sheets_close, (), { delete Module.sheet; });
// clang-format on

namespace bank {

namespace {

// What the reader's entry() answers: one letter, then the walk or what went wrong.
constexpr char kWalk = 'W', kMissing = 'M', kTooMuch = 'L', kNotUnpacked = 'U', kNotXml = 'X';
// In a walk, each of these opens a token that runs to the next: XML text cannot hold them.
constexpr char kStart = '\x01', kAttribute = '\x02', kValue = '\x03', kText = '\x04', kEnd = '\x05';

bool is_mark(char c)
{
    return c >= kStart && c <= kEnd;
}

// Calls the handler as expat would, from the reader's events, until it is done or finds a fault.
void replay(std::string_view events, XmlHandler& handler)
{
    std::string name;
    std::vector<std::string> attributes; // name, value, name, value...
    std::vector<const char*> list;
    auto flush = [&] {
        if (name.empty())
            return;
        list.clear();
        for (const std::string& a : attributes)
            list.push_back(a.c_str());
        list.push_back(nullptr);
        handler.start(name, list.data());
        name.clear();
        attributes.clear();
    };
    std::size_t at = 0;
    while (at < events.size() && !handler.done && handler.fault.empty()) {
        const char mark = events[at];
        std::size_t next = at + 1;
        while (next < events.size() && !is_mark(events[next]))
            ++next;
        const std::string_view token = events.substr(at + 1, next - at - 1);
        at = next;
        if (mark == kAttribute) {
            attributes.emplace_back(token);
            attributes.emplace_back();
        } else if (mark == kValue && !attributes.empty()) {
            attributes.back() = token;
        } else {
            flush();
            if (handler.done || !handler.fault.empty())
                break;
            if (mark == kStart)
                name = token;
            else if (mark == kText)
                handler.text(token);
            else if (mark == kEnd)
                handler.end(token);
        }
    }
    if (!handler.done && handler.fault.empty())
        flush();
}

} // namespace

PageArchive::PageArchive(std::string_view bytes)
{
    const int status = sheets_open(bytes.data(), static_cast<int>(bytes.size()), static_cast<int>(kMaxZipEntries),
        static_cast<int>(kMaxUnpackedBytes));
    zip_ = status != 0;
    if (status == 2)
        fault_ = too_many_parts();
}

PageArchive::~PageArchive()
{
    sheets_close();
}

bool PageArchive::ready()
{
    return sheets_ready() != 0;
}

bool PageArchive::has(const std::string& entry) const
{
    return zip_ && fault_.empty() && sheets_has(entry.c_str()) != 0;
}

bool PageArchive::walk(const std::string& entry, XmlHandler& handler)
{
    if (!fault_.empty())
        return false;
    int length = 0;
    const std::unique_ptr<char, decltype(&std::free)> answer(sheets_entry(entry.c_str(), &length), &std::free);
    const std::string_view said(answer.get(), static_cast<std::size_t>(length));
    const char what = said.empty() ? kNotUnpacked : said[0];
    if (what == kWalk) {
        replay(said.substr(1), handler);
        fault_ = handler.fault;
    } else if (what == kMissing) {
        fault_ = missing_part(entry);
    } else if (what == kTooMuch) {
        fault_ = too_large_unpacked();
    } else if (what == kNotXml) {
        fault_ = not_xml(entry, std::atol(std::string(said.substr(1)).c_str()));
    } else {
        fault_ = not_unpacked(entry);
    }
    return fault_.empty();
}

} // namespace bank
