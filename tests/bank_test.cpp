// Question packs: the built-in one is complete and fits its boxes, a spreadsheet's copies of it
// (as text in every encoding, and in its own formats) play the same show, and every kind of bad
// pack is refused with its line and what to fix.
#include "game/bank/bank.h"
#include "game/bank/sheet.h"
#include "tests/support.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/utf8.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

tk::sdl::Fonts& fonts()
{
    static tk::sdl::Fonts f;
    return f;
}

std::string read_file(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(BankTest, TheBuiltInPackHasTwentyGoodQuestionsALevelThatFitTheirBoxes)
{
    bank::Reading r = bank::read_pack(bank::built_in_text());
    ASSERT_TRUE(r.ok()) << bank::report("domande.tsv", r.problems);
    EXPECT_EQ(bank::check_fit(r.pack, fonts()).size(), 0u);
    EXPECT_EQ(bank::read_pack(bank::write_pack(r.pack)).pack, r.pack) << "written as the reader reads it";
    // Two questions that offer the same four answers hand each other over.
    std::map<std::set<std::string>, std::string> answer_sets;
    for (int level = 1; level <= bank::kLevels; ++level) {
        EXPECT_EQ(r.pack.pool(level).size(), 20u) << "level " << level;
        for (const bank::Question& q : r.pack.pool(level)) {
            auto [other, fresh]
                = answer_sets.emplace(std::set {q.giusta, q.errate[0], q.errate[1], q.errate[2]}, q.domanda);
            EXPECT_TRUE(fresh) << q.domanda << ": the same four answers as: " << other->second;
            EXPECT_EQ(q.domanda.find("Qual'"), std::string::npos) << "a truncation takes no apostrophe";
        }
    }
    // Rows whose facts and language were mended stay as mended.
    const bank::Question& constitution = r.pack.pool(1)[5];
    EXPECT_EQ(constitution.domanda, "In che anno entra in vigore la Costituzione Italiana?");
    EXPECT_EQ(constitution.giusta, "1948");
    const bank::Question& samoa = r.pack.pool(15)[1];
    EXPECT_EQ(samoa.giusta, "Apia");
    EXPECT_EQ(samoa.errate, (std::array<std::string, 3> {"Bairiki", "Nuku'alofa", "Suva"}));
}

// The first questions of a show, as the trace shows them.
std::string first_questions(const bank::Pack& pack)
{
    std::ostringstream trace;
    sim::Simulation s(12 * 3600, &trace, nullptr, pack);
    testing_support::play_to_question(s, 4);
    return trace.str();
}

// What a pack's texts become when saved in Windows-1252: a character it lacks is a "?".
bank::Pack as_windows_1252(bank::Pack pack)
{
    constexpr std::string_view kBeyondLatin1 = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    auto save = [&](std::string& s) {
        std::string out;
        for (std::size_t i = 0; i < s.size();) {
            const std::size_t from = i;
            const char32_t c = tk::next_code_point(s, i);
            const std::string_view bytes = std::string_view(s).substr(from, i - from);
            const bool kept = c < 0x80 || (c >= 0xA0 && c <= 0xFF) || kBeyondLatin1.find(bytes) != std::string::npos;
            out += kept ? std::string(bytes) : "?";
        }
        s = out;
    };
    for (bank::Pool& pool : pack.levels)
        for (bank::Question& q : pool)
            for (std::string* s : {&q.domanda, &q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]})
                save(*s);
    return pack;
}

// The editor's "how much must go": exactly the characters whose loss makes a text fit its box.
TEST(BankTest, ATextTooLongForItsBoxSaysHowManyCharactersMustGo)
{
    const std::string answer = "Dieci, quante sono le dita delle mani e dei piedi";
    const std::string question = "Quale " + std::string(400, 'x') + "?";
    for (const auto& [text, is_question] : {std::pair {answer, false}, std::pair {question, true}}) {
        const std::size_t n = bank::characters_over(text, is_question, fonts());
        ASSERT_GT(n, 0u) << text;
        EXPECT_EQ(bank::characters_over(text.substr(0, text.size() - n), is_question, fonts()), 0u) << text;
        EXPECT_EQ(bank::characters_over(text.substr(0, text.size() - n + 1), is_question, fonts()), 1u) << text;
    }
    EXPECT_EQ(bank::characters_over("Parigi", false, fonts()), 0u);
}

