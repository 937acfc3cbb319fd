// What every pack reader promises whatever it is fed, checked by each fuzz target on each
// input: the report agrees with the verdict, a pack it accepts is one the show can play, and a
// level it calls empty is one that no row it read cleanly names.
#pragma once

#include "fuzz/require.h"
#include "game/bank/bank.h"

#include <set>

namespace fuzz {

// The levels a problem says have no question: "il livello 7 non ha domande", "i livelli 1, 2
// e 15 non hanno domande".
inline std::set<int> levels_called_empty(const bank::Problem& p)
{
    std::set<int> levels;
    const std::size_t end = p.what.find(" non ha domande");
    const std::size_t end_many = p.what.find(" non hanno domande");
    if (p.line != 0 || (end == std::string::npos && end_many == std::string::npos))
        return levels;
    int n = -1;
    for (char c : p.what.substr(0, std::min(end, end_many))) {
        if (c >= '0' && c <= '9')
            n = (n < 0 ? 0 : n * 10) + (c - '0');
        else if (n >= 0)
            levels.insert(n), n = -1;
    }
    if (n >= 0)
        levels.insert(n);
    return levels;
}

inline void check_reading(const bank::Reading& r)
{
    const std::string report = bank::report("domande.tsv", r.problems);
    require(r.ok() == report.empty());
    for (const bank::Pool& pool : r.pack.levels) {
        require(!r.ok() || !pool.empty());
        for (const bank::Question& q : pool) {
            std::set<std::string> answers {q.giusta, q.errate[0], q.errate[1], q.errate[2]};
            require(answers.size() == 4 && q.line > 0);
            for (const std::string* s : {&q.domanda, &q.giusta, &q.errate[0], &q.errate[1], &q.errate[2]})
                require(!s->empty() && s->front() != ' ' && s->back() != ' ');
        }
    }
    // A row read cleanly is a question of its level: that level is not empty.
    for (const bank::Problem& p : r.problems)
        for (int level : levels_called_empty(p))
            require(level >= 1 && level <= bank::kLevels && r.pack.pool(level).empty());
}

} // namespace fuzz
