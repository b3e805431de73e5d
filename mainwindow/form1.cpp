#include "mainwindow/form1.h"

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

Form1::Form1(Context &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session), m_children(new ChildWindows(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(applicationTitle));
    buildControls();
    buildMenus();
    connectActions();
    updateChildControls();
    connect(m_children, &ChildWindows::factoriesChanged, this, [this] { updateChildControls(); });
    m_session.addObserver(this);
    // A damaged count is told and asked about before the file is read.
    m_session.setReview(
        [this](const std::string &path, RecordKind kind) { reviewFile(m_context, path, kind); });
}

Form1::~Form1()
{
    m_session.setReview({});
    m_session.removeObserver(this);
    delete m_children;
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
    m_context.printerok
        = loadprinter(m_platform.printer, readSavedPrinter(m_context.paths.savedPrinter()));
    Command9->setEnabled(m_context.printerok);
    Command10->setEnabled(m_context.printerok);
    Option2->setChecked(true);
    entryTypeClick();
}

void Form1::entryTypeClick()
{
    m_session.dropemptyfile();
    m_session.clearshown();
    Command3->hide();
    DTPicker2->show();
    Frame5->setTitle(QStringLiteral("My Enties for Lotto"));
    Frame6->setTitle(QStringLiteral("Winning Lines for Lotto"));
    entriesDateChange();
    drawDateChange();
    if (m_session.listedCount() != 0 && m_session.drawShown())
        check();
}

void Form1::drawDateChange()
{
    const MainSession::DrawLookup lookup = m_session.lookUpDraw(toDate(DTPicker1->date()),
        toDate(DTPicker1->minimumDate()), toDate(DTPicker1->maximumDate()));
    showDrawSteps(lookup.near);
    if (!lookup.error.empty())
        m_platform.dialogs.message(lookup.error);
    // Bad draws are told, not shown silently, unless the user already chose
    // to leave the file as it is.
    else if (!lookup.damaged.empty() && !m_context.damage.declined(m_context.paths.results()))
        m_platform.dialogs.message(lookup.damaged);
}

void Form1::showDrawSteps(const mainrules::DrawNeighbours &near)
{
    m_previousDraw->setEnabled(near.hasPrevious);
    m_nextDraw->setEnabled(near.hasNext);
}

void Form1::stepDraw(int step)
{
    // Read afresh: the buttons may be older than the file.
    const MainSession::DrawStep s = m_session.stepDraw(
        step, toDate(DTPicker1->minimumDate()), toDate(DTPicker1->maximumDate()));
    if (!s.error.empty())
        m_platform.dialogs.message(s.error);
    else if (s.found)
        DTPicker1->setDate(toQDate(s.date));
    else
        showDrawSteps(s.near);
}

void Form1::entriesDateChange()
{
    // Listing a dated file always means the dated view: no "Dated Entry"
    // button and no wheel, whatever was listed before.
    Command3->hide();
    DTPicker2->show();
    const std::string error = m_session.listDated(toDate(DTPicker2->date()));
    if (!error.empty())
        m_platform.dialogs.message(error);
}

// ---- what the session shows ----

void Form1::listingReset()
{
    QStringList lines;
    lines.reserve(m_session.listedCount());
    for (const Entry &e : m_session.entries())
        lines << qs(entryLineText(e));
    List1->clear();
    List1->addItems(lines);
    Text2->setText(QString::number(m_session.listedCount()));
}

void Form1::entryAppended(const Entry &entry)
{
    List1->addItem(qs(entryLineText(entry)));
    Text2->setText(QString::number(m_session.listedCount()));
}

void Form1::entryReplaced(int index)
{
    if (index >= List1->count())
        return;
    // As Edit Entry always put it back: every number followed by a blank.
    QListWidgetItem *item = List1->item(index);
    item->setText(qs(winLineText(m_session.entries()[static_cast<size_t>(index)], "")));
    item->setSelected(true);
}

