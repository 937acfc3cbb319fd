// RUVANTIA in a web page: the page's clock, the show, and the calls the page's script makes.
// The page (toolkit/web/page/ruvantia.js) loads the fonts and pictures, then starts a show, wakes
// it when it asks to be woken and hands it the player's pointer, keys and a screen reader's
// choices. Every show is recorded as it is played, so that the end of the show can offer it for
// download and as a link that replays it.
#include "game/bank/bank.h"
#include "game/bank/page/page_archive.h"
#include "game/form1.h"
#include "game/game.h"
#include "game/replay.h"
#include "toolkit/recording.h"
#include "toolkit/visitor.h"
#include "toolkit/web/backend.h"
#include "toolkit/web/font_table.h"
#include "toolkit/web/page_clock.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace {

struct Show {
    tk::web::PageClock clock;
    tk::Random random;
    Game game;
    tk::web::Backend backend;
    tk::Recorder recorder;
    bool drawn = false; // its first step has run
    Show(std::optional<int> start, std::uint64_t seed, const bank::Pack& pack, std::string_view pack_id,
        tk::FontTable& fonts)
        : clock(start)
        , random(seed)
        , game(clock, random, pack)
        , backend(game.runtime, clock, fonts)
        , recorder(game.runtime, replay::header(pack_id, clock.start_of_day(), seed))
    {
        game.runtime.add_observer(&recorder);
    }
    ~Show() { game.runtime.remove_observer(&recorder); }
};

tk::FontTable fonts;
std::optional<bank::Pack> pack; // the player's questions, once a good pack has been read
std::string pack_id(replay::kBuiltIn); // and how a recording names them
// The built-in questions are read once the board is up: reading them is the longest part of a
// start, and no question is asked before the player has clicked the logo. Every call that can
// run the show reads them first, if the page has not yet asked for it.
bank::Pack built_in_questions;
bool built_in_read = false;
std::string problems; // what was wrong with the last pack or recording read
std::unique_ptr<Show> show;
std::string answer; // the text handed back to the page last

void read_built_in()
{
    if (!built_in_read) {
        built_in_questions = bank::read_pack(bank::built_in_text()).pack;
        built_in_read = true;
    }
}

// Whether a file is a spreadsheet's own, which the page reads only once its sheet reader is in.
bool waits_for_sheets(const char* name, std::string_view file)
{
    return bank::spreadsheet_kind(name, file) && !bank::PageArchive::ready();
}

const char* hand_back(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

// A new show on a page of width x height CSS pixels: start is the time of day in seconds (negative:
// the machine's own), and the chance is seeded once per show. With hooks, the show keeps its trace
// for the tests and the bench.
void start_show(
    std::optional<int> start, std::uint64_t seed, double width, double height, double density, double bar, bool hooks)
{
    show.reset();
    show = std::make_unique<Show>(start, seed, pack ? *pack : built_in_questions, pack_id, fonts);
    if (hooks)
        show->backend.keep_trace();
    show->backend.resize(width, height, density, bar);
}

} // namespace

