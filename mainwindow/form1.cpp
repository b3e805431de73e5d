#include "mainwindow/form1.h"

#include "core/drawcheck.h"
#include "core/entryfiles.h"
#include "core/fileio.h"
#include "core/lines.h"
#include "core/printing.h"
#include "core/results.h"
#include "mainwindow/artwork.h"
#include "mainwindow/form11.h"
#include "mainwindow/form2.h"
#include "mainwindow/form3.h"
#include "mainwindow/mainrules.h"
#include "platform/damagecheck.h"
#include "platform/widgets.h"
#include "wheels/catalogue.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace pickwise {

namespace {

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    auto *b = new QPushButton(text(caption), parent);
    b->setObjectName(text(name));
    return b;
}

QGroupBox *frame(QWidget *parent, const char *name, const char *caption)
{
    auto *f = new QGroupBox(text(caption), parent);
    f->setObjectName(text(name));
    return f;
}

// Every line's selection, read from the selection's ranges: asking each line
// walks all the ranges, which for thousands of selected lines is quadratic.
std::vector<bool> selectedRows(const QListWidget *list)
{
    std::vector<bool> rows(static_cast<size_t>(list->count()), false);
    for (const QItemSelectionRange &range : list->selectionModel()->selection())
        for (int r = std::max(range.top(), 0); r <= range.bottom() && r < list->count(); ++r)
            rows[static_cast<size_t>(r)] = true;
    return rows;
}

QLineEdit *countBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(text(name));
    // The program keeps these boxes equal to what is listed; typing in them
    // would only mislead the checks that read them.
    box->setReadOnly(true);
    box->setFixedWidth(64);
    return box;
}

} // namespace

Form1::Form1(SharedState &state, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(applicationTitle));
    buildControls();
    buildMenus();
    connectActions();
    updateChildControls();
}

Form1::~Form1()
{
    for (const QPointer<ChildWindow> &w : m_open)
        if (w)
            delete w.data();
}