TEST(BankTest, SpreadsheetCopiesAndWindowsLineEndsPlayTheSameShowAsTheBuiltInPack)
{
    const fs::path packs = fs::path(RUVANTIA_SOURCE_DIR) / "tests/packs";
    const std::string builtin_show = first_questions(bank::built_in());
    std::string windows = "\xEF\xBB\xBF";
    for (char c : bank::built_in_text())
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::map<std::string, bank::Reading> copies;
    for (const char* file : {"calc-punto-e-virgola.csv", "calc-virgole.csv", "calc-tabulazioni.txt",
             "calc-virgolette.csv", "calc-windows-1252.csv", "calc-testo-unicode.txt", "calc-livelli-numeri.xlsx",
             "calc-livelli-testo.xlsx", "calc-livelli-numeri.ods", "calc-livelli-testo.ods"})
        copies[file] = bank::load_and_check((packs / file).string(), fonts());
    copies["BOM and CRLF"] = bank::read_pack(windows);
    for (auto& [name, r] : copies) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(r.ok()) << bank::report(name, r.problems);
        EXPECT_TRUE(
            r.pack == (name.find("1252") == std::string::npos ? bank::built_in() : as_windows_1252(bank::built_in())));
        EXPECT_EQ(first_questions(r.pack), builtin_show);
    }
}

// Whether libzip was in the process before any test ran: the program loads it with the first
// spreadsheet, never at its start.
const bool libzip_at_start = dlopen("libzip.so.4", RTLD_NOW | RTLD_NOLOAD) != nullptr;

TEST(BankTest, TextPacksAreReadWithoutLibzip)
{
    EXPECT_FALSE(libzip_at_start) << "libzip is linked to the program";
    if (dlopen("libzip.so.4", RTLD_NOW | RTLD_NOLOAD))
        GTEST_SKIP() << "a spreadsheet read by an earlier test in this process loaded libzip";
    ASSERT_TRUE(bank::load_pack(RUVANTIA_SOURCE_DIR "/tests/packs/disuguale.tsv").ok());
    EXPECT_EQ(dlopen("libzip.so.4", RTLD_NOW | RTLD_NOLOAD), nullptr);
}

// Cells written by hand as Excel and LibreOffice write them, where Calc wrote none above: each
// shows what the spreadsheet shows.
TEST(BankTest, SpreadsheetCellsReadAsTheSpreadsheetShowsThem)
{
    const fs::path packs = fs::path(RUVANTIA_SOURCE_DIR) / "tests/packs";
    for (const char* file : {"celle-varie.xlsx", "celle-varie.ods"}) {
        SCOPED_TRACE(file);
        const bank::Reading r = bank::load_pack((packs / file).string());
        ASSERT_TRUE(r.ok()) << bank::report(file, r.problems);
        EXPECT_EQ(r.how_read, "letto dal foglio \"domande\"");
        // Numbers, a formula's number, rich text and a text with a comment or a phonetic guide.
        EXPECT_EQ(r.pack.pool(1)[0],
            (bank::Question {"In che anno entra in vigore la Costituzione?", "1948", {"1946", "1947", "1950"}}));
        // A decimal comma, booleans, a formula's text.
        EXPECT_EQ(
            r.pack.pool(2)[0], (bank::Question {"Quale non è un numero intero?", "3,5", {"VERO", "FALSO", "Pi"}}));
        EXPECT_EQ(r.pack.pool(3)[0].domanda, "Domanda 3?");
        EXPECT_EQ(r.pack.pool(15)[0].line, 20); // after four rows that are not there
    }
}

