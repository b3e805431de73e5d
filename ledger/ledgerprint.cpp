#include "ledger/ledgerprint.h"

#include "printing/printing.h"

#include <string>

namespace pickwise::ledger {

namespace {

constexpr size_t indent = 4;

// text right-aligned in width columns.
std::string right(const std::string &text, size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string left(const std::string &text, size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string line(const std::string &first, const std::string &boards, const std::string &cost,
    const std::string &won, const std::string &balance)
{
    return std::string(indent, ' ') + left(first, 12) + right(boards, 8) + right(cost, 13)
        + right(won, 15) + right(balance, 15);
}

// The won amount, marked when some of its prizes are not known.
std::string wonColumn(const Winnings &won)
{
    return randText(won.total) + (won.complete() ? " " : "*");
}

} // namespace

PrintDocument ledgerDocument(
    const Ledger &ledger, const Date &from, const Date &to, Cents boardPrice, bool printerok)
{
    PrintDocument doc;
    setupprinter(doc, printerok);
    const std::string margin(indent, ' ');
    doc.text("");
    doc.text(margin + "Spent and won from " + isoDateText(from) + " to " + isoDateText(to) + ", "
        + randText(boardPrice) + " a board");
    doc.text("");
    doc.text(line("Draw date", "Boards", "Spent", "Won ", "Balance"));
    for (const Row &row : ledger.rows)
        doc.text(line(isoDateText(row.date), std::to_string(row.boards), randText(row.cost),
            wonColumn(row.won), randText(row.balance)));
    const Totals &t = ledger.totals;
    doc.text(margin + std::string(63, '-'));
    doc.text(line(std::to_string(t.draws) + (t.draws == 1 ? " draw" : " draws"),
        std::to_string(t.boards), randText(t.cost), wonColumn(t.won), randText(t.balance)));
    doc.text("");
    std::string divisions = margin + "Winning lines:";
    for (int d = 1; d <= prizeDivisions; ++d)
        divisions += std::string("  ") + divisionName(d) + " "
            + std::to_string(t.won.lines[static_cast<size_t>(d - 1)]);
    doc.text(divisions);
    if (!t.won.complete())
        doc.text(margin + "* " + totalsNote(t));
    return doc;
}

} // namespace pickwise::ledger
