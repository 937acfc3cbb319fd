// The page's windows: one panel with a title bar and a canvas for every shown form, the
// browser's pointer turned into the driver's inputs, and one step of the show each time the page
// wakes. Over each canvas lies what a screen reader finds in the window (toolkit/reader.h), and
// the texts said aloud go to the page's live region. The page's script (page/ruvantia.js) owns
// the elements; this decides what they show.
#pragma once

#include "toolkit/driver.h"
#include "toolkit/inspect.h"
#include "toolkit/paint.h"
#include "toolkit/reader.h"
#include "toolkit/runtime.h"
#include "toolkit/tracer.h"
#include "toolkit/web/font_table.h"
#include "toolkit/web/page_clock.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk::web {

// The page's canvases as the painter's: what it is handed goes to the page's script, to the canvas
// of the window that page.begin() named.
class PageCanvas final : public Canvas {
public:
    explicit PageCanvas(FontTable& fonts)
        : fonts_(fonts)
    {
    }
    void clip(const PixelRect& r) override;
    void fill(const PixelRect& r, Color color) override;
    void text(const Typeface& font, int pixels, const PlacedLine& line, Color color) override;
    void line(double x1, double y1, double x2, double y2, double width, Color color) override;
    void picture(std::string_view source, const PixelRect& at, const PixelRect& region) override;

private:
    FontTable& fonts_;
};

// A loaded window that no show runs, as it stands, painted at WIDTH CSS pixels wide into the
// page's canvas named NAME: only the part AREA (twips) covers, which is returned in pixels of
// that width. The page's editor shows a question on the board this way.
PixelRect paint_still(Form& form, std::string_view name, int width, const Rect& area, FontTable& fonts);

// S as a JSON string, quotes and all, at the end of OUT.
void append_json(std::string& out, std::string_view s);

// What the page can feel of a pointer.
enum class PointerKind : int { Move = 0, Press = 1, Release = 2, Leave = 3 };

class Backend final : public Display {
public:
    // The text is measured with `fonts`, the very numbers the desktop's fonts give.
    Backend(Runtime& runtime, PageClock& clock, FontTable& fonts);
    ~Backend() override;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // Runs what is due and redraws what changed. Returns when to wake next (the clock's ms), or a
    // negative number when only the player can move the show on.
    double step();
    // The pointer at CSS pixel (x, y) of a form's canvas, now.
    void pointer(std::string_view form, PointerKind kind, double x, double y);
    // The close button of a form's title bar, now.
    void close(std::string_view form);
    // A control of a form chosen without the pointer (a screen reader's button), now: it counts
    // where a click on it would.
    void choose(std::string_view form, std::string_view control, int index);
    // A key, for the window in front; whether that window binds it.
    bool key(std::string_view key);
    // Plays a recorded show instead of taking the player's clicks.
    void replay(std::vector<ScriptedInput> script) { driver_.replay(std::move(script)); }
    bool replaying() const { return driver_.replaying(); }
    // The page's size in CSS pixels, its pixel density, and the height of a title bar.
    void resize(double width, double height, double density, double bar);
    // The tab is shown again after the browser held its timers back: the show goes on from now at
    // its own pace instead of catching up in a burst.
    void resume();
    // Every window is drawn whole again at the next step.
    void expose_all();

    // For the tests: a control of a shown window in CSS pixels of the page ("x,y,w,h"), or "".
    std::string rect(std::string_view form, std::string_view control, int index);
    // For the tests and the bench, only when asked for: the trace, one line per change, and each
    // line's lateness (ms after it was due). A normal page keeps neither.
    void keep_trace();
    // For the bench: the show without its screen reader's layer, to weigh what the layer costs.
    void without_reader() { reading_ = false; }
    const std::vector<std::string>& trace() const { return lines_; }
    const std::vector<double>& lateness() const { return lateness_; }
    bool ended() const { return runtime_.finished(); }

    // Display.
    void sync_windows() override;
    std::optional<PixelRect> output_size(Form& form) override;
    void draw(Form& form, const Viewport& view, const Tip* tip, const std::vector<PixelRect>& regions) override;
    PixelRect tip_area(Form& form, const Tip& tip) override;
    void show_cursor(Cursor cursor) override;

private:
    struct Panel {
        PixelRect client; // CSS pixels of the page
        std::string caption; // the title bar's text and the place in the stack, as last told
        int level = 0;
        std::string reader; // what a screen reader finds there, as last told
    };
    Form* shown_form(std::string_view name);
    void place(Form& form);
    void describe(Form& form);
    void after_input();
    PixelRect backing(const Panel& p) const;

    Runtime& runtime_;
    PageClock& clock_;
    Driver driver_;
    WindowPainter painter_;
    PageCanvas canvas_;
    std::map<Form*, Panel> panels_;
    std::vector<Form*> order_; // as the page stacks them, back to front
    Announcer announcer_;
    double scale_ = 1.0; // CSS pixels per pixel of a window at scale 1
    double density_ = 1.0; // device pixels per CSS pixel
    double width_ = 0, height_ = 0, bar_ = 24;
    std::unique_ptr<Tracer> tracer_;
    std::vector<std::string> lines_;
    std::vector<double> lateness_;
    bool end_told_ = false;
    bool reading_ = true; // the page is told what a screen reader finds
};

} // namespace tk::web