// A small good pack, one question a level, in which each case below makes one fault.
std::string good_pack(char sep = '\t')
{
    std::string s = "livello\tdomanda\tgiusta\tsbagliata 1\tsbagliata 2\tsbagliata 3\n";
    for (int level = 1; level <= bank::kLevels; ++level)
        s += std::to_string(level) + "\tQuanto fa " + std::to_string(level) + " per uno?\t" + std::to_string(level)
            + "\tZero\tMille\tCento\n";
    for (char& c : s)
        if (c == '\t')
            c = sep;
    return s;
}

std::string with_line(std::string pack, int number, const std::string& line)
{
    std::size_t at = 0;
    for (int n = 1; n < number; ++n)
        at = pack.find('\n', at) + 1;
    return pack.replace(at, pack.find('\n', at) - at, line);
}

// Every cell quoted, the level too; headings in another language; the empty columns a spreadsheet
// keeps to the right; UTF-16 from the other end: the pack they hold.
TEST(BankTest, TextAsSpreadsheetsSaveItReadsAsThePackItHolds)
{
    const bank::Pack expected = bank::read_pack(good_pack()).pack;
    std::string quoted = "\"level\";\"question\";\"correct\";\"wrong 1\";\"wrong 2\";\"wrong 3\"\n";
    std::string trailing = "Stufe,Frage,Richtig,Falsch 1,Falsch 2,Falsch 3,,\n";
    for (int level = 1; level <= bank::kLevels; ++level) {
        const std::string l = std::to_string(level);
        quoted += "\"" + l + "\";\"Quanto fa " + l + " per uno?\";\"" + l + "\";\"Zero\";\"Mille\";\"Cento\"\n";
        trailing += l + ",Quanto fa " + l + " per uno?," + l + ",Zero,Mille,Cento,,,\n";
    }
    std::string utf16 = "\xFE\xFF";
    for (char c : good_pack())
        utf16 += std::string(1, '\0') + c;
    for (const std::string& text : {quoted, trailing, utf16}) {
        const bank::Reading r = bank::read_pack(text);
        EXPECT_TRUE(r.ok()) << bank::report("domande.tsv", r.problems);
        EXPECT_TRUE(r.pack == expected) << text.substr(0, 60);
    }
    // A quote inside a quoted cell is written twice, and read once.
    const std::string doubled = with_line(quoted, 2, "\"1\";\"Quanto fa \"\"uno\"\" per uno?\";1;Zero;Mille;Cento");
    EXPECT_EQ(bank::read_pack(doubled).pack.pool(1)[0].domanda, "Quanto fa \"uno\" per uno?");
}

