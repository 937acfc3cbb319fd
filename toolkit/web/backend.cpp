#include "toolkit/web/backend.h"

#include "toolkit/inspect.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tk::web {

namespace {

// The page's side of the drawing: ruvantia.js hands these to the canvases and panels.
// clang-format off
EM_JS(void, page_open, (const char* form, const char* caption, int dialog), {
    Module.page.open(UTF8ToString(form), UTF8ToString(caption), dialog !== 0);
});
EM_JS(void, page_close, (const char* form), { Module.page.close(UTF8ToString(form)); });
EM_JS(void, page_caption, (const char* form, const char* caption), {
    Module.page.caption(UTF8ToString(form), UTF8ToString(caption));
});
EM_JS(void, page_stack, (const char* form, int level), { Module.page.stack(UTF8ToString(form), level); });
EM_JS(void, page_place, (const char* form, int x, int y, int w, int h, int pw, int ph), {
    Module.page.place(UTF8ToString(form), x, y, w, h, pw, ph);
});
EM_JS(void, page_begin, (const char* form), { Module.page.begin(UTF8ToString(form)); });
EM_JS(void, page_end, (), { Module.page.end(); });
EM_JS(void, page_clip, (int x, int y, int w, int h), { Module.page.clip(x, y, w, h); });
EM_JS(void, page_fill, (int x, int y, int w, int h, int color), { Module.page.fill(x, y, w, h, color); });
EM_JS(void, page_text, (const char* family, int pixels, int ascent, const char* text, int length,
                        const int* xs, int count, int x, int y, int color), {
    Module.page.text(UTF8ToString(family), pixels, ascent, UTF8ToString(text, length),
                     HEAP32.subarray(xs >> 2, (xs >> 2) + count), x, y, color);
});
EM_JS(void, page_line, (double x1, double y1, double x2, double y2, double width, int color), {
    Module.page.line(x1, y1, x2, y2, width, color);
});
EM_JS(void, page_picture, (const char* source, int x, int y, int w, int h), {
    Module.page.picture(UTF8ToString(source), x, y, w, h);
});
EM_JS(void, page_cursor, (int hand), { Module.page.cursor(hand !== 0); });
EM_JS(void, page_ended, (), { Module.page.ended(); });
EM_JS(void, page_reader, (const char* form, const char* items), {
    Module.page.reader(UTF8ToString(form), JSON.parse(UTF8ToString(items)));
});
EM_JS(void, page_announce, (const char* text), { Module.page.announce(UTF8ToString(text)); });
// clang-format on

std::string text_of(std::string_view s)
{
    return std::string(s);
}

} // namespace

void append_json(std::string& out, std::string_view s)
{
    out += '"';
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            out += code;
        } else {
            out += c;
        }
    }
    out += '"';
}

Backend::Backend(Runtime& runtime, PageClock& clock, FontTable& fonts)
    : runtime_(runtime)
    , clock_(clock)
    , driver_(runtime, clock, this)
    , painter_(fonts)
    , canvas_(fonts)
{
}

void Backend::keep_trace()
{
    if (tracer_)
        return;
    tracer_ = std::make_unique<Tracer>(runtime_, [this](std::string_view line) {
        // Each line with how long after its moment it was made: the page's timing, for the bench.
        lines_.emplace_back(line);
        lateness_.push_back(clock_.now_exact() - static_cast<double>(runtime_.now()));
    });
    runtime_.add_observer(tracer_.get());
}

Backend::~Backend()
{
    if (tracer_)
        runtime_.remove_observer(tracer_.get());
    for (auto& [form, panel] : panels_)
        page_close(text_of(form->name()).c_str());
}

double Backend::step()
{
    Driver::Step s = driver_.step();
    after_input();
    return s.wake && !runtime_.finished() ? *s.wake : -1.0;
}

void Backend::after_input()
{
    if (runtime_.finished() && !end_told_) {
        end_told_ = true;
        if (tracer_)
            tracer_->end();
        for (auto it = panels_.begin(); it != panels_.end(); it = panels_.erase(it))
            page_close(text_of(it->first->name()).c_str());
        page_ended();
    }
}

Form* Backend::shown_form(std::string_view name)
{
    Form* f = runtime_.form(name);
    return f && panels_.count(f) ? f : nullptr;
}

void Backend::pointer(std::string_view name, PointerKind kind, double x, double y)
{
    Form* form = shown_form(name);
    if (!form || runtime_.finished())
        return;
    const Panel& panel = panels_.at(form);
    PixelRect out = backing(panel);
    // From CSS pixels of the canvas to its own pixels.
    int px = static_cast<int>(std::floor(x * out.w / std::max(1, panel.client.w)));
    int py = static_cast<int>(std::floor(y * out.h / std::max(1, panel.client.h)));
    static constexpr Input::Kind kKinds[]
        = {Input::Kind::Move, Input::Kind::Press, Input::Kind::Release, Input::Kind::Leave};
    driver_.input({kKinds[static_cast<int>(kind) & 3], clock_.now(), form, px, py});
    after_input();
}

