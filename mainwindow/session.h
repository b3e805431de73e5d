#pragma once

#include "core/ballrecord.h"
#include "core/damage.h"
#include "core/datapaths.h"
#include "core/dates.h"
#include "core/game.h"
#include "core/lines.h"
#include "mainwindow/mainrules.h"
#include "wheels/catalogue.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pickwise {

// Whoever shows the session (the main window; in tests a record of what it
// would show) hears of every change here, after it is made.
class SessionObserver
{
public:
    virtual ~SessionObserver() = default;

    // The listing was replaced: another file, the same one read afresh, or none.
    virtual void listingReset() { }
    // One entry joined the end of the listing.
    virtual void entryAppended(const Entry &) { }
    // Entry index (0-based) was changed in place.
    virtual void entryReplaced(int) { }
    // The entries whose lines were marked left the listing; the others moved up.
    virtual void entriesRemoved(const std::vector<bool> &) { }
    // The winning lines were emptied, or a check found them.
    virtual void winsCleared() { }
    virtual void winsFound() { }
    // The shown draw appeared, changed or went.
    virtual void drawChanged() { }
    // A window picked a draw date for the main window to look up.
    virtual void drawDatePicked(const Date &) { }
    // The dates that have a draw changed: draws were added, deleted,
    // downloaded or imported (or the history was read for the first time).
    virtual void drawDatesChanged() { }
};

// What the main window shows: one draw of the results history, the entries of
// one entry file, and the lines among them that won in that draw. Each
// operation does the work on the files and answers with what the user is to be
// told (empty when nothing); the main window asks and shows. The windows the
// main window opens change the listing through it too.
class MainSession
{
public:
    explicit MainSession(const DataPaths &paths);
    MainSession(const MainSession &) = delete;
    MainSession &operator=(const MainSession &) = delete;

    void addObserver(SessionObserver *observer);
    void removeObserver(SessionObserver *observer);

    // Runs before any record file is read, so that a damaged count can be told
    // and dealt with first (the main window asks the user).
    using Review = std::function<void(const std::string &path, RecordKind kind)>;
    void setReview(Review review) { m_review = std::move(review); }

    // ---- The shown draw ----

    const Date &drawDate() const { return m_drawDate; }
    bool drawShown() const { return m_drawShown; }
    // The shown draw's record in the results file, 0 when none (or when the
    // balls shown were not looked up there).
    int16_t drawpos() const { return m_drawpos; }
    const Draw &winballs() const { return m_winballs; }

    struct DrawLookup
    {
        std::string error; // the results file could not be read
        std::string damaged; // its bad draws: told once per run, at the first lookup
        mainrules::DrawNeighbours near; // within the dates first..last
    };
    // The draw of date: the winning lines go, the balls go, then the date's
    // draw is shown when the file holds one.
    DrawLookup lookUpDraw(const Date &date, const Date &first, const Date &last);
    // The draw before (step -1) or after (+1) the draw date, read afresh.
    struct DrawStep
    {
        std::string error;
        bool found = false;
        Date date;
        mainrules::DrawNeighbours near;
    };
    DrawStep stepDraw(int step, const Date &first, const Date &last) const;
    // Balls shown that were not looked up (a draw just typed in): drawpos 0.
    void showDraw(const Draw &balls);
    // Deletes the shown draw (drawpos) from the results file; the error text or "".
    std::string deleteDraw();
    // Asks the observers to make date the draw date.
    void pickDrawDate(const Date &date);
    // The dates that have a draw (results::drawDates) as the history was last
    // read: by every lookup, and after a draw was added or deleted here.
    const std::vector<Date> &drawDates() const { return m_drawDates; }

    // ---- The listing ----

    // The listed entry file, "" when none; its kind; the entries date (the date
    // whose dated file is listed when the dated entries are).
    const std::string &entryfile() const { return m_entryfile; }
    EntryFileKind kind() const { return m_kind; }
    const Date &entriesDate() const { return m_entriesDate; }
    // 1..10 while that type's wheel is listed, 0 otherwise.
    int16_t wheelno() const { return m_wheelno; }
    const std::vector<Entry> &entries() const { return m_entries; }
    int listedCount() const { return static_cast<int>(m_entries.size()); }