// Cells as the page and the desktop hand them over, and the texts they show.
TEST(BankTest, SheetCellsShowTheirTextsAndReadAsRows)
{
    using bank::CellType;
    const std::pair<bank::Cell, std::string> shown[] = {
        {{1, 1, CellType::number, "1948"}, "1948"},
        {{1, 1, CellType::number, "3.5"}, "3,5"},
        {{1, 1, CellType::number, "-0.25"}, "-0,25"},
        {{1, 1, CellType::number, "0.30000000000000004"}, "0,3"},
        {{1, 1, CellType::number, "9.99999999999999999"}, "10"},
        {{1, 1, CellType::number, "1E+20"}, "1E+20"},
        {{1, 1, CellType::number, "1.5E-7"}, "1,5E-07"},
        {{1, 1, CellType::number, "0.0001"}, "0,0001"},
        {{1, 1, CellType::number, "12abc"}, "12abc"},
        {{1, 1, CellType::boolean, "1"}, "VERO"},
        {{1, 1, CellType::boolean, "false"}, "FALSO"},
        {{1, 1, CellType::text, "3.5"}, "3.5"},
    };
    for (const auto& [cell, text] : shown)
        EXPECT_EQ(bank::shown_text(cell.type, cell.value), text) << cell.value;
    EXPECT_EQ(bank::column_name(28), "AB");
    EXPECT_EQ(bank::cell_position("AB12")->column, 28);

    // The small good pack as cells, last row first: the same pack.
    std::vector<bank::Cell> cells;
    for (int level = bank::kLevels; level >= 1; --level) {
        const std::string l = std::to_string(level);
        int column = 1;
        cells.push_back({level + 1, column++, CellType::number, l});
        for (std::string t :
            {"Quanto fa " + l + " per uno?", l, std::string("Zero"), std::string("Mille"), std::string("Cento")})
            cells.push_back({level + 1, column++, CellType::text, t});
    }
    EXPECT_TRUE(bank::read_sheet(cells).pack == bank::read_pack(good_pack()).pack);
    struct Fault {
        std::vector<bank::Cell> extra;
        bank::Problem first;
    };
    const Fault faults[] = {
        {{{4, 8, CellType::text, "nota"}},
            {4,
                "la riga ha testo nella colonna H: le domande stanno nelle colonne da A a F (livello, domanda, "
                "risposta giusta e tre risposte sbagliate)"}},
        {{{bank::kMaxSheetRows + 1, 1, CellType::text, "#"}},
            {0, "il foglio ha testo oltre la riga 10000: un pacchetto di domande ne può avere al più 10000"}},
    };
    for (const Fault& f : faults) {
        std::vector<bank::Cell> with = cells;
        with.insert(with.end(), f.extra.begin(), f.extra.end());
        const bank::Reading r = bank::read_sheet(with);
        ASSERT_EQ(r.problems.size(), 1u) << bank::report("domande.xlsx", r.problems);
        EXPECT_EQ(r.problems[0].line, f.first.line);
        EXPECT_EQ(r.problems[0].what, f.first.what);
    }
    EXPECT_EQ(
        bank::read_sheet({{1, 1, CellType::text, ""}}).problems.at(0).what.rfind("il primo foglio è vuoto", 0), 0u);
}

struct BadPack {
    const char* name;
    std::string bytes; // the file's content; a path of its own when it starts with "path:"
    std::string first; // the report's first line, without "ruvantia: domande.tsv"
    std::size_t lines = 1; // lines of the report
    const char* file = "domande.tsv"; // the name it is saved under
};

