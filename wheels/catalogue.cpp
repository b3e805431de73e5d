#include "wheels/catalogue.h"

namespace pickwise::wheels {

const std::vector<WheelType> &catalogue()
{
    // Sizes are what the shipped definition files prove; change an entry here
    // together with its file.
    static const std::vector<WheelType> types {
        {1, "Guarantee Match 6", "Any 6 from Group Picked", 6, 6, "-6-6-6.lot", "mnu666",
            "Guarantee Match 6 if 6 Picked from Group", 7, {7, 28, 84, 210}},
        {2, "Guarantee Match 5", "Any 6 from Group Picked", 5, 6, "-6-6-5.lot", "mnu665",
            "Guarantee Match 5 if 6 Picked from Group", 8, {4, 7, 14, 22, 38, 75, 98}},
        {3, "Guarantee Match 4", "Any 6 from Group Picked", 4, 6, "-6-6-4.lot", "mnu664",
            "Guarantee Match 4 if 6 Picked from Group", 10, {3, 5, 6, 10, 14, 25, 26}},
        {4, "Guarantee Match 3", "Any 6 from Group Picked", 3, 6, "-6-6-3.lot", "mnu663",
            "Guarantee Match 3 if 6 Picked from Group", 15, {4, 5, 6, 7, 9, 10}},
        {5, "Guarantee Match 5", "Any 5 from Group Picked", 5, 5, "-6-5-5.lot", "mnu655",
            "Guarantee Match 5 if 5 Picked from Group", 9, {30, 50, 107, 132}},
        {6, "Guarantee Match 4", "Any 5 from Group Picked", 4, 5, "-6-5-4.lot", "mnu654",
            "Guarantee Match 4 if 5 Picked from Group", 9, {3, 7, 10, 17, 25, 37}},
        {7, "Guarantee Match 3", "Any 5 from Group Picked", 3, 5, "-6-5-3.lot", "mnu653",
            "Guarantee Match 3 if 5 Picked from Group", 14, {5, 8, 10}},
        {8, "Guarantee Match 4", "Any 4 from Group Picked", 4, 4, "-6-4-4.lot", "mnu644",
            "Guarantee Match 4 if 4 Picked from Group", 8, {7, 12, 23, 37}},
        {9, "Guarantee Match 3", "Any 4 from Group Picked", 3, 4, "-6-4-3.lot", "mnu643",
            "Guarantee Match 3 if 4 Picked from Group", 9, {3, 4, 6}},
        {10, "Guarantee Match 3", "Any 3 from Group Picked", 3, 3, "-6-3-3.lot", "mnu633",
            "Guarantee Match 3 if 3 Picked from Group", 10, {10, 11, 15, 22}},
    };
    return types;
}

const WheelType *wheelType(int code)
{
    const auto &types = catalogue();
    if (code < 1 || code > static_cast<int>(types.size()))
        return nullptr;
    return &types[static_cast<size_t>(code - 1)];
}

int entriesRequired(int code, int n)
{
    const WheelType *type = wheelType(code);
    if (!type || n < type->smallestSize || n > type->largestSize())
        return 0;
    return type->entries[static_cast<size_t>(n - type->smallestSize)];
}

const std::vector<std::string> &groupLabels()
{
    static const std::vector<std::string> labels {"Any 6 from Group Picked",
        "Any 5 from Group Picked", "Any 4 from Group Picked", "Any 3 from Group Picked"};
    return labels;
}

int groupLabelIndex(const WheelType &type)
{
    return 7 - type.d;
}

std::string entryFileName(const std::string &wheelgame, int code)
{
    const WheelType *type = wheelType(code);
    return type ? wheelgame + type->tag : std::string();
}

std::string definitionFileName(int code, int n)
{
    const WheelType *type = wheelType(code);
    if (!type)
        return {};
    return "6-" + std::to_string(type->d) + "-" + std::to_string(type->k) + "-" + std::to_string(n)
        + ".whl";
}

std::string guaranteeSentence(int code)
{
    const WheelType *type = wheelType(code);
    if (!type)
        return {};
    return "Guarantee Match " + std::to_string(type->k) + " if any " + std::to_string(type->d)
        + " drawn from the following number group:";
}

} // namespace pickwise::wheels