    // Lists date's dated entry file (made empty when missing); the error text
    // when it cannot be read, the listing then empty.
    std::string listDated(const Date &date);
    // Lists the standing entry file. listed is false (with the message) when
    // there is none; a file that cannot be read is listed empty, with its error.
    struct Opened
    {
        bool listed = false;
        std::string message;
    };
    Opened listStanding();
    // Lists wheel type wheelno's saved wheel; a wheel that was never saved or
    // cannot be read leaves everything as it was (but for wheelno, which
    // stays the listed wheel's).
    Opened openWheel(int wheelno);
    // Lists the wheel entry file at path; wheelno goes to 0 when it cannot.
    Opened open6wheel(const std::string &path);
    // Nothing listed, no draw shown, no winning lines.
    void clearshown();
    // Deletes the listed file when it holds no entries (nothing else changes).
    void dropemptyfile();
    // Deletes the entries whose lines are selected from the file, then from the
    // listing; the error text or "".
    std::string deleteEntries(const std::vector<bool> &selected);
    // Copies the listed file over the standing entry file; the error text or "".
    std::string copyToStanding() const;
    // The entry window opened by Add: the question asked first ("" when none:
    // a dated file of a draw day, or the standing entries) and its caption.
    struct EntryWindow
    {
        std::string question;
        std::string caption;
    };
    EntryWindow entryWindow() const;
    // Edit Entry works on exactly one selected line (selected[i]: line i):
    // editpos becomes it, or the message says why not.
    std::string chooseEdit(const std::vector<bool> &selected);

    // What the other windows did to the listed file, shown as they do it.
    void appendListed(const Entry &entry);
    void replaceListed(int index, const Entry &entry);
    // The listed file went away under the listing (a wheel saved over it).
    void clearListed();

    // ---- The check ----

    // Checks the listed file's entries against the shown draw; the message to
    // show, "" when there were wins.
    std::string check();
    void clearWins();
    // The winning entries (list lines) and their lines, and the wins box.
    const std::vector<mainrules::WinningLine> &wins() const { return m_wins; }
    const std::vector<std::string> &winLines() const { return m_winLines; }
    std::string winsText() const;
    // What the winning lines of the check won at the shown draw's prizes
    // ("R1873.00", "prizes not known"); "" before a check.
    std::string wonText() const;

    // The game of the entries being listed or made: the entries date's for a
    // dated file, today's for the standing and the wheel entry files.
    const GameMatrix &listingGame(const Date &today) const;

    // The game the wheel window makes wheels for: today's. Without a day, the
    // wheels of the 6 of 49 game, as before the game changed.
    wheels::WheelGame wheelGame(const Date &today = Date {}) const;

    // Set for and by the windows the main window opens.
    int16_t editpos = 0; // the entry Edit Entry changes, 1-based
    bool addmode = false; // the entry window was opened by Add
    bool importwrote = false; // the import wrote the entries date's file
    bool optimiserwroteshown = false; // the optimiser wrote the entries date's file

private:
    std::vector<Entry> readListing(const std::string &path, std::string &error);
    void setListing(const std::string &path, EntryFileKind kind, std::vector<Entry> entries);
    void emptyListing();
    void hideDraw();
    void setDrawDates(std::vector<Date> dates);
    // Reads the dates that have a draw again, after this session changed the file.
    void rereadDrawDates();
    template<class F>
    void tell(F &&f);

    const DataPaths &m_paths;
    std::vector<SessionObserver *> m_observers;
    Review m_review;

    Date m_drawDate;
    bool m_drawShown = false;
    int16_t m_drawpos = 0;
    Draw m_winballs {};
    bool m_resultsChecked = false; // the results file's draws were looked over
    std::vector<Date> m_drawDates;

    std::string m_entryfile;
    EntryFileKind m_kind = EntryFileKind::Dated;
    Date m_entriesDate;
    int16_t m_wheelno = 0;
    std::vector<Entry> m_entries;

    std::vector<mainrules::WinningLine> m_wins;
    std::vector<std::string> m_winLines;
    bool m_checked = false; // the wins box shows a check's count
};

} // namespace pickwise