void Form1::entriesRemoved(const std::vector<bool> &removed)
{
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
        if (line < removed.size() && removed[line])
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
    Text2->setText(QString::number(m_session.listedCount()));
}

void Form1::winsCleared()
{
    // The entries highlighted are the winners of the lines going now.
    if (List2->count() > 0)
        List1->clearSelection();
    List2->clear();
    Text3->setText(qs(m_session.winsText()));
}

void Form1::winsFound()
{
    List1->clearSelection();
    for (const mainrules::WinningLine &w : m_session.wins())
        if (w.index < List1->count())
            List1->item(w.index)->setSelected(true);
    QStringList lines;
    for (const std::string &line : m_session.winLines())
        lines << qs(line);
    List2->clear();
    List2->addItems(lines);
    Text3->setText(qs(m_session.winsText()));
}

void Form1::drawChanged()
{
    if (!m_session.drawShown()) {
        hideBalls();
        return;
    }
    for (int i = 0; i < 7; ++i)
        ballpic(i, m_session.winballs()[static_cast<size_t>(i)]);
}

void Form1::drawDatePicked(const Date &date)
{
    // The date's draw is looked up and shown at once, as when the picker changes.
    DTPicker1->setDate(toQDate(date));
}

void Form1::ballpic(int position, int number)
{
    QLabel *label = Image2[static_cast<size_t>(position)];
    label->setPixmap(artwork::ballPixmap(number, position >= 6, devicePixelRatioF()));
    label->setToolTip(position >= 6 ? QStringLiteral("Bonus ball %1").arg(number)
                                    : QStringLiteral("Ball %1").arg(number));
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
            Image2[i]->setPixmap(artwork::ballPixmap(m_session.winballs()[i], i >= 6, dpr));
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

std::vector<bool> Form1::selectedLines() const
{
    const int n = std::min(m_session.listedCount(), List1->count());
    std::vector<bool> selected = selectedRows(List1);
    selected.resize(static_cast<size_t>(std::max(n, 0)));
    return selected;
}

// ---- check ----

void Form1::check()
{
    const std::string message = m_session.check();
    if (!message.empty())
        m_platform.dialogs.message(message);
}

// ---- draws ----

void Form1::addDraw()
{
    if (m_session.drawShown()) {
        m_platform.dialogs.message(mainmsg::drawExists);
        return;
    }
    if (!mayWrite(m_context, m_context.paths.results(), RecordKind::Results))
        return;
    if (!isWednesdayOrSaturday(m_session.drawDate())
        && !m_platform.dialogs.askYesNo(mainmsg::notDrawDay))
        return;
    m_children->open(new Form2(m_context));
}

void Form1::deleteDraw()
{
    if (!m_session.drawShown()) {
        m_platform.dialogs.message(mainmsg::noDrawToDelete);
        return;
    }
    if (m_session.drawpos() == 0) {
        drawDateChange();
        // The shown balls did not come from the file after all.
        if (m_session.drawpos() == 0) {
            m_platform.dialogs.message(mainmsg::noDrawToDelete);
            return;
        }
    }
    if (!mayWrite(m_context, m_context.paths.results(), RecordKind::Results))
        return;
    if (!m_platform.dialogs.askYesNo(mainmsg::reallyDeleteDraw, pickwiseTitle))
        return;
    const std::string error = m_session.deleteDraw();
    if (!error.empty())
        m_platform.dialogs.message(error);
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
    if (!mayWrite(m_context, m_session.entryfile(), RecordKind::Entries))
        return;
    QString caption;
    if (m_session.kind() == EntryFileKind::Dated) {
        const Date d = m_session.entriesDate();
        if (!isWednesdayOrSaturday(d) && !m_platform.dialogs.askYesNo(mainmsg::notEntryDay))
            return;
        caption = qs(mainrules::entryWindowCaption(d));
    } else if (m_session.kind() == EntryFileKind::Standing) {
        caption = QStringLiteral("Standing Entry");
    } else {
        if (!m_platform.dialogs.askYesNo(mainmsg::modifyWheel))
            return;
        caption = QStringLiteral("Wheel Entry");
    }
    m_session.addmode = true;
    m_children->open(ChildKind::Entry, caption);
}

void Form1::editEntry()
{
    if (m_session.listedCount() == 0) {
        m_platform.dialogs.message(mainmsg::nothingToEdit);
        return;
    }
    if (!mayWrite(m_context, m_session.entryfile(), RecordKind::Entries))
        return;
    if (m_session.kind() == EntryFileKind::Wheel
        && !m_platform.dialogs.askYesNo(mainmsg::editWheel))
        return;
    const std::vector<bool> selected = selectedLines();
    const auto count = std::count(selected.begin(), selected.end(), true);
    if (count != 1) {
        m_platform.dialogs.message(count == 0 ? mainmsg::noneToEdit : mainmsg::severalToEdit);
        return;
    }
    m_session.editpos = static_cast<int16_t>(
        std::find(selected.begin(), selected.end(), true) - selected.begin() + 1);
    m_children->open(ChildKind::EditEntry);
}

void Form1::deleteEntries()
{
    if (m_session.listedCount() <= 0) {
        m_platform.dialogs.message(mainmsg::nothingToDelete);
        return;
    }
    if (!mayWrite(m_context, m_session.entryfile(), RecordKind::Entries))
        return;
    if (m_session.kind() == EntryFileKind::Wheel
        && !m_platform.dialogs.askYesNo(mainmsg::modifyWheel))
        return;
    const std::vector<bool> selected = selectedLines();
    const int count = static_cast<int>(std::count(selected.begin(), selected.end(), true));
    if (count == 0) {
        m_platform.dialogs.message(mainmsg::noneToDelete);
        return;
    }
    if (!m_platform.dialogs.askYesNo(mainrules::deleteQuestion(count)))
        return;
    const std::string error = m_session.deleteEntries(selected);
    if (!error.empty())
        m_platform.dialogs.message(error);
    else if (m_session.listedCount() == 0)
        m_platform.dialogs.message(mainmsg::done);
}

void Form1::printList(QListWidget *list)
{
    const Date draw = m_session.drawDate();
    const std::string what = list == List1
        ? "entries " + QFileInfo(qs(m_session.entryfile())).completeBaseName().toStdString()
        : "winning lines " + twoDigitText(draw.day) + monthabbrev(draw.month)
            + std::to_string(draw.year);
    m_platform.printer.setDocumentName(documentName(what, m_platform.clock));
    printlist(listLines(list), m_platform.printer, m_platform.dialogs, m_context.printerok);
}

void Form1::historyCheck()
{
    if (m_session.listedCount() < 1)
        m_platform.dialogs.message(mainmsg::nothingForHistory);
    else if (results::drawCount(m_context.paths.results()) == 0)
        m_platform.dialogs.message(mainmsg::noResultsForHistory);
    else
        m_children->open(ChildKind::HistoryCheck);
}

void Form1::saveStanding()
{
    if (m_session.kind() == EntryFileKind::Standing) {
        m_platform.dialogs.message(mainmsg::standingAlready);
        return;
    }
    if (m_session.listedCount() < 1) {
        m_platform.dialogs.message(mainmsg::nothingToStand);
        return;
    }
    const std::string standing = m_context.paths.standingEntries();
    if (!mayWrite(m_context, standing, RecordKind::Entries))
        return;
    if (fileExists(standing) && !m_platform.dialogs.askYesNo(mainmsg::overwriteStanding))
        return;
    const std::string error = m_session.copyToStanding();
    m_platform.dialogs.message(error.empty() ? mainmsg::standingSaved : error);
}

void Form1::openStanding()
{
    const MainSession::Opened opened = m_session.listStanding();
    if (!opened.message.empty())
        m_platform.dialogs.message(opened.message);
    if (opened.listed)
        Command3->show();
}

void Form1::filterEntries()
{
    if (!mayWrite(m_context, m_session.entryfile(), RecordKind::Entries))
        return;
    if (m_session.kind() == EntryFileKind::Wheel
        && !m_platform.dialogs.askYesNo(mainmsg::filterWheel))
        return;
    if (m_session.listedCount() == 0) {
        m_platform.dialogs.message(mainmsg::nothingToFilter);
        return;
    }
    m_children->open(ChildKind::Filter, {}, [this] { reopenCurrentFile(); });
}

void Form1::reopenCurrentFile()
{
    switch (m_session.kind()) {
    case EntryFileKind::Wheel:
        if (m_session.wheelno() >= 1 && m_session.wheelno() <= 10)
            openWheel(m_session.wheelno());
        else
            open6wheel(m_session.entryfile());
        break;
    case EntryFileKind::Standing:
        openStanding();
        break;
    case EntryFileKind::Dated:
        entriesDateChange();
        break;
    }
}

void Form1::printTickets()
{
    if (m_session.listedCount() == 0)
        m_platform.dialogs.message(mainmsg::nothingForTickets);
    else
        m_children->open(ChildKind::TicketPrinting);
}

// ---- wheels ----

bool Form1::shownWheel(const MainSession::Opened &opened)
{
    if (!opened.message.empty())
        m_platform.dialogs.message(opened.message);
    if (opened.listed) {
        Command3->show();
        DTPicker2->hide();
    }
    return opened.listed;
}

void Form1::openWheel(int wheelno)
{
    shownWheel(m_session.openWheel(wheelno));
}

bool Form1::open6wheel(const std::string &filetobeopened)
{
    return shownWheel(m_session.open6wheel(filetobeopened));
}

void Form1::wheelCreate()
{
    if (!m_children->has(ChildKind::WheelCreate))
        return;
    m_session.dropemptyfile();
    m_children->open(ChildKind::WheelCreate);
}

// ---- other windows ----

void Form1::drawHistory()
{
    m_children->open(new Form3(m_context), QStringLiteral("Draw Results for Lotto"),
        [this] { drawDateChange(); });
}

void Form1::selectPrinter()
{
    m_children->open(new Form11(m_context), {}, [this] {
        // A printer chosen at last: both "Print" buttons print now.
        if (m_context.printerok) {
            Command9->setEnabled(true);
            Command10->setEnabled(true);
        }
    });
}

void Form1::updateResults()
{
    m_children->open(ChildKind::Downloader, {}, [this] { drawDateChange(); });
}

void Form1::fileDeletion()
{
    m_children->open(ChildKind::FileDeletion);
}

void Form1::importTxt()
{
    m_session.importwrote = false;
    m_children->open(ChildKind::ImportTxt, {}, [this] {
        if (m_session.importwrote)
            entriesDateChange();
    });
}

void Form1::optimiser()
{
    // The main window stays usable meanwhile, so a second request brings the
    // open optimiser forward instead of opening another.
    if (m_children->bringForward(ChildKind::Optimiser))
        return;
    m_session.optimiserwroteshown = false;
    m_children->openBeside(ChildKind::Optimiser, {}, [this] {
        if (m_session.optimiserwroteshown)
            entriesDateChange();
    });
}

void Form1::statistics()
{
    m_children->open(ChildKind::Statistics, QStringLiteral("Draw Statistics for Lotto"));
}

void Form1::about()
{
    if (!m_children->bringForward(ChildKind::About, text(pickwiseTitle)))
        m_children->openBeside(ChildKind::About, text(pickwiseTitle));
}

void Form1::help()
{
    if (m_help)
        m_help();
}

void Form1::setHelpHandler(std::function<void()> handler)
{
    m_help = std::move(handler);
    updateChildControls();
}

void Form1::updateChildControls()
{
    auto enable = [this](ChildKind kind, std::initializer_list<QObject *> controls) {
        const bool on = m_children->has(kind);
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

// ---- exit ----

void Form1::exitProgram()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_exiting) {
        m_exiting = true;
        m_session.dropemptyfile();
        m_children->closeAll();
        QCoreApplication::quit();
    }
    event->accept();
}

} // namespace pickwise
