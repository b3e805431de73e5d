#pragma once

#include <string>
#include <vector>

namespace pickwise {
struct GameMatrix;
}

namespace pickwise::wheels {

// One guaranteed wheel type: if any d balls of the player's group are drawn,
// at least one entry of the wheel matches k of them.
struct WheelType
{
    int code; // 1..10, the value wheeltype and wheelno hold
    const char *optionCaption; // caption of Option<code>
    const char *groupLabel; // the label heading its option button
    int k;
    int d;
    const char *tag; // wheel entry file = wheelgame + tag
    const char *menuName; // item under the main window's Wheels > Open
    const char *menuCaption;
    int smallestSize; // group sizes offered run from here, one per entry below
    std::vector<int> entries; // entries required for smallestSize, smallestSize + 1, ...

    int largestSize() const { return smallestSize + static_cast<int>(entries.size()) - 1; }
};

// The game the wheels are made for, as the wheel window is opened with it.
struct WheelGame
{
    std::string wheelgame; // what a wheel entry file's name starts with: "Lotto"
    std::string wheelresults; // the results history the group is suggested from
    int maxball = 0; // the highest ball
    std::string wheeltitle; // the game's name on a printed cover
    // The game the wheels are played in: today's (wheel entries belong to it).
    // maxball is its highest ball and the group is suggested from its draws.
    const GameMatrix *matrix = nullptr;
};

// The ten types in code order.
const std::vector<WheelType> &catalogue();

// nullptr for a code outside 1..10.
const WheelType *wheelType(int code);

// Entries required for (code, n); 0 when the pair is not offered.
int entriesRequired(int code, int n);

// The four group labels Label1..Label4, for d = 6, 5, 4, 3.
const std::vector<std::string> &groupLabels();
// 1..4: which group label heads a type.
int groupLabelIndex(const WheelType &type);

// "Lotto-6-6-5.lot" for code 2 and wheelgame "Lotto".
std::string entryFileName(const std::string &wheelgame, int code);

// "6-6-5-9.whl" for code 2 and n = 9.
std::string definitionFileName(int code, int n);

// "Guarantee Match 5 if any 6 drawn from the following number group:"
std::string guaranteeSentence(int code);

} // namespace pickwise::wheels
