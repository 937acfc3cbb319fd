// One game of RUVANTIA: the runtime and its six windows. Tests build a fresh one per case.
#pragma once

#include "game/bank/bank.h"
#include "game/form1.h"
#include "lifelines/form4.h"
#include "lifelines/form5.h"
#include "toolkit/runtime.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form6.h"

class Game {
public:
    // The show asks the questions of this pack, which must have been read without problems and
    // outlive the game.
    Game(tk::Clock& clock, tk::Random& random, const bank::Pack& pack = bank::built_in())
        : pack(pack)
        , runtime(clock, random)
        , Form1(*this)
        , Form2(*this)
        , Form3(*this)
        , Form4(*this)
        , Form5(*this)
        , Form6(*this)
    {
        runtime.bind_keys(keys());
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // What each key chooses in each window.
    static std::span<const tk::KeyBinding> keys();

    // The program starts by loading and showing its start-up window.
    void start()
    {
        runtime.dispatch([this] { Form1.Show(); });
    }

    const bank::Pack& pack;
    tk::Runtime runtime;
    Board Form1;
    WalkAway Form2;
    Goodbye Form3;
    PhoneFriend Form4;
    AudiencePoll Form5;
    FinalAnswer Form6;
};
