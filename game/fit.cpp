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

// The question's box, or an answer's.
bool text_fits(tk::FontMetrics& fonts, const BoardControls& board, const std::string& text, bool question)
{
    return question ? question_fits(fonts, board, text) : answer_fits(fonts, board, text);
}

std::vector<Problem> fit_problems(const Pack& pack, tk::FontMetrics& fonts, FitMemo* memo)
{
    const BoardControls board;
    // Each text measured once per memo; a memo grown past any pack's texts starts afresh.
    auto fits = [&](const std::string& text, bool question) {
        if (!memo)
            return text_fits(fonts, board, text, question);
        auto& known = question ? memo->questions : memo->answers;
        if (known.size() > 4 * kMaxPackLines)
            known.clear();
        auto [it, fresh] = known.try_emplace(text, false);
        if (fresh)
            it->second = text_fits(fonts, board, text, question);
        return it->second;
    };
    std::vector<Problem> problems;
    for (const Pool& pool : pack.levels) {
        for (const Question& q : pool) {
            if (!fits(q.domanda, true))
                problems.push_back({q.line, "la domanda è troppo lunga per il suo riquadro: accorciala"});
            for (const std::string* a : {&q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]})
                if (!fits(*a, false))
                    problems.push_back({q.line,
                        "la risposta \"" + *a
                            + "\" è troppo lunga per stare su una riga del suo riquadro: accorciala"});
        }
    }
    return problems;
}

} // namespace

std::vector<Problem> check_fit(const Pack& pack, tk::FontMetrics& fonts)
{
    return fit_problems(pack, fonts, nullptr);
}

std::vector<Problem> check_fit(const Pack& pack, tk::FontMetrics& fonts, FitMemo& memo)
{
    return fit_problems(pack, fonts, &memo);
}

std::size_t characters_over(const std::string& text, bool question, tk::FontMetrics& fonts)
{
    const BoardControls board;
    auto fits = [&](const std::string& t) { return text_fits(fonts, board, t, question); };
    if (fits(text))
        return 0;
    std::vector<std::size_t> ends; // where the text's first 1, 2, ... characters end
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    std::size_t kept = 0, over = ends.size(); // the first `kept` characters fit, `over` do not
    while (over - kept > 1) {
        const std::size_t mid = (kept + over) / 2;
        (fits(text.substr(0, ends[mid - 1])) ? kept : over) = mid;
    }
    return ends.size() - kept;
}

void add_fit_problems(Reading& r, tk::FontMetrics& fonts)
{
    for (Problem& p : check_fit(r.pack, fonts))
        r.problems.push_back(std::move(p));
}

} // namespace bank
