#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/lines.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pickwise::testing {

// A fresh installation folder under /tmp, removed with everything in it at the
// end of the test.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

std::vector<uint8_t> readBytes(const std::string &path);
void writeBytes(const std::string &path, const std::vector<uint8_t> &bytes);
bool exists(const std::string &path);

// Records as raw bytes, for building files and asserting on them.
std::vector<uint8_t> bytesOf(const std::vector<BallRecord> &records);
std::vector<BallRecord> recordsOf(const std::vector<uint8_t> &bytes);

BallRecord drawRecord(int32_t count, int16_t drawno, Date date, Draw balls);
BallRecord entryRecord(int32_t count, Entry numbers);

// The first draw of a made history unless a test names another: Saturday
// 4 January 1975, so that a history of up to 4443 draws ends by 29 July 2017,
// wholly in the 6 of 49 game's time. (1975 has 2003's calendar: the days and
// weekdays are those of a history from 4 January 2003, 28 years on.)
constexpr Date historyStart {1975, 1, 4};

// A results file of n draws, one every 3 or 4 days (Wednesdays and Saturdays)
// from `first`, balls derived from the draw number so that each draw is valid
// and they differ.
std::vector<BallRecord> makeHistory(int n, Date first = historyStart);
// Draws on makeHistory's dates with these balls.
std::vector<BallRecord> drawsOf(const std::vector<Draw> &balls, Date first = historyStart);
void writeHistory(const std::string &path, const std::vector<BallRecord> &draws);
// The shipped CSV's header and two real draws of it, with their prizes: 6 and
// 13 November 2024 (the entry 13 18 32 42 43 16 won (5+B), R103463.40, on the
// 6th; 3 25 33 42 9 1 won (4+B), R1873.00, on the 13th).
extern const char *const csvHeader;
extern const char *const csvNov6;
extern const char *const csvNov13;
// The draws and prizes of a results CSV's text imported into the results and
// prize files at these paths, as File > Import Results does.
void importDraws(const std::string &results, const std::string &prizes, const std::string &csv);

// n entries of six distinct numbers from 1..49, the same n for the same seed.
std::vector<Entry> randomEntries(int n, unsigned seed = 2026);
void writeEntries(const std::string &path, const std::vector<Entry> &entries);

std::string slurp(const std::string &path);

// Switches the C library's locale for its lifetime, as the window system does
// from the environment at start-up. ok() is false when the locale is not
// installed (scripts/install-deps.sh installs de_DE.UTF-8 for these tests).
class ScopedLocale
{
public:
    explicit ScopedLocale(const char *name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;
    bool ok() const { return m_ok; }

private:
    std::string m_old;
    bool m_ok = false;
};

// A locale whose decimal separator is a comma.
constexpr const char *decimalCommaLocale = "de_DE.UTF-8";

} // namespace pickwise::testing
