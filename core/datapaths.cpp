#include "core/datapaths.h"

#include "core/fileio.h"
#include "core/lines.h"

namespace pickwise {

DataPaths::DataPaths(const std::string &programFolder, const std::string &dataFolder)
    : m_apppath(apppathFrom(programFolder)), m_data(apppathFrom(dataFolder))
{
}

std::string DataPaths::wheelDefinition(const std::string &fileName) const
{
    return joinPath(m_apppath, "wheels/" + fileName);
}

std::string DataPaths::helpFile() const
{
    return joinPath(m_apppath, "PICKWISE.html");
}

std::string DataPaths::results() const
{
    return joinPath(m_data, resultsFileName);
}

std::string DataPaths::resultsBackup() const
{
    return joinPath(m_data, "temp.rtl");
}

std::string DataPaths::prizes() const
{
    return joinPath(m_data, prizesFileName);
}

std::string DataPaths::datedEntries(const Date &date) const
{
    return joinPath(m_data, datedEntryFileName(date.day, date.month, date.year));
}

std::string DataPaths::standingEntries() const
{
    return joinPath(m_data, standingEntryName);
}

std::string DataPaths::wheelEntries(const std::string &fileName) const
{
    return joinPath(m_data, fileName);
}

std::string DataPaths::filterCopy() const
{
    return joinPath(m_data, "temp.lot");
}

std::string DataPaths::savedPrinter() const
{
    return joinPath(m_data, "print.dat");
}

std::string DataPaths::printDirectly() const
{
    return joinPath(m_data, "printdirect.dat");
}

std::string DataPaths::calibration() const
{
    return joinPath(m_data, "nprnt.dat");
}

std::string DataPaths::lineWidth() const
{
    return joinPath(m_data, "nlnwdth.dat");
}

std::string DataPaths::boardPrice() const
{
    return joinPath(m_data, "boardprice.dat");
}

std::string DataPaths::chosen(const std::string &fileName) const
{
    return joinPath(m_data, fileName);
}

std::string apppathFrom(const std::string &programFolder)
{
    const auto first = programFolder.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = programFolder.find_last_not_of(" \t");
    std::string path = programFolder.substr(first, last - first + 1);
    while (!path.empty() && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

} // namespace pickwise
