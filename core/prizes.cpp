#include "core/prizes.h"

#include "core/prize.h"
#include "core/textfile.h"

namespace pickwise {

namespace {

const char *const header = "date,div1,div2,div3,div4,div5,div6,div7,div8";

} // namespace

bool DrawPrizes::anyKnown() const
{
    for (const Cents c : perBoard)
        if (c > 0)
            return true;
    return false;
}

PrizeStore::LoadReport PrizeStore::load()
{
    LoadReport report;
    m_byDate.clear();
    m_unread.clear();
    m_readError.clear();
    if (!fileExists(m_path)) {
        report.missing = true;
        return report;
    }
    std::string content;
    report.error = textfile::read(m_path, content);
    if (!report.error.empty()) {
        m_readError = "The prize file could not be read (" + report.error + ").";
        return report;
    }
    return read(content);
}

PrizeStore::LoadReport PrizeStore::read(std::string_view content)
{
    LoadReport report;
    m_byDate.clear();
    m_unread.clear();
    m_readError.clear();
    const std::vector<std::string> lines = textfile::lines(content);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const std::vector<std::string> fields = textfile::fields(lines[i]);
        if (i == 0 && fields[0] == "date")
            continue;
        if (fields.size() == 1 && fields[0].empty())
            continue;
        Dated dated;
        bool ok = fields.size() == 1 + prizeDivisions && readDate(fields[0], dated.date);
        for (int d = 1; ok && d <= prizeDivisions; ++d) {
            const std::string &field = fields[static_cast<size_t>(d)];
            ok = field.empty()
                || readRand(field, dated.prizes.perBoard[static_cast<size_t>(d - 1)]);
        }
        if (!ok || !m_byDate.emplace(datekey(dated.date), dated).second) {
            report.unreadLines.push_back(lineNumber);
            m_unread.push_back(lines[i]);
        }
    }
    return report;
}

const DrawPrizes *PrizeStore::find(const Date &date) const
{
    const auto it = m_byDate.find(datekey(date));
    return it == m_byDate.end() ? nullptr : &it->second.prizes;
}

PrizeStore::Merge PrizeStore::compare(const Date &date, const DrawPrizes &prizes) const
{
    const DrawPrizes *held = find(date);
    if (!held)
        return prizes.anyKnown() ? Merge::Added : Merge::Same;
    bool adds = false;
    for (int d = 1; d <= prizeDivisions; ++d) {
        if (!prizes.known(d))
            continue;
        if (!held->known(d))
            adds = true;
        else if (held->prize(d) != prizes.prize(d))
            return Merge::Differs;
    }
    return adds ? Merge::Completed : Merge::Same;
}

PrizeStore::Merge PrizeStore::merge(const Date &date, const DrawPrizes &prizes)
{
    const Merge outcome = compare(date, prizes);
    if (outcome == Merge::Added) {
        m_byDate[datekey(date)] = {date, prizes};
    } else if (outcome == Merge::Completed) {
        DrawPrizes &held = m_byDate[datekey(date)].prizes;
        for (size_t d = 0; d < held.perBoard.size(); ++d)
            if (held.perBoard[d] <= 0)
                held.perBoard[d] = prizes.perBoard[d];
    }
    return outcome;
}

std::vector<uint8_t> PrizeStore::fileBytes() const
{
    std::string text = header;
    text += '\n';
    for (const auto &[key, dated] : m_byDate) {
        text += isoDateText(dated.date);
        for (const Cents c : dated.prizes.perBoard) {
            text += ',';
            if (c > 0)
                text += decimalText(c);
        }
        text += '\n';
    }
    for (const std::string &line : m_unread)
        text += line + '\n';
    return {text.begin(), text.end()};
}

std::string PrizeStore::save() const
{
    if (!m_readError.empty())
        return m_readError;
    return writeFileAtomic(m_path, fileBytes());
}

int Winnings::winningLines() const
{
    int n = 0;
    for (const int k : lines)
        n += k;
    return n;
}

Winnings &Winnings::operator+=(const Winnings &other)
{
    for (size_t d = 0; d < lines.size(); ++d) {
        lines[d] += other.lines[d];
        won[d] += other.won[d];
    }
    total += other.total;
    unknownLines += other.unknownLines;
    return *this;
}

void Winnings::add(int division, const DrawPrizes *prizes)
{
    if (division < 1 || division > prizeDivisions)
        return;
    const auto d = static_cast<size_t>(division - 1);
    ++lines[d];
    if (prizes && prizes->known(division)) {
        won[d] += prizes->prize(division);
        total += prizes->prize(division);
    } else {
        ++unknownLines;
    }
}

Winnings winningsOf(const Date &drawDate, const Draw &balls, const std::vector<Entry> &entries,
    const DrawPrizes *prizes)
{
    const GameMatrix &game = matrixFor(drawDate);
    Winnings w;
    for (const Entry &entry : entries) {
        const int tier = game.tierOf(matchedMainNumbers(entry, balls), holdsBonus(entry, balls));
        if (tier != 0)
            w.add(tier, prizes);
    }
    return w;
}

std::string wonText(const Winnings &winnings)
{
    if (winnings.complete())
        return randText(winnings.total);
    if (winnings.unknownLines == winnings.winningLines())
        return "prizes not known";
    return randText(winnings.total) + " and prizes not known";
}

} // namespace pickwise
