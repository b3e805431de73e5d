#include "mainwindow/form1controls.h"

#include "mainwindow/artwork.h"
#include "mainwindow/entrylist.h"
#include "mainwindow/session.h"
#include "platform/widgets.h"
#include "wheels/catalogue.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

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

QLineEdit *countBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(text(name));
    // The program keeps these boxes equal to what is listed; typing in them
    // would only mislead.
    box->setReadOnly(true);
    box->setFixedWidth(64);
    return box;
}

} // namespace

void Form1Controls::setupUi(QMainWindow *window, const MainSession &session)
{
    m_window = window;
    m_shown = &session;
    auto *central = new QWidget(window);
    central->setObjectName(QStringLiteral("centralWidget"));
    window->setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    // Top row: quick select pictures and the animated picture.
    auto *top = new QHBoxLayout;
    Frame4 = frame(central, "Frame4", "Quick Select");
    auto *quick = new QHBoxLayout(Frame4);
    const qreal dpr = window->devicePixelRatioF();
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
    List1 = new EntryList(Frame5);
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
    // What the lines won at the draw's prizes, beside their count.
    lblWon = new QLabel(Frame6);
    lblWon->setObjectName(QStringLiteral("lblWon"));
    lblWon->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Command10 = button(Frame6, "Command10", "Print");
    winsRow->addWidget(Label6);
    winsRow->addWidget(Text3);
    winsRow->addWidget(lblWon);
    winsRow->addStretch(1);
    winsRow->addWidget(Command10);
    f6->addLayout(winsRow);
    lists->addWidget(Frame6, 1);
    outer->addLayout(lists, 1);

    // Wide enough for an entry line beside a winning line.
    const int lineWidth = QFontMetrics(listFont()).horizontalAdvance(QString(26, QLatin1Char('0')));
    List1->setMinimumWidth(lineWidth);
    List2->setMinimumWidth(lineWidth);
    window->resize(800, 620);
    buildMenus(window);
}

QAction *Form1Controls::addItem(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(text(caption));
    action->setObjectName(text(name));
    return action;
}

void Form1Controls::buildMenus(QMainWindow *window)
{
    auto *bar = window->menuBar();
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
    mnuImportResults = addItem(file, "mnuImportResults", "Import Results...");
    mnuSpentWon = addItem(file, "mnuSpentWon", "Spent and Won...");
    file->addSeparator();
    mnuExit = addItem(file, "mnuExit", "Exit");

    QMenu *wheels = menu("mnuWheels", "&Wheels");
    mnuWheelCreate = addItem(wheels, "mnuWheelCreate", "Create");
    QMenu *open = wheels->addMenu(QStringLiteral("Open"));
    open->setObjectName(QStringLiteral("mnuWheelOpen"));
    for (const wheels::WheelType &type : wheels::catalogue())
        wheelOpen.push_back(addItem(open, type.menuName, type.menuCaption));

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

// ---- how the controls show the session ----

void Form1Controls::listingReset()
{
    List1->showEntries(m_shown->entries());
    Text2->setText(QString::number(m_shown->listedCount()));
}

void Form1Controls::entryAppended(const Entry &entry)
{
    List1->addItem(qs(entryLineText(entry)));
    Text2->setText(QString::number(m_shown->listedCount()));
}

void Form1Controls::entryReplaced(int index)
{
    if (index >= List1->count())
        return;
    // As Edit Entry always put it back: every number followed by a blank.
    QListWidgetItem *item = List1->item(index);
    item->setText(qs(winLineText(m_shown->entries()[static_cast<size_t>(index)], "")));
    item->setSelected(true);
}

void Form1Controls::entriesRemoved(const std::vector<bool> &removed)
{
    List1->removeLines(removed);
    Text2->setText(QString::number(m_shown->listedCount()));
}

void Form1Controls::winsCleared()
{
    // The entries highlighted are the winners of the lines going now.
    if (List2->count() > 0)
        List1->clearSelection();
    List2->clear();
    Text3->setText(qs(m_shown->winsText()));
    lblWon->setText(qs(m_shown->wonText()));
}

void Form1Controls::winsFound()
{
    std::vector<int> winners;
    for (const mainrules::WinningLine &w : m_shown->wins())
        winners.push_back(w.index);
    List1->selectOnly(winners);
    QStringList lines;
    for (const std::string &line : m_shown->winLines())
        lines << qs(line);
    List2->clear();
    List2->addItems(lines);
    Text3->setText(qs(m_shown->winsText()));
    lblWon->setText(qs(m_shown->wonText()));
}

void Form1Controls::drawChanged()
{
    if (!m_shown->drawShown()) {
        hideBalls();
        return;
    }
    for (int i = 0; i < 7; ++i)
        ballpic(i, m_shown->winballs()[static_cast<size_t>(i)]);
}

void Form1Controls::drawDatePicked(const Date &date)
{
    // The date's draw is looked up and shown at once, as when the picker changes.
    DTPicker1->setDate(toQDate(date));
}

void Form1Controls::drawDatesChanged()
{
    showDrawDates(DTPicker1, m_shown->drawDates());
    showDrawDates(DTPicker2, m_shown->drawDates());
}

void Form1Controls::ballpic(int position, int number)
{
    QLabel *label = Image2[static_cast<size_t>(position)];
    label->setPixmap(artwork::ballPixmap(number, position >= 6, m_window->devicePixelRatioF()));
    label->setToolTip(position >= 6 ? QStringLiteral("Bonus ball %1").arg(number)
                                    : QStringLiteral("Ball %1").arg(number));
    label->show();
}

void Form1Controls::redrawPictures()
{
    const qreal dpr = m_window->devicePixelRatioF();
    Image5->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::Results, dpr));
    Image3->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::Tickets, dpr));
    Image1->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::History, dpr));
    Image4->setIcon(artwork::quickSelectIcon(artwork::QuickIcon::Statistics, dpr));
    for (size_t i = 0; i < Image2.size(); ++i)
        if (!Image2[i]->isHidden())
            Image2[i]->setPixmap(artwork::ballPixmap(m_shown->winballs()[i], i >= 6, dpr));
}

void Form1Controls::hideBalls()
{
    for (QLabel *label : Image2)
        label->hide();
}

} // namespace pickwise
