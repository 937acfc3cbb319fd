// The question bank: complete, well formed, the given rows in place, and every text fits its box.
#include "game/bank/bank.h"
#include "game/form1.h"
#include "toolkit/sdl/fonts.h"
#include "toolkit/text_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

std::size_t characters(std::string_view utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

TEST(BankTest, EveryLevelHasTwentyWellFormedQuestions)
{
    std::set<std::string_view> questions;
    // Two questions that offer the same four answers hand each other over.
    std::map<std::set<std::string_view>, std::string_view> answer_sets;
    for (int level = 1; level <= bank::kLevels; ++level) {
        const bank::Pool& pool = bank::pool(level);
        for (std::size_t q = 0; q < pool.size(); ++q) {
            const bank::Question& row = pool[q];
            SCOPED_TRACE(::testing::Message() << "level " << level << " question " << q + 1 << ": " << row.domanda);
            EXPECT_TRUE(questions.insert(row.domanda).second) << "the same question twice";
            EXPECT_FALSE(row.domanda.empty());
            EXPECT_NE(row.domanda.front(), ' ');
            EXPECT_LE(characters(row.domanda), 119u);
            std::set<std::string_view> answers {row.giusta, row.errate[0], row.errate[1], row.errate[2]};
            EXPECT_EQ(answers.size(), 4u) << "two answers alike";
            auto [other, fresh] = answer_sets.emplace(answers, row.domanda);
            EXPECT_TRUE(fresh) << "the same four answers as: " << other->second;
            // A truncation takes no apostrophe.
            EXPECT_EQ(row.domanda.find("Qual'"), std::string_view::npos);
            for (std::string_view a : answers) {
                EXPECT_FALSE(a.empty());
                EXPECT_NE(a.front(), ' ') << "answers are stored without their blanks";
                EXPECT_NE(a.back(), ' ');
                EXPECT_LE(characters(a), 30u);
            }
        }
    }
    EXPECT_EQ(questions.size(), 300u);
}

TEST(BankTest, GivenRowsStandAtTheirNumbersWithTheirFactsAndLanguageMended)
{
    struct Given {
        int level, number;
        std::string_view question, right;
    };
    const Given given[] = {
        {1, 1, "Qual è la capitale della Francia?", "Parigi"},
        {1, 5, "Quale squadra di calcio viene soprannominata ''La vecchia signora''?", "Juventus"},
        {1, 6, "In che anno entra in vigore la Costituzione Italiana?", "1948"},
        {1, 20, "In quale di queste fiabe compare il personaggio del lupo cattivo?", "Cappuccetto rosso"},
        {2, 1, "Quante sono le regioni d'Italia?", "20"},
        {5, 6, "Il Barolo è un famosissimo vino prodotto in quale regione?", "Piemonte"},
        {8, 2, "Il termine vodka è un diminutivo di ''voda'' che in russo significa....?", "Acqua"},
        {12, 1, "In quale nazione è stato inventato lo sport molto simile al tennis chiamato ''squash''?",
            "Inghilterra"},
        {14, 1, "Qual è la stazione d'arrivo della linea Transiberiana, la più grande ferrovia del mondo?",
            "Vladivostok"},
        {15, 2, "Qual è la capitale delle isole Samoa, situate nell'arcipelago polinesiano?", "Apia"},
        {7, 3, "Quale fra questi artropodi non appartiene alla famiglia degli aracnidi?", "Tarma"},
        {13, 1, "In quale anno venne fondato il famoso quotidiano ''Corriere della Sera''?", "1876"},
    };
    for (const Given& g : given) {
        const bank::Question& row = bank::pool(g.level)[static_cast<std::size_t>(g.number - 1)];
        EXPECT_EQ(row.domanda, g.question);
        EXPECT_EQ(row.giusta, g.right);
    }
    const bank::Question& constitution = bank::pool(1)[5];
    EXPECT_EQ(constitution.errate, (std::array<std::string_view, 3> {"1945", "1944", "1950"}));
    const bank::Question& squash = bank::pool(12)[0];
    EXPECT_EQ(squash.errate, (std::array<std::string_view, 3> {"Cina", "Tailandia", "Australia"}));
    // Pago Pago is the capital of American Samoa, on the same islands: a wrong answer that a
    // player could defend gave way to the capital of Tonga.
    const bank::Question& samoa = bank::pool(15)[1];
    EXPECT_EQ(samoa.errate, (std::array<std::string_view, 3> {"Bairiki", "Nuku'alofa", "Suva"}));
}

// Measured with the real text layout and the fonts the game ships with: each question fits the
// question box and each answer, with its six blanks, fits its answer box, at the normal size.
TEST(BankTest, EveryTextFitsItsBoxAtNormalSize)
{
    tk::sdl::Fonts fonts;
    BoardControls board;
    int shrunk = 0;
    for (int level = 1; level <= bank::kLevels; ++level) {
        for (const bank::Question& row : bank::pool(level)) {
            tk::Label question = board.Label2;
            question.Caption = std::string(row.domanda);
            tk::TextLayout q = tk::layout_text(fonts, question, 1.0);
            EXPECT_TRUE(q.fits && q.pixels == q.nominal) << "question does not fit: " << row.domanda;
            shrunk += q.pixels != q.nominal;
            for (std::string_view a : {row.giusta, row.errate[0], row.errate[1], row.errate[2]}) {
                tk::Label answer = board.Label3(0);
                answer.Caption = std::string(bank::kAnswerBlanks) + std::string(a);
                tk::TextLayout l = tk::layout_text(fonts, answer, 1.0);
                EXPECT_TRUE(l.fits && l.pixels == l.nominal && l.lines.size() == 1)
                    << "answer does not fit on one line: " << a << " (" << row.domanda << ")";
            }
        }
    }
    EXPECT_EQ(shrunk, 0);
}

} // namespace
