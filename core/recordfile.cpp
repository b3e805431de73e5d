#include "core/recordfile.h"

#include "core/fileio.h"

#include <algorithm>
#include <cstdint>

namespace pickwise {

int clampCount(int32_t stored, int recordsPresent)
{
    if (stored <= 0)
        return 0;
    const int64_t limit = std::min(recordsPresent, RecordFile::maxRecords);
    return static_cast<int>(std::min<int64_t>(stored, limit));
}

CountCheck checkCount(const std::vector<uint8_t> &bytes)
{
    uint8_t first[BallRecord::size] = {};
    std::copy_n(bytes.begin(), std::min<size_t>(bytes.size(), BallRecord::size), first);
    CountCheck check;
    check.stored = BallRecord::unpack(first).count;
    check.wholeRecords = static_cast<int>(
        std::min<size_t>(bytes.size() / BallRecord::size, static_cast<size_t>(INT32_MAX)));
    return check;
}

std::string RecordFile::load()
{
    std::string error = readFileBytes(m_path, m_bytes, true);
    m_loaded = checkCount(m_bytes);
    return error;
}

std::string RecordFile::refusal() const
{
    return "Nothing was written to \"" + m_path + "\": its record count is damaged (it says "
        + std::to_string(m_loaded.stored) + ", the file holds "
        + std::to_string(m_loaded.wholeRecords) + " whole records)";
}

int RecordFile::count() const
{
    return clampCount(storedCount(), recordsPresent());
}

BallRecord RecordFile::read(int record) const
{
    uint8_t raw[BallRecord::size] = {};
    if (record >= 1) {
        const size_t offset = static_cast<size_t>(record - 1) * BallRecord::size;
        if (offset < m_bytes.size()) {
            const size_t n = std::min<size_t>(BallRecord::size, m_bytes.size() - offset);
            std::copy_n(m_bytes.begin() + static_cast<long>(offset), n, raw);
        }
    }
    return BallRecord::unpack(raw);
}

void RecordFile::write(int record, const BallRecord &value)
{
    if (record < 1)
        return;
    const size_t offset = static_cast<size_t>(record - 1) * BallRecord::size;
    if (m_bytes.size() < offset + BallRecord::size)
        m_bytes.resize(offset + BallRecord::size, 0);
    const auto packed = value.pack();
    std::copy(packed.begin(), packed.end(), m_bytes.begin() + static_cast<long>(offset));
}

std::string RecordFile::save() const
{
    if (m_loaded.damaged())
        return refusal();
    return writeFileAtomic(m_path, m_bytes);
}

std::string RecordFile::writeInPlace(int record, const BallRecord &value)
{
    if (m_loaded.damaged())
        return refusal();
    if (record < 1)
        return "Invalid record number";
    const long offset = static_cast<long>(record - 1) * BallRecord::size;
    const auto packed = value.pack();
    std::string error = writeFileAt(m_path, offset, packed.data(), packed.size());
    if (error.empty())
        write(record, value);
    return error;
}

} // namespace pickwise
