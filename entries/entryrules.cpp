#include "entries/entryrules.h"

#include "core/numbers.h"
#include "core/recordfile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pickwise {

namespace {

const char *const sameMessage = "One or more of your numbers are the same!";
const char *const notNumberMessage = "One or more of your entries is not a number!";
const char *const rangeMessage = "One or more of your numbers are out of range for the game!";

// A slot is 16 bits; a value beyond that still has to fail the range checks
// with the right message instead of wrapping round.
int16_t slotValue(double value)
{
    int16_t out = 0;
    if (toInt16(value, out))
        return out;
    return value < 0 ? INT16_MIN : INT16_MAX;
}

// Reads boxes[first..first+n) into slots; a box reading 0 is emptied.
void readSlots(ConstraintSet &set, ConstraintBoxes &boxes, size_t first, int16_t *slots, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        const double value = leadingNumber(boxes[first + i]);
        if (value == 0) {
            boxes[first + i].clear();
            slots[i] = 0;
        } else {
            slots[i] = slotValue(value);
            set.constrained = true;
        }
    }
}

std::string checkSlots(const int16_t *slots, size_t n, const GameMatrix &game)
{
    for (size_t i = 0; i < n; ++i) {
        if (slots[i] < 0)
            return "Negative number!";
        if (slots[i] > game.highestBall)
            return "One of your numbers is greater than " + std::to_string(game.highestBall);
    }
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            if (slots[i] != 0 && slots[i] == slots[j])
                return "You have duplicate numbers";
        }
    }
    return {};
}

} // namespace

std::string typedEntry(const TypedBoxes &boxes, Entry &entry, const GameMatrix &game)
{
    std::array<double, 6> values {};
    for (size_t i = 0; i < 6; ++i)
        values[i] = leadingNumber(boxes[i]);

    const char *fault = nullptr;
    for (size_t i = 0; i < 6; ++i) {
        for (size_t j = 0; j < 6; ++j) {
            if (j == i)
                continue;
            if (values[j] == values[i])
                fault = sameMessage;
            if (values[i] < 1)
                fault = notNumberMessage;
            if (values[i] > game.highestBall)
                fault = rangeMessage;
        }
    }
    if (fault)
        return fault;

    for (size_t i = 0; i < 6; ++i)
        entry[i] = slotValue(values[i]);
    std::sort(entry.begin(), entry.end());
    if (std::adjacent_find(entry.begin(), entry.end()) != entry.end())
        return sameMessage;
    return {};
}

std::string entryAt(const std::string &path, int k, Entry &entry)
{
    RecordFile file(path);
    const std::string error = file.load();
    if (!error.empty())
        return error;
    const BallRecord record = file.read(k);
    std::copy_n(record.ball.begin(), 6, entry.begin());
    return {};
}

ConstraintBoxes constraintBoxTexts(const ConstraintSet &set)
{
    ConstraintBoxes boxes;
    if (!set.constrained)
        return boxes;
    auto text = [](int16_t slot) { return slot > 0 ? std::to_string(slot) : std::string(); };
    for (size_t i = 0; i < 3; ++i)
        boxes[i] = text(set.mustcontain[i]);
    for (size_t i = 0; i < 6; ++i)
        boxes[3 + i] = text(set.mustnotcontain[i]);
    return boxes;
}

std::string applyConstraints(
    ConstraintSet &set, bool &addmode, ConstraintBoxes &boxes, const GameMatrix &game)
{
    addmode = false;
    set.constrained = false;

    readSlots(set, boxes, 0, set.mustcontain.data(), 3);
    std::string message = checkSlots(set.mustcontain.data(), 3, game);
    if (!message.empty())
        return message;

    readSlots(set, boxes, 3, set.mustnotcontain.data(), 6);
    message = checkSlots(set.mustnotcontain.data(), 6, game);
    if (!message.empty())
        return message;

    for (int16_t must : set.mustcontain) {
        if (must == 0)
            continue;
        if (std::find(set.mustnotcontain.begin(), set.mustnotcontain.end(), must)
            != set.mustnotcontain.end())
            return "You cannot have the same number in both lists";
    }
    return {};
}

void clearConstraints(ConstraintSet &set)
{
    set.mustcontain.fill(0);
    set.mustnotcontain.fill(0);
}

} // namespace pickwise
