// RUVANTIA in a web page: the page's clock, the show, and the calls the page's script makes.
// The page (toolkit/web/page/ruvantia.js) loads the fonts and pictures, then starts a show, wakes
// it when it asks to be woken and hands it the player's pointer.
#include "game/bank/bank.h"
#include "game/game.h"
#include "toolkit/font_table.h"
#include "toolkit/web/backend.h"
#include "toolkit/web/page_clock.h"

#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>

namespace {

struct Show {
    tk::web::PageClock clock;
    tk::Random random;
    Game game;
    tk::web::Backend backend;
    bool drawn = false; // its first step has run
    Show(std::optional<int> start, std::uint64_t seed, const bank::Pack& pack, tk::FontTable& fonts)
        : clock(start)
        , random(seed)
        , game(clock, random, pack)
        , backend(game.runtime, clock, fonts)
    {
    }
};

tk::FontTable fonts;
std::optional<bank::Pack> pack; // the player's questions, once a good pack has been read
// The built-in questions are read once the board is up: reading them is the longest part of a
// start, and no question is asked before the player has clicked the logo. Every call that can
// run the show reads them first, if the page has not yet asked for it.
bank::Pack built_in_questions;
bool built_in_read = false;
std::string problems; // what was wrong with the last pack read
std::unique_ptr<Show> show;
std::string answer; // the text handed back to the page last

void read_built_in()
{
    if (!built_in_read) {
        built_in_questions = bank::read_pack(bank::built_in_text()).pack;
        built_in_read = true;
    }
}

const char* hand_back(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

} // namespace

extern "C" {

// Reads a pack with the same checks as the desktop; its questions play from the next show on.
// False, with the messages in ruvantia_problems(), when the pack has problems.
EMSCRIPTEN_KEEPALIVE int ruvantia_pack(const char* bytes, int length, const char* name)
{
    bank::Reading r = bank::read_pack(std::string_view(bytes, static_cast<std::size_t>(length)));
    if (r.ok())
        r.problems = bank::check_fit(r.pack, fonts);
    if (!r.ok()) {
        problems = bank::report(name, r.problems);
        return 0;
    }
    problems.clear();
    pack = std::move(r.pack);
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* ruvantia_problems()
{
    return problems.c_str();
}

// A new show on a page of width x height CSS pixels: start is the time of day in seconds (negative:
// the machine's own), and the chance is seeded once per show.
EMSCRIPTEN_KEEPALIVE void ruvantia_start(
    int start, unsigned seed_high, unsigned seed_low, double width, double height, double density, double bar)
{
    show.reset();
    std::uint64_t seed = (static_cast<std::uint64_t>(seed_high) << 32) | seed_low;
    show = std::make_unique<Show>(
        start >= 0 ? std::optional<int>(start) : std::nullopt, seed, pack ? *pack : built_in_questions, fonts);
    show->backend.resize(width, height, density, bar);
    show->game.start();
}

// The first frame of a show is drawn before the built-in questions are read; the page reads them
// just after (ruvantia_settle), and any later step would read them itself.
EMSCRIPTEN_KEEPALIVE double ruvantia_step()
{
    if (!show)
        return -1.0;
    if (show->drawn)
        read_built_in();
    show->drawn = true;
    return show->backend.step();
}

EMSCRIPTEN_KEEPALIVE void ruvantia_settle()
{
    read_built_in();
}

EMSCRIPTEN_KEEPALIVE void ruvantia_pointer(const char* form, int kind, double x, double y)
{
    read_built_in();
    if (show)
        show->backend.pointer(form, static_cast<tk::web::PointerKind>(kind), x, y);
}

EMSCRIPTEN_KEEPALIVE void ruvantia_close(const char* form)
{
    read_built_in();
    if (show)
        show->backend.close(form);
}

EMSCRIPTEN_KEEPALIVE void ruvantia_resize(double width, double height, double density, double bar)
{
    if (show)
        show->backend.resize(width, height, density, bar);
}

EMSCRIPTEN_KEEPALIVE void ruvantia_resume()
{
    if (show)
        show->backend.resume();
}

EMSCRIPTEN_KEEPALIVE const char* ruvantia_rect(const char* form, const char* control, int index)
{
    return hand_back(show ? show->backend.rect(form, control, index) : "");
}

// The tests' view of the show: the trace (0) and the player's actions (1), line by line.
EMSCRIPTEN_KEEPALIVE int ruvantia_count(int which)
{
    if (!show)
        return 0;
    return static_cast<int>(which == 0 ? show->backend.trace().size() : show->backend.inputs().size());
}

EMSCRIPTEN_KEEPALIVE const char* ruvantia_line(int which, int i)
{
    const auto& lines = which == 0 ? show->backend.trace() : show->backend.inputs();
    return i >= 0 && static_cast<std::size_t>(i) < lines.size() ? lines[static_cast<std::size_t>(i)].c_str() : "";
}

EMSCRIPTEN_KEEPALIVE double ruvantia_lateness(int i)
{
    const auto& late = show->backend.lateness();
    return i >= 0 && static_cast<std::size_t>(i) < late.size() ? late[static_cast<std::size_t>(i)] : 0.0;
}

// Whether the player has acted yet: a pack may be chosen only before the show begins.
EMSCRIPTEN_KEEPALIVE int ruvantia_started()
{
    return show && !show->backend.inputs().empty();
}

EMSCRIPTEN_KEEPALIVE int ruvantia_ended()
{
    return show && show->backend.ended();
}

} // extern "C"

extern "C" {

// The clock the show's wake-ups are told in.
EMSCRIPTEN_KEEPALIVE double ruvantia_now()
{
    return show ? show->clock.now_exact() : 0.0;
}

// Whether a show is on, and every window of it drawn whole again (a picture has arrived).
EMSCRIPTEN_KEEPALIVE int ruvantia_ready()
{
    return show != nullptr;
}

EMSCRIPTEN_KEEPALIVE void ruvantia_expose()
{
    if (show)
        show->backend.expose_all();
}

} // extern "C"
