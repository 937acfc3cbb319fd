// RUVANTIA: the real clock, the SDL2 windows, the start-up window, and the show runs, with the
// built-in questions or with a pack the player names; recorded to a file, or played again from one.
#include "game/game.h"
#include "game/replay.h"
#include "toolkit/recording.h"
#include "toolkit/sdl/backend.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/tracer.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr int kBadUse = 2; // an unknown option, a bad pack or recording: no window opens

constexpr const char* kUsage = "uso: ruvantia [FILE] | --check FILE | --registra PUNTATA [FILE] | "
                               "--rivedi PUNTATA [FILE] | --print-bank | --help | --version";

constexpr const char* kHelp = R"(uso: ruvantia [FILE]
     ruvantia --check FILE
     ruvantia --registra PUNTATA [FILE]
     ruvantia --rivedi PUNTATA [FILE]
     ruvantia --print-bank

Il quiz televisivo per un giocatore: quindici domande, da 50 € fino al milione.

  FILE              gioca con le domande di questo pacchetto (un file .csv, .tsv o
                    .txt, o un foglio .xlsx o .ods) invece che con quelle del gioco
  --check FILE      controlla il pacchetto senza aprire la finestra: elenca ogni
                    problema ed esce con 0 se il pacchetto è buono, con 2 se no
  --registra PUNTATA
                    gioca una partita e la registra nel file PUNTATA quando finisce,
                    anche se la si interrompe o si chiude la finestra
  --rivedi PUNTATA  rivede una partita registrata, al suo ritmo; chiudere la
                    finestra la interrompe (con il pacchetto di allora, se c'era)
  --print-bank      scrive le domande del gioco come pacchetto, da cui partire per
                    scriverne di proprie: ruvantia --print-bank > domande.tsv
  --help            mostra questo aiuto ed esce
  --version         mostra la versione ed esce

Il formato dei pacchetti di domande è descritto in: man ruvantia
)";

int refuse(const std::string& why)
{
    std::fprintf(stderr, "ruvantia: %s (%s)\n", why.c_str(), kUsage);
    return kBadUse;
}

// The pack of a file, with every problem on stderr when there is any.
std::optional<bank::Reading> pack_from(const std::string& path)
{
    bank::Reading r;
    {
        tk::sdl::Fonts fonts; // let go before the windows open their own
        r = bank::load_and_check(path, fonts);
    }
    if (!r.ok()) {
        std::fputs(bank::report(path, r.problems).c_str(), stderr);
        return std::nullopt;
    }
    return r;
}

std::size_t questions_in(const bank::Pack& pack)
{
    std::size_t n = 0;
    for (const bank::Pool& pool : pack.levels)
        n += pool.size();
    return n;
}

// Where a recording goes: a file made beside the one named when the show starts, so that a folder
// that cannot take it says so before any window opens, and renamed onto the name once the whole
// recording is in it. A recording is never half-written.
class RecordingFile {
public:
    explicit RecordingFile(std::string path)
        : path_(std::move(path))
        , temporary_(path_ + ".XXXXXX")
    {
        fd_ = mkstemp(temporary_.data());
    }
    ~RecordingFile()
    {
        if (fd_ >= 0) {
            ::close(fd_);
            ::unlink(temporary_.c_str());
        }
    }
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;
    bool ok() const { return fd_ >= 0; }

    bool write(const std::string& text)
    {
        std::size_t done = 0;
        while (done < text.size()) {
            ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
            fd_ = -1;
            ::unlink(temporary_.c_str());
            return false;
        }
        fd_ = -1;
        if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
            ::unlink(temporary_.c_str());
            return false;
        }
        return true;
    }

private:
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
};

// For the tests only: RUVANTIA_TRACE names a file that gets the show's trace, as simulate prints it.
class TestTrace {
public:
    explicit TestTrace(tk::Runtime& runtime)
        : runtime_(runtime)
    {
        const char* path = std::getenv("RUVANTIA_TRACE");
        if (!path || !*path || !(out_ = std::fopen(path, "w")))
            return;
        std::setvbuf(out_, nullptr, _IOLBF, 0); // a line at a time, for a test that follows the show
        tracer_ = std::make_unique<tk::Tracer>(runtime, [this](std::string_view line) {
            std::fwrite(line.data(), 1, line.size(), out_);
            std::fputc('\n', out_);
        });
        runtime.add_observer(tracer_.get());
    }
    ~TestTrace()
    {
        if (!out_)
            return;
        if (runtime_.finished())
            tracer_->end();
        runtime_.remove_observer(tracer_.get());
        std::fclose(out_);
    }
    TestTrace(const TestTrace&) = delete;
    TestTrace& operator=(const TestTrace&) = delete;

private:
    tk::Runtime& runtime_;
    std::FILE* out_ = nullptr;
    std::unique_ptr<tk::Tracer> tracer_;
};

} // namespace

