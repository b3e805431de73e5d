#include "entries/form10.h"

#include "core/numbers.h"
#include "core/recordfile.h"
#include "entries/filter.h"
#include "mainwindow/session.h"
#include "platform/widgets.h"
#include "printing/printing.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace pickwise {

namespace {

void addTotal(QGridLayout *grid, int row, QLabel *label, QLineEdit *box)
{
    box->setReadOnly(true);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
}

} // namespace

Form10::Form10(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session), m_game(&m_session.listingGame(m_platform.clock.today()))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Filter"));

    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;

    auto *Frame1 = named(new QGroupBox(QStringLiteral("Filter Selection"), this), "Frame1");
    auto *selection = new QVBoxLayout(Frame1);
    auto *Frame4 = named(new QGroupBox(QStringLiteral("Sum Filter"), Frame1), "Frame4");
    auto *sum = new QVBoxLayout(Frame4);
    Check1 = named(new QCheckBox(QStringLiteral("Apply Filter"), Frame4), "Check1");
    Slider1 = named(new QSlider(Qt::Horizontal, Frame4), "Slider1");
    // Only positions 1 to 5 have a band; 1 is the widest.
    Slider1->setRange(1, 5);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setValue(1);
    sum->addWidget(Check1);
    sum->addWidget(Slider1);
    // Each position says which sums it keeps; the outer labels sit at the
    // slider's ends, the others spread between them like the ticks.
    auto *bands = new QHBoxLayout;
    bands->setContentsMargins(0, 0, 0, 0);
    for (int position = 1; position <= 5; ++position) {
        const filter::SumBand band = filter::sumBand(position, *m_game);
        auto *label = new QLabel(QStringLiteral("%1-%2").arg(band.lower).arg(band.upper), Frame4);
        label->setObjectName(QStringLiteral("SumBand%1").arg(position));
        label->setToolTip(QStringLiteral("Keeps the entries whose numbers add up to %1 to %2")
                              .arg(band.lower)
                              .arg(band.upper));
        const Qt::Alignment side = position == 1 ? Qt::AlignLeft
            : position == 5                      ? Qt::AlignRight
                                                 : Qt::AlignHCenter;
        bands->addWidget(label, 1, side);
    }
    sum->addLayout(bands);
    auto *Frame2
        = named(new QGroupBox(QStringLiteral("Duplicate Coverage Filter"), Frame1), "Frame2");
    auto *duplicates = new QGridLayout(Frame2);
    Check2 = named(new QCheckBox(QStringLiteral("Apply Filter"), Frame2), "Check2");
    Option1 = named(new QRadioButton(QStringLiteral("3"), Frame2), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("4"), Frame2), "Option2");
    Option3 = named(new QRadioButton(QStringLiteral("5"), Frame2), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("6"), Frame2), "Option4");
    Option3->setChecked(true);
    duplicates->addWidget(Check2, 0, 0, 1, 4);
    duplicates->addWidget(Option1, 1, 0);
    duplicates->addWidget(Option2, 1, 1);
    duplicates->addWidget(Option3, 1, 2);
    duplicates->addWidget(Option4, 1, 3);
    selection->addWidget(Frame4);
    selection->addWidget(Frame2);
    left->addWidget(Frame1);

    Command1 = named(new QPushButton(QStringLiteral("Check"), this), "Command1");
    left->addWidget(Command1);

    auto *Frame5 = named(new QGroupBox(QStringLiteral("Entry Totals"), this), "Frame5");
    auto *totals = new QGridLayout(Frame5);
    Text1 = named(new QLineEdit(Frame5), "Text1");
    Text2 = named(new QLineEdit(Frame5), "Text2");
    Text3 = named(new QLineEdit(Frame5), "Text3");
    addTotal(
        totals, 0, named(new QLabel(QStringLiteral("Total Entries"), Frame5), "Label1"), Text1);
    addTotal(totals, 1, named(new QLabel(QStringLiteral("Checked"), Frame5), "Label2"), Text2);
    addTotal(
        totals, 2, named(new QLabel(QStringLiteral("Resulting No."), Frame5), "Label3"), Text3);
    left->addWidget(Frame5);

    Command2 = named(
        new QPushButton(QStringLiteral("Remove Checked Items From Entry"), this), "Command2");
    Command4 = named(new QPushButton(QStringLiteral("Print"), this), "Command4");
    Command3 = named(new QPushButton(QStringLiteral("Close"), this), "Command3");
    left->addWidget(Command2);
    left->addWidget(Command4);
    left->addWidget(Command3);
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setValue(0);
    left->addWidget(ProgressBar1);
    left->addStretch(1);
    layout->addLayout(left);

    auto *Frame3 = named(new QGroupBox(QStringLiteral("Filtered Entries"), this), "Frame3");
    List1 = named(new QListWidget(Frame3), "List1");
    List1->setFont(listFont());
    List1->setUniformItemSizes(true);
    List1->setMinimumWidth(340);
    (new QVBoxLayout(Frame3))->addWidget(List1);
    layout->addWidget(Frame3, 1);

    connect(Command1, &QPushButton::clicked, this, &Form10::check);
    connect(Command2, &QPushButton::clicked, this, &Form10::remove);
    connect(Command4, &QPushButton::clicked, this, &Form10::print);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(List1, &QListWidget::itemChanged, this, &Form10::itemTicked);

    Command4->setEnabled(m_context.printerok);
}

