// Recorded shows: a show written down as its inputs plays again as the very same show, and a
// recording that does not hold together is refused with its line, before any window opens.
#include "game/replay.h"
#include "tests/support.h"
#include "toolkit/recording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// A show with a bit of everything: two questions, a lifeline whose window is closed from its
// title bar, a wrong answer, and the goodbye screen to its end. Its recording and its trace.
std::pair<std::string, std::string> recorded_show()
{
    std::ostringstream trace;
    sim::Simulation s(10 * 3600, &trace);
    tk::Recorder recorder(s.runtime(), replay::header(replay::kBuiltIn, 10 * 3600, tk::kFixedSeed));
    s.runtime().add_observer(&recorder);
    Game& g = s.game();
    play_to_question(s, 2);
    s.click("Form1", "Image3");
    s.until([&] { return g.Form4.loaded() && g.Form4.Label2.Visible; });
    s.close("Form4");
    s.until([&] { return board_waits(g); });
    choose_and_confirm(s, wrong_position(g));
    s.until([&] { return s.ended(); });
    s.runtime().remove_observer(&recorder);
    return {tk::write_recording(*recorder.recording()), trace.str()};
}

TEST(RecordingTest, AShowPlaysAgainFromItsRecordingAsTheSameShow)
{
    auto [text, trace] = recorded_show();
    tk::RecordingReading read = tk::read_recording(text);
    ASSERT_FALSE(read.problem) << read.problem->what;
    EXPECT_EQ(tk::write_recording(read.recording), text);
    std::ostringstream again;
    sim::Simulation s(read.recording.header.start, &again, nullptr, bank::built_in(), read.recording.header.seed);
    auto problem = s.play_recording(read.recording);
    EXPECT_FALSE(problem) << problem->line << ": " << problem->what << "\n" << text;
    EXPECT_EQ(again.str(), trace);
    EXPECT_TRUE(s.ended());
}

// Every way a recording can be wrong, through the program as a player runs it: status 2, one line
// that names the line at fault, and no window.
TEST(RecordingTest, ABadRecordingIsRefusedWithItsLine)
{
    const std::string good = recorded_show().first;
    std::vector<std::string> lines = lines_of(good);
    auto with = [&](std::size_t at, const std::string& line) {
        std::vector<std::string> l = lines;
        l.insert(l.begin() + static_cast<std::ptrdiff_t>(at), line);
        std::string out;
        for (const std::string& x : l)
            out += x + "\n";
        return out;
    };
    std::string header = lines[0];
    auto header_with = [&](const std::string& from, const std::string& to) {
        std::string h = header;
        h.replace(h.find(from), from.size(), to);
        return good.substr(0, 0) + h + good.substr(header.size());
    };
    std::string many = header + "\n";
    for (std::size_t i = 0; i <= tk::kMaxRecordedInputs; ++i)
        many += "900 click Form1.Image1\n";
    struct Bad {
        const char* name;
        std::string bytes; // "" with missing: no file at all
        std::string says;
        bool missing = false;
    };
    const Bad cases[] = {
        {"missing", "", ": il file non esiste", true},
        {"empty", "", ": il file è vuoto"},
        {"binary",
            std::string("\x7f"
                        "ELF\x02\x01\x01\0\0\0",
                10),
            ":1: non è testo"},
        {"too large", std::string(tk::kMaxRecordingBytes + 1, 'x'), ": il file è troppo grande per una puntata"},
        {"too many inputs", many, ":10002: più di 10000 azioni"},
        {"backwards", with(3, "5 click Form1.Image1"), ":4: il momento 5 viene prima"},
        {"unknown control", with(1, "0 click Form1.Label99"), ":2: \"Form1.Label99\" non è un controllo"},
        {"no effect", with(1, "0 click Form1.Label5"), ":2: a questo punto della partita quell'azione non fa nulla"},
        {"wrong pack", header_with("built-in", "sha256:" + std::string(64, '0')),
            ":1: la puntata è stata giocata con un pacchetto di domande"},
        {"wrong format", header_with("puntata 1 ", "puntata 2 "), ":1: è una puntata nel formato 2"},
        {"wrong game", header_with("gioco " RUVANTIA_VERSION, "gioco 0.9"), ":1: la puntata è stata registrata con "},
        {"cut short", good.substr(0, good.rfind('\n', good.size() - 2) + 1), ": la puntata non finisce"},
    };
    const fs::path dir = fs::path(::testing::TempDir()) / "recordings";
    fs::create_directories(dir);
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.name);
        const std::string file = (dir / "puntata.txt").string();
        fs::remove(file);
        if (!bad.missing)
            std::ofstream(file, std::ios::binary) << bad.bytes;
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 " RUVANTIA_BINARY_DIR
                                    "/ruvantia --rivedi "
            + file + " 2>" + (dir / "err").string();
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
        const std::string err = read_file((dir / "err").string());
        EXPECT_EQ(err.rfind("ruvantia: " + file + bad.says, 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    fs::remove_all(dir);
}

} // namespace
