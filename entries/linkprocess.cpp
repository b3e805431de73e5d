#include "entries/linkprocess.h"

#include "core/history.h"
#include "mainwindow/session.h"
#include "platform/damagecheck.h"
#include "platform/widgets.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

LinkProcess::LinkProcess(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("LinkProcess"));
    setWindowTitle(QStringLiteral("Optimiser"));

    auto *layout = new QVBoxLayout(this);
    Frame1 = named(new QGroupBox(QStringLiteral("Select Process Range"), this), "Frame1");
    auto *range = new QHBoxLayout(Frame1);
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Text1->setMaximumWidth(80);
    range->addWidget(named(new QLabel(QStringLiteral("Last"), Frame1), "Label2"));
    range->addWidget(Text1);
    range->addWidget(named(new QLabel(QStringLiteral("Draws"), Frame1), "Label3"));
    range->addStretch(1);
    layout->addWidget(Frame1);
    Command1 = named(new QPushButton(QStringLiteral("Process Range"), this), "Command1");
    layout->addWidget(Command1);

    auto *date = new QHBoxLayout;
    date->addWidget(named(new QLabel(QStringLiteral("Select Entry Date"), this), "Label1"));
    DTPicker1 = makeDatePicker(QStringLiteral("DTPicker1"), this);
    date->addWidget(DTPicker1);
    layout->addLayout(date);
    Command2 = named(
        new QPushButton(QStringLiteral("Create Entries for Selected Date"), this), "Command2");
    Command3 = named(new QPushButton(QStringLiteral("Close"), this), "Command3");
    layout->addWidget(Command2);
    layout->addWidget(Command3);

    // Form_Load
    ResultsHistory history(m_context.paths.results());
    const int onLoad
        = history.load().empty() ? static_cast<int>(latestGameDraws(history).size()) : 0;
    Frame1->setTitle(qs(optimiser::frameCaption(onLoad)));
    Command2->setEnabled(false);
    DTPicker1->setDate(toQDate(m_platform.clock.today()));
    showDrawDates(DTPicker1, m_context.session.drawDates());

    connect(Command1, &QPushButton::clicked, this, &LinkProcess::processRange);
    connect(Command2, &QPushButton::clicked, this, &LinkProcess::createEntries);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    // A changed range must be processed again before entries are made from it.
    connect(Text1, &QLineEdit::textChanged, this, [this] { Command2->setEnabled(false); });
}

void LinkProcess::processRange()
{
    const std::string text = Text1->text().toStdString();
    if (text.empty()) {
        m_platform.dialogs.message(optimiser::problemText(optimiser::RangeProblem::Empty));
        return;
    }
    // The table no longer holds a processed range, so nothing may be made from it.
    m_links.clear();
    Command2->setEnabled(false);

    ResultsHistory history(m_context.paths.results());
    const std::string error = history.load();
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    const std::vector<BallRecord> draws = latestGameDraws(history);
    const int drawCount = static_cast<int>(draws.size());
    Frame1->setTitle(qs(optimiser::frameCaption(drawCount)));
    const optimiser::RangeChoice choice = optimiser::chooseRange(text, drawCount);
    if (choice.problem != optimiser::RangeProblem::None) {
        m_platform.dialogs.message(optimiser::problemText(choice.problem));
        return;
    }
    m_platform.dialogs.message(optimiser::processedText(text));
    m_processed = true;
    m_created = false;
    m_links.process(draws, choice.first, drawCount, *m_game);
    Command2->setEnabled(true);
}

std::vector<BallRecord> LinkProcess::latestGameDraws(const ResultsHistory &history)
{
    // The last N draws are the latest game's: the links of the other game's
    // draws were made with other balls.
    m_game = history.empty() ? &matrixFor(m_platform.clock.today()) : history.draws().back().matrix;
    return history.records(*m_game);
}

void LinkProcess::createEntries()
{
    const Date date = toDate(DTPicker1->date());
    if (matrixFor(date) != *m_game) {
        m_platform.dialogs.message(optimiser::otherGameText(*m_game, matrixFor(date)));
        return;
    }
    if (m_session.entriesDate() == date)
        m_session.optimiserwroteshown = true;

    RecordFile file(m_context.paths.datedEntries(date));
    if (!mayWrite(m_context, file.path(), RecordKind::Entries))
        return;
    std::string error = file.load();
    if (!error.empty()) {
        m_platform.dialogs.message("The entry file could not be read. " + error);
        return;
    }
    if (file.count() > 0
        && !m_platform.dialogs.askYesNo(
            "You already have a date entry for this date, do you want to add the new optimised "
            "entry to the existing entry?"))
        return;

    const int added = optimiser::appendEntries(file, optimiser::chainedEntries(m_links), date);
    // Written as a whole: a failure leaves the date's entries as they were.
    error = file.save();
    if (!error.empty()) {
        m_platform.dialogs.message(
            "The entries could not be written, so none were added. " + error);
        return;
    }
    m_platform.dialogs.message(optimiser::doneText(added, pickerDateText(DTPicker1).toStdString()));
    m_created = true;
}

bool LinkProcess::aboutToClose()
{
    if (m_processed && !m_created
        && !m_platform.dialogs.askYesNo("You have not yet created an entry from the last "
                                        "initiation of Process Range. Do you still want to quit?"))
        return false;
    return true;
}

} // namespace pickwise
