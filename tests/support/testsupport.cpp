#include "tests/support/testsupport.h"

#include "core/history.h"
#include "core/prizes.h"
#include "core/resultsimport.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <set>
#include <stdexcept>

namespace pickwise::testing {

TempDir::TempDir()
{
    // A "-" and "Stand" in the folder's name, as in a home folder such as
    // /home/anne-marie: only a file's own name may tell its kind.
    char name[] = "/tmp/pickwise-Standing-testXXXXXX";
    if (!::mkdtemp(name))
        throw std::runtime_error("mkdtemp failed");
    m_path = name;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::vector<uint8_t> readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<long>(bytes.size()));
}

bool exists(const std::string &path)
{
    return std::filesystem::exists(path);
}

std::vector<uint8_t> bytesOf(const std::vector<BallRecord> &records)
{
    std::vector<uint8_t> out;
    for (const BallRecord &r : records) {
        const auto p = r.pack();
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

std::vector<BallRecord> recordsOf(const std::vector<uint8_t> &bytes)
{
    std::vector<BallRecord> out;
    for (size_t off = 0; off + BallRecord::size <= bytes.size(); off += BallRecord::size)
        out.push_back(BallRecord::unpack(bytes.data() + off));
    return out;
}

BallRecord drawRecord(int32_t count, int16_t drawno, Date date, Draw balls)
{
    BallRecord r;
    r.count = count;
    r.drawno = drawno;
    r.day = static_cast<int16_t>(date.day);
    r.month = static_cast<int16_t>(date.month);
    r.year = static_cast<int16_t>(date.year);
    r.ball = balls;
    return r;
}

BallRecord entryRecord(int32_t count, Entry numbers)
{
    BallRecord r;
    r.count = count;
    for (int i = 0; i < 6; ++i)
        r.ball[i] = numbers[i];
    return r;
}

namespace {

Date addDays(Date d, int days)
{
    static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    while (days-- > 0) {
        const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
        const int limit = len[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
        if (++d.day > limit) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    return d;
}

} // namespace

std::vector<BallRecord> makeHistory(int n, Date first)
{
    std::vector<BallRecord> draws;
    Date date = first;
    for (int i = 1; i <= n; ++i) {
        std::set<int> picked;
        unsigned seed = static_cast<unsigned>(i) * 2654435761u;
        while (picked.size() < 7) {
            seed = seed * 1103515245u + 12345u;
            picked.insert(static_cast<int>((seed >> 16) % 49) + 1);
        }
        std::vector<int> v(picked.begin(), picked.end());
        // The bonus is one of the seven, taken out before the six are sorted.
        const size_t bonusAt = static_cast<size_t>(i) % 7;
        const int bonus = v[bonusAt];
        v.erase(v.begin() + static_cast<long>(bonusAt));
        Draw balls {};
        for (int k = 0; k < 6; ++k)
            balls[k] = static_cast<int16_t>(v[k]);
        balls[6] = static_cast<int16_t>(bonus);
        draws.push_back(drawRecord(i == 1 ? n : 0, static_cast<int16_t>(i), date, balls));
        date = addDays(date, dayOfWeek(date) == 6 ? 4 : 3);
    }
    return draws;
}

const char *const csvHeader
    = "draw,date,ball1,ball2,ball3,ball4,ball5,ball6,bonus,div1_winners,div1_prize,div2_winners,"
      "div2_prize,div3_winners,div3_prize,div4_winners,div4_prize,div5_winners,div5_prize,"
      "div6_winners,div6_prize,div7_winners,div7_prize,div8_winners,div8_prize\n";
const char *const csvNov6 = "2488,2024-11-06,43,32,13,42,18,50,16,0,0.00,1,103463.40,29,6204.70,96,"
                            "2342.90,2056,183.80,2707,121.20,40144,50.00,31995,20.00\n";
const char *const csvNov13 = "2490,2024-11-13,3,33,42,25,45,35,9,0,0.00,1,88741.00,32,4822.90,103,"
                             "1873.00,2015,160.90,3014,93.40,38537,50.00,31469,20.00\n";

void importDraws(const std::string &results, const std::string &prizes, const std::string &csv)
{
    ResultsHistory history(results);
    PrizeStore store(prizes);
    history.load();
    store.load();
    resultsimport::importText(history, store, csv);
}

std::vector<Entry> randomEntries(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<int16_t> balls(49);
    std::iota(balls.begin(), balls.end(), int16_t(1));
    std::vector<Entry> entries;
    for (int e = 0; e < n; ++e) {
        std::shuffle(balls.begin(), balls.end(), random);
        Entry entry {};
        std::copy(balls.begin(), balls.begin() + 6, entry.begin());
        entries.push_back(entry);
    }
    return entries;
}

std::vector<BallRecord> drawsOf(const std::vector<Draw> &balls, Date first)
{
    std::vector<BallRecord> draws = makeHistory(static_cast<int>(balls.size()), first);
    for (size_t i = 0; i < balls.size(); ++i)
        draws[i].ball = balls[i];
    return draws;
}

void writeHistory(const std::string &path, const std::vector<BallRecord> &draws)
{
    writeBytes(path, bytesOf(draws));
}

void writeEntries(const std::string &path, const std::vector<Entry> &entries)
{
    std::vector<BallRecord> records;
    for (size_t i = 0; i < entries.size(); ++i)
        records.push_back(
            entryRecord(i == 0 ? static_cast<int32_t>(entries.size()) : 0, entries[i]));
    writeBytes(path, bytesOf(records));
}

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

ScopedLocale::ScopedLocale(const char *name)
{
    if (const char *old = std::setlocale(LC_ALL, nullptr))
        m_old = old;
    m_ok = std::setlocale(LC_ALL, name) != nullptr;
}

ScopedLocale::~ScopedLocale()
{
    std::setlocale(LC_ALL, m_old.empty() ? "C" : m_old.c_str());
}

} // namespace pickwise::testing