std::vector<BadPack> bad_packs()
{
    const std::string good = good_pack();
    std::string many_faults = good;
    for (int i = 0; i < 25; ++i)
        many_faults += "0\tDomanda " + std::to_string(i) + "?\tA\tB\tC\tD\n";
    std::string utf16_without_bom;
    for (char c : good)
        utf16_without_bom += std::string(1, c) + '\0';
    const std::string packs = "path:" RUVANTIA_SOURCE_DIR "/tests/packs/";
    return {
        {"Missing", "path:/nonexistent/domande.tsv", ": il file non esiste: controlla il nome e la cartella"},
        {"Directory", "path:/tmp", ": è una cartella, non un file: indica il file delle domande"},
        {"Unreadable", "path:/proc/self/mem", ": il file non si può leggere"},
        {"Empty", "\r\n\n  \n", ": il file è vuoto: scrivi una domanda per riga"},
        {"Binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), ": non è un file di testo (contiene byte nulli)"},
        {"TooLarge", std::string(bank::kMaxPackBytes + 1, '#'),
            ": il file è troppo grande per un pacchetto di domande (più di 4 MB)"},
        {"TooManyLines", std::string(bank::kMaxPackLines, '\n') + good, ": il file ha più di 10000 righe"},
        {"Windows1252UndefinedByte",
            with_line(
                with_line(good, 3, "2\tPerch\xE8 no?\tA\tB\tC\tD"), 5, "4\tQuanto fa\x81?\t4\tZero\tMille\tCento"),
            ":5: testo in una codifica che il gioco non legge (byte 0x81 al carattere 12): salva il file come UTF-8: "
            "da Excel con «Salva con nome» e il tipo «CSV UTF-8 (delimitato da virgole)», da LibreOffice con «Salva "
            "con nome», «Modifica impostazioni filtro» e il set di caratteri «Unicode (UTF-8)»"},
        {"Utf8WithABrokenByte",
            with_line(with_line(good, 3, "2\tPerché no?\tA\tB\tC\tD"), 5, "4\tQuanto fa\xE8?\t4\tZero\tMille\tCento"),
            ":5: testo in una codifica che il gioco non legge (byte 0xE8 al carattere 12)"},
        {"Utf16WithoutBom", utf16_without_bom,
            ": sembra testo UTF-16 senza il segno iniziale (BOM): salvalo come UTF-8"},
        {"StrayNul", with_line(good, 4, std::string("3\tQuanto fa") + '\0' + " tre?\t3\tZero\tMille\tCento"),
            ":4: il campo 2 (domanda) contiene un carattere di controllo (U+0000)"},
        {"ControlCharacter", with_line(good, 4, "3\tQuanto fa\x07 tre?\t3\tZero\tMille\tCento"),
            ":4: il campo 2 (domanda) contiene un carattere di controllo (U+0007)"},
        {"WrongFieldCount", with_line(good, 5, "4\tQuanto fa quattro?\t4\tZero\tMille"),
            ":5: la riga ha 5 campi invece di 6: scrivi livello, domanda, risposta giusta e tre risposte sbagliate, "
            "separati da tabulazioni"},
        {"SeventhField", with_line(good, 5, "4\tQuanto fa quattro?\t4\tZero\tMille\tCento\tnota\t\t"),
            ":5: la riga ha 7 campi invece di 6"},
        {"LevelNotANumber", with_line(good, 6, "cinque\tQuanto fa cinque?\t5\tZero\tMille\tCento"),
            ":6: livello \"cinque\" non valido: scrivi un numero da 1 a 15", 2},
        {"LevelWithLetters", with_line(good, 1, "1°\tQuanto fa?\tUno\tDue\tTre\tQuattro"),
            ":1: livello \"1°\" non valido: scrivi un numero da 1 a 15"},
        {"LevelWithoutQuestions", with_line(good, 8, "# il livello 7 manca"),
            ": il livello 7 non ha domande: ogni livello da 1 a 15 ne vuole almeno una"},
        {"UnclosedQuote", with_line(good_pack(';'), 2, "1;\"Quanto fa uno; per uno?;1;Zero;Mille;Cento"),
            ":2: virgolette aperte nel campo 2 e mai chiuse"},
        {"EmptyAndBlankFields", with_line(good, 2, "1\t\tUno \tZero\tMille\tCento"),
            ":2: il campo 2 (domanda) è vuoto: scrivi la domanda", 2},
        {"TwoEqualAnswers", with_line(good, 9, "8\tQuanto fa otto per uno?\t8\tZero\t8\tCento"),
            ":9: due risposte uguali, \"8\": le quattro risposte devono essere tutte diverse"},
        {"QuestionTwice", with_line(good, 10, "9\tQuanto fa 1 per uno?\t9\tZero\tMille\tCento"),
            ":10: la stessa domanda è già alla riga 2: togline una o cambiala"},
        {"TooLongForItsBox",
            with_line(
                good, 11, "10\tQuanto fa dieci per uno?\tDieci, quante sono le dita delle mani\tZero\tMille\tCento"),
            ":11: la risposta \"Dieci, quante sono le dita delle mani\" è troppo lunga per stare su una riga del suo "
            "riquadro: accorciala"},
        {"MoreThanTwentyProblems", many_faults, ":17: livello \"0\" non valido", 21},
        {"ZipBomb", packs + "bomba.xlsx", ": il file si decomprime in più di 32 MB: è troppo per un foglio di domande"},
        {"XlsxThatIsNoZip", good, ": non è un foglio di Excel (.xlsx)", 1, "domande.xlsx"},
        {"OdsWithoutASheet", packs + "senza-fogli.ods", ": il file non ha nessun foglio"},
    };
}

// Test names and failures show a case by its name, not its bytes.
void PrintTo(const BadPack& bad, std::ostream* os)
{
    *os << bad.name;
}

class BadPackTest : public ::testing::TestWithParam<BadPack> { };

TEST_P(BadPackTest, IsRefusedWithItsLineAndWhatToDo)
{
    const BadPack& bad = GetParam();
    std::string path = bad.bytes.substr(0, 5) == "path:" ? bad.bytes.substr(5) : "";
    const fs::path dir = fs::path(::testing::TempDir()) / ("bad-pack-" + std::string(bad.name));
    if (path.empty()) {
        fs::create_directories(dir);
        path = (dir / bad.file).string();
        std::ofstream(path, std::ios::binary) << bad.bytes;
    }
    const bank::Reading r = bank::load_and_check(path, fonts());
    const std::string report = bank::report("domande.tsv", r.problems);
    EXPECT_EQ(report.rfind("ruvantia: domande.tsv" + bad.first, 0), 0u) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), static_cast<long>(bad.lines)) << report;
    if (bad.lines > bank::kProblemsShown) {
        EXPECT_NE(report.find("\nruvantia: domande.tsv: e altri 5 problemi\n"), std::string::npos) << report;
    }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Packs, BadPackTest, ::testing::ValuesIn(bad_packs()),
    [](const ::testing::TestParamInfo<BadPack>& info) { return std::string(info.param.name); });

