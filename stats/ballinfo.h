#pragma once

#include "core/ballrecord.h"
#include "stats/drawstats.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pickwise::stats {

// The four facts the ball information window shows about one ball, always over
// the whole history, counting the balls of the given view.
struct BallFacts
{
    int timesDrawn = 0;
    int expected = 0; // the fair share
    std::string lastDrawn; // "5 MAR 2003", "" when never drawn
    int drawsSince = 0; // draws after the last one holding the ball; all when never drawn
};

// Balls a draw contributes in the view: 6 (Lotto), 7 (Lotto + Bonus), 1 (Bonus).
int ballsPerDraw(View view);

// The rounded fair share of a ball of the game over `draws` draws, at least 1.
int fairShare(View view, int draws, const GameMatrix &game = sixOf49());

// Over draws of `game` only.
BallFacts ballFacts(
    const std::vector<BallRecord> &draws, View view, int ball, const GameMatrix &game = sixOf49());

// "Info": the ball typed in the box. `valid` is false when its leading number
// is below 1 or, rounded half to even, above the game's highest ball (then
// rangeMessage(game) is shown). `number` is that number as plain decimal text
// for the caption ("07" gives "7", "1.4" stays "1.4"); `ball` is it rounded
// half to even.
struct InfoBall
{
    bool valid = false;
    int16_t ball = 0;
    std::string number;
};

// "You must enter a number between 1 and 49" (52 in the 6 of 52 game).
std::string rangeMessage(const GameMatrix &game);

InfoBall readInfoBall(const std::string &text, const GameMatrix &game = sixOf49());

// The ball window's caption after "Info" ("... <Ball 7>") and after a bar
// click ("... <Ball  7>", with two blanks).
std::string infoCaption(const std::string &statsCaption, const InfoBall &info);
std::string barCaption(const std::string &statsCaption, int ball);

} // namespace pickwise::stats
