// The question bank: fifteen pools of twenty questions, one pool per rung of the ladder.
//
// Answers are written here without the six leading blanks that the board needs to clear the
// letter drawn over each answer box; the loader (Form1's domanda subs) adds them, so whoever
// edits a pool only writes the plain answer.
#pragma once

#include <array>
#include <string_view>

namespace bank {

struct Question {
    std::string_view domanda; // the question, no leading blanks
    std::string_view giusta; // the right answer
    std::array<std::string_view, 3> errate; // the three wrong answers, in pool order
};

using Pool = std::array<Question, 20>;

// What every answer on the board begins with: room for the letter drawn over the answer box.
inline constexpr std::string_view kAnswerBlanks = "      ";

constexpr int kLevels = 15;
constexpr int kQuestionsPerLevel = 20;

// One pool per level, defined in levelNN.cpp.
extern const Pool kLevel01;
extern const Pool kLevel02;
extern const Pool kLevel03;
extern const Pool kLevel04;
extern const Pool kLevel05;
extern const Pool kLevel06;
extern const Pool kLevel07;
extern const Pool kLevel08;
extern const Pool kLevel09;
extern const Pool kLevel10;
extern const Pool kLevel11;
extern const Pool kLevel12;
extern const Pool kLevel13;
extern const Pool kLevel14;
extern const Pool kLevel15;

// The pool of a level from 1 to 15.
const Pool& pool(int level);

} // namespace bank
