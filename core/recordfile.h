#pragma once

#include "core/ballrecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pickwise {

// What record 1's count says against the whole records a file holds. A count
// below 0 or above the records present is damage: readers keep within the
// records present, and nothing is written behind such a count.
struct CountCheck
{
    int32_t stored = 0;
    int wholeRecords = 0;

    bool damaged() const { return stored < 0 || stored > wholeRecords; }
};

// The check of a record file's content (a short or empty file has count 0 when
// its first bytes say so, as reading it zero-padded gives).
CountCheck checkCount(const std::vector<uint8_t> &bytes);

// A random-access file of 26-byte records, numbered from 1, held in memory.
// Opening creates the file empty when it is missing. Reading a record past the
// end gives a zero record. Changes stay in memory until save(), which replaces
// the file atomically, so an operation touching many records never leaves half
// a change on disk. A file whose count was damaged when it was loaded is never
// written through here: save() and writeInPlace() refuse it, so no operation
// can overwrite records hidden behind such a count.
class RecordFile
{
public:
    static constexpr int maxRecords = 32767;

    RecordFile() = default;
    explicit RecordFile(std::string path) : m_path(std::move(path)) { }

    // Loads path (creating it empty when missing). Returns an error text or "".
    std::string load();

    const std::string &path() const { return m_path; }

    // The count as loaded from disk against the records loaded with it.
    const CountCheck &loadedCount() const { return m_loaded; }

    // Whole records present in the file.
    int recordsPresent() const { return static_cast<int>(m_bytes.size() / BallRecord::size); }

    // The count field of record 1 as stored.
    int32_t storedCount() const { return read(1).count; }

    // The count of records in use: record 1's count, kept within the records
    // actually present (and the 16-bit record numbers), so a damaged or foreign
    // file never makes a reader run past the end or forever.
    int count() const;

    BallRecord read(int record) const;
    void write(int record, const BallRecord &value);

    std::string save() const;

    // Writes one record straight into the file on disk (and into memory). One
    // record lies within one block, so it is replaced whole; used where an
    // operation changes a single record or where the order of two single writes
    // keeps the file consistent at every step.
    std::string writeInPlace(int record, const BallRecord &value);

    // Why save() would refuse to write this file, "" when it would not; for
    // writers that replace the file together with another.
    std::string writeRefusal() const { return m_loaded.damaged() ? refusal() : std::string(); }

    const std::vector<uint8_t> &bytes() const { return m_bytes; }
    void setBytes(std::vector<uint8_t> bytes) { m_bytes = std::move(bytes); }

private:
    std::string refusal() const;

    std::string m_path;
    std::vector<uint8_t> m_bytes;
    CountCheck m_loaded;
};

// Clamps a stored count the way every reader does.
int clampCount(int32_t stored, int recordsPresent);

} // namespace pickwise