std::string Form10::copyPath() const
{
    return m_context.paths.filterCopy();
}

int Form10::level() const
{
    if (Option1->isChecked())
        return 3;
    if (Option2->isChecked())
        return 4;
    if (Option4->isChecked())
        return 6;
    return 5;
}

void Form10::setBusy(bool busy)
{
    // While the duplicate pass lets events run, nothing else may start.
    m_running = busy;
    for (QWidget *control : {static_cast<QWidget *>(Command1), static_cast<QWidget *>(Command2),
             static_cast<QWidget *>(Command3), static_cast<QWidget *>(List1)})
        control->setEnabled(!busy);
    Command4->setEnabled(!busy && m_context.printerok);
    m_platform.dialogs.setBusy(busy);
}

bool Form10::aboutToClose()
{
    return !m_running;
}

void Form10::check()
{
    const filter::SumBand band = filter::sumBand(Slider1->value(), *m_game);
    if (!Check1->isChecked() && !Check2->isChecked()) {
        // Nothing is checked, so the list on show and the working copy stay
        // as they were, ticks included: what Remove takes is what is shown.
        m_platform.dialogs.message("No filter has been specified");
        return;
    }
    m_listFilled = false;

    setBusy(true);
    ProgressBar1->setValue(0);
    m_checked = 0;
    List1->clear();
    for (QLineEdit *box : {Text1, Text2, Text3})
        box->clear();

    RecordFile copy;
    std::string error = filter::prepareCopy(m_session.entryfile(), copyPath(), copy);
    if (error.empty()) {
        ProgressBar1->setRange(0, std::max(copy.count(), 1));
        if (Check1->isChecked())
            m_checked += filter::markBySum(copy, band);
        if (Check2->isChecked())
            m_checked += filter::markDuplicates(copy, level(), [this](int done) {
                ProgressBar1->setValue(done);
                QCoreApplication::processEvents();
            });
        // The marks are kept in the working copy, where the ticks and the
        // removal read them.
        error = copy.save();
    }
    setBusy(false);
    ProgressBar1->setValue(0);
    if (!error.empty()) {
        m_platform.dialogs.message(
            "The entries could not be copied to the working file temp.lot, so nothing has been "
            "checked. "
            + error);
        return;
    }

    const int total = copy.count();
    Text1->setText(QString::number(total));
    Text2->setText(QString::number(m_checked));
    Text3->setText(QString::number(total - m_checked));

    const filter::Listing listing = filter::listingOf(copy);
    for (size_t i = 0; i < listing.lines.size(); ++i) {
        auto *item = new QListWidgetItem(qs(listing.lines[i]));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(listing.marked[i] ? Qt::Checked : Qt::Unchecked);
        List1->addItem(item);
    }
    m_listFilled = true;
}

void Form10::itemTicked(QListWidgetItem *item)
{
    // Check's own ticks while it fills the list are not hand ticks.
    if (!m_listFilled)
        return;
    const int row = List1->row(item);
    const bool ticked = item->checkState() == Qt::Checked;
    const std::string error = filter::setMark(copyPath(), row + 1, ticked);
    if (!error.empty()) {
        // The list keeps showing what the working copy holds.
        const QSignalBlocker blocker(List1);
        item->setCheckState(ticked ? Qt::Unchecked : Qt::Checked);
        m_platform.dialogs.message("The tick could not be saved in temp.lot. " + error);
        return;
    }
    const double step = ticked ? 1 : -1;
    Text2->setText(qs(plainNumberText(leadingNumber(Text2->text().toStdString()) + step)));
    Text3->setText(qs(plainNumberText(leadingNumber(Text3->text().toStdString()) - step)));
}

namespace {

std::string entriesText(int n)
{
    return std::to_string(n) + (n == 1 ? " entry" : " entries");
}

} // namespace

void Form10::remove()
{
    const double ticked = leadingNumber(Text2->text().toStdString());
    if (ticked == 0)
        return;
    const std::string file = QFileInfo(qs(m_session.entryfile())).fileName().toStdString();
    if (!m_platform.dialogs.askYesNo(
            "Remove " + entriesText(static_cast<int>(ticked)) + " from " + file + "?"))
        return;
    int kept = 0;
    int removed = 0;
    const std::string error
        = filter::removeMarked(copyPath(), m_session.entryfile(), kept, removed);
    if (!error.empty()) {
        m_platform.dialogs.message(
            "The checked entries could not be removed; the entry file has been left as it was. "
            + error);
        return;
    }
    List1->clear();
    for (QLineEdit *box : {Text1, Text2, Text3})
        box->clear();
    m_platform.dialogs.message(
        entriesText(removed) + " removed from " + file + ", " + entriesText(kept) + " left.");
}

void Form10::print()
{
    std::vector<bool> ticked;
    for (int i = 0; i < List1->count(); ++i)
        ticked.push_back(List1->item(i)->checkState() == Qt::Checked);
    filter::printChecked(listLines(List1), ticked,
        documentName(
            "filter " + QFileInfo(qs(m_session.entryfile())).completeBaseName().toStdString(),
            m_platform.clock),
        printOutputOf(m_context));
}

} // namespace pickwise