int main(int argc, char** argv)
{
    std::optional<std::string> file, record, replay;
    bool check = false;
    bool options_end = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!options_end && arg == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (!options_end && arg == "--version") {
            std::printf("ruvantia %s\n", RUVANTIA_VERSION);
            return 0;
        } else if (!options_end && arg == "--print-bank") {
            const std::string_view text = bank::built_in_text();
            return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0 ? 0 : 1;
        } else if (!options_end && arg == "--check") {
            check = true;
        } else if (!options_end && (arg == "--registra" || arg == "--rivedi")) {
            if (i + 1 >= argc)
                return refuse(std::string(arg) + " vuole il nome del file della puntata");
            (arg == "--registra" ? record : replay) = std::string(argv[++i]);
        } else if (!options_end && arg == "--") {
            options_end = true;
        } else if (!options_end && arg.starts_with('-') && arg != "-") {
            return refuse("opzione sconosciuta: " + std::string(arg));
        } else if (file) {
            return refuse("un solo pacchetto di domande per volta");
        } else {
            file = std::string(arg);
        }
    }
    if (check && !file)
        return refuse("--check vuole il nome del file da controllare");
    if (int modes = check + record.has_value() + replay.has_value(); modes > 1)
        return refuse("--check, --registra e --rivedi non vanno insieme");

    std::optional<bank::Reading> pack;
    if (file) {
        pack = pack_from(*file);
        if (!pack)
            return kBadUse;
        if (check) {
            // Said when the file was not plain UTF-8 text, so that a surprise shows before a show.
            const std::string how = pack->how_read.empty() ? "" : " (" + pack->how_read + ")";
            std::printf("ruvantia: %s: il pacchetto è buono, %zu domande%s\n", file->c_str(), questions_in(pack->pack),
                how.c_str());
            return 0;
        }
    }
    const bank::Pack& questions = pack ? pack->pack : bank::built_in();
    const std::string pack_id = pack ? "sha256:" + pack->digest : std::string(replay::kBuiltIn);

    // A show to replay is read and rehearsed in virtual time first: one that does not hold together
    // is refused, with its line, before any window opens.
    std::optional<tk::Recording> recording;
    if (replay) {
        replay::Loaded loaded = replay::load(*replay, pack_id);
        if (!loaded.problem)
            loaded.problem = replay::rehearse(loaded.recording, questions);
        if (loaded.problem) {
            std::fputs(replay::report("ruvantia", *replay, *loaded.problem).c_str(), stderr);
            return kBadUse;
        }
        recording = std::move(loaded.recording);
    }
    std::optional<RecordingFile> out;
    if (record && !out.emplace(*record).ok()) {
        std::fprintf(stderr, "ruvantia: %s: qui non si può scrivere la puntata: controlla la cartella e i permessi\n",
            record->c_str());
        return kBadUse;
    }

    std::random_device device;
    std::uint64_t seed = recording ? recording->header.seed : (std::uint64_t {device()} << 32 | device());
    tk::sdl::SystemClock clock(recording ? std::optional<int>(recording->header.start) : std::nullopt);
    tk::Random random(seed);
    Game game(clock, random, questions);
    tk::Recorder recorder(game.runtime, replay::header(pack_id, clock.start_of_day(), seed));
    if (record)
        game.runtime.add_observer(&recorder);
    TestTrace trace(game.runtime);
    auto backend = tk::sdl::Backend::create(game.runtime, clock);
    if (!backend)
        return 1;
    if (recording) {
        std::vector<tk::ScriptedInput> script;
        tk::script_of(*recording, game.runtime, script);
        backend->replay(std::move(script));
    }
    game.start();
    int status = backend->run();
    if (record) {
        std::optional<tk::Recording> done = recorder.recording();
        if (!done || !out->write(tk::write_recording(*done))) {
            std::fprintf(stderr, "ruvantia: %s: la puntata non si è potuta scrivere%s\n", record->c_str(),
                done ? "" : " (troppe azioni per una puntata)");
            return 1;
        }
    }
    return status;
}