// The program as a player runs it, with no display: what it prints and its status. A pack it
// would play tries to open its window and fails (status 1); a bad one never gets that far.
TEST(CommandLineTest, OptionsAndPacksAnswerWithTheRightWordsAndStatus)
{
    const fs::path dir = fs::path(::testing::TempDir()) / "command-line";
    fs::create_directories(dir);
    const std::string bad = (dir / "brutto.tsv").string();
    std::ofstream(bad) << with_line(good_pack(), 3, "2\tQuanto fa due per uno?\t2\t2\tMille\tCento");
    const std::string good = RUVANTIA_SOURCE_DIR "/tests/packs/calc-punto-e-virgola.csv";
    const std::string windows = RUVANTIA_SOURCE_DIR "/tests/packs/calc-windows-1252.csv";
    const std::string ods = RUVANTIA_SOURCE_DIR "/tests/packs/calc-livelli-numeri.ods";
    struct Run {
        std::string args;
        int status;
        std::string out, err; // what each stream starts with
    };
    const std::string usage = " (uso: ruvantia [FILE] | --check FILE | --registra PUNTATA [FILE] | --rivedi PUNTATA "
                              "[FILE] | --print-bank | --help | --version)\n";
    const Run runs[] = {
        {"--help", 0, "uso: ruvantia [FILE]\n", ""},
        {"--version", 0, "ruvantia 1.0.0\n", ""},
        {"--print-bank", 0, std::string(bank::built_in_text()), ""},
        {"--check " + good, 0, "ruvantia: " + good + ": il pacchetto è buono, 300 domande\n", ""},
        {"--check " + windows, 0,
            "ruvantia: " + windows + ": il pacchetto è buono, 300 domande (letto come Windows-1252)\n", ""},
        {"--check " + ods, 0,
            "ruvantia: " + ods + ": il pacchetto è buono, 300 domande (letto dal foglio \"domande\")\n", ""},
        {"--check " + bad, 2, "", "ruvantia: " + bad + ":3: due risposte uguali, \"2\""},
        {bad, 2, "", "ruvantia: " + bad + ":3: due risposte uguali"},
        {good, 1, "", "ruvantia: "},
        {"--bogus", 2, "", "ruvantia: opzione sconosciuta: --bogus" + usage},
        {good + " " + bad, 2, "", "ruvantia: un solo pacchetto di domande per volta" + usage},
        {"--check", 2, "", "ruvantia: --check vuole il nome del file da controllare" + usage},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.args);
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 " RUVANTIA_BINARY_DIR
                                    "/ruvantia "
            + run.args + " >" + (dir / "out").string() + " 2>" + (dir / "err").string();
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, run.status);
        const std::string out = read_file(dir / "out"), err = read_file(dir / "err");
        EXPECT_EQ(out.rfind(run.out, 0), 0u) << out;
        EXPECT_EQ(err.rfind(run.err, 0), 0u) << err;
        if (run.status == 2) {
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
    }
    fs::remove_all(dir);
}

} // namespace
