#include "tools/sim/monkey.h"

#include "game/bank/bank.h"
#include "toolkit/recording.h"
#include "toolkit/visitor.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <sstream>

namespace sim {

namespace {

// What the show may take on its own, without waiting for the player: the opening, fifteen
// presentations and reveals, the milestones, the 50:50, an ending and the goodbye screen take
// about six minutes; each action of the player (a dialog building up) adds less than a second.
constexpr tk::Millis kShowBudget = 10 * 60 * 1000;
constexpr tk::Millis kPerAction = 1000;
// The longest the board may stay busy (disabled, no dialog) before it is the player's turn again
// or the board closes: a right answer and the next question's presentation take about 26 s.
constexpr tk::Millis kMaxBusy = 60 * 1000;
// A player this patient has surely had every chance to end the game.
constexpr long kMaxActions = 100000;

std::uint64_t splitmix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Sums as the host says them: 16000 is "16.000".
std::string euros(long sum)
{
    std::string digits = std::to_string(sum), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return out;
}

// The ladder: what question n is worth.
constexpr std::array<long, 15> kLadder
    = {50, 100, 200, 300, 500, 1000, 2000, 4000, 8000, 16000, 35000, 70000, 150000, 300000, 1000000};

// The prize rules: a wrong answer keeps the last milestone passed, walking away keeps the last
// question won.
long sum_kept(Ending ending, int question)
{
    if (ending == Ending::Million)
        return 1000000;
    if (ending == Ending::Wrong)
        return question > 10 ? 16000 : question > 5 ? 500 : 0;
    return question == 1 ? 0 : kLadder[static_cast<std::size_t>(question - 2)];
}

} // namespace

std::string sum_message(Ending ending, int question)
{
    long sum = sum_kept(ending, question);
    if (ending == Ending::Million)
        return "COMPLIMENTI!....SEI MILIONARIO!!!";
    if (ending == Ending::Wrong) {
        if (sum == 0)
            return "NON SEI ARRIVATO NEMMENO AL PRIMO TRAGUARDO....";
        if (sum == 500)
            return "TORNI A CASA CON 500 EURO....";
        return "TUTTO SOMMATO TORNI A CASA CON 16.000 EURO....";
    }
    if (sum == 0)
        return "TORNI A CASA A MANI VUOTE....";
    if (sum == 500)
        return "PORTI A CASA IL PRIMO TRAGUARDO....";
    if (sum == 16000)
        return "HAI CONQUISTATO IL SECONDO TRAGUARDO....BRAVO!";
    if (sum < 500)
        return "TE NE TORNI CON " + euros(sum) + " EURO....MEGLIO DI NIENTE....";
    if (sum < 16000)
        return "PORTI A CASA " + euros(sum) + " EURO....COMPLIMENTI....";
    return "HAI CONQUISTATO " + euros(sum) + " EURO....COMPLIMENTI, BELLA CIFRA!";
}

std::string walk_comment(int question)
{
    if (question == 1)
        return "NON HAI FATTO UNA BELLA FIGURA....";
    if (question <= 5)
        return "LA PROSSIMA VOLTA FARAI DI MEGLIO....";
    if (question <= 10)
        return "RIPROVACI....ARRIVERAI SICURAMENTE PIU' IN ALTO....";
    return "LA PROSSIMA VOLTA ARRIVERAI AL MILIONE....";
}

namespace {

std::string value_line(int question)
{
    return question == 15 ? "DOMANDA DA 1 MILIONE DI EURO"
                          : "DOMANDA DA " + euros(kLadder[static_cast<std::size_t>(question - 1)]) + " EURO";
}

// The host's texts that may come at any point of their phase.
const std::set<std::string>& plain_texts()
{
    static const std::set<std::string> texts = {
        "",
        "CLICCA SUL LOGO PER INIZIARE!!!",
        "INIZIA LA TUA SCALATA VERSO IL MILIONE!",
        "TI RICORDO CHE HAI TRE AIUTI....",
        "L'AIUTO DEL COMPUTER....",
        "L'AIUTO DA CASA....",
        "E QUELLO DEL PUBBLICO....",
        "SEI INDECISO?....",
        "PROVA AD UTILIZZARE GLI AIUTI....",
        "HAI SCELTO DI UTILIZZARE L'AIUTO DEL COMPUTER....",
        "TOGLIAMO DUE RISPOSTE SBAGLIATE....",
        "LA RISPOSTA E'....",
    };
    return texts;
}

// Every sum the host can announce at the end of a game.
const std::set<std::string>& sum_messages()
{
    static const std::set<std::string> texts = [] {
        std::set<std::string> all {sum_message(Ending::Million, 15)};
        for (int q = 1; q <= 15; ++q) {
            all.insert(sum_message(Ending::Wrong, q));
            all.insert(sum_message(Ending::Walked, q));
        }
        return all;
    }();
    return texts;
}

const std::set<std::string>& walk_comments()
{
    static const std::set<std::string> texts = [] {
        std::set<std::string> all;
        for (int q = 1; q <= 15; ++q)
            all.insert(walk_comment(q));
        return all;
    }();
    return texts;
}

constexpr std::string_view kLetters = "ABCD";

// Every label and picture of a window: what a player can point at.
std::vector<std::pair<std::string, int>> pointables(tk::Form& form)
{
    struct V final : tk::ControlVisitor {
        std::vector<std::pair<std::string, int>> out;
        void visit(std::string_view n, int i, tk::Label&) override { out.emplace_back(std::string(n), i); }
        void visit(std::string_view n, int i, tk::Picture&) override { out.emplace_back(std::string(n), i); }
        void visit(std::string_view, int, tk::Shape&) override { }
        void visit(std::string_view, int, tk::Line&) override { }
    } v;
    form.visit_controls(v);
    return std::move(v.out);
}

// The game being played, for the last words of a program that a broken index stops.
const Monkey* g_playing = nullptr;

// Said by the index check before it stops the program.
void say_replay()
{
    if (g_playing) {
        std::string text
            = "simulate: violation: the game stopped the program (see the line above)\n" + g_playing->replay();
        std::fputs(text.c_str(), stderr);
    }
}

} // namespace

class Monkey::Listener final : public tk::RuntimeObserver {
public:
    explicit Listener(std::optional<Landed>& landed)
        : landed_(landed)
    {
    }
    void dispatched(const tk::Dispatched& d) override
    {
        if (d.kind == tk::Dispatched::Kind::Click)
            landed_ = Landed {std::string(d.control), d.index};
    }

private:
    std::optional<Landed>& landed_;
};

// How a player plays: how much he knows, how blindly he clicks, how readily he leaves.
struct Monkey::Style {
    const char* name;
    double knows; // chance that a letter he aims at is the right one
    double blind; // share of his clicks that go to any control at all
    double walk; // chance that an aimed click on the board goes to "ABBANDONA"
    double lifeline; // chance that an aimed click on the board goes to a lifeline
    double sure; // chance of "SI" when the answer marked is right
    double leave; // chance of "SI" when asked whether to walk away
    double close; // chance, at each action, of closing a window from its title bar
};

Monkey::Monkey(std::uint64_t seed, const bank::Pack& pack)
    : seed_(seed)
    , rng_(seed)
{
    static const std::array<Style, 4> styles = {{
        {"expert", 1.0, 0.02, 0.0, 0.06, 0.95, 0.05, 0.0},
        {"good", 0.9, 0.1, 0.02, 0.08, 0.8, 0.5, 0.0005},
        {"guesser", 0.25, 0.3, 0.05, 0.1, 0.6, 0.5, 0.002},
        {"chaotic", 0.5, 0.9, 0.1, 0.1, 0.5, 0.5, 0.006},
    }};
    start_ = static_cast<int>(splitmix(rng_) % 86400);
    style_ = std::make_unique<Style>(styles[splitmix(rng_) % styles.size()]);
    // Good players differ in how far their knowledge carries them and how soon they settle.
    if (std::string_view(style_->name) == "good") {
        style_->knows = 0.75 + 0.23 * static_cast<double>(splitmix(rng_) >> 11) * 0x1.0p-53;
        style_->walk = 0.03 * static_cast<double>(splitmix(rng_) >> 11) * 0x1.0p-53;
    }
    sim_ = std::make_unique<Simulation>(start_, nullptr, nullptr, pack);
    listener_ = std::make_unique<Listener>(landed_);
    sim_->runtime().add_observer(listener_.get());
}

Monkey::~Monkey()
{
    if (g_playing == this)
        g_playing = nullptr;
}

Ending Monkey::ending() const
{
    if (!sim_->ended())
        return Ending::None;
    return closed_ ? Ending::Closed : decided_;
}

void Monkey::fail(std::string what)
{
    if (!violation_)
        violation_ = std::move(what);
}

std::string Monkey::report() const
{
    return "simulate: violation: " + violation_.value_or("none") + "\n" + replay();
}

std::string Monkey::replay() const
{
    std::ostringstream out;
    out << "  player seed " << seed_ << " (" << style_->name << "), program started at " << tk::time_of_day_text(start_)
        << ", after " << actions_ << " actions and " << sim_->now() << " ms of virtual time\n"
        << "  replay: simulate --monkey 1 --seed " << seed_ << '\n'
        << "  step by step: simulate --start " << tk::time_of_day_text(start_) << " --trace";
    for (const std::string& step : steps_)
        out << " \"" << step << '"';
    out << '\n';
    return out.str();
}

void Monkey::play()
{
    tk::last_words = say_replay;
    g_playing = this;
    check();
    while (!violation_ && !sim_->ended()) {
        if (actions_ >= kMaxActions) {
            fail("the game never ended in " + std::to_string(kMaxActions) + " actions");
            break;
        }
        act();
        ++actions_;
    }
    if (!violation_ && !closed_) {
        if (decided_ == Ending::None)
            fail("the program ended, but the game never did");
        else if (!goodbye_seen_)
            fail("the program ended without the goodbye screen");
        else if (!sum_seen_)
            fail("the host never announced \"" + expected_sum_message() + "\"");
    }
    g_playing = nullptr;
}

void Monkey::act()
{
    auto unit = [this] { return static_cast<double>(splitmix(rng_) >> 11) * 0x1.0p-53; };
    auto below = [this](std::size_t n) { return static_cast<std::size_t>(splitmix(rng_) % n); };
    Game& g = sim_->game();
    double r = unit();
    if (r < style_->close) {
        // Mostly the window in front, now and then one behind it.
        const auto& shown = sim_->runtime().stacking();
        if (!shown.empty())
            close(std::string((unit() < 0.8 ? shown.back() : shown[below(shown.size())])->name()));
        return;
    }
    if (r < style_->close + 0.45) {
        double kind = unit();
        long long limit = kind < 0.4 ? 300 : kind < 0.7 ? 3000 : kind < 0.9 ? 15000 : kind < 0.999 ? 60000 : 0;
        if (limit == 0)
            wait(60000 + static_cast<long long>(below(59 * 60000))); // a long break, within the hour
        else
            wait(static_cast<long long>(below(static_cast<std::size_t>(limit) + 1)));
        return;
    }
    if (unit() < style_->blind) {
        const auto& shown = sim_->runtime().stacking();
        if (shown.empty())
            return;
        tk::Form* form = shown[below(shown.size())];
        auto targets = pointables(*form);
        if (targets.empty())
            return;
        auto& [control, index] = targets[below(targets.size())];
        click(std::string(form->name()), control, index);
        return;
    }
    // An aimed click: at the dialog in front, or at what the board offers. Now and then a
    // player leaves a dialog by its title bar instead of its buttons.
    for (tk::Form* dialog : {static_cast<tk::Form*>(&g.Form2), static_cast<tk::Form*>(&g.Form4),
             static_cast<tk::Form*>(&g.Form5), static_cast<tk::Form*>(&g.Form6)}) {
        if (dialog->loaded() && unit() < 0.08)
            return close(std::string(dialog->name()));
    }
    if (g.Form6.loaded()) {
        auto right = right_position();
        bool marked_right = right && *right == marked_;
        double yes = marked_right ? style_->sure : style_->knows < 1 ? style_->sure / 2 : 0;
        click("Form6", "Label2", unit() < yes ? 0 : 1);
    } else if (g.Form2.loaded()) {
        click("Form2", unit() < style_->leave ? "Label2" : "Label3", -1);
    } else if (g.Form4.loaded()) {
        click("Form4", "Label2", -1);
    } else if (g.Form5.loaded()) {
        click("Form5", "Label10", -1);
    } else if (g.Form1.loaded()) {
        double u = unit();
        if (g.Form1.Image1.Enabled && u < 0.9) {
            click("Form1", "Image1", -1);
        } else if (u < style_->walk) {
            click("Form1", "Label5", -1);
        } else if (u < style_->walk + style_->lifeline) {
            static constexpr std::array<const char*, 3> pictures = {"Image2", "Image3", "Image4"};
            click("Form1", pictures[below(3)], -1);
        } else {
            auto right = right_position();
            int letter = right && unit() < style_->knows ? *right : static_cast<int>(below(4));
            click("Form1", "Label6", letter);
        }
    } else if (g.Form3.loaded()) {
        auto targets = pointables(g.Form3);
        auto& [control, index] = targets[below(targets.size())];
        click("Form3", control, index);
    }
}

void Monkey::wait(long long ms)
{
    steps_.push_back("wait " + std::to_string(ms));
    sim_->until(
        [this] {
            check();
            return violation_.has_value();
        },
        ms);
    check();
}

void Monkey::click(const std::string& form_name, const std::string& control, int index)
{
    steps_.push_back("click " + form_name + "." + control + (index >= 0 ? "(" + std::to_string(index) + ")" : ""));
    Game& g = sim_->game();
    // The player's own view of his answer, before the verdict.
    std::optional<int> right = right_position();
    bool final_answer_open = g.Form6.loaded();
    // Whether the click reached the control, as the runtime tells everyone who listens.
    landed_.reset();
    sim_->click(form_name, control, index);
    bool takes = landed_.has_value();
    const std::string landed = takes ? landed_->control : "";
    int landed_index = takes ? landed_->index : -1;
    if (takes) {
        if (form_name == "Form1" && landed == "Label6" && !final_answer_open && g.Form6.loaded()) {
            marked_ = landed_index;
        } else if (form_name == "Form1" && (landed == "Image2" || landed == "Image3" || landed == "Image4")) {
            --lifelines_;
        } else if (form_name == "Form2" && landed == "Label2") {
            decided_ = Ending::Walked;
            ending_question_ = won_ + 1;
        } else if (form_name == "Form6" && landed == "Label2" && landed_index == 0) {
            // "SI": the verdict the player expects, from the bank rather than from the board.
            if (!right) {
                fail("the question on the board is not one of level " + std::to_string(won_ + 1) + ": \""
                    + g.Form1.Label2.Caption + "\"");
            } else {
                verdict_right_ = *right == marked_;
                if (!verdict_right_) {
                    decided_ = Ending::Wrong;
                    ending_question_ = won_ + 1;
                } else if (++won_ == 15) {
                    decided_ = Ending::Million;
                    ending_question_ = 15;
                }
            }
        }
    }
    check();
}

void Monkey::close(const std::string& form_name)
{
    steps_.push_back("close " + form_name);
    if (form_name == "Form1" && sim_->game().Form1.loaded())
        closed_ = true;
    sim_->close(form_name);
    check();
}

std::optional<int> Monkey::right_position()
{
    Board& b = sim_->game().Form1;
    if (!b.loaded() || won_ >= 15)
        return std::nullopt;
    if (b.Label2.Caption != oracle_question_) {
        oracle_question_ = b.Label2.Caption;
        oracle_answer_.clear();
        for (const bank::Question& row : sim_->game().pack.pool(won_ + 1))
            if (row.domanda == oracle_question_)
                oracle_answer_ = std::string(bank::kAnswerBlanks) + std::string(row.giusta);
    }
    if (oracle_answer_.empty())
        return std::nullopt;
    for (int i = 0; i <= 3; ++i)
        if (b.Label3(i).Caption == oracle_answer_)
            return i;
    return std::nullopt;
}

std::string Monkey::expected_sum_message() const
{
    return decided_ == Ending::None ? std::string() : sum_message(decided_, ending_question_);
}

bool Monkey::waits_for_player() const
{
    Game& g = sim_->game();
    if (g.Form6.loaded())
        return g.Form6.Label2(0).Visible || g.Form6.Label2(1).Visible;
    if (g.Form2.loaded())
        return g.Form2.Label3.Visible;
    if (g.Form4.loaded())
        return g.Form4.Label2.Visible;
    if (g.Form5.loaded())
        return g.Form5.Label10.Visible;
    if (!g.Form1.loaded())
        return false;
    if (g.Form1.Timer3.Enabled)
        return true;
    for (tk::Timer* t : g.Form1.timers())
        if (t->Enabled && t != &g.Form1.Timer3 && t != &g.Form1.Timer6)
            return false;
    return g.Form1.Enabled;
}

void Monkey::account_time()
{
    tk::Millis now = sim_->now();
    if (!waiting_)
        own_time_ += now - last_time_;
    last_time_ = now;
    waiting_ = waits_for_player();
    if (own_time_ > kShowBudget + kPerAction * actions_)
        fail("the show has run on its own for " + std::to_string(own_time_ / 1000) + " s without ending");
}

void Monkey::check()
{
    if (violation_)
        return;
    Game& g = sim_->game();
    goodbye_seen_ = goodbye_seen_ || g.Form3.loaded();
    account_time();
    if (g.Form1.loaded()) {
        check_board();
        check_host_line();
        check_lifelines();
    }
}

void Monkey::check_board()
{
    Game& g = sim_->game();
    Board& b = g.Form1;
    // Every index the game keeps stays in its range.
    struct Range {
        const char* name;
        int value, lo, hi;
    };
    for (const Range& r : {Range {"conta", b.conta, 0, 15}, Range {"indlab", b.indlab, 0, 3}, Range {"ll", b.ll, 0, 3},
             Range {"aiuti", b.aiuti, 0, 3}, Range {"sb", b.sb, 0, 2}, Range {"clic", b.clic, 0, 2},
             Range {"qq", b.qq, 0, 5}, Range {"disp", b.disp, 0, 12}, Range {"indice", b.indice, 0, 3}}) {
        if (r.value < r.lo || r.value > r.hi)
            return fail(std::string(r.name) + " is " + std::to_string(r.value) + ", outside " + std::to_string(r.lo)
                + ".." + std::to_string(r.hi));
    }
    // A question comes from the pool of the rung it is asked for.
    if (b.Label2.Caption != asked_) {
        asked_ = b.Label2.Caption;
        const bank::Pool& pool = b.questions(std::min(won_ + 1, 15));
        bool known
            = std::any_of(pool.begin(), pool.end(), [&](const bank::Question& q) { return q.domanda == asked_; });
        if (!known && !asked_.empty() && asked_ != "NON ERA FACILE......MA CI SEI RIUSCITO......BRAVO!!!!")
            return fail("question " + std::to_string(won_ + 1) + " is \"" + asked_ + "\", not one of its level's");
    }
    if (b.aiuti != lifelines_)
        return fail("the board counts " + std::to_string(b.aiuti) + " lifelines left, the player "
            + std::to_string(lifelines_));

    struct Dialog {
        tk::Form& form;
        tk::Timer& build_up;
        bool can_close;
    };
    const std::array<Dialog, 4> dialogs = {{
        {g.Form2, g.Form2.Timer1, g.Form2.Label2.Visible && g.Form2.Label3.Visible},
        {g.Form4, g.Form4.Timer1, g.Form4.Label2.Visible},
        {g.Form5, g.Form5.Timer1, g.Form5.Label10.Visible},
        {g.Form6, g.Form6.Timer1, g.Form6.Label2(0).Visible && g.Form6.Label2(1).Visible},
    }};
    int open = 0;
    for (const Dialog& d : dialogs) {
        if (!d.form.loaded())
            continue;
        ++open;
        if (!d.form.shown())
            return fail(std::string(d.form.name()) + " is loaded but not shown");
        if (!d.build_up.Enabled && !d.can_close)
            return fail(std::string(d.form.name()) + " has stopped building up before it can be closed");
        if (b.Enabled)
            return fail("the board takes clicks while " + std::string(d.form.name()) + " is open");
    }
    if (open > 1)
        return fail("two dialogs are open at once");
    if (open == 1) {
        stuck_since_.reset();
        return;
    }
    bool running = false;
    for (tk::Timer* t : b.timers())
        running = running || (t->Enabled && t != &b.Timer3 && t != &b.Timer6);
    if (!b.Enabled) {
        if (!running)
            return fail("the board is disabled with no dialog open and nothing running to enable it again");
        if (!stuck_since_)
            stuck_since_ = sim_->now();
        else if (sim_->now() - *stuck_since_ > kMaxBusy)
            return fail("the board has been busy for more than " + std::to_string(kMaxBusy / 1000) + " s");
        return;
    }
    stuck_since_.reset();
    if (running || b.Timer3.Enabled)
        return;
    // The board waits for the player: he can choose, and the right answer is there to choose.
    bool letter = false;
    for (int i = 0; i <= 3; ++i)
        letter = letter || (b.Label6(i).Visible && b.Label6(i).Enabled);
    if (!letter)
        return fail("the board waits, but no answer can be chosen");
    if (b.clic != 0)
        return fail("the board waits, but refuses every answer (clic is " + std::to_string(b.clic) + ")");
    auto right = right_position();
    if (!right)
        return fail("the board waits, but the question is not one of level " + std::to_string(won_ + 1)
            + " with its right answer on the board");
    if (!b.Label3(*right).Visible || !b.Label6(*right).Visible)
        return fail("the right answer is not on the board");
}

void Monkey::check_host_line()
{
    Board& b = sim_->game().Form1;
    if (b.Label4.Caption == last_host_)
        return;
    last_host_ = b.Label4.Caption;
    const std::string& t = last_host_;
    int q = std::min(won_ + 1, 15);
    auto wrong_place = [&](const char* why) { fail("the host says \"" + t + "\" " + why); };
    if (plain_texts().count(t))
        return;
    if (t == value_line(q))
        return;
    for (int slot = 1; slot <= 5; ++slot)
        if (t == b.frasi(q, slot))
            return;
    if (t.rfind("DOMANDA DA ", 0) == 0)
        return wrong_place(("during question " + std::to_string(q)).c_str());
    for (int level = 1; level <= 15; ++level)
        for (int slot = 1; slot <= 5; ++slot)
            if (t == b.frasi(level, slot))
                return wrong_place(("to announce question " + std::to_string(q)).c_str());
    if (t.rfind("NE HAI ANCORA A DISPOSIZIONE ", 0) == 0) {
        if (lifelines_ < 1 || t != "NE HAI ANCORA A DISPOSIZIONE " + std::to_string(lifelines_))
            wrong_place(("with " + std::to_string(lifelines_) + " lifelines left").c_str());
        return;
    }
    if (t == "ESATTA!!!!" || t == "SBAGLIATA....") {
        if (verdict_right_ != (t == "ESATTA!!!!") || decided_ == Ending::Walked)
            wrong_place("about the answer confirmed");
        return;
    }
    if (t == "LA RISPOSTA ESATTA...." || t == "IL TUO CAMMINO SI FERMA QUI...."
        || t == "RIPROVA LA PROSSIMA VOLTA!!!!") {
        if (decided_ != Ending::Wrong)
            wrong_place("with no wrong answer given");
        return;
    }
    if (t.rfind("ERA LA LETTERA ", 0) == 0) {
        auto right = right_position();
        if (decided_ != Ending::Wrong || !right
            || t != "ERA LA LETTERA " + std::string(1, kLetters[static_cast<std::size_t>(*right)]))
            wrong_place("of the right answer");
        return;
    }
    if (t == "COMPLIMENTI!....HAI RAGGIUNTO IL PRIMO TRAGUARDO!!!"
        || t == "COMPLIMENTI!....HAI RAGGIUNTO IL SECONDO TRAGUARDO!!!") {
        if (won_ != (t.find("PRIMO") != std::string::npos ? 5 : 10))
            wrong_place(("after " + std::to_string(won_) + " right answers").c_str());
        return;
    }
    if (sum_messages().count(t)) {
        sum_seen_ = true;
        if (t != expected_sum_message())
            wrong_place(decided_ == Ending::None
                    ? "before the game has ended"
                    : ("where the prize rules give \"" + expected_sum_message() + "\"").c_str());
        return;
    }
    if (walk_comments().count(t)) {
        if (decided_ != Ending::Walked || t != walk_comment(ending_question_))
            wrong_place("as the comment on walking away");
        return;
    }
    fail("the host line shows a text that is not the game's: \"" + t + "\"");
}

void Monkey::check_lifelines()
{
    Game& g = sim_->game();
    Board& b = g.Form1;
    // The 50:50, once it has spoken: two answers gone, never the right one.
    bool fifty = b.Timer13.Enabled;
    if (fifty_running_ && !fifty) {
        int hidden = 0;
        for (int i = 0; i <= 3; ++i)
            hidden += b.Label3(i).Visible ? 0 : 1;
        auto right = right_position();
        if (hidden != 2)
            return fail("the 50:50 removed " + std::to_string(hidden) + " answers");
        if (!right || !b.Label3(*right).Visible)
            return fail("the 50:50 removed the right answer");
    }
    fifty_running_ = fifty;

    // The friend names an answer that is on the board, and the right one on the easy questions.
    if (g.Form4.loaded() && !phone_loaded_) {
        std::size_t at = g.Form4.lett.size() == 1 ? kLetters.find(g.Form4.lett[0]) : std::string_view::npos;
        auto right = right_position();
        if (at == std::string_view::npos)
            return fail("the friend names \"" + g.Form4.lett + "\"");
        if (!b.Label3(static_cast<int>(at)).Visible)
            return fail("the friend names " + g.Form4.lett + ", an answer the 50:50 removed");
        if (won_ + 1 <= 5 && (!right || static_cast<int>(at) != *right))
            return fail("the friend names " + g.Form4.lett + " on an easy question, not the right answer");
    }
    phone_loaded_ = g.Form4.loaded();

    // The poll adds up to 100, removed answers get nothing, and each bar shows its share.
    if (g.Form5.loaded() && !poll_loaded_) {
        AudiencePoll& p = g.Form5;
        int total = 0;
        for (int j = 1; j <= 4; ++j) {
            int share = p.perc(j);
            total += share;
            if (share < 0 || share > 100)
                return fail("the poll gives " + std::to_string(share) + " % to " + kLetters[j - 1]);
            if (!b.Label3(j - 1).Visible && share != 0)
                return fail("the poll gives " + std::to_string(share) + " % to a removed answer");
            if (p.tacche(j) != share / 4 || p.testi(j) != std::to_string(share))
                return fail("the poll's bar or text for " + std::string(1, kLetters[j - 1]) + " is not its share");
        }
        if (total != 100)
            return fail("the poll adds up to " + std::to_string(total));
    }
    poll_loaded_ = g.Form5.loaded();
}

MonkeyTally run_monkey(long games, std::uint64_t seed, std::ostream& report, const bank::Pack& pack)
{
    MonkeyTally tally;
    for (long i = 0; i < games; ++i) {
        Monkey monkey(seed + static_cast<std::uint64_t>(i), pack);
        monkey.play();
        ++tally.games;
        if (monkey.violation()) {
            ++tally.violations;
            report << monkey.report();
            break;
        }
        switch (monkey.ending()) {
        case Ending::Wrong:
            ++tally.wrong;
            break;
        case Ending::Walked:
            ++tally.walked;
            break;
        case Ending::Million:
            ++tally.million;
            break;
        case Ending::Closed:
            ++tally.closed;
            break;
        case Ending::None:
            break;
        }
    }
    return tally;
}

std::string summary(const MonkeyTally& t)
{
    std::ostringstream out;
    out << t.games << " games: wrong " << t.wrong << ", walked " << t.walked << ", million " << t.million << ", closed "
        << t.closed << "; violations " << t.violations;
    return out.str();
}

} // namespace sim
