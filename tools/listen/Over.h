#pragma once
// The over the listening test and the latency benchmark play: "Human V Human"
// at the game's pace (a tick every 16 ms), as a replay script, one ball for
// each kind of effect: bowled (stumps, cheer), a single (crack, applause), a
// four (crack, roar), a near miss (ooh), a block (knock; a wide), a ball into
// the pads, and the last ball of the innings (end applause); every ball with
// the bowler's footfalls, the release and the ball pitching. About 17 s.

namespace listening {

inline constexpr const char* kOver =
    "text Text3 1\nselect OptionBOWLe\nselect OptionBATe\npace 16\nbegin\n"
    "press 97\npress 101\ntick 10\ndown 38\ntick 2\nup 38\ntick 18\npress 101\ntick 36\n"
    "press 78\ntick 80\n"
    "press 98\npress 101\ntick 10\ndown 37\ntick 3\nup 37\ntick 17\npress 101\ntick 46\n"
    "press 75\ntick 75\n"
    "press 98\npress 101\ndown 90\ntick 4\nup 90\ntick 26\npress 101\ntick 46\npress 75\n"
    "tick 75\n"
    "press 97\npress 101\ntick 10\ndown 39\ntick 1\nup 39\ntick 19\npress 101\ntick 37\n"
    "press 78\ntick 84\n"
    "press 98\npress 101\ntick 30\npress 101\ntick 45\npress 72\ntick 76\n"
    "press 98\npress 101\ntick 10\ndown 37\ntick 2\nup 37\ntick 18\npress 101\ntick 121\n"
    "press 98\npress 101\ntick 30\npress 101\ntick 131\n";

// The longest any effect of the over goes on sounding after the last is
// asked for (the end applause, 2.9 s).
inline constexpr int kOverTailMs = 3500;

}  // namespace listening