void Backend::close(std::string_view name)
{
    if (Form* form = shown_form(name)) {
        driver_.input({Input::Kind::Close, clock_.now(), form});
        after_input();
    }
}

void Backend::choose(std::string_view name, std::string_view control, int index)
{
    if (Form* form = shown_form(name); form && !runtime_.finished()) {
        driver_.input({Input::Kind::Choose, clock_.now(), form, 0, 0, std::string(control), index});
        after_input();
    }
}

bool Backend::key(std::string_view key)
{
    if (runtime_.finished())
        return false;
    bool bound = driver_.key(nullptr, key, clock_.now());
    after_input();
    return bound;
}

void Backend::resume()
{
    runtime_.reanchor(clock_.now(), 0);
}

void Backend::expose_all()
{
    for (Form* f : order_)
        driver_.exposed(*f);
}

void Backend::resize(double width, double height, double density, double bar)
{
    width_ = width;
    height_ = height;
    density_ = density > 0 ? density : 1.0;
    bar_ = bar;
    // One scale for every window: the largest fits the page whole, title bar included.
    BoardSize board = largest_client(runtime_.forms());
    scale_ = std::max(0.1, std::min(width / board.w, (height - bar) / board.h));
    for (Form* f : order_) {
        place(*f);
        describe(*f);
    }
    expose_all();
}

PixelRect Backend::backing(const Panel& p) const
{
    return PixelRect {0, 0, std::max(1, static_cast<int>(std::lround(p.client.w * density_))),
        std::max(1, static_cast<int>(std::lround(p.client.h * density_)))};
}

// Where a window's client area lies on the page: a window of its own centred, a dialog over the
// window it belongs to, where the desktop opens it.
void Backend::place(Form& form)
{
    Panel& panel = panels_[&form];
    PixelRect size = client_size(form.design(), scale_);
    PixelRect page {0, 0, static_cast<int>(width_), static_cast<int>(height_)};
    Form* owner = form.design().owner.empty() ? nullptr : runtime_.form(form.design().owner);
    auto owner_panel = owner ? panels_.find(owner) : panels_.end();
    if (owner_panel != panels_.end() && owner_panel != panels_.find(&form)) {
        const PixelRect& o = owner_panel->second.client;
        Viewport view = fit(owner->design(), o.w, o.h);
        panel.client = placement(form.design(), size.w, size.h, page, &o, &view);
        // The title bar stays on the page.
        panel.client.y = std::max(panel.client.y, static_cast<int>(bar_));
    } else {
        int total = size.h + static_cast<int>(bar_);
        panel.client = PixelRect {
            (page.w - size.w) / 2, std::max(0, (page.h - total) / 2) + static_cast<int>(bar_), size.w, size.h};
    }
    PixelRect out = backing(panel);
    page_place(
        text_of(form.name()).c_str(), panel.client.x, panel.client.y, panel.client.w, panel.client.h, out.w, out.h);
}

void Backend::sync_windows()
{
    for (auto it = panels_.begin(); it != panels_.end();) {
        if (!it->first->shown()) {
            driver_.forget(*it->first);
            announcer_.forget(*it->first);
            page_close(text_of(it->first->name()).c_str());
            order_.erase(std::find(order_.begin(), order_.end(), it->first));
            it = panels_.erase(it);
        } else {
            ++it;
        }
    }
    for (Form* form : runtime_.stacking()) {
        if (panels_.count(form))
            continue;
        page_open(text_of(form->name()).c_str(), form->Caption.c_str(), !form->design().owner.empty());
        panels_[form].caption = form->Caption;
        order_.push_back(form);
        place(*form);
    }
    // The page hears of a title or a stacking only when it changes: a blink of the invitation
    // touches nothing but the canvas.
    for (auto& [form, panel] : panels_) {
        if (panel.caption != form->Caption) {
            panel.caption = form->Caption;
            page_caption(text_of(form->name()).c_str(), form->Caption.c_str());
        }
    }
    // The form shown last is in front.
    const std::vector<Form*>& stacking = runtime_.stacking();
    for (std::size_t i = 0; i < stacking.size(); ++i) {
        auto it = panels_.find(stacking[i]);
        if (it != panels_.end() && it->second.level != static_cast<int>(i) + 1) {
            it->second.level = static_cast<int>(i) + 1;
            page_stack(text_of(stacking[i]->name()).c_str(), it->second.level);
        }
    }
    // What a screen reader finds changes with the show, and the page hears of it only then; the
    // texts said aloud are said front window last.
    for (Form* f : order_)
        describe(*f);
    if (!reading_)
        return;
    for (Form* f : stacking)
        for (const std::string& text : announcer_.news(*f))
            page_announce(text.c_str());
}