extern "C" {

// Reads a pack with the same checks as the desktop, and its messages are the desktop's, line for
// line, without the program's name; its questions play from the next show on. The number of
// its questions; 0, with the messages in ruvantia_problems(), when the pack has problems; -1
// when it is a spreadsheet's own file and the page must load its sheet reader first.
EMSCRIPTEN_KEEPALIVE int ruvantia_pack(const char* bytes, int length, const char* name)
{
    const std::string_view file(bytes, static_cast<std::size_t>(length));
    if (waits_for_sheets(name, file))
        return -1;
    bank::Reading r = bank::read_pack_file<bank::PageArchive>(name, file);
    bank::add_fit_problems(r, fonts);
    if (!r.ok()) {
        problems = bank::report(name, r.problems, "");
        return 0;
    }
    problems.clear();
    pack = std::move(r.pack);
    pack_id = replay::pack_id(file);
    int questions = 0;
    for (const bank::Pool& pool : pack->levels)
        questions += static_cast<int>(pool.size());
    return questions;
}

// The game's own questions as their file is written, comments and all: the editor starts from them.
EMSCRIPTEN_KEEPALIVE const char* ruvantia_built_in()
{
    return hand_back(std::string(bank::built_in_text()));
}

// The questions the next show plays, as a pack file: for the tests, which compare packs.
EMSCRIPTEN_KEEPALIVE const char* ruvantia_questions()
{
    read_built_in();
    return hand_back(bank::write_pack(pack ? *pack : built_in_questions));
}

EMSCRIPTEN_KEEPALIVE const char* ruvantia_problems()
{
    return problems.c_str();
}

EMSCRIPTEN_KEEPALIVE void ruvantia_start(int start, unsigned seed_high, unsigned seed_low, double width, double height,
    double density, double bar, int hooks)
{
    std::uint64_t seed = (static_cast<std::uint64_t>(seed_high) << 32) | seed_low;
    start_show(start >= 0 ? std::optional<int>(start) : std::nullopt, seed, width, height, density, bar, hooks != 0);
    show->game.start();
}

// For the bench, before the show's first step: the show without the screen reader's layer.
EMSCRIPTEN_KEEPALIVE void ruvantia_without_reader()
{
    if (show)
        show->backend.without_reader();
}

// A recorded show, to be watched: read, checked against the questions the page has, rehearsed in
// virtual time, and only then played in the page at its own pace. False, with the message in
// ruvantia_problems(), when it cannot be played.
EMSCRIPTEN_KEEPALIVE int ruvantia_replay(
    const char* bytes, int length, double width, double height, double density, double bar, int hooks)
{
    read_built_in();
    replay::Loaded loaded = replay::read(std::string_view(bytes, static_cast<std::size_t>(length)), pack_id);
    if (!loaded.problem)
        loaded.problem = replay::rehearse(loaded.recording, pack ? *pack : built_in_questions);
    if (loaded.problem) {
        problems = loaded.problem->line > 0
            ? "la puntata, riga " + std::to_string(loaded.problem->line) + ": " + loaded.problem->what
            : "la puntata: " + loaded.problem->what;
        return 0;
    }
    const tk::RecordingHeader& h = loaded.recording.header;
    start_show(h.start, h.seed, width, height, density, bar, hooks != 0);
    std::vector<tk::ScriptedInput> script;
    tk::script_of(loaded.recording, show->game.runtime, script);
    show->backend.replay(std::move(script));
    show->game.start();
    return 1;
}

// The show just played, as a recording to download or to put in a link; "" when there is none.
EMSCRIPTEN_KEEPALIVE const char* ruvantia_recording()
{
    std::optional<tk::Recording> r = show ? show->recorder.recording() : std::nullopt;
    return hand_back(r ? tk::write_recording(*r) : "");
}

// What the page must know of the program: the seed of a show with a fixed start, the largest pack
// it reads, and the pictures the windows show (those of the first window first, then " | " and the
// others).
EMSCRIPTEN_KEEPALIVE const char* ruvantia_fixed_seed()
{
    char hex[20];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(tk::kFixedSeed));
    return hand_back(hex);
}

EMSCRIPTEN_KEEPALIVE int ruvantia_max_pack()
{
    return static_cast<int>(bank::kMaxPackBytes);
}

EMSCRIPTEN_KEEPALIVE int ruvantia_max_recording()
{
    return static_cast<int>(tk::kMaxRecordingBytes);
}