void Form1::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    // Top row: quick select pictures and the animated picture.
    auto *top = new QHBoxLayout;
    Frame4 = frame(central, "Frame4", "Quick Select");
    auto *quick = new QHBoxLayout(Frame4);
    const qreal dpr = devicePixelRatioF();
    auto quickButton
        = [&](QToolButton *&b, const char *name, const char *tip, artwork::QuickIcon icon) {
              b = new QToolButton(Frame4);
              b->setObjectName(text(name));
              b->setToolTip(text(tip));
              b->setIcon(artwork::quickSelectIcon(icon, dpr));
              b->setIconSize(QSize(32, 32));
              b->setAutoRaise(true);
              quick->addWidget(b);
          };
    quickButton(Image5, "Image5", "Get Results from Web", artwork::QuickIcon::Results);
    quickButton(Image3, "Image3", "Print Tickets", artwork::QuickIcon::Tickets);
    quickButton(Image1, "Image1", "Show Draw History", artwork::QuickIcon::History);
    quickButton(Image4, "Image4", "Show Statistics", artwork::QuickIcon::Statistics);
    top->addWidget(Frame4);
    top->addStretch(1);
    Image8 = new AnimatedPicture(central);
    Image8->setObjectName(QStringLiteral("Image8"));
    Image8->setToolTip(QStringLiteral("About Pickwise"));
    top->addWidget(Image8, 0, Qt::AlignVCenter);
    outer->addLayout(top);

    // Draw management.
    Frame1 = frame(central, "Frame1", "Draw Management");
    auto *drawRow = new QHBoxLayout(Frame1);
    Frame3 = frame(Frame1, "Frame3", "Select Draw Date");
    auto *f3 = new QHBoxLayout(Frame3);
    DTPicker1 = makeDatePicker(QStringLiteral("DTPicker1"), Frame3);
    // Beside the date, the way to the draw before and after it.
    auto drawStep = [&](const char *name, Qt::ArrowType arrow, const char *tip) {
        auto *b = new QToolButton(Frame3);
        b->setObjectName(text(name));
        b->setArrowType(arrow);
        b->setToolTip(text(tip));
        b->setAccessibleName(text(tip));
        return b;
    };
    m_previousDraw = drawStep("previousDraw", Qt::LeftArrow, "Previous draw");
    m_nextDraw = drawStep("nextDraw", Qt::RightArrow, "Next draw");
    f3->addWidget(m_previousDraw);
    f3->addWidget(DTPicker1);
    f3->addWidget(m_nextDraw);
    drawRow->addWidget(Frame3, 0, Qt::AlignVCenter);

    Picture1 = new QWidget(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto *balls = new QGridLayout(Picture1);
    balls->setHorizontalSpacing(4);
    balls->setVerticalSpacing(0);
    for (int i = 0; i < 7; ++i) {
        auto *label = new QLabel(Picture1);
        label->setObjectName(QStringLiteral("Image2_%1").arg(i));
        label->setFixedSize(artwork::ballSize, artwork::ballSize);
        // The row keeps its place while the balls are hidden.
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
        label->hide();
        Image2[static_cast<size_t>(i)] = label;
        balls->addWidget(label, 1, i < 6 ? i : 7);
    }
    balls->setColumnMinimumWidth(6, 14);
    Label3 = new QLabel(QStringLiteral("Bonus"), Picture1);
    Label3->setObjectName(QStringLiteral("Label3"));
    balls->addWidget(Label3, 0, 7, Qt::AlignHCenter);
    drawRow->addWidget(Picture1, 0, Qt::AlignVCenter);
    drawRow->addStretch(1);
    auto *drawButtons = new QVBoxLayout;
    Command1 = button(Frame1, "Command1", "Add Draw");
    Command2 = button(Frame1, "Command2", "Delete Draw");
    drawButtons->addWidget(Command1);
    drawButtons->addWidget(Command2);
    drawRow->addLayout(drawButtons);
    outer->addWidget(Frame1);

    // Entry type.
    Frame2 = frame(central, "Frame2", "Select Entry Type");
    auto *f2 = new QHBoxLayout(Frame2);
    Option2 = new QRadioButton(QStringLiteral("Lotto"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    f2->addWidget(Option2);
    f2->addStretch(1);
    outer->addWidget(Frame2);

    // Entries and winning lines side by side.
    auto *lists = new QHBoxLayout;
    Frame5 = frame(central, "Frame5", "My Enties for Lotto");
    auto *f5 = new QVBoxLayout(Frame5);
    auto *dateRow = new QHBoxLayout;
    DTPicker2 = makeDatePicker(QStringLiteral("DTPicker2"), Frame5);
    dateRow->addWidget(DTPicker2);
    Command3 = button(Frame5, "Command3", "Dated Entry");
    Command3->hide();
    dateRow->addWidget(Command3);
    dateRow->addStretch(1);
    f5->addLayout(dateRow);
    List1 = new QListWidget(Frame5);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(listFont());
    // Click picks one line, Ctrl/Shift-click picks several: the usual desktop
    // way, and a stray click cannot silently add a line to a deletion.
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setUniformItemSizes(true);
    f5->addWidget(List1, 1);
    auto *countRow = new QHBoxLayout;
    Label5 = new QLabel(QStringLiteral("Entries"), Frame5);
    Label5->setObjectName(QStringLiteral("Label5"));
    Text2 = countBox(Frame5, "Text2");
    countRow->addWidget(Label5);
    countRow->addWidget(Text2);
    countRow->addStretch(1);
    f5->addLayout(countRow);
    auto *entryButtons = new QGridLayout;
    Command4 = button(Frame5, "Command4", "Add");
    Command6 = button(Frame5, "Command6", "Edit");
    Command5 = button(Frame5, "Command5", "Delete");
    Command14 = button(Frame5, "Command14", "Check");
    Command12 = button(Frame5, "Command12", "History");
    Command9 = button(Frame5, "Command9", "Print");
    entryButtons->addWidget(Command4, 0, 0);
    entryButtons->addWidget(Command6, 0, 1);
    entryButtons->addWidget(Command5, 0, 2);
    entryButtons->addWidget(Command14, 1, 0);
    entryButtons->addWidget(Command12, 1, 1);
    entryButtons->addWidget(Command9, 1, 2);
    f5->addLayout(entryButtons);
    lists->addWidget(Frame5, 1);

    Frame6 = frame(central, "Frame6", "Winning Lines for Lotto");
    auto *f6 = new QVBoxLayout(Frame6);
    List2 = new QListWidget(Frame6);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setFont(listFont());
    List2->setUniformItemSizes(true);
    f6->addWidget(List2, 1);
    auto *winsRow = new QHBoxLayout;
    Label6 = new QLabel(QStringLiteral("Total Wins"), Frame6);
    Label6->setObjectName(QStringLiteral("Label6"));
    Text3 = countBox(Frame6, "Text3");
    Command10 = button(Frame6, "Command10", "Print");
    winsRow->addWidget(Label6);
    winsRow->addWidget(Text3);
    winsRow->addStretch(1);
    winsRow->addWidget(Command10);
    f6->addLayout(winsRow);
    lists->addWidget(Frame6, 1);
    outer->addLayout(lists, 1);

    // Wide enough for an entry line beside a winning line.
    const int lineWidth = QFontMetrics(listFont()).horizontalAdvance(QString(26, QLatin1Char('0')));
    List1->setMinimumWidth(lineWidth);
    List2->setMinimumWidth(lineWidth);
    resize(800, 620);
}

QAction *Form1::addItem(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(text(caption));
    action->setObjectName(text(name));
    return action;
}

void Form1::buildMenus()
{
    auto *bar = menuBar();
    auto menu = [&](const char *name, const char *caption) {
        QMenu *m = bar->addMenu(text(caption));
        m->setObjectName(text(name));
        return m;
    };
    QMenu *file = menu("mnuFile", "&File");
    mnuUpdateResults = addItem(file, "mnuUpdateResults", "Update Results");
    mnuDelete = addItem(file, "mnuDelete", "Entry File Deletion");
    mnuhistory = addItem(file, "mnuhistory", "Draw History");
    mnustats = addItem(file, "mnustats", "Stats");
    mnufilter = addItem(file, "mnufilter", "Filter Current Entry");
    mnuprinttickets = addItem(file, "mnuprinttickets", "Print Tickets");
    mnuselprinter = addItem(file, "mnuselprinter", "Select Printer");
    mnuImport = addItem(file, "mnuImport", "Import TXT Entry");
    file->addSeparator();
    mnuExit = addItem(file, "mnuExit", "Exit");

    QMenu *wheels = menu("mnuWheels", "&Wheels");
    mnuWheelCreate = addItem(wheels, "mnuWheelCreate", "Create");
    QMenu *open = wheels->addMenu(QStringLiteral("Open"));
    open->setObjectName(QStringLiteral("mnuWheelOpen"));
    for (const wheels::WheelType &type : wheels::catalogue())
        m_wheelOpen[static_cast<size_t>(type.code - 1)]
            = addItem(open, type.menuName, type.menuCaption);

    QMenu *standing = menu("mnuStandE", "&Standing Entry");
    mnuSaveStand = addItem(standing, "mnuSaveStand", "Save As Standing Entry");
    mnuStandOpen = addItem(standing, "mnuStandOpen", "Open Standing Entry");

    QMenu *link = menu("mnulinkprocessor", "&Optimiser");
    mnulinkcreate = addItem(link, "mnulinkcreate", "Create Dated Entry");

    QMenu *help = menu("mnuHlp", "&Help");
    mnuHelp = addItem(help, "mnuHelp", "Contents");
    mnuHelp->setShortcut(QKeySequence::HelpContents);
    mnuAbout = addItem(help, "mnuAbout", "About Pickwise");
}

void Form1::connectActions()
{
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { drawDateChange(); });
    connect(m_previousDraw, &QToolButton::clicked, this, [this] { stepDraw(-1); });
    connect(m_nextDraw, &QToolButton::clicked, this, [this] { stepDraw(1); });
    connect(DTPicker2, &QDateEdit::dateChanged, this, [this] { entriesDateChange(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { entryTypeClick(); });

    connect(Command1, &QPushButton::clicked, this, [this] { addDraw(); });
    connect(Command2, &QPushButton::clicked, this, [this] { deleteDraw(); });
    connect(Command3, &QPushButton::clicked, this, [this] { datedEntry(); });
    connect(Command4, &QPushButton::clicked, this, [this] { addEntries(); });
    connect(Command6, &QPushButton::clicked, this, [this] { editEntry(); });
    connect(Command5, &QPushButton::clicked, this, [this] { deleteEntries(); });
    connect(Command14, &QPushButton::clicked, this, [this] { check(); });
    connect(Command12, &QPushButton::clicked, this, [this] { historyCheck(); });
    connect(Command9, &QPushButton::clicked, this, [this] { printList(List1); });
    connect(Command10, &QPushButton::clicked, this, [this] { printList(List2); });

    connect(Image5, &QToolButton::clicked, this, [this] { updateResults(); });
    connect(Image3, &QToolButton::clicked, this, [this] { printTickets(); });
    connect(Image1, &QToolButton::clicked, this, [this] { drawHistory(); });
    connect(Image4, &QToolButton::clicked, this, [this] { statistics(); });
    connect(Image8, &AnimatedPicture::clicked, this, [this] { about(); });

    connect(mnuUpdateResults, &QAction::triggered, this, [this] { updateResults(); });
    connect(mnuDelete, &QAction::triggered, this, [this] { fileDeletion(); });
    connect(mnuhistory, &QAction::triggered, this, [this] { drawHistory(); });
    connect(mnustats, &QAction::triggered, this, [this] { statistics(); });
    connect(mnufilter, &QAction::triggered, this, [this] { filterEntries(); });
    connect(mnuprinttickets, &QAction::triggered, this, [this] { printTickets(); });
    connect(mnuselprinter, &QAction::triggered, this, [this] { selectPrinter(); });
    connect(mnuImport, &QAction::triggered, this, [this] { importTxt(); });
    connect(mnuExit, &QAction::triggered, this, [this] { exitProgram(); });
    connect(mnuWheelCreate, &QAction::triggered, this, [this] { wheelCreate(); });
    for (size_t i = 0; i < m_wheelOpen.size(); ++i)
        connect(m_wheelOpen[i], &QAction::triggered, this,
            [this, i] { openWheel(static_cast<int>(i) + 1); });
    connect(mnuSaveStand, &QAction::triggered, this, [this] { saveStanding(); });
    connect(mnuStandOpen, &QAction::triggered, this, [this] { openStanding(); });
    connect(mnulinkcreate, &QAction::triggered, this, [this] { optimiser(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { help(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { about(); });
}

// ---- start-up and the refresh routines ----

void Form1::start()
{
    const QDate today = toQDate(m_platform.clock.today());
    {
        // The lookups run once below, not once per picker.
        const QSignalBlocker block1(DTPicker1);
        const QSignalBlocker block2(DTPicker2);
        DTPicker1->setDate(today);
        DTPicker2->setDate(today);
    }
    m_state.wheelno = 0;
    hideBalls();
    m_state.printerok
        = loadprinter(m_platform.printer, readSavedPrinter(m_state.paths.savedPrinter()));
    Command9->setEnabled(m_state.printerok);
    Command10->setEnabled(m_state.printerok);
    Text3->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    Option2->setChecked(true);
    entryTypeClick();
    Command3->hide();
    m_state.game = 2;
}

void Form1::entryTypeClick()
{
    dropemptyfile();
    clearshown();
    Command3->hide();
    DTPicker2->show();
    Frame5->setTitle(QStringLiteral("My Enties for Lotto"));
    Frame6->setTitle(QStringLiteral("Winning Lines for Lotto"));
    m_state.game = 2;
    entriesDateChange();
    drawDateChange();
    if (Text2->text() != QStringLiteral("0") && drawShown())
        check();
}

void Form1::drawDateChange()
{
    clearWinningLines();
    hideBalls();
    m_state.drawfile = m_state.paths.results();
    reviewFile(m_state, m_platform.dialogs, m_state.drawfile, RecordKind::Results);
    std::vector<BallRecord> draws;
    const std::string error = results::readAll(m_state.drawfile, draws);
    showDrawSteps(draws);
    if (!error.empty()) {
        m_state.drawpos = 0;
        m_platform.dialogs.message(error);
        return;
    }
    // Once per run, at the first lookup: bad draws are told, not shown silently.
    if (!m_resultsChecked) {
        m_resultsChecked = true;
        const std::string damaged = damagedResultsMessage(draws, lottoHighestBall);
        if (!damaged.empty() && !m_state.damage.declined(m_state.drawfile))
            m_platform.dialogs.message(damaged);
    }
    const Date d = toDate(DTPicker1->date());
    const int r = results::findByDate(draws, d.day, d.month, d.year);
    if (r > 0) {
        const BallRecord &draw = draws[static_cast<size_t>(r - 1)];
        for (int i = 0; i < 7; ++i)
            ballpic(i, draw.ball[static_cast<size_t>(i)]);
    }
    m_state.drawpos = static_cast<int16_t>(r);
}

mainrules::DrawNeighbours Form1::neighbours(const std::vector<BallRecord> &draws) const
{
    return mainrules::drawNeighbours(draws, toDate(DTPicker1->date()),
        toDate(DTPicker1->minimumDate()), toDate(DTPicker1->maximumDate()));
}

void Form1::showDrawSteps(const std::vector<BallRecord> &draws)
{
    const mainrules::DrawNeighbours near = neighbours(draws);
    m_previousDraw->setEnabled(near.hasPrevious);
    m_nextDraw->setEnabled(near.hasNext);
}

void Form1::stepDraw(int step)
{
    // Read afresh: the buttons may be older than the file.
    std::vector<BallRecord> draws;
    const std::string error = results::readAll(m_state.paths.results(), draws);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    const mainrules::DrawNeighbours near = neighbours(draws);
    if (step < 0 && near.hasPrevious)
        DTPicker1->setDate(toQDate(near.previous));
    else if (step > 0 && near.hasNext)
        DTPicker1->setDate(toQDate(near.next));
    else
        showDrawSteps(draws);
}

void Form1::entriesDateChange()
{
    dropemptyfile();
    clearListing();
    // Listing a dated file always means the dated view: no "Dated Entry"
    // button and no wheel, whatever was listed before.
    Command3->hide();
    DTPicker2->show();
    m_state.wheelno = 0;
    m_state.entryfile = m_state.paths.datedEntries(toDate(DTPicker2->date()));
    const std::string error = listEntries(m_state.entryfile);
    if (!error.empty())
        m_platform.dialogs.message(error);
}

std::string Form1::listEntries(const std::string &path)
{
    reviewFile(m_state, m_platform.dialogs, path, RecordKind::Entries);
    std::vector<Entry> entries;
    const std::string error = entryfiles::list(path, entries);
    if (!error.empty())
        return error;
    listEntries(entries);
    return {};
}

void Form1::listEntries(const std::vector<Entry> &entries)
{
    QStringList lines;
    lines.reserve(static_cast<int>(entries.size()));
    for (const Entry &e : entries)
        lines << qs(entryLineText(e));
    List1->addItems(lines);
    Text2->setText(QString::number(lines.size()));
}

void Form1::clearListing()
{
    List1->clear();
    clearWinningLines();
    Text2->setText(QStringLiteral("0"));
}

void Form1::dropemptyfile()
{
    entryfiles::dropemptyfile(m_state.entryfile);
}

void Form1::ballpic(int position, int number)
{
    QLabel *label = Image2[static_cast<size_t>(position)];
    label->setPixmap(artwork::ballPixmap(number, position >= 6, devicePixelRatioF()));
    label->setToolTip(position >= 6 ? QStringLiteral("Bonus ball %1").arg(number)
                                    : QStringLiteral("Ball %1").arg(number));
    m_state.winballs[static_cast<size_t>(position)] = static_cast<int16_t>(number);
    label->show();
}

void Form1::redrawPictures()
{
    const qreal dpr = devicePixelRatioF();
    Image5->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::Results, dpr));
    Image3->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::Tickets, dpr));
    Image1->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::History, dpr));
    Image4->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::Statistics, dpr));
    for (size_t i = 0; i < Image2.size(); ++i)
        if (!Image2[i]->isHidden())
            Image2[i]->setPixmap(artwork::ballPixmap(m_state.winballs[i], i >= 6, dpr));
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_watchingScreen && windowHandle()) {
        m_watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { redrawPictures(); });
    }
}

