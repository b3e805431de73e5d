#pragma once

#include "core/datapaths.h"
#include "core/game.h"
#include "core/recordfile.h"
#include "platform/dialogs.h"
#include "wheels/suggestion.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pickwise::wheels {

constexpr const char *numbersSameMessage = "One or more of your numbers are the same!";
constexpr const char *numbersOutOfRangeMessage = "One or more of your numbers are out of range!";
constexpr const char *overwriteQuestion = "You have already created one of thse wheels. Do you "
                                          "want to overwrite the existing entry with this new "
                                          "entry?";
constexpr const char *definitionCorruptMessage = "Your wheel data file is corrupt";
constexpr const char *wheelFileNotFoundMessage = "The wheel file cannot be found!";
constexpr const char *wheelDoneMessage = "Done!";

enum class GroupProblem { None, Same, OutOfRange };

// Reads the first n of the 24 box texts as whole numbers (halves to even),
// sorts them ascending and checks them: duplicates first, so two empty boxes
// are "the same", then the range 1..maxball. group gets the sorted balls.
GroupProblem readGroup(const std::array<std::string, ballBoxes> &boxes, int n, int maxball,
    std::vector<int16_t> &group);

// Six group positions of one definition line, 1 = the smallest ball.
using Positions = std::array<int, 6>;

// One line as the definition reader takes it: the text up to the first comma
// (or inside the quotes of a quoted line), trimmed, then six numbers in the
// two-character columns 1-2, 4-5, 7-8, 10-11, 13-14 and 16-17. A field that
// holds no number reads 0.
Positions definitionLinePositions(const std::string &line);

enum class DefinitionStatus { Ok, Corrupt, NotFound };

// Reads exactly `entries` lines of a definition file for a group of n balls.
// A field reading 0 makes the file Corrupt; too few lines or a position outside
// 1..n is NotFound. The first faulty field in line order decides.
DefinitionStatus readDefinition(
    const std::string &text, int entries, int n, std::vector<Positions> &lines);

// Puts line k's balls into record k (k = 1..lines) with count = number of lines
// in every record; the other fields keep what the record held.
void writeWheel(
    RecordFile &file, const std::vector<Positions> &lines, const std::vector<int16_t> &group);

struct SaveWheelInput
{
    DataPaths paths; // the definition files in the program folder, the wheel in the data folder
    std::string wheelgame;
    int wheeltype = 0;
    int ballcount = 0;
    int maxball = sixOf49().highestBall; // of the wheel's game; the window gives today's
    std::array<std::string, ballBoxes> boxes;
    std::string entriesText; // Text25
};

enum class SaveOutcome { Same, OutOfRange, Kept, Corrupt, NotFound, Done };

// Save Wheel: checks the group, asks before replacing a wheel that holds
// entries, and writes the type's wheel entry file from its definition file.
// Every message goes through dialogs. Any failure leaves the wheel entry file
// exactly as it was: the new content is built in memory and replaces the file
// in one rename.
SaveOutcome saveWheel(const SaveWheelInput &input, Dialogs &dialogs);

// The program folder's wheels/6-d-k-n.whl
std::string definitionPath(const DataPaths &paths, int code, int n);

} // namespace pickwise::wheels