EMSCRIPTEN_KEEPALIVE const char* ruvantia_pictures()
{
    struct Pictures final : tk::ControlVisitor {
        std::vector<std::string> first, later;
        bool start_up = true;
        void visit(std::string_view, int, tk::Label&) override { }
        void visit(std::string_view, int, tk::Shape&) override { }
        void visit(std::string_view, int, tk::Line&) override { }
        void visit(std::string_view, int, tk::Picture& c) override
        {
            std::string name(c.Source);
            if (std::find(first.begin(), first.end(), name) != first.end()
                || std::find(later.begin(), later.end(), name) != later.end())
                return;
            (start_up && c.Visible ? first : later).push_back(name);
        }
    } pictures;
    tk::ManualClock clock;
    tk::Random random;
    Game game(clock, random, built_in_questions);
    for (tk::Form* form : game.runtime.forms()) {
        form->visit_controls(pictures);
        pictures.start_up = false;
    }
    std::string out;
    for (const std::string& p : pictures.first)
        out += p + " ";
    out += "|";
    for (const std::string& p : pictures.later)
        out += " " + p;
    return hand_back(out);
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

// A key pressed on the page ("A", "1", "Enter", "Space", "Escape"): 1 when the window in front
// binds it, and the page then keeps it for the show.
EMSCRIPTEN_KEEPALIVE int ruvantia_key(const char* key)
{
    read_built_in();
    return show && show->backend.key(key) ? 1 : 0;
}

// A window's close button. A page has no window to close, and the board's sits where a thumb
// rests: there it asks first, as "ABBANDONA" does (and does nothing when that would).
EMSCRIPTEN_KEEPALIVE void ruvantia_close(const char* form)
{
    read_built_in();
    if (show && std::string_view(form) == "Form1")
        show->backend.choose(form, "Label5", -1);
    else if (show)
        show->backend.close(form);
}

// A screen reader's button on the page: the control it stands for is chosen, as a click on it now
// would choose it.
EMSCRIPTEN_KEEPALIVE void ruvantia_choose(const char* form, const char* control, int index)
{
    read_built_in();
    if (show)
        show->backend.choose(form, control, index);
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

// The tests' view of the show, when its hooks are on: the trace (0) and the player's inputs as
// they are recorded (1), line by line.
EMSCRIPTEN_KEEPALIVE int ruvantia_count(int which)
{
    if (!show)
        return 0;
    return static_cast<int>(which == 0 ? show->backend.trace().size() : show->recorder.lines().size());
}

EMSCRIPTEN_KEEPALIVE const char* ruvantia_line(int which, int i)
{
    if (!show)
        return "";
    if (which == 1) {
        std::vector<std::string> lines = show->recorder.lines();
        return hand_back(
            i >= 0 && static_cast<std::size_t>(i) < lines.size() ? lines[static_cast<std::size_t>(i)] : "");
    }
    const auto& lines = show->backend.trace();
    return i >= 0 && static_cast<std::size_t>(i) < lines.size() ? lines[static_cast<std::size_t>(i)].c_str() : "";
}

EMSCRIPTEN_KEEPALIVE double ruvantia_lateness(int i)
{
    if (!show)
        return 0.0;
    const auto& late = show->backend.lateness();
    return i >= 0 && static_cast<std::size_t>(i) < late.size() ? late[static_cast<std::size_t>(i)] : 0.0;
}

// Whether the player has acted yet: a pack may be chosen only before the show begins.
EMSCRIPTEN_KEEPALIVE int ruvantia_started()
{
    return show && (show->recorder.count() > 0 || show->backend.replaying());
}

EMSCRIPTEN_KEEPALIVE int ruvantia_ended()
{
    return show && show->backend.ended();
}

// What the player takes home from the show that has ended ("16.000 €"); "" for nothing.
EMSCRIPTEN_KEEPALIVE const char* ruvantia_won()
{
    return hand_back(show ? show->game.Form1.sum_won() : "");
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

// ---- The pack editor (editor.html): the same reader, checks and board as the show's ----

namespace {

void append_problems(std::string& out, const std::vector<bank::Problem>& problems)
{
    out += "\"problems\":[";
    for (std::size_t i = 0; i < problems.size(); ++i) {
        out += (i ? ",[" : "[") + std::to_string(problems[i].line) + ",";
        tk::web::append_json(out, problems[i].what);
        out += "]";
    }
    out += "]";
}

// The board that the editor's preview paints: its design-time controls, no show behind them.
class Still final : public tk::FormOf<BoardControls> {
public:
    explicit Still(tk::Runtime& runtime)
        : FormOf(runtime, kBoardDesign)
    {
    }
};

} // namespace

extern "C" {

// A file opened in the editor, as the reader cuts it, in JSON: {"text": a text file's own text
// (UTF-8), "rows": [[line, fault, field...]...], "heading": the line of the column names (0:
// none), "problems": [[line, what]...]}. "" when it is a spreadsheet's own file and the page must
// load its sheet reader first.
EMSCRIPTEN_KEEPALIVE const char* ruvantia_open(const char* bytes, int length, const char* name)
{
    const std::string_view file(bytes, static_cast<std::size_t>(length));
    if (waits_for_sheets(name, file))
        return "";
    const bank::Reading r = bank::read_pack_file<bank::PageArchive>(name, file, true);
    std::string out = "{\"text\":";
    tk::web::append_json(out, r.text);
    out += ",\"heading\":" + std::to_string(r.heading) + ",\"rows\":[";
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        out += (i ? ",[" : "[") + std::to_string(r.rows[i].line) + ",";
        tk::web::append_json(out, r.rows[i].fault);
        for (const std::string& f : r.rows[i].fields) {
            out += ",";
            tk::web::append_json(out, f);
        }
        out += "]";
    }
    out += "],";
    append_problems(out, r.problems);
    return hand_back(out + "}");
}

// The editor's pack, as the .tsv it saves, checked as the desktop's --check checks it, in JSON:
// {"problems": [[line, what]...], "over": [[line, field, characters]...]}, where a text too long
// for its box says how many characters it must lose (field 1 the question, 2 to 5 the answers).
EMSCRIPTEN_KEEPALIVE const char* ruvantia_check(const char* text, int length)
{
    static bank::FitMemo memo;
    bank::Reading r = bank::read_pack(std::string_view(text, static_cast<std::size_t>(length)));
    std::vector<bank::Problem> fit = bank::check_fit(r.pack, fonts, memo);
    std::set<int> long_lines;
    for (const bank::Problem& p : fit)
        long_lines.insert(p.line);
    r.problems.insert(r.problems.end(), fit.begin(), fit.end());
    std::string out = "{";
    append_problems(out, r.problems);
    out += ",\"over\":[";
    bool first = true;
    for (const bank::Pool& pool : r.pack.levels)
        for (const bank::Question& q : pool) {
            if (!long_lines.contains(q.line))
                continue;
            const std::string* texts[] = {&q.domanda, &q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]};
            for (int k = 0; k < 5; ++k)
                if (std::size_t n = bank::characters_over(*texts[k], k == 0, fonts)) {
                    out += (first ? "[" : ",[") + std::to_string(q.line) + "," + std::to_string(k + 1) + ","
                        + std::to_string(n) + "]";
                    first = false;
                }
        }
    return hand_back(out + "]}");
}

// The question and its four answers (A the right one) on the board, painted by the show's own
// walk into the page's canvas "anteprima" at WIDTH CSS pixels: only the board's lower part, whose
// place is returned as "x,y,w,h".
EMSCRIPTEN_KEEPALIVE const char* ruvantia_preview(
    const char* question, const char* a, const char* b, const char* c, const char* d, int width)
{
    static tk::ManualClock clock;
    static tk::Random random;
    static tk::Runtime runtime(clock, random);
    static Still board(runtime);
    board.Load();
    board.Label2.Caption = question;
    board.Label2.Visible = board.Shape2.Visible = true;
    const char* answers[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) {
        board.Label3(i).Caption = std::string(bank::kAnswerBlanks) + answers[i];
        board.Label3(i).Visible = board.Label3(i).Enabled = board.Label6(i).Visible = board.Shape3(i).Visible = true;
    }
    for (int i = 0; i < 2; ++i)
        board.Line1(i).Visible = true;
    for (int i = 0; i < 6; ++i)
        board.Line2(i).Visible = true;
    const tk::Rect area {0, board.Shape2.Top - 120, kBoardDesign.ClientWidth,
        board.Shape3(3).Top + board.Shape3(3).Height + 120 - (board.Shape2.Top - 120)};
    const tk::PixelRect r = tk::web::paint_still(board, "anteprima", width, area, fonts);
    return hand_back(
        std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.w) + "," + std::to_string(r.h));
}

} // extern "C"