void Form1::hideBalls()
{
    for (QLabel *label : Image2)
        label->hide();
}

bool Form1::drawShown() const
{
    return !Image2[0]->isHidden();
}

void Form1::clearshown()
{
    m_state.wheelno = 0;
    hideBalls();
    List1->clear();
    List2->clear();
    Text2->setText(QStringLiteral("0"));
    m_state.entryfile.clear();
}

int Form1::listedCount() const
{
    return mainrules::entryCount(Text2->text().toStdString());
}

std::vector<bool> Form1::selectedLines() const
{
    const int n = std::min(listedCount(), List1->count());
    std::vector<bool> selected = selectedRows(List1);
    selected.resize(static_cast<size_t>(std::max(n, 0)));
    return selected;
}

// ---- check ----

void Form1::check()
{
    List2->clear();
    if (listedCount() < 1) {
        m_platform.dialogs.message(mainmsg::nothingListed);
        return;
    }
    if (!drawShown()) {
        m_platform.dialogs.message(mainmsg::noDrawListed);
        return;
    }
    std::vector<Entry> entries;
    const std::string error = entryfiles::list(m_state.entryfile, entries);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    const auto wins = mainrules::checkEntries(entries, m_state.winballs);
    const int lines = std::min(static_cast<int>(entries.size()), List1->count());
    for (int i = 0; i < lines; ++i)
        List1->item(i)->setSelected(false);
    QStringList winLines;
    for (const mainrules::WinningLine &w : wins) {
        winLines << qs(winLineText(entries[static_cast<size_t>(w.index)], w.tag));
        if (w.index < lines)
            List1->item(w.index)->setSelected(true);
    }
    List2->addItems(winLines);
    Text3->setText(qs(mainrules::winsText(static_cast<int>(wins.size()))));
    if (wins.empty())
        m_platform.dialogs.message(mainmsg::noWins);
}

