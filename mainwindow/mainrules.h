#pragma once

#include "core/ballrecord.h"
#include "core/dates.h"
#include "core/game.h"
#include "core/lines.h"

#include <array>
#include <string>
#include <vector>

namespace pickwise {

// What the main window and its small windows work out from the data; the
// windows only show it.
namespace mainrules {

// A listed entry that won in the shown draw: its list index and prize tag.
struct WinningLine
{
    int index = 0;
    std::string tag;
    int tier = 0; // of the draw's game, 1 = six numbers
};

// Every winning entry once, under its best tier of the draw's game, in entry
// order; the tag is the tier's ("(5+B)", "(2+B)"). Without a game, the 6 of
// 49 game's.
std::vector<WinningLine> checkEntries(
    const std::vector<Entry> &entries, const Draw &draw, const GameMatrix &game = sixOf49());

// The wins box after a check: the count preceded by one blank (" 2").
std::string winsText(int wins);

// Draw history list line, 40 columns for four-digit years:
// "00017 05 03 2003: 01 05 12 23 34 45 B 07".
std::string historyLineText(const BallRecord &draw);
// Columns 7-8, 10-11 and 13-16 of such a line; false when they do not form a date.
bool historyLineDate(const std::string &line, Date &date);

// The draws nearest to a date on either side, for the "previous draw" and
// "next draw" buttons: only draws with a real date within first..last (the
// range the date pickers take) count, and the whole file is searched, so a
// file out of date order still gives the nearest dates.
struct DrawNeighbours
{
    bool hasPrevious = false;
    bool hasNext = false;
    Date previous;
    Date next;
};
DrawNeighbours drawNeighbours(
    const std::vector<BallRecord> &draws, const Date &date, const Date &first, const Date &last);

// The Add Result window's seven boxes (six main numbers, then the bonus ball).
enum class DrawInput { Valid, OutOfRange, Duplicate };
// On Valid, draw holds the six main numbers ascending and the bonus seventh.
// The range is that of the game of the draw's date (without one, 1..49).
DrawInput readDrawInput(
    const std::array<std::string, 7> &texts, Draw &draw, const GameMatrix &game = sixOf49());

// "Draw Result for  5/ 3/ 2003"
std::string addResultCaption(const Date &date);
// "Lotto Entries for  5 DEC 2026"
std::string entryWindowCaption(const Date &date);
// Delete's confirmation for one or several selected entries.
std::string deleteQuestion(int selected);

} // namespace mainrules

// The main window's own texts.
namespace mainmsg {
constexpr const char *nothingListed = "You do not have any entries listed to check!";
constexpr const char *noDrawListed = "You do not have any draw result listed to check against!";
constexpr const char *noWins = "No wins this time!";
constexpr const char *drawExists = "There is already a draw result for this date and game. Delete "
                                   "the draw first if you want to change it.";
constexpr const char *notDrawDay = "You are entering results for a day that is not Saturday or "
                                   "Wednesday. Are you sure you want to continue?";
constexpr const char *outOfRange = "One or more of your main numbers is not in the correct range";
constexpr const char *duplicates = "You have duplicate numbers";
constexpr const char *noDrawToDelete = "There is no draw displayed to delete";
constexpr const char *reallyDeleteDraw = "Do you really want to delete this draw?";
constexpr const char *notEntryDay
    = "This is not a Wednesday or Saturday date, do you want to continue";
constexpr const char *modifyWheel = "Modifying a wheel entry can change the guarantee of the "
                                    "wheel. Are you sure you want to continue?";
constexpr const char *editWheel = "Editing a wheel entry can change the guarantee of the wheel. "
                                  "Are you sure you want to continue?";
constexpr const char *nothingToEdit = "There are no entries displayed to edit.";
constexpr const char *noneToEdit = "You have not selected an entry to edit.";
constexpr const char *severalToEdit = "You have more than one entry selected. You must only "
                                      "select one entry at a time for editing.";
constexpr const char *nothingToDelete = "There are no entries to delete";
constexpr const char *noneToDelete = "You have not selected any entries for deletion.";
constexpr const char *done = "Done";
constexpr const char *nothingForHistory
    = "You do not have any entries listed to check against the draw history!";
constexpr const char *noResultsForHistory
    = "There are no results in the results file - you cannot do a history check!";
constexpr const char *standingAlready = "Done.";
constexpr const char *nothingToStand
    = "You do not have any entries displayed to save as a standing entry";
constexpr const char *overwriteStanding
    = "You already have a standing for this game. Only one standing entry is allowed per game. "
      "Do you want to continue and overwrite your existing file?";
constexpr const char *standingSaved = "Done!";
constexpr const char *noStanding = "You do not have a standing entry for this game!";
constexpr const char *filterWheel = "If you filter a wheel, the guarantee will no longer apply. "
                                    "Are you sure you want to continue?";
constexpr const char *nothingToFilter = "You have no entries displayed to filter.";
constexpr const char *nothingForTickets = "You do not have any entries listed for ticket printing";
constexpr const char *wheelNotCreated = "You have not yet created this 6 wheel for Lotto";
constexpr const char *noPrinters = "No Printers Installed";
} // namespace mainmsg

} // namespace pickwise
