#include "entries/form5.h"

#include "core/entryfiles.h"
#include "core/numbers.h"
#include "entries/entryrules.h"
#include "entries/suggest.h"
#include "mainwindow/session.h"
#include "platform/context.h"
#include "platform/platform.h"
#include "platform/widgets.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pickwise {

namespace {

QPushButton *button(const char *name, const char *caption, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *numberBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(48);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

} // namespace

Form5::Form5(Context &context, ConstraintSet &constraints, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session), m_constraints(constraints)
{
    setObjectName(QStringLiteral("Form5"));

    Frame1 = new QGroupBox(QStringLiteral("Add Manual Entry"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *manualBoxes = new QHBoxLayout;
    for (size_t i = 0; i < Text1.size(); ++i) {
        Text1[i] = numberBox(QStringLiteral("Text1_%1").arg(i), Frame1);
        manualBoxes->addWidget(Text1[i]);
    }
    Command6 = button("Command6", "Add", Frame1);
    Command5 = button("Command5", "Clear", Frame1);
    Command3 = button("Command3", "Close", this);
    auto *manualButtons = new QHBoxLayout;
    manualButtons->addStretch();
    manualButtons->addWidget(Command6);
    manualButtons->addWidget(Command5);
    auto *frame1Layout = new QVBoxLayout(Frame1);
    frame1Layout->addLayout(manualBoxes);
    frame1Layout->addLayout(manualButtons);

    Frame2 = new QGroupBox(QStringLiteral("Add Computer Suggested Entries"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label1 = new QLabel(QStringLiteral("Enter No"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text8 = numberBox(QStringLiteral("Text8"), Frame2);
    Label1->setBuddy(Text8);
    Option1 = new QRadioButton(QStringLiteral("Total"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Additional"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Command4 = button("Command4", "Add", Frame2);
    Command1 = button("Command1", "Cancel", Frame2);
    Command2 = button("Command2", "Constrain", Frame2);
    auto *frame2Layout = new QGridLayout(Frame2);
    frame2Layout->addWidget(Label1, 0, 0);
    frame2Layout->addWidget(Text8, 0, 1);
    frame2Layout->addWidget(Option1, 0, 2);
    frame2Layout->addWidget(Option2, 1, 2);
    frame2Layout->addWidget(Command4, 0, 3);
    frame2Layout->addWidget(Command1, 1, 3);
    frame2Layout->addWidget(Command2, 2, 3);

    Frame3 = new QGroupBox(
        QStringLiteral("Must Contain                          Must Not Contain"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    static const char *const constraintNames[9]
        = {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text9", "Text10", "Text11"};
    auto *mustGrid = new QGridLayout;
    auto *mustNotGrid = new QGridLayout;
    for (size_t i = 0; i < m_constraintBoxes.size(); ++i) {
        m_constraintBoxes[i] = numberBox(QString::fromLatin1(constraintNames[i]), Frame3);
        if (i < 3)
            mustGrid->addWidget(m_constraintBoxes[i], 0, static_cast<int>(i));
        else
            mustNotGrid->addWidget(
                m_constraintBoxes[i], static_cast<int>(i - 3) / 3, static_cast<int>(i - 3) % 3);
    }
    mustGrid->setRowStretch(1, 1);
    Command7 = button("Command7", "Done", Frame3);
    Command8 = button("Command8", "Clear", Frame3);
    auto *lists = new QHBoxLayout;
    lists->addLayout(mustGrid);
    lists->addStretch();
    lists->addLayout(mustNotGrid);
    auto *editorButtons = new QHBoxLayout;
    editorButtons->addStretch();
    editorButtons->addWidget(Command7);
    editorButtons->addWidget(Command8);
    auto *frame3Layout = new QVBoxLayout(Frame3);
    frame3Layout->addLayout(lists);
    frame3Layout->addLayout(editorButtons);

    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(Command3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame3);
    layout->addLayout(closeRow);
    layout->addStretch();

    connect(Command6, &QPushButton::clicked, this, &Form5::manualAdd);
    // Enter after the sixth number adds the line, as Add does.
    connect(Text1.back(), &QLineEdit::returnPressed, this, &Form5::manualAdd);
    connect(Command5, &QPushButton::clicked, this, &Form5::manualClear);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(Command4, &QPushButton::clicked, this, &Form5::computerAdd);
    // Cancel stops a running generation; a click while none runs means nothing.
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (m_generating)
            m_context.cancelflag = true;
    });
    connect(Command2, &QPushButton::clicked, this, &Form5::showConstraintEditor);
    connect(Command7, &QPushButton::clicked, this, &Form5::constraintsDone);
    connect(Command8, &QPushButton::clicked, this, &Form5::constraintsClear);

    // Opening: editor hidden, Total selected, kept constraints shown.
    Frame3->hide();
    Option1->setChecked(true);
    const ConstraintBoxes texts = constraintBoxTexts(m_constraints);
    for (size_t i = 0; i < texts.size(); ++i)
        m_constraintBoxes[i]->setText(qs(texts[i]));
}

bool Form5::aboutToClose()
{
    // The run lives on this window; closing under it would pull the window away
    // from the loop still using it. Cancel ends a run.
    if (m_generating)
        return false;
    // Earlier check results no longer match the changed entries.
    m_session.clearWins();
    return true;
}

void Form5::manualAdd()
{
    TypedBoxes boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = Text1[i]->text().toStdString();
    Entry entry {};
    const std::string fault = typedEntry(boxes, entry, entriesGame());
    if (!fault.empty()) {
        m_platform.dialogs.message(fault);
        return;
    }
    const std::string error = entryfiles::append(m_session.entryfile(), entry);
    if (!error.empty()) {
        m_platform.dialogs.message(
            "The entry could not be added to the entry file (" + error + ").");
        return;
    }
    m_session.appendListed(entry);
}

void Form5::manualClear()
{
    for (QLineEdit *box : Text1)
        box->clear();
}

void Form5::computerAdd()
{
    const double enterNo = leadingNumber(Text8->text().toStdString());
    const std::string noNumber = enterNoMessage(enterNo);
    if (!noNumber.empty()) {
        m_platform.dialogs.message(noNumber);
        return;
    }
    if (m_session.addmode && m_constraints.constrained) {
        m_session.addmode = false;
        if (!m_platform.dialogs.askYesNo("You currently have contraints. Do you want to continue?"))
            return;
    }
    const int fileCount = entryfiles::countOf(m_session.entryfile());
    const SuggestRequest request
        = planSuggestions(enterNo, Option1->isChecked(), m_session.listedCount(), fileCount);
    if (!request.message.empty()) {
        m_platform.dialogs.message(request.message);
        return;
    }

    setGenerating(true);
    SuggestHooks hooks;
    hooks.accepted = [this](int, const Entry &entry) { m_session.appendListed(entry); };
    // Painting the windows after every entry costs far more than making it.
    // Events run at the first entry and then at most every 40 ms, a pace at
    // which the list still grows before the user's eyes; the cancel flag is
    // still looked at after every entry.
    QElapsedTimer sinceEvents;
    hooks.letEventsRun = [&sinceEvents] {
        if (sinceEvents.isValid() && sinceEvents.elapsed() < 40)
            return;
        QCoreApplication::processEvents();
        sinceEvents.start();
    };
    const SuggestOutcome outcome
        = suggestentries(m_context.paths.results(), m_session.entryfile(), m_constraints,
            m_context.cancelflag, m_platform.random, request.count, enterNo, hooks, entriesGame());
    if (!outcome.message.empty())
        m_platform.dialogs.message(outcome.message);
    setGenerating(false);
}

const GameMatrix &Form5::entriesGame() const
{
    return m_session.listingGame(m_platform.clock.today());
}

void Form5::setGenerating(bool on)
{
    m_generating = on;
    for (QPushButton *b : {Command3, Command6, Command4, Command5})
        b->setEnabled(!on);
}

void Form5::showConstraintEditor()
{
    Frame3->show();
    Command3->hide();
}

void Form5::constraintsDone()
{
    ConstraintBoxes boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = m_constraintBoxes[i]->text().toStdString();
    const std::string message
        = applyConstraints(m_constraints, m_session.addmode, boxes, entriesGame());
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].empty())
            m_constraintBoxes[i]->clear();
    }
    if (!message.empty()) {
        m_platform.dialogs.message(message);
        return;
    }
    Command3->show();
    Frame3->hide();
}

void Form5::constraintsClear()
{
    for (QLineEdit *box : m_constraintBoxes)
        box->clear();
    clearConstraints(m_constraints);
}

} // namespace pickwise