// ---- draws ----

void Form1::addDraw()
{
    if (drawShown()) {
        m_platform.dialogs.message(mainmsg::drawExists);
        return;
    }
    if (!mayWrite(m_state, m_platform.dialogs, m_state.paths.results(), RecordKind::Results))
        return;
    if (!isWednesdayOrSaturday(drawDate()) && !m_platform.dialogs.askYesNo(mainmsg::notDrawDay))
        return;
    showChild(new Form2(m_state, m_platform, *this), QString(), true, nullptr);
}

void Form1::deleteDraw()
{
    if (!drawShown()) {
        m_platform.dialogs.message(mainmsg::noDrawToDelete);
        return;
    }
    if (m_state.drawpos == 0) {
        drawDateChange();
        // The shown balls did not come from the file after all.
        if (m_state.drawpos == 0) {
            m_platform.dialogs.message(mainmsg::noDrawToDelete);
            return;
        }
    }
    if (!mayWrite(m_state, m_platform.dialogs, m_state.paths.results(), RecordKind::Results))
        return;
    if (!m_platform.dialogs.askYesNo(mainmsg::reallyDeleteDraw, pickwiseTitle))
        return;
    const std::string error = results::deleteDraw(m_state.paths.results(), m_state.drawpos);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    hideBalls();
    clearWinningLines();
    m_state.drawpos = 0;
}

