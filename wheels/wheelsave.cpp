#include "wheels/wheelsave.h"

#include "core/fileio.h"
#include "core/numbers.h"
#include "core/textfile.h"
#include "wheels/catalogue.h"

#include <algorithm>
#include <cmath>

namespace pickwise::wheels {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string &text)
{
    size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

int positionOf(const std::string &field)
{
    const double value = roundHalfEven(leadingNumber(field));
    return static_cast<int>(std::clamp(value, -1000.0, 1000.0));
}

} // namespace

GroupProblem readGroup(const std::array<std::string, ballBoxes> &boxes, int n, int maxball,
    std::vector<int16_t> &group)
{
    group.clear();
    n = std::clamp(n, 0, ballBoxes);
    // Kept as doubles until the range check, so a value beyond 16 bits is
    // reported as out of range rather than wrapped.
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(roundHalfEven(leadingNumber(boxes[static_cast<size_t>(i)])));
    std::sort(values.begin(), values.end());
    if (std::adjacent_find(values.begin(), values.end()) != values.end())
        return GroupProblem::Same;
    for (double value : values) {
        if (!(value >= 1 && value <= maxball))
            return GroupProblem::OutOfRange;
    }
    for (double value : values)
        group.push_back(static_cast<int16_t>(value));
    return GroupProblem::None;
}

Positions definitionLinePositions(const std::string &line)
{
    const std::string field = trimmed(textfile::firstField(line));

    Positions positions {};
    for (size_t m = 0; m < positions.size(); ++m) {
        const size_t column = m * 3;
        positions[m] = column < field.size() ? positionOf(field.substr(column, 2)) : 0;
    }
    return positions;
}

DefinitionStatus readDefinition(
    const std::string &text, int entries, int n, std::vector<Positions> &lines)
{
    lines.clear();
    const std::vector<std::string> raw = textfile::lines(text);
    for (int k = 0; k < entries; ++k) {
        if (k >= static_cast<int>(raw.size()))
            return DefinitionStatus::NotFound;
        const Positions positions = definitionLinePositions(raw[static_cast<size_t>(k)]);
        for (int p : positions) {
            if (p == 0)
                return DefinitionStatus::Corrupt;
            // A position beyond the group would pick up a hidden, unchecked box.
            if (p < 0 || p > n)
                return DefinitionStatus::NotFound;
        }
        lines.push_back(positions);
    }
    return DefinitionStatus::Ok;
}

void writeWheel(
    RecordFile &file, const std::vector<Positions> &lines, const std::vector<int16_t> &group)
{
    const int entries = static_cast<int>(lines.size());
    for (int k = 1; k <= entries; ++k) {
        BallRecord record = file.read(k);
        const Positions &positions = lines[static_cast<size_t>(k - 1)];
        for (size_t m = 0; m < positions.size(); ++m)
            record.ball[m] = group[static_cast<size_t>(positions[m] - 1)];
        record.count = entries;
        file.write(k, record);
    }
}

std::string definitionPath(const DataPaths &paths, int code, int n)
{
    return paths.wheelDefinition(definitionFileName(code, n));
}

SaveOutcome saveWheel(const SaveWheelInput &input, Dialogs &dialogs)
{
    const int n = input.ballcount;
    std::vector<int16_t> group;
    switch (readGroup(input.boxes, n, input.maxball, group)) {
    case GroupProblem::Same:
        dialogs.message(numbersSameMessage);
        return SaveOutcome::Same;
    case GroupProblem::OutOfRange:
        dialogs.message(numbersOutOfRangeMessage);
        return SaveOutcome::OutOfRange;
    case GroupProblem::None:
        break;
    }

    auto notFound = [&dialogs] {
        dialogs.message(wheelFileNotFoundMessage);
        return SaveOutcome::NotFound;
    };

    if (!wheelType(input.wheeltype))
        return notFound();

    // The definition file must be there before anything is asked; its lines
    // are read only once the old wheel may go.
    const std::string definitionFile = definitionPath(input.paths, input.wheeltype, n);
    if (!fileExists(definitionFile))
        return notFound();

    // A missing wheel entry file is not created here: a failed save then
    // leaves no empty wheel behind.
    RecordFile file(input.paths.wheelEntries(entryFileName(input.wheelgame, input.wheeltype)));
    if (fileExists(file.path())) {
        std::vector<uint8_t> bytes;
        if (!readFileBytes(file.path(), bytes, false).empty())
            return notFound();
        file.setBytes(std::move(bytes));
    }
    if (file.storedCount() > 0) {
        if (!dialogs.askYesNo(overwriteQuestion))
            return SaveOutcome::Kept;
        file.setBytes({});
    }

    int16_t entries = 0;
    if (!readInt16(input.entriesText, entries))
        return notFound();

    std::vector<uint8_t> definition;
    if (!readFileBytes(definitionFile, definition, false).empty())
        return notFound();
    std::vector<Positions> lines;
    switch (readDefinition(std::string(definition.begin(), definition.end()), entries, n, lines)) {
    case DefinitionStatus::Corrupt:
        dialogs.message(definitionCorruptMessage);
        return SaveOutcome::Corrupt;
    case DefinitionStatus::NotFound:
        return notFound();
    case DefinitionStatus::Ok:
        break;
    }

    writeWheel(file, lines, group);
    if (!file.save().empty())
        return notFound();
    dialogs.message(wheelDoneMessage);
    return SaveOutcome::Done;
}

} // namespace pickwise::wheels
