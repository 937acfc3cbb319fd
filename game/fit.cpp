// Whether a pack's texts fit their boxes on the board, measured as the board lays them out.
#include "game/bank/bank.h"
#include "game/form1.h"
#include "toolkit/text_layout.h"

namespace bank {

namespace {

// Far longer than any text that fits a box: such a text is not laid out at all.
constexpr std::size_t kSurelyTooLong = 1000;

bool question_fits(tk::FontMetrics& fonts, const BoardControls& board, const std::string& text)
{
    if (text.size() > kSurelyTooLong)
        return false;
    tk::Label question = board.Label2;
    question.Caption = text;
    const tk::TextLayout l = tk::layout_text(fonts, question, 1.0);
    return l.fits && l.pixels == l.nominal;
}

bool answer_fits(tk::FontMetrics& fonts, const BoardControls& board, const std::string& text)
{
    if (text.size() > kSurelyTooLong)
        return false;
    tk::Label answer = board.Label3(0);
    answer.Caption = std::string(kAnswerBlanks) + text;
    const tk::TextLayout l = tk::layout_text(fonts, answer, 1.0);
    return l.fits && l.pixels == l.nominal && l.lines.size() == 1;
}

} // namespace

std::vector<Problem> check_fit(const Pack& pack, tk::FontMetrics& fonts)
{
    const BoardControls board;
    std::vector<Problem> problems;
    for (const Pool& pool : pack.levels) {
        for (const Question& q : pool) {
            if (!question_fits(fonts, board, q.domanda))
                problems.push_back({q.line, "la domanda è troppo lunga per il suo riquadro: accorciala"});
            for (const std::string* a : {&q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]})
                if (!answer_fits(fonts, board, *a))
                    problems.push_back({q.line,
                        "la risposta \"" + *a
                            + "\" è troppo lunga per stare su una riga del suo riquadro: accorciala"});
        }
    }
    return problems;
}

} // namespace bank