// ---- entry list actions ----

void Form1::datedEntry()
{
    // Back to the dated entries: the entries date change hides this button,
    // shows the entries date and forgets the wheel.
    entriesDateChange();
}

void Form1::addEntries()
{
    if (!mayWrite(m_state, m_platform.dialogs, m_state.entryfile, RecordKind::Entries))
        return;
    QString caption;
    if (!isWheelFile(m_state.entryfile) && !isStandingFile(m_state.entryfile)) {
        const Date d = entriesDate();
        if (!isWednesdayOrSaturday(d) && !m_platform.dialogs.askYesNo(mainmsg::notEntryDay))
            return;
        caption = qs(mainrules::entryWindowCaption(d));
    } else if (isStandingFile(m_state.entryfile)) {
        caption = QStringLiteral("Standing Entry");
    } else {
        if (!m_platform.dialogs.askYesNo(mainmsg::modifyWheel))
            return;
        caption = QStringLiteral("Wheel Entry");
    }
    m_state.addmode = true;
    if (ChildWindow *w = make(ChildKind::Entry))
        showChild(w, caption, true, nullptr);
}

void Form1::editEntry()
{
    if (listedCount() == 0) {
        m_platform.dialogs.message(mainmsg::nothingToEdit);
        return;
    }
    if (!mayWrite(m_state, m_platform.dialogs, m_state.entryfile, RecordKind::Entries))
        return;
    if (isWheelFile(m_state.entryfile) && !m_platform.dialogs.askYesNo(mainmsg::editWheel))
        return;
    const std::vector<bool> selected = selectedLines();
    int count = 0;
    int index = -1;
    for (size_t i = 0; i < selected.size(); ++i) {
        if (selected[i]) {
            ++count;
            index = static_cast<int>(i);
        }
    }
    if (count == 0) {
        m_platform.dialogs.message(mainmsg::noneToEdit);
        return;
    }
    if (count > 1) {
        m_platform.dialogs.message(mainmsg::severalToEdit);
        return;
    }
    m_state.editpos = static_cast<int16_t>(index + 1);
    if (ChildWindow *w = make(ChildKind::EditEntry))
        showChild(w, QString(), true, nullptr);
}

