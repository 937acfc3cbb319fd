// RUVANTIA: the real clock, the SDL2 windows, the start-up window, and the show runs, with the
// built-in questions or with a pack the player names.
#include "game/game.h"
#include "toolkit/sdl/backend.h"
#include "toolkit/sdl/fonts.h"

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr int kBadUse = 2; // an unknown option, or a pack with problems: no window opens

constexpr const char* kUsage = "uso: ruvantia [FILE] | --check FILE | --print-bank | --help | --version";

constexpr const char* kHelp = R"(uso: ruvantia [FILE]
     ruvantia --check FILE
     ruvantia --print-bank

Il quiz televisivo per un giocatore: quindici domande, da 50 € fino al milione.

  FILE            gioca con le domande di questo pacchetto (un file .csv, .tsv o
                  .txt, o un foglio .xlsx o .ods) invece che con quelle del gioco
  --check FILE    controlla il pacchetto senza aprire la finestra: elenca ogni
                  problema ed esce con 0 se il pacchetto è buono, con 2 se no
  --print-bank    scrive le domande del gioco come pacchetto, da cui partire per
                  scriverne di proprie: ruvantia --print-bank > domande.tsv
  --help          mostra questo aiuto ed esce
  --version       mostra la versione ed esce

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

} // namespace

int main(int argc, char** argv)
{
    std::optional<std::string> file;
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

    std::optional<bank::Pack> pack;
    if (file) {
        std::optional<bank::Reading> r = pack_from(*file);
        if (!r)
            return kBadUse;
        if (check) {
            // Said when the file was not plain UTF-8 text, so that a surprise shows before a show.
            const std::string how = r->how_read.empty() ? "" : " (" + r->how_read + ")";
            std::printf("ruvantia: %s: il pacchetto è buono, %zu domande%s\n", file->c_str(), questions_in(r->pack),
                how.c_str());
            return 0;
        }
        pack = std::move(r->pack);
    }

    tk::sdl::SystemClock clock;
    tk::Random random(std::random_device {}());
    Game game(clock, random, pack ? *pack : bank::built_in());
    auto backend = tk::sdl::Backend::create(game.runtime, clock);
    if (!backend)
        return 1;
    game.start();
    return backend->run();
}
