#pragma once

#include "core/recordfile.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace pickwise {

enum class RecordKind { Entries, Results };

// A record file whose count is damaged (below 0, or above the whole records
// present), with what recovering it would give.
struct CountDamage
{
    CountCheck check;
    // Records recovery keeps: for an entry file every whole record; for the
    // results file the whole records that form valid draws in ascending date
    // order, taken in file order (a record that is not a valid draw, or not
    // dated after the last one kept, is passed over).
    int kept = 0;
    // The file's bytes after recovery: the kept records first (results: with
    // their draw numbers renumbered), then the records passed over in their old
    // order and any trailing partial record, so no byte of the file is lost;
    // record 1's count says kept.
    std::vector<uint8_t> recovered;
};

// The damage of a file's content, with its recovery; nothing when the count is
// sound. Draws are judged by the game of each one's date, or with highestBall
// by that one range.
bool findCountDamage(const std::vector<uint8_t> &bytes, RecordKind kind, CountDamage &damage);
bool findCountDamage(
    const std::vector<uint8_t> &bytes, RecordKind kind, int highestBall, CountDamage &damage);

// The question asked when a window first meets a damaged file in a run.
std::string recoveryQuestion(const std::string &path, RecordKind kind, const CountDamage &damage);

// Why a write to a file whose recovery the user declined is refused.
std::string declinedMessage(const std::string &path);

// The files whose damaged count the user chose to leave as it is in this run:
// nothing is written to them until the program starts again. One register lives
// in the shared state every window is handed; every window that reads or
// writes a record file asks it first.
class DamageRegister
{
public:
    enum class Outcome {
        Sound, // the count is not damaged (or the file is missing)
        Recovered, // damaged; the user agreed and the count was rewritten
        Declined, // damaged; the user chose, now or earlier in this run, to leave it
        Failed, // damaged; the user agreed but it could not be rewritten
    };
    using Ask = std::function<bool(const std::string &question)>;
    using Tell = std::function<void(const std::string &message)>;

    // Looks at path. A damaged count is asked about once per run: Yes rewrites
    // the file atomically with its records recovered, No registers the file as
    // declined. A failed rewrite is told and leaves the file as it was.
    Outcome review(const std::string &path, RecordKind kind, const Ask &ask, const Tell &tell);

    // review() for a window about to write path: true when it may, otherwise
    // false after telling the user why not.
    bool mayWrite(const std::string &path, RecordKind kind, const Ask &ask, const Tell &tell);

    bool declined(const std::string &path) const { return m_declined.count(path) > 0; }

private:
    std::set<std::string> m_declined;
};

} // namespace pickwise