void Form1::deleteEntries()
{
    if (listedCount() <= 0) {
        m_platform.dialogs.message(mainmsg::nothingToDelete);
        return;
    }
    if (!mayWrite(m_state, m_platform.dialogs, m_state.entryfile, RecordKind::Entries))
        return;
    if (isWheelFile(m_state.entryfile) && !m_platform.dialogs.askYesNo(mainmsg::modifyWheel))
        return;
    std::vector<bool> selected = selectedLines();
    const int count = static_cast<int>(std::count(selected.begin(), selected.end(), true));
    if (count == 0) {
        m_platform.dialogs.message(mainmsg::noneToDelete);
        return;
    }
    if (!m_platform.dialogs.askYesNo(mainrules::deleteQuestion(count)))
        return;
    clearWinningLines();
    const std::vector<bool> chosen = selected;
    const std::string error = entryfiles::deleteSelected(m_state.entryfile, selected);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    // The lines left are listed afresh: taking thousands of lines out of a
    // long list one by one moves every later line each time. The view keeps
    // its top line and any line still selected.
    const std::vector<bool> wasSelected = selectedRows(List1);
    const QListWidgetItem *top = List1->itemAt(0, 0);
    const int topRow = top ? List1->row(top) : 0;
    QStringList left;
    QList<int> reselect;
    int newTopRow = 0;
    for (int i = 0; i < List1->count(); ++i) {
        const size_t line = static_cast<size_t>(i);
        if (line < chosen.size() && chosen[line])
            continue;
        if (i < topRow)
            ++newTopRow;
        if (wasSelected[line])
            reselect << static_cast<int>(left.size());
        left << List1->item(i)->text();
    }
    List1->clear();
    List1->addItems(left);
    for (int row : reselect)
        List1->item(row)->setSelected(true);
    if (!left.isEmpty())
        List1->scrollToItem(List1->item(std::min(newTopRow, static_cast<int>(left.size()) - 1)),
            QAbstractItemView::PositionAtTop);
    Text2->setText(QString::number(entryfiles::countOf(m_state.entryfile)));
    if (List1->count() == 0)
        m_platform.dialogs.message(mainmsg::done);
}

void Form1::printList(QListWidget *list)
{
    const Date draw = drawDate();
    const std::string what = list == List1
        ? "entries " + QFileInfo(qs(m_state.entryfile)).completeBaseName().toStdString()
        : "winning lines " + twoDigitText(draw.day) + monthabbrev(draw.month)
            + std::to_string(draw.year);
    m_platform.printer.setDocumentName(documentName(what, m_platform.clock));
    printlist(listLines(list), m_platform.printer, m_platform.dialogs, m_state.printerok);
}

void Form1::historyCheck()
{
    if (listedCount() < 1) {
        m_platform.dialogs.message(mainmsg::nothingForHistory);
        return;
    }
    if (results::drawCount(m_state.paths.results()) == 0) {
        m_platform.dialogs.message(mainmsg::noResultsForHistory);
        return;
    }
    if (ChildWindow *w = make(ChildKind::HistoryCheck))
        showChild(w, QString(), true, nullptr);
}

void Form1::saveStanding()
{
    if (isStandingFile(m_state.entryfile)) {
        m_platform.dialogs.message(mainmsg::standingAlready);
        return;
    }
    if (listedCount() < 1) {
        m_platform.dialogs.message(mainmsg::nothingToStand);
        return;
    }
    const std::string standing = m_state.paths.standingEntries();
    if (!mayWrite(m_state, m_platform.dialogs, standing, RecordKind::Entries))
        return;
    if (fileExists(standing) && !m_platform.dialogs.askYesNo(mainmsg::overwriteStanding))
        return;
    const std::string error = copyFileAtomic(m_state.entryfile, standing);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    m_platform.dialogs.message(mainmsg::standingSaved);
}

void Form1::openStanding()
{
    const std::string standing = m_state.paths.standingEntries();
    if (!fileExists(standing)) {
        m_platform.dialogs.message(mainmsg::noStanding);
        return;
    }
    dropemptyfile();
    m_state.entryfile = standing;
    clearListing();
    const std::string error = listEntries(standing);
    if (!error.empty())
        m_platform.dialogs.message(error);
    Command3->show();
    m_state.wheelno = 0;
}

