#pragma once

#include "core/dates.h"

#include <string>

namespace pickwise {

// The file names the program gives its own files.
constexpr const char *resultsFileName = "sa.rtl";
constexpr const char *standingEntryName = "StandLT.lot";
constexpr const char *prizesFileName = "prizes.csv";

// Where the program's files are: the program folder holds what comes with the
// program and is only read (the wheel definitions, the help document), the data
// folder everything the program writes. Decided once at start-up; every window
// asks here for a file's path and never builds one from a name itself.
class DataPaths
{
public:
    DataPaths() = default;
    // Each folder as apppathFrom gives it.
    DataPaths(const std::string &programFolder, const std::string &dataFolder);

    // The program folder (the executable's) and the data folder, without a
    // trailing separator ("" for the file system root).
    const std::string &apppath() const { return m_apppath; }
    const std::string &dataFolder() const { return m_data; }

    // In the program folder.
    std::string wheelDefinition(const std::string &fileName) const; // wheels/6-6-5-9.whl
    std::string helpFile() const; // PICKWISE.html

    // In the data folder.
    std::string results() const; // sa.rtl, the results history
    std::string resultsBackup() const; // temp.rtl, kept while a download replaces sa.rtl
    std::string prizes() const; // prizes.csv, the prize money of the draws by date
    std::string datedEntries(const Date &date) const; // Lotto05DEC2026.lot
    std::string standingEntries() const; // StandLT.lot
    std::string wheelEntries(const std::string &fileName) const; // Lotto-6-6-5.lot
    std::string filterCopy() const; // temp.lot, the filter's working copy
    std::string savedPrinter() const; // print.dat
    std::string printDirectly() const; // printdirect.dat, printouts without their preview
    std::string calibration() const; // nprnt.dat, the play slips' calibration
    std::string lineWidth() const; // nlnwdth.dat, the play slips' line width
    std::string boardPrice() const; // boardprice.dat, the price per board spent and won counts
    // A file the user picked from a listing of the data folder.
    std::string chosen(const std::string &fileName) const;

private:
    std::string m_apppath;
    std::string m_data;
};

// A folder as every path is built from it: surrounding blanks and trailing
// separators removed, so that folder + "/" + name never doubles a separator.
// The file system root gives "" ("/" + name is then the root's file); a drive
// root such as "C:\" keeps only "C:".
std::string apppathFrom(const std::string &programFolder);

} // namespace pickwise
