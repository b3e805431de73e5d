#include "wheels/wheel6.h"

#include "core/fileio.h"
#include "core/numbers.h"
#include "core/results.h"
#include "mainwindow/session.h"
#include "platform/context.h"
#include "platform/damagecheck.h"
#include "platform/platform.h"
#include "platform/widgets.h"
#include "printing/printing.h"
#include "wheels/catalogue.h"
#include "wheels/cover.h"
#include "wheels/wheelsave.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
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

QFrame *makeLine(int number, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line%1").arg(number));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

wheel6::wheel6(Context &context, const wheels::WheelGame &game, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session), m_game(game)
{
    setObjectName(QStringLiteral("wheel6"));
    setWindowTitle(QStringLiteral("Pick 6 - Guaranteed Wheels"));
    buildControls();

    if (!m_context.printerok)
        m_print->setEnabled(false);

    // Type 1 is laid out before the suggestion exists; the boxes are filled
    // again below once it does.
    m_options->button(1)->setChecked(true);

    std::vector<BallRecord> draws;
    const std::string error = results::readAll(m_game.wheelresults, draws);
    // Without the history every suggested ball is a random one; the note
    // under the group says they come from the history, so the user is told.
    if (!error.empty())
        m_platform.dialogs.message(
            "The draw history could not be read, so the suggested balls are chosen at random, "
            "not from the draw history. You may change any or all of them.\n"
            + error);
    m_suggested = wheels::suggestedBalls(
        wheels::drawsOfGame(draws, *m_game.matrix), m_game.maxball, m_platform.random);
    layOutGroup();
}

void wheel6::buildControls()
{
    auto *outer = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    outer->addLayout(top);

    // Wheel types under their group labels.
    auto *types = new QVBoxLayout;
    top->addLayout(types);
    m_options = new QButtonGroup(this);
    const auto &labels = wheels::groupLabels();
    int shownLabel = 0;
    int lineNumber = 1;
    for (const wheels::WheelType &type : wheels::catalogue()) {
        const int labelIndex = wheels::groupLabelIndex(type);
        if (labelIndex != shownLabel) {
            if (shownLabel != 0)
                types->addWidget(makeLine(lineNumber++, this));
            shownLabel = labelIndex;
            auto *heading = makeLabel(QStringLiteral("Label%1").arg(labelIndex),
                qs(labels[static_cast<size_t>(labelIndex - 1)]), this);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            types->addWidget(heading);
        }
        auto *option = new QRadioButton(qs(type.optionCaption), this);
        option->setObjectName(QStringLiteral("Option%1").arg(type.code));
        m_options->addButton(option, type.code);
        types->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, code = type.code](bool checked) {
            if (checked)
                setupwheeldata(code);
        });
    }
    types->addStretch();

    auto *right = new QVBoxLayout;
    top->addLayout(right, 1);

    auto *frame = new QGroupBox(
        QStringLiteral("Select Group of Balls To Use for the Selected Wheel"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    for (int i = 0; i < wheels::ballBoxes; ++i) {
        auto *box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setMaxLength(8);
        box->setFixedWidth(48);
        box->setAlignment(Qt::AlignCenter);
        // The frame keeps its size whatever the group size, so nothing jumps.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        grid->addWidget(box, i / 6, i % 6);
        m_boxes[static_cast<size_t>(i)] = box;
    }
    right->addWidget(frame);
    right->addWidget(makeLine(lineNumber++, this));

    auto *sizes = new QGridLayout;
    right->addLayout(sizes);
    sizes->addWidget(
        makeLabel(QStringLiteral("Label6"), QStringLiteral("No of Balls"), this), 0, 0);
    m_sizes = new QComboBox(this);
    m_sizes->setObjectName(QStringLiteral("Combo1"));
    m_sizes->setMaximumWidth(80);
    sizes->addWidget(m_sizes, 0, 1);
    sizes->addWidget(
        makeLabel(QStringLiteral("Label5"), QStringLiteral("Entries Required"), this), 1, 0);
    m_entries = new QLineEdit(this);
    m_entries->setObjectName(QStringLiteral("Text25"));
    // It shows the catalogue's count; an edited count would break the wheel.
    m_entries->setReadOnly(true);
    m_entries->setMaximumWidth(80);
    sizes->addWidget(m_entries, 1, 1);
    sizes->setColumnStretch(2, 1);
    connect(m_sizes, &QComboBox::currentIndexChanged, this, [this] { layOutGroup(); });

    right->addWidget(makeLine(lineNumber++, this));
    auto *suggestionNote = makeLabel(QStringLiteral("Label8"),
        QStringLiteral("All suggested entries are based on numbers most frequently drawn (using "
                       "draw history). You may change any or all of the suggested numbers."),
        this);
    suggestionNote->setWordWrap(true);
    right->addWidget(suggestionNote);
    auto *minimumNote = makeLabel(QStringLiteral("Label7"),
        QStringLiteral("All guarantees are minimum. The actual number of matches may be greater."),
        this);
    minimumNote->setWordWrap(true);
    right->addWidget(minimumNote);
    right->addStretch();

    outer->addWidget(makeLine(lineNumber++, this));

    auto *buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    buttons->addStretch();
    auto *save = makeButton(QStringLiteral("Command3"), QStringLiteral("Save Wheel"), this);
    m_print = makeButton(QStringLiteral("Command2"), QStringLiteral("Print Cover"), this);
    auto *closeButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Close"), this);
    buttons->addWidget(save);
    buttons->addWidget(m_print);
    buttons->addWidget(closeButton);
    connect(save, &QPushButton::clicked, this, [this] { saveWheel(); });
    connect(m_print, &QPushButton::clicked, this, [this] { printCover(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void wheel6::setupwheeldata(int forwheel)
{
    clearsuggestedentries();
    m_wheeltype = forwheel;
    const wheels::WheelType *type = wheels::wheelType(forwheel);
    {
        // The group is laid out once, below, for the smallest size.
        const QSignalBlocker blocker(m_sizes);
        m_sizes->clear();
        if (type) {
            for (int n = type->smallestSize; n <= type->largestSize(); ++n)
                m_sizes->addItem(QString::number(n));
        }
        m_sizes->setCurrentIndex(0);
    }
    layOutGroup();
}

void wheel6::clearsuggestedentries()
{
    for (QLineEdit *box : m_boxes)
        box->clear();
}

void wheel6::layOutGroup()
{
    clearsuggestedentries();
    int16_t n = 0;
    readInt16(m_sizes->currentText().trimmed().toStdString(), n);
    const int entries = wheels::entriesRequired(m_wheeltype, n);
    if (entries > 0) {
        m_ballcount = n;
        for (int i = 0; i < wheels::ballBoxes; ++i)
            m_boxes[static_cast<size_t>(i)]->setVisible(i < n);
        m_entries->setText(QString::number(entries));
    }
    const std::vector<int16_t> group = wheels::groupSuggestion(m_suggested, m_ballcount);
    for (size_t i = 0; i < group.size(); ++i)
        m_boxes[i]->setText(QString::number(group[i]));
}

void wheel6::saveWheel()
{
    wheels::SaveWheelInput input;
    input.paths = m_context.paths;
    input.wheelgame = m_game.wheelgame;
    input.wheeltype = m_wheeltype;
    input.ballcount = m_ballcount;
    input.maxball = m_game.maxball;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        input.boxes[i] = m_boxes[i]->text().toStdString();
    input.entriesText = m_entries->text().toStdString();

    const std::string target
        = m_context.paths.wheelEntries(wheels::entryFileName(m_game.wheelgame, m_wheeltype));
    if (!mayWrite(m_context, target, RecordKind::Entries))
        return;
    const bool listed = m_session.wheelno() == m_wheeltype;
    if (wheels::saveWheel(input, m_platform.dialogs) != wheels::SaveOutcome::Done || !listed)
        return;
    // The main window was showing the wheel just replaced.
    m_session.clearListed();
}

void wheel6::printCover()
{
    wheels::CoverInput input;
    input.wheeltitle = m_game.wheeltitle;
    input.wheelgame = m_game.wheelgame;
    input.wheeltype = m_options->checkedId();
    for (QLineEdit *box : m_boxes) {
        if (!box->isHidden())
            input.visibleBoxes.push_back(box->text().toStdString());
    }
    input.groupSize = m_sizes->currentText().toStdString();
    input.entriesText = m_entries->text().toStdString();
    const std::string name = documentName("wheel cover "
            + QFileInfo(qs(wheels::entryFileName(input.wheelgame, input.wheeltype)))
                  .completeBaseName()
                  .toStdString(),
        m_platform.clock);
    wheels::printCover(input, name, printOutputOf(m_context));
}

} // namespace pickwise