void Form1::filterEntries()
{
    if (!mayWrite(m_state, m_platform.dialogs, m_state.entryfile, RecordKind::Entries))
        return;
    if (isWheelFile(m_state.entryfile) && !m_platform.dialogs.askYesNo(mainmsg::filterWheel))
        return;
    if (Text2->text().isEmpty() || Text2->text() == QStringLiteral("0")) {
        m_platform.dialogs.message(mainmsg::nothingToFilter);
        return;
    }
    m_state.downloaddone = false;
    if (ChildWindow *w = make(ChildKind::Filter))
        showChild(w, QString(), true, [this] { reopenCurrentFile(); });
}

void Form1::reopenCurrentFile()
{
    if (isWheelFile(m_state.entryfile)) {
        if (m_state.wheelno >= 1 && m_state.wheelno <= 10)
            openWheel(m_state.wheelno);
        else
            open6wheel(m_state.entryfile);
    } else if (isStandingFile(m_state.entryfile)) {
        openStanding();
    } else {
        entriesDateChange();
    }
}

void Form1::printTickets()
{
    if (Text2->text().isEmpty() || Text2->text() == QStringLiteral("0")) {
        m_platform.dialogs.message(mainmsg::nothingForTickets);
        return;
    }
    if (ChildWindow *w = make(ChildKind::TicketPrinting))
        showChild(w, QString(), true, nullptr);
}

// ---- wheels ----

void Form1::openWheel(int wheelno)
{
    const std::string name = wheels::entryFileName("Lotto", wheelno);
    if (name.empty())
        return;
    // A wheel that cannot be opened leaves the listed file on screen, so the
    // number goes back to the one that matches it.
    const int16_t before = m_state.wheelno;
    m_state.wheelno = static_cast<int16_t>(wheelno);
    if (!open6wheel(m_state.paths.wheelEntries(name)) && isWheelFile(m_state.entryfile))
        m_state.wheelno = before;
}

bool Form1::open6wheel(const std::string &filetobeopened)
{
    if (!fileExists(filetobeopened)) {
        m_state.wheelno = 0;
        m_platform.dialogs.message(mainmsg::wheelNotCreated);
        return false;
    }
    // Read before anything changes: a wheel file that cannot be read leaves
    // the listing and entryfile as they were, and openWheel the number in step.
    std::vector<Entry> entries;
    const std::string error = entryfiles::list(filetobeopened, entries);
    if (!error.empty()) {
        m_state.wheelno = 0;
        m_platform.dialogs.message(
            "This saved wheel could not be read, so nothing has changed.\n" + error);
        return false;
    }
    clearListing();
    Command3->show();
    DTPicker2->hide();
    dropemptyfile();
    m_state.entryfile = filetobeopened;
    listEntries(entries);
    return true;
}

void Form1::wheelCreate()
{
    if (!hasFactory(ChildKind::WheelCreate))
        return;
    dropemptyfile();
    m_state.wheelgame = "Lotto";
    m_state.wheelresults = m_state.paths.results();
    m_state.maxball = 49;
    m_state.wheeltitle = "Lotto";
    if (ChildWindow *w = make(ChildKind::WheelCreate))
        showChild(w, QString(), true, nullptr);
}

// ---- other windows ----

void Form1::drawHistory()
{
    m_state.historyopen = true;
    showChild(new Form3(m_state, m_platform, *this), QStringLiteral("Draw Results for Lotto"), true,
        [this] { drawDateChange(); });
}

void Form1::selectPrinter()
{
    showChild(new Form11(m_state, m_platform, *this), QString(), true, nullptr);
}

void Form1::updateResults()
{
    m_state.downloaddone = false;
    if (ChildWindow *w = make(ChildKind::Downloader))
        showChild(w, QString(), true, [this] { drawDateChange(); });
}

void Form1::fileDeletion()
{
    if (ChildWindow *w = make(ChildKind::FileDeletion))
        showChild(w, QString(), true, nullptr);
}

void Form1::importTxt()
{
    m_state.importclosed = false;
    m_state.importwrote = false;
    if (ChildWindow *w = make(ChildKind::ImportTxt))
        showChild(w, QString(), true, [this] {
            if (m_state.importwrote)
                entriesDateChange();
        });
}

void Form1::optimiser()
{
    // The main window stays usable meanwhile, so a second request brings the
    // open optimiser forward instead of opening another.
    if (m_optimiser) {
        m_optimiser->raise();
        m_optimiser->activateWindow();
        return;
    }
    m_state.optimiserdone = false;
    m_state.optimiserwroteshown = false;
    ChildWindow *w = make(ChildKind::Optimiser);
    if (!w)
        return;
    m_optimiser = w;
    connect(w, &ChildWindow::closed, this, [this] { m_optimiser = nullptr; });
    showChild(w, QString(), false, [this] {
        if (m_state.optimiserwroteshown)
            entriesDateChange();
    });
}

void Form1::statistics()
{
    if (ChildWindow *w = make(ChildKind::Statistics))
        showChild(w, QStringLiteral("Draw Statistics for Lotto"), true, nullptr);
}

