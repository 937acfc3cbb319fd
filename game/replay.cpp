#include "game/replay.h"

#include "toolkit/player_file.h"
#include "toolkit/sha256.h"

namespace replay {

std::string pack_id(std::string_view bytes)
{
    return "sha256:" + tk::sha256_hex(bytes);
}

tk::RecordingHeader header(std::string_view pack_id, int start, std::uint64_t seed)
{
    return tk::RecordingHeader {RUVANTIA_VERSION, std::string(pack_id), start, seed};
}

std::optional<tk::RecordingProblem> check_origin(const tk::RecordingHeader& h, std::string_view pack_id)
{
    if (h.game != RUVANTIA_VERSION)
        return tk::RecordingProblem {1,
            "la puntata è stata registrata con ruvantia " + h.game
                + ", e questo è ruvantia " RUVANTIA_VERSION ": si rivede solo con la versione che l'ha registrata"};
    if (h.pack == pack_id)
        return std::nullopt;
    if (h.pack == kBuiltIn)
        return tk::RecordingProblem {1,
            "la puntata è stata giocata con le domande del gioco, non con un pacchetto: "
            "rivedila senza il file delle domande"};
    return tk::RecordingProblem {1,
        pack_id == kBuiltIn
            ? "la puntata è stata giocata con un pacchetto di domande: rivedila con lo stesso file"
            : "la puntata è stata giocata con un altro pacchetto di domande: rivedila con lo stesso file di allora"};
}

tk::RecordingProblem no_effect(int line)
{
    return {line,
        "a questo punto della partita quell'azione non fa nulla: la puntata è stata modificata, o non è "
        "di questa partita"};
}

std::optional<tk::RecordingProblem> play(const tk::Recording& recording, Game& game, tk::ManualClock& clock,
    tk::Driver& driver, const std::function<void()>& after)
{
    std::vector<tk::ScriptedInput> script;
    if (auto problem = tk::script_of(recording, game.runtime, script))
        return problem;
    driver.replay(std::move(script));
    driver.play_until(clock, recording.end, [&] {
        if (after)
            after();
        return driver.failed().has_value();
    });
    if (auto line = driver.failed())
        return no_effect(*line);
    if (!game.runtime.finished())
        return tk::RecordingProblem {recording.end_line,
            "la puntata finisce qui, ma la partita a questo punto non è finita: il file è stato modificato"};
    return std::nullopt;
}

std::optional<tk::RecordingProblem> rehearse(const tk::Recording& recording, const bank::Pack& pack)
{
    tk::ManualClock clock(recording.header.start);
    tk::Random random(recording.header.seed);
    Game game(clock, random, pack);
    tk::Driver driver(game.runtime, clock);
    game.start();
    return play(recording, game, clock, driver);
}

Loaded read(std::string_view bytes, std::string_view pack_id)
{
    tk::RecordingReading r = tk::read_recording(bytes);
    if (!r.problem)
        r.problem = check_origin(r.recording.header, pack_id);
    return Loaded {std::move(r.recording), std::move(r.problem)};
}

Loaded load(const std::string& path, std::string_view pack_id)
{
    tk::PlayerFile file = tk::read_player_file(path, tk::kMaxRecordingBytes, "il file della puntata",
        "il file è troppo grande per una puntata registrata (più di 256 KB)");
    if (!file.fault.empty())
        return Loaded {{}, tk::RecordingProblem {0, std::move(file.fault)}};
    return read(file.bytes, pack_id);
}

std::string report(std::string_view program, std::string_view file, const tk::RecordingProblem& problem)
{
    std::string out = std::string(program) + ": " + std::string(file);
    if (problem.line > 0) {
        out += ':';
        out += std::to_string(problem.line);
    }
    return out + ": " + problem.what + "\n";
}

} // namespace replay
