#include "core/damage.h"

#include "core/dates.h"
#include "core/drawcheck.h"
#include "core/fileio.h"

#include <algorithm>

namespace pickwise {

namespace {

std::string counted(int64_t n, const char *one, const char *many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Record 1's count field; a file shorter than four bytes keeps its length.
void putCount(std::vector<uint8_t> &bytes, int32_t count)
{
    const auto c = static_cast<uint32_t>(count);
    for (size_t i = 0; i < 4 && i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>((c >> (8 * i)) & 0xFF);
}

void putDrawno(std::vector<uint8_t> &bytes, size_t offset, int record)
{
    bytes[offset + 4] = static_cast<uint8_t>(record & 0xFF);
    bytes[offset + 5] = static_cast<uint8_t>((record >> 8) & 0xFF);
}

// Results: the records kept in file order, then those passed over. A
// highestBall of 0 judges each draw by the game of its date.
int recoverDraws(
    const std::vector<uint8_t> &bytes, int whole, int highestBall, std::vector<uint8_t> &out)
{
    std::vector<int> kept;
    std::vector<int> passed;
    long long previousKey = -1;
    for (int r = 0; r < whole; ++r) {
        const BallRecord draw
            = BallRecord::unpack(&bytes[static_cast<size_t>(r) * BallRecord::size]);
        const long long key = datekey(draw.year, draw.month, draw.day);
        const DrawProblem problem
            = highestBall > 0 ? validateDraw(draw, highestBall) : validateDraw(draw);
        if (!problem && key > previousKey
            && static_cast<int>(kept.size()) < RecordFile::maxRecords) {
            kept.push_back(r);
            previousKey = key;
        } else {
            passed.push_back(r);
        }
    }
    out.clear();
    out.reserve(bytes.size());
    auto append = [&](int r) {
        const auto start = bytes.begin() + static_cast<long>(r) * BallRecord::size;
        out.insert(out.end(), start, start + BallRecord::size);
    };
    for (size_t i = 0; i < kept.size(); ++i) {
        append(kept[i]);
        putDrawno(out, i * BallRecord::size, static_cast<int>(i) + 1);
    }
    for (int r : passed)
        append(r);
    out.insert(out.end(), bytes.begin() + static_cast<long>(whole) * BallRecord::size, bytes.end());
    return static_cast<int>(kept.size());
}

} // namespace

bool findCountDamage(
    const std::vector<uint8_t> &bytes, RecordKind kind, int highestBall, CountDamage &damage)
{
    damage = {};
    damage.check = checkCount(bytes);
    if (!damage.check.damaged())
        return false;
    const int whole = damage.check.wholeRecords;
    if (kind == RecordKind::Entries) {
        damage.kept = std::min(whole, RecordFile::maxRecords);
        damage.recovered = bytes;
    } else {
        damage.kept = recoverDraws(bytes, whole, highestBall, damage.recovered);
    }
    putCount(damage.recovered, damage.kept);
    return true;
}

bool findCountDamage(const std::vector<uint8_t> &bytes, RecordKind kind, CountDamage &damage)
{
    return findCountDamage(bytes, kind, 0, damage);
}

std::string recoveryQuestion(const std::string &path, RecordKind kind, const CountDamage &damage)
{
    const bool entries = kind == RecordKind::Entries;
    const CountCheck &c = damage.check;
    std::string text = std::string(entries ? "The entry file " : "The results file ") + path
        + " is damaged: its count says " + std::to_string(c.stored) + ", but it holds "
        + counted(c.wholeRecords, "whole record", "whole records") + ".\n\n";
    if (entries) {
        text += "Do you want to recover the " + counted(damage.kept, "entry", "entries")
            + " it holds? Yes sets its count to " + std::to_string(damage.kept) + ".";
    } else {
        text += "Do you want to recover the " + counted(damage.kept, "draw", "draws")
            + " among them that are valid and in date order? Yes sets its count to "
            + std::to_string(damage.kept) + ".";
        const int passed = c.wholeRecords - damage.kept;
        if (passed > 0)
            text += " The " + counted(passed, "record that is not", "records that are not")
                + " stay in the file after them, where nothing reads them.";
    }
    return text
        + " No leaves the file exactly as it is, and nothing will be written to it until "
          "Pickwise is started again.";
}

std::string declinedMessage(const std::string &path)
{
    return "Nothing was written: " + path
        + " has a damaged count, and you chose to leave the file as it is. Start Pickwise "
          "again to be asked once more whether to recover its records.";
}

DamageRegister::Outcome DamageRegister::review(
    const std::string &path, RecordKind kind, const Ask &ask, const Tell &tell)
{
    if (declined(path))
        return Outcome::Declined;
    // Only the count and the size are needed to tell a sound file.
    std::vector<uint8_t> bytes;
    uint64_t size = 0;
    if (!readFileHead(path, BallRecord::size, bytes, size).empty())
        return Outcome::Sound; // missing or unreadable: its reader says so
    CountCheck head = checkCount(bytes);
    head.wholeRecords = static_cast<int>(std::min<uint64_t>(size / BallRecord::size, INT32_MAX));
    if (!head.damaged())
        return Outcome::Sound;

    CountDamage damage;
    if (!readFileBytes(path, bytes, false).empty() || !findCountDamage(bytes, kind, damage))
        return Outcome::Sound;
    if (!ask(recoveryQuestion(path, kind, damage))) {
        m_declined.insert(path);
        return Outcome::Declined;
    }
    const std::string error = writeFileAtomic(path, damage.recovered);
    if (!error.empty()) {
        tell("The count of " + path + " could not be rewritten (" + error
            + "). The file is left as it was.");
        return Outcome::Failed;
    }
    return Outcome::Recovered;
}

bool DamageRegister::mayWrite(
    const std::string &path, RecordKind kind, const Ask &ask, const Tell &tell)
{
    switch (review(path, kind, ask, tell)) {
    case Outcome::Sound:
    case Outcome::Recovered:
        return true;
    case Outcome::Declined:
        tell(declinedMessage(path));
        return false;
    case Outcome::Failed:
        return false;
    }
    return false;
}

} // namespace pickwise