void Form1::about()
{
    if (m_about) {
        m_about->setWindowTitle(text(pickwiseTitle));
        m_about->show();
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    ChildWindow *w = make(ChildKind::About);
    if (!w)
        return;
    m_about = w;
    // Closed means gone: the next request makes a new one.
    connect(w, &ChildWindow::closed, this, [this] { m_about = nullptr; });
    showChild(w, text(pickwiseTitle), false, nullptr);
}

void Form1::help()
{
    if (m_help)
        m_help();
}

// ---- opening windows ----

void Form1::setChildFactory(ChildKind kind, ChildFactory make)
{
    if (make)
        m_factories[kind] = std::move(make);
    else
        m_factories.erase(kind);
    updateChildControls();
}

void Form1::setHelpHandler(std::function<void()> handler)
{
    m_help = std::move(handler);
    updateChildControls();
}

bool Form1::hasFactory(ChildKind kind) const
{
    return m_factories.count(kind) > 0;
}

ChildWindow *Form1::make(ChildKind kind)
{
    const auto it = m_factories.find(kind);
    if (it == m_factories.end())
        return nullptr;
    return it->second();
}

void Form1::updateChildControls()
{
    auto enable = [this](ChildKind kind, std::initializer_list<QObject *> controls) {
        const bool on = hasFactory(kind);
        for (QObject *c : controls) {
            if (auto *w = qobject_cast<QWidget *>(c))
                w->setEnabled(on);
            else if (auto *a = qobject_cast<QAction *>(c))
                a->setEnabled(on);
        }
    };
    enable(ChildKind::Entry, {Command4});
    enable(ChildKind::EditEntry, {Command6});
    enable(ChildKind::HistoryCheck, {Command12});
    enable(ChildKind::Filter, {mnufilter});
    enable(ChildKind::Optimiser, {mnulinkcreate});
    enable(ChildKind::Statistics, {mnustats, Image4});
    enable(ChildKind::WheelCreate, {mnuWheelCreate});
    enable(ChildKind::ImportTxt, {mnuImport});
    enable(ChildKind::FileDeletion, {mnuDelete});
    enable(ChildKind::Downloader, {mnuUpdateResults, Image5});
    enable(ChildKind::TicketPrinting, {mnuprinttickets, Image3});
    enable(ChildKind::About, {mnuAbout, Image8});
    mnuHelp->setEnabled(static_cast<bool>(m_help));
}

void Form1::showChild(
    ChildWindow *window, const QString &caption, bool disableMain, std::function<void()> refresh)
{
    if (!caption.isEmpty())
        window->setWindowTitle(caption);
    m_open.erase(std::remove_if(m_open.begin(), m_open.end(),
                     [](const QPointer<ChildWindow> &p) { return p.isNull(); }),
        m_open.end());
    m_open.emplace_back(window);
    connect(window, &ChildWindow::closed, this, [this, disableMain, refresh] {
        if (disableMain) {
            setEnabled(true);
            show();
            raise();
            activateWindow();
        }
        if (refresh)
            refresh();
    });
    if (disableMain)
        setEnabled(false);
    showOver(window, this);
}

// ---- exit ----

void Form1::exitProgram()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_exiting) {
        m_exiting = true;
        dropemptyfile();
        for (const QPointer<ChildWindow> &w : m_open) {
            if (!w)
                continue;
            // Ending the program: no window gets to refuse or refresh.
            disconnect(w, nullptr, this, nullptr);
            w->hide();
            w->deleteLater();
        }
        m_open.clear();
        QCoreApplication::quit();
    }
    event->accept();
}

// ---- MainWindowLink ----

void Form1::addentryline(const Entry &numbers)
{
    List1->addItem(qs(entryLineText(numbers)));
}

std::string Form1::entryCountText() const
{
    return Text2->text().toStdString();
}

void Form1::setEntryCountText(const std::string &value)
{
    Text2->setText(qs(value));
}

void Form1::replaceEntryLine(int index, const std::string &line)
{
    if (index < 0 || index >= List1->count())
        return;
    QListWidgetItem *item = List1->item(index);
    item->setText(qs(line));
    item->setSelected(true);
}

void Form1::clearEntryList()
{
    List1->clear();
}

void Form1::clearWinningLines()
{
    // The entries highlighted are the winners of the lines going now.
    if (List2->count() > 0)
        List1->clearSelection();
    List2->clear();
    Text3->setText(QStringLiteral("0"));
}

Date Form1::drawDate() const
{
    return toDate(DTPicker1->date());
}

void Form1::setDrawDate(const Date &date)
{
    // The date's draw is looked up and shown at once, as when the picker changes.
    DTPicker1->setDate(toQDate(date));
}

Date Form1::entriesDate() const
{
    return toDate(DTPicker2->date());
}

void Form1::showBalls(const Draw &balls)
{
    for (int i = 0; i < 7; ++i)
        ballpic(i, balls[static_cast<size_t>(i)]);
}

void Form1::enablePrintButtons()
{
    Command9->setEnabled(true);
    Command10->setEnabled(true);
}

} // namespace pickwise
