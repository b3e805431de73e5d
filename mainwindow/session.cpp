#include "mainwindow/session.h"

#include "core/drawcheck.h"
#include "core/entryfiles.h"
#include "core/fileio.h"
#include "core/history.h"
#include "core/prizes.h"
#include "core/results.h"

#include <algorithm>

namespace pickwise {

MainSession::MainSession(const DataPaths &paths) : m_paths(paths) { }

void MainSession::addObserver(SessionObserver *observer)
{
    m_observers.push_back(observer);
}

void MainSession::removeObserver(SessionObserver *observer)
{
    m_observers.erase(
        std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

template<class F>
void MainSession::tell(F &&f)
{
    // A copy: an observer may come or go while being told.
    const std::vector<SessionObserver *> observers = m_observers;
    for (SessionObserver *o : observers)
        f(*o);
}

// ---- the shown draw ----

namespace {

// Every draw of the results file, or the history's one text for a failed read.
std::string readResults(const std::string &path, std::vector<BallRecord> &draws)
{
    const std::string error = results::readAll(path, draws);
    return error.empty() ? error : historyReadError(error);
}

} // namespace

void MainSession::hideDraw()
{
    m_drawShown = false;
    tell([](SessionObserver &o) { o.drawChanged(); });
}

MainSession::DrawLookup MainSession::lookUpDraw(
    const Date &date, const Date &first, const Date &last)
{
    DrawLookup lookup;
    m_drawDate = date;
    clearWins();
    hideDraw();
    const std::string path = m_paths.results();
    if (m_review)
        m_review(path, RecordKind::Results);
    // Read as plain records, not through ResultsHistory: this runs at start-up
    // and at every change of date, and the history's index of a full file
    // costs more than the lookup itself. The failure reads as the history's.
    std::vector<BallRecord> draws;
    lookup.error = readResults(path, draws);
    lookup.near = mainrules::drawNeighbours(draws, date, first, last);
    setDrawDates(results::drawDates(draws));
    if (!lookup.error.empty()) {
        m_drawpos = 0;
        return lookup;
    }
    if (!m_resultsChecked) {
        m_resultsChecked = true;
        lookup.damaged = damagedResultsMessage(draws);
    }
    const int r = results::findByDate(draws, date.day, date.month, date.year);
    if (r > 0) {
        std::copy_n(draws[static_cast<size_t>(r - 1)].ball.begin(), 7, m_winballs.begin());
        m_drawShown = true;
        tell([](SessionObserver &o) { o.drawChanged(); });
    }
    m_drawpos = static_cast<int16_t>(r);
    return lookup;
}

MainSession::DrawStep MainSession::stepDraw(int step, const Date &first, const Date &last) const
{
    DrawStep result;
    std::vector<BallRecord> draws;
    result.error = readResults(m_paths.results(), draws);
    if (!result.error.empty())
        return result;
    result.near = mainrules::drawNeighbours(draws, m_drawDate, first, last);
    if (step < 0 && result.near.hasPrevious) {
        result.found = true;
        result.date = result.near.previous;
    } else if (step > 0 && result.near.hasNext) {
        result.found = true;
        result.date = result.near.next;
    }
    return result;
}

void MainSession::showDraw(const Draw &balls)
{
    m_winballs = balls;
    m_drawShown = true;
    tell([](SessionObserver &o) { o.drawChanged(); });
    rereadDrawDates();
}

std::string MainSession::deleteDraw()
{
    const std::string error = results::deleteDraw(m_paths.results(), m_drawpos);
    if (!error.empty())
        return error;
    hideDraw();
    clearWins();
    m_drawpos = 0;
    rereadDrawDates();
    return {};
}

void MainSession::setDrawDates(std::vector<Date> dates)
{
    if (dates == m_drawDates)
        return;
    m_drawDates = std::move(dates);
    tell([](SessionObserver &o) { o.drawDatesChanged(); });
}

void MainSession::rereadDrawDates()
{
    // Read without making the file: deleting the only draw deletes it.
    ResultsHistory history(m_paths.results());
    if (history.load().empty())
        setDrawDates(results::drawDates(history.records()));
}

void MainSession::pickDrawDate(const Date &date)
{
    tell([&date](SessionObserver &o) { o.drawDatePicked(date); });
}

// ---- the listing ----

std::vector<Entry> MainSession::readListing(const std::string &path, std::string &error)
{
    if (m_review)
        m_review(path, RecordKind::Entries);
    std::vector<Entry> entries;
    error = entryfiles::list(path, entries);
    return entries;
}

void MainSession::setListing(
    const std::string &path, EntryFileKind kind, std::vector<Entry> entries)
{
    m_entryfile = path;
    m_kind = kind;
    m_entries = std::move(entries);
    tell([](SessionObserver &o) { o.listingReset(); });
}

void MainSession::emptyListing()
{
    m_entries.clear();
    tell([](SessionObserver &o) { o.listingReset(); });
    clearWins();
}

std::string MainSession::listDated(const Date &date)
{
    dropemptyfile();
    emptyListing();
    m_wheelno = 0;
    m_entriesDate = date;
    const std::string path = m_paths.datedEntries(date);
    m_entryfile = path;
    m_kind = EntryFileKind::Dated;
    std::string error;
    std::vector<Entry> entries = readListing(path, error);
    if (error.empty())
        setListing(path, EntryFileKind::Dated, std::move(entries));
    return error;
}

MainSession::Opened MainSession::listStanding()
{
    const std::string path = m_paths.standingEntries();
    if (!fileExists(path))
        return {false, mainmsg::noStanding};
    dropemptyfile();
    m_entryfile = path;
    m_kind = EntryFileKind::Standing;
    emptyListing();
    Opened opened {true, {}};
    std::vector<Entry> entries = readListing(path, opened.message);
    if (opened.message.empty())
        setListing(path, EntryFileKind::Standing, std::move(entries));
    m_wheelno = 0;
    return opened;
}

MainSession::Opened MainSession::openWheel(int wheelno)
{
    const std::string name = wheels::entryFileName(wheelGame().wheelgame, wheelno);
    if (name.empty())
        return {};
    // A wheel that cannot be opened leaves the listed file on screen, so the
    // number goes back to the one that matches it.
    const int16_t before = m_wheelno;
    m_wheelno = static_cast<int16_t>(wheelno);
    Opened opened = open6wheel(m_paths.wheelEntries(name));
    if (!opened.listed && m_kind == EntryFileKind::Wheel)
        m_wheelno = before;
    return opened;
}

MainSession::Opened MainSession::open6wheel(const std::string &path)
{
    if (!fileExists(path)) {
        m_wheelno = 0;
        return {false, mainmsg::wheelNotCreated};
    }
    // Read before anything changes: a wheel file that cannot be read leaves
    // the listing and entryfile as they were.
    std::vector<Entry> entries;
    const std::string error = entryfiles::list(path, entries);
    if (!error.empty()) {
        m_wheelno = 0;
        return {false, "This saved wheel could not be read, so nothing has changed.\n" + error};
    }
    emptyListing();
    dropemptyfile();
    setListing(path, EntryFileKind::Wheel, std::move(entries));
    return {true, {}};
}

void MainSession::clearshown()
{
    m_wheelno = 0;
    hideDraw();
    m_entries.clear();
    m_entryfile.clear();
    m_kind = EntryFileKind::Dated;
    tell([](SessionObserver &o) { o.listingReset(); });
    clearWins();
}

void MainSession::dropemptyfile()
{
    entryfiles::dropemptyfile(m_entryfile);
}

std::string MainSession::deleteEntries(const std::vector<bool> &selected)
{
    clearWins();
    std::vector<bool> left = selected;
    const std::string error = entryfiles::deleteSelected(m_entryfile, left);
    if (!error.empty())
        return error;
    std::vector<Entry> kept;
    kept.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (i >= selected.size() || !selected[i])
            kept.push_back(m_entries[i]);
    m_entries = std::move(kept);
    tell([&selected](SessionObserver &o) { o.entriesRemoved(selected); });
    return {};
}

std::string MainSession::copyToStanding() const
{
    return copyFileAtomic(m_entryfile, m_paths.standingEntries());
}

MainSession::EntryWindow MainSession::entryWindow() const
{
    switch (m_kind) {
    case EntryFileKind::Standing:
        return {"", "Standing Entry"};
    case EntryFileKind::Wheel:
        return {mainmsg::modifyWheel, "Wheel Entry"};
    case EntryFileKind::Dated:
        break;
    }
    return {isWednesdayOrSaturday(m_entriesDate) ? "" : mainmsg::notEntryDay,
        mainrules::entryWindowCaption(m_entriesDate)};
}

std::string MainSession::chooseEdit(const std::vector<bool> &selected)
{
    const auto count = std::count(selected.begin(), selected.end(), true);
    if (count == 0)
        return mainmsg::noneToEdit;
    if (count > 1)
        return mainmsg::severalToEdit;
    editpos = static_cast<int16_t>(
        std::find(selected.begin(), selected.end(), true) - selected.begin() + 1);
    return {};
}

void MainSession::appendListed(const Entry &entry)
{
    m_entries.push_back(entry);
    tell([&entry](SessionObserver &o) { o.entryAppended(entry); });
}

void MainSession::replaceListed(int index, const Entry &entry)
{
    if (index < 0 || index >= listedCount())
        return;
    m_entries[static_cast<size_t>(index)] = entry;
    tell([index](SessionObserver &o) { o.entryReplaced(index); });
}

void MainSession::clearListed()
{
    m_wheelno = 0;
    m_entryfile.clear();
    m_kind = EntryFileKind::Dated;
    emptyListing();
}

// ---- the check ----

void MainSession::clearWins()
{
    m_wins.clear();
    m_winLines.clear();
    m_checked = false;
    tell([](SessionObserver &o) { o.winsCleared(); });
}

std::string MainSession::check()
{
    clearWins();
    if (listedCount() < 1)
        return mainmsg::nothingListed;
    if (!m_drawShown)
        return mainmsg::noDrawListed;
    std::vector<Entry> entries;
    const std::string error = entryfiles::list(m_entryfile, entries);
    if (!error.empty())
        return error;
    // The shown draw is always the draw date's, looked up or just added.
    m_wins = mainrules::checkEntries(entries, m_winballs, matrixFor(m_drawDate));
    m_winLines.reserve(m_wins.size());
    for (const mainrules::WinningLine &w : m_wins)
        m_winLines.push_back(winLineText(entries[static_cast<size_t>(w.index)], w.tag));
    m_checked = true;
    tell([](SessionObserver &o) { o.winsFound(); });
    return m_wins.empty() ? mainmsg::noWins : "";
}

std::string MainSession::winsText() const
{
    return m_checked ? mainrules::winsText(static_cast<int>(m_wins.size())) : "0";
}

std::string MainSession::wonText() const
{
    if (!m_checked)
        return "";
    // A prize file that is missing or damaged leaves the prizes not known.
    PrizeStore prizes(m_paths.prizes());
    prizes.load();
    Winnings won;
    for (const mainrules::WinningLine &w : m_wins)
        won.add(w.tier, prizes.find(m_drawDate));
    return pickwise::wonText(won);
}

const GameMatrix &MainSession::listingGame(const Date &today) const
{
    return matrixFor(m_kind == EntryFileKind::Dated ? m_entriesDate : today);
}

wheels::WheelGame MainSession::wheelGame(const Date &today) const
{
    // Wheel entries belong to today's game.
    const GameMatrix &game = matrixFor(today);
    return {"Lotto", m_paths.results(), game.highestBall, "Lotto", &game};
}

} // namespace pickwise