// A window's texts, buttons and list for a screen reader, each over its control (CSS pixels of
// the canvas), told to the page when they change: {"inert": …, "items": [[kind, control, name,
// index, on, x, y, w, h], …]}.
void Backend::describe(Form& form)
{
    if (!reading_)
        return;
    Panel& panel = panels_.at(&form);
    bool takes = driver_.takes_input(form);
    Viewport view = fit(form.design(), panel.client.w, panel.client.h);
    static constexpr const char* kKinds[] = {"text", "button", "item"};
    std::string out = takes ? "{\"inert\":false,\"items\":[" : "{\"inert\":true,\"items\":[";
    bool first = true;
    for (const ReaderItem& item : reader_items(form, takes)) {
        PixelRect r = view.rect(item.x, item.y, item.w, item.h);
        char place[96];
        std::snprintf(
            place, sizeof place, ",%d,%s,%d,%d,%d,%d]", item.index, item.on ? "true" : "false", r.x, r.y, r.w, r.h);
        out += first ? "[" : ",[";
        first = false;
        append_json(out, kKinds[static_cast<int>(item.kind)]);
        out += ',';
        append_json(out, item.control);
        out += ',';
        append_json(out, item.name);
        out += place;
    }
    out += "]}";
    if (out != panel.reader) {
        panel.reader = std::move(out);
        page_reader(text_of(form.name()).c_str(), panel.reader.c_str());
    }
}

std::optional<PixelRect> Backend::output_size(Form& form)
{
    auto it = panels_.find(&form);
    if (it == panels_.end())
        return std::nullopt;
    return backing(it->second);
}

void Backend::draw(Form& form, const Viewport& view, const Tip* tip, const std::vector<PixelRect>& regions)
{
    auto it = panels_.find(&form);
    if (it == panels_.end())
        return;
    PixelRect out = backing(it->second);
    page_begin(text_of(form.name()).c_str());
    painter_.paint(form, view, regions, canvas_);
    if (tip)
        painter_.paint_tooltip(*tip, out.w, out.h, scale_ * density_, regions, canvas_);
    page_end();
}

PixelRect Backend::tip_area(Form& form, const Tip& tip)
{
    auto it = panels_.find(&form);
    if (it == panels_.end())
        return {};
    PixelRect out = backing(it->second);
    return painter_.tooltip_area(tip, out.w, out.h, scale_ * density_);
}

void Backend::show_cursor(Cursor cursor)
{
    page_cursor(cursor == Cursor::Hand ? 1 : 0);
}

void PageCanvas::clip(const PixelRect& r)
{
    page_clip(r.x, r.y, r.w, r.h);
}

void PageCanvas::fill(const PixelRect& r, Color color)
{
    page_fill(r.x, r.y, r.w, r.h, static_cast<int>(color));
}

void PageCanvas::text(const Typeface& font, int pixels, const PlacedLine& line, Color color)
{
    FontTable& table = fonts_;
    std::optional<FaceMetrics> face = table.face(font, pixels);
    if (!face)
        return;
    std::vector<int> xs = table.positions(font, pixels, line.text);
    std::string family(FontTable::family(font));
    page_text(family.c_str(), pixels, face->ascent, line.text.data(), static_cast<int>(line.text.size()), xs.data(),
        static_cast<int>(xs.size()), line.x, line.y, static_cast<int>(color));
}

void PageCanvas::line(double x1, double y1, double x2, double y2, double width, Color color)
{
    page_line(x1, y1, x2, y2, width, static_cast<int>(color));
}

void PageCanvas::picture(std::string_view source, const PixelRect& at, const PixelRect&)
{
    page_picture(text_of(source).c_str(), at.x, at.y, at.w, at.h);
}

PixelRect paint_still(Form& form, std::string_view name, int width, const Rect& area, FontTable& fonts)
{
    const FormDesign& d = form.design();
    const Viewport view = fit(d, width, width * d.ClientHeight / d.ClientWidth);
    const PixelRect region = view.rect(area.x, area.y, area.w, area.h);
    WindowPainter painter(fonts);
    PageCanvas canvas(fonts);
    page_begin(text_of(name).c_str());
    painter.paint(form, view, {region}, canvas);
    page_end();
    return region;
}

std::string Backend::rect(std::string_view name, std::string_view control, int index)
{
    Form* form = shown_form(name);
    if (!form)
        return {};
    std::optional<Rect> r = control_rect(*form, control, index);
    if (!r)
        return {};
    const Panel& panel = panels_.at(form);
    Viewport view = fit(form->design(), panel.client.w, panel.client.h);
    PixelRect c = view.rect(r->x, r->y, r->w, r->h);
    char out[96];
    std::snprintf(out, sizeof out, "%d,%d,%d,%d", panel.client.x + c.x, panel.client.y + c.y, c.w, c.h);
    return out;
}

} // namespace tk::web
