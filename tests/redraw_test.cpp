// Drawing only what changed: a show played off screen where every window is drawn twice, once
// only in the regions the loop asks for, as the desktop draws it, and once whole. After every
// redraw the two pictures must be the same to the pixel.
#include "tests/support.h"
#include "toolkit/sdl/painter.h"
#include "toolkit/sdl/snapshot.h"

#include <cstring>
#include <map>
#include <memory>

namespace {

using namespace testing_support;

class TwoWays final : public tk::Display {
public:
    TwoWays(double scale)
        : scale_(scale)
    {
    }
    void attach(tk::Runtime& rt) { rt_ = &rt; }

    void sync_windows() override
    {
        for (auto it = windows_.begin(); it != windows_.end();)
            it = it->first->shown() ? std::next(it) : windows_.erase(it);
        for (tk::Form* form : rt_->stacking())
            if (!windows_.count(form))
                windows_.emplace(form, std::make_unique<Window>(tk::client_size(form->design(), scale_), fonts_));
    }
    std::optional<tk::PixelRect> output_size(tk::Form& form) override { return tk::client_size(form.design(), scale_); }
    void draw(
        tk::Form& form, const tk::Viewport& view, const tk::Tip*, const std::vector<tk::PixelRect>& regions) override
    {
        Window& w = *windows_.at(&form);
        tk::PixelRect all = tk::client_size(form.design(), scale_);
        if (regions.size() != 1 || regions[0] != all)
            ++partial;
        ++redraws;
        w.part.paint(form, view, regions);
        w.whole.paint(form, view, all.w, all.h);
        SDL_RenderFlush(w.part.renderer);
        SDL_RenderFlush(w.whole.renderer);
        for (int y = 0; y < all.h; ++y) {
            auto row
                = [&](const Canvas& c) { return static_cast<const char*>(c.surface->pixels) + y * c.surface->pitch; };
            if (std::memcmp(row(w.part), row(w.whole), static_cast<std::size_t>(all.w) * 4) != 0) {
                if (differences.empty())
                    differences = std::string(form.design().name) + " at " + std::to_string(rt_->now()) + " ms, row "
                        + std::to_string(y);
                break;
            }
        }
    }
    tk::PixelRect tip_area(tk::Form&, const tk::Tip&) override { return {}; }
    void show_cursor(tk::Cursor) override { }

    int redraws = 0, partial = 0;
    std::string differences; // where the first difference was seen

private:
    struct Canvas {
        tk::sdl::SurfacePtr surface;
        SDL_Renderer* renderer;
        tk::sdl::Painter painter;
        Canvas(tk::PixelRect size, tk::sdl::Fonts& fonts)
            : surface(SDL_CreateRGBSurfaceWithFormat(0, size.w, size.h, 32, SDL_PIXELFORMAT_ARGB8888))
            , renderer(SDL_CreateSoftwareRenderer(surface.get()))
            , painter(renderer, fonts)
        {
        }
        ~Canvas() { SDL_DestroyRenderer(renderer); }
        void paint(tk::Form& f, const tk::Viewport& v, const std::vector<tk::PixelRect>& r) { painter.paint(f, v, r); }
        void paint(tk::Form& f, const tk::Viewport& v, int w, int h) { painter.paint(f, v, w, h); }
    };
    struct Window {
        Canvas part, whole;
        Window(tk::PixelRect size, tk::sdl::Fonts& fonts)
            : part(size, fonts)
            , whole(size, fonts)
        {
        }
    };
    double scale_;
    tk::Runtime* rt_ = nullptr;
    tk::sdl::Fonts fonts_;
    std::map<tk::Form*, std::unique_ptr<Window>> windows_;
};

// The invitation, the reveal, one question answered right with the poll's bars rising on the way,
// a wrong answer, the endings and the goodbye screen's lights, at a whole scale and at one whose
// pixels do not fall on the twips.
TEST(RedrawTest, DrawingOnlyWhatChangedGivesTheSamePicturesAsDrawingEverything)
{
    for (double scale : {1.0, 1.4}) {
        SCOPED_TRACE(scale);
        TwoWays display(scale);
        sim::Simulation s(12 * 3600, nullptr, &display);
        display.attach(s.runtime());
        Game& g = s.game();
        s.wait(3000);
        play_to_question(s, 1);
        s.click("Form1", "Image4");
        ASSERT_TRUE(s.until([&] { return g.Form5.shown(); }, 2000));
        s.wait(4000);
        s.close("Form5");
        choose_and_confirm(s, right_position(g));
        ASSERT_TRUE(s.until([&] { return board_waits(g); }, 60000));
        choose_and_confirm(s, wrong_position(g));
        ASSERT_TRUE(s.until([&] { return s.ended(); }, 600000));
        EXPECT_EQ(display.differences, "");
        EXPECT_GT(display.partial, display.redraws * 3 / 4) << display.redraws << " redraws";
    }
}

} // namespace
