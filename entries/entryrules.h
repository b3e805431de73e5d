#pragma once

#include "core/game.h"
#include "core/lines.h"

#include <array>
#include <cstdint>
#include <string>

namespace pickwise {

// Six typed numbers, as the manual Add and the Edit Entry Change read them.
using TypedBoxes = std::array<std::string, 6>;

// The one message for a faulty typed entry, empty when the six numbers may be
// stored. Every pair of boxes is looked at and the last fault found is the one
// reported. Two numbers that only become equal once rounded (7.4 and 7.3) are
// reported as the same too, so a stored entry never holds a number twice.
// On success `entry` holds the rounded numbers in ascending order. The numbers
// are balls of `game`, the game of the entries being made.
std::string typedEntry(const TypedBoxes &boxes, Entry &entry, const GameMatrix &game = sixOf49());

// Entry k's six numbers as stored (a zero record past the end). Returns an
// error text, empty on success.
std::string entryAt(const std::string &path, int k, Entry &entry);

// The constraint set of computer suggestions: numbers each suggestion must
// hold (mustcontain, slots 1..3) and must not (mustnotcontain, slots 1..6),
// in force while constrained; 0 is an empty slot. The app keeps one for the
// whole run and hands it to the entry window.
struct ConstraintSet
{
    std::array<int16_t, 3> mustcontain {};
    std::array<int16_t, 6> mustnotcontain {};
    bool constrained = false;
};

// The nine constraint boxes in slot order: must contain Text2..Text4, must not
// contain Text5, Text6, Text7, Text9, Text10, Text11.
using ConstraintBoxes = std::array<std::string, 9>;

// What the boxes show when the entry window opens.
ConstraintBoxes constraintBoxTexts(const ConstraintSet &set);

// The constraint editor's Done: reads the boxes into the constraint set
// (emptying the boxes that read as 0) and checks it. Returns the message that
// keeps the editor open, or "" when the constraints are accepted. Reading and
// checking stop at the first fault, leaving what was read so far in place.
// The user has seen the constraints now: addmode goes off. The numbers are
// checked as balls of `game`, the game of the entries being made; the range
// message names its highest ball.
std::string applyConstraints(
    ConstraintSet &set, bool &addmode, ConstraintBoxes &boxes, const GameMatrix &game = sixOf49());

// The constraint editor's Clear: every slot 0 (constrained stays as it is).
void clearConstraints(ConstraintSet &set);

} // namespace pickwise
