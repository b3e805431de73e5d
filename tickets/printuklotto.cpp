#include "tickets/printuklotto.h"

#include "core/lines.h"
#include "core/numbers.h"
#include "mainwindow/session.h"
#include "platform/widgets.h"
#include "printing/output.h"
#include "printing/printing.h"

#include <QFileInfo>
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

QGroupBox *frame(const char *name, const char *caption, QWidget *parent)
{
    return named(new QGroupBox(QString::fromLatin1(caption), parent), name);
}

QPushButton *button(const char *name, const char *caption, const char *tip, QWidget *parent)
{
    auto *b = named(new QPushButton(QString::fromLatin1(caption), parent), name);
    if (tip)
        b->setToolTip(QString::fromLatin1(tip));
    return b;
}

} // namespace

PrintUKLotto::PrintUKLotto(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("PrintUKLotto"));
    setWindowTitle(QStringLiteral("Lotto Ticket Printing"));

    auto *Frame1 = frame("Frame1", "Calibrate", this);
    auto *Frame2 = frame("Frame2", "Left/Right", Frame1);
    Frame2->setToolTip(QStringLiteral("Moves the printed pattern either Right or Left by a "
                                      "specified number of millimeters"));
    Text1 = named(new QLineEdit(Frame2), "Text1");
    Option1 = named(new QRadioButton(QStringLiteral("Right"), Frame2), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Left"), Frame2), "Option2");
    auto *frame2Layout = new QVBoxLayout(Frame2);
    frame2Layout->addWidget(Text1);
    frame2Layout->addWidget(Option1);
    frame2Layout->addWidget(Option2);

    auto *Frame3 = frame("Frame3", "Up/Down", Frame1);
    Frame3->setToolTip(QStringLiteral("Moves the printed pattern either Up or Down by a specified "
                                      "number of millimeters"));
    Text2 = named(new QLineEdit(Frame3), "Text2");
    Option3 = named(new QRadioButton(QStringLiteral("Up"), Frame3), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("Down"), Frame3), "Option4");
    auto *frame3Layout = new QVBoxLayout(Frame3);
    frame3Layout->addWidget(Text2);
    frame3Layout->addWidget(Option3);
    frame3Layout->addWidget(Option4);

    auto *Label1 = named(new QLabel(QStringLiteral("Values 10 = 1 mm movement"), Frame1), "Label1");
    Command2 = button("Command2", "Print Test",
        "Prints the numbers 6, 18, 30, 42 on BOARD D using the displayed calibration settings.",
        Frame1);
    // The full-grid alignment print stays reachable for setting up a new
    // printer; it is kept small so it does not compete with "Print Test".
    Command3 = button("Command3", "Command3",
        "Prints every number on boards A and H, moved 10 times as far per value as the test "
        "print",
        Frame1);
    Command3->setMaximumWidth(Command3->sizeHint().width());
    auto *frame1Layout = new QGridLayout(Frame1);
    frame1Layout->addWidget(Frame2, 0, 0);
    frame1Layout->addWidget(Frame3, 0, 1);
    frame1Layout->addWidget(Label1, 1, 0, 1, 2);
    auto *testRow = new QHBoxLayout;
    testRow->addWidget(Command2);
    testRow->addStretch(1);
    testRow->addWidget(Command3);
    frame1Layout->addLayout(testRow, 2, 0, 1, 2);

    auto *Frame4 = frame("Frame4", "Line Width", this);
    Option5 = named(new QRadioButton(QStringLiteral("Thin"), Frame4), "Option5");
    Option6 = named(new QRadioButton(QStringLiteral("Recommended"), Frame4), "Option6");
    Option7 = named(new QRadioButton(QStringLiteral("Thick"), Frame4), "Option7");
    auto *frame4Layout = new QVBoxLayout(Frame4);
    frame4Layout->addWidget(Option5);
    frame4Layout->addWidget(Option6);
    frame4Layout->addWidget(Option7);

    Command1 = button("Command1", "Save Settings",
        "Saves the displayed settings to be used when Print Tickets is used", this);
    Command6 = button("Command6", "Get Settings",
        "Displayes the saved settings to be used when Print Tickets is used", this);
    Command5 = button("Command5", "Print Tickets",
        "Prints the tickets using the SAVED calibration settings which may be different from the "
        "displayed settings",
        this);
    Command4 = button("Command4", "Close", "Closes this form", this);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command6);
    buttons->addWidget(Command5);
    buttons->addStretch(1);
    buttons->addWidget(Command4);
    auto *left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame4);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    // How the option pairs stand before any setting is read.
    Option2->setChecked(true);
    Option4->setChecked(true);
    Option6->setChecked(true);

    const auto changed = [this] { m_settingschanged = true; };
    connect(Text1, &QLineEdit::textChanged, this, changed);
    connect(Text2, &QLineEdit::textChanged, this, changed);
    for (QRadioButton *option : {Option1, Option2, Option3, Option4, Option5, Option6, Option7})
        connect(option, &QRadioButton::clicked, this, changed);
    // The preview follows every change as it is typed or chosen.
    connect(Text1, &QLineEdit::textChanged, this, [this] { refreshPreview(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { refreshPreview(); });
    for (QRadioButton *option : {Option1, Option2, Option3, Option4, Option5, Option6, Option7})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                refreshPreview();
        });

    connect(Command1, &QPushButton::clicked, this, [this] { saveSettings(); });
    connect(Command2, &QPushButton::clicked, this, [this] { printTest(); });
    connect(Command3, &QPushButton::clicked, this, [this] { printSlips(SlipPrint::Alignment); });
    connect(Command4, &QPushButton::clicked, this, [this] { close(); });
    connect(Command5, &QPushButton::clicked, this, [this] { printSlips(SlipPrint::Tickets); });
    connect(Command6, &QPushButton::clicked, this, [this] { showSavedSettings(); });

    if (!m_context.printerok) {
        Command2->setEnabled(false);
        Command3->setEnabled(false);
        Command5->setEnabled(false);
    }
    showSavedSettings();
}

PrintUKLotto::~PrintUKLotto()
{
    closePreview();
}

void PrintUKLotto::showSavedSettings()
{
    tickets::SavedSettings saved;
    const std::string error = tickets::loadSettings(m_context.paths, saved);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
    } else {
        Text1->setText(qs(plainNumberText(saved.calib.lrvalue)));
        Text2->setText(qs(plainNumberText(saved.calib.udvalue)));
        if (const auto right = tickets::directionFromFlag(saved.calib.moveright))
            (*right ? Option1 : Option2)->setChecked(true);
        if (const auto up = tickets::directionFromFlag(saved.calib.moveup))
            (*up ? Option3 : Option4)->setChecked(true);
        switch (tickets::lineWidthFromCode(saved.widthcode)) {
        case tickets::LineWidth::Thin:
            Option5->setChecked(true);
            break;
        case tickets::LineWidth::Recommended:
            Option6->setChecked(true);
            break;
        case tickets::LineWidth::Thick:
            Option7->setChecked(true);
            break;
        }
    }
    // Filling the boxes counts as a change; what is shown now is what is saved.
    m_settingschanged = false;
}

tickets::DisplayedSettings PrintUKLotto::displayedSettings() const
{
    tickets::DisplayedSettings shown;
    shown.lrText = Text1->text().toStdString();
    shown.udText = Text2->text().toStdString();
    shown.right = Option1->isChecked();
    shown.up = Option3->isChecked();
    shown.width = Option5->isChecked() ? tickets::LineWidth::Thin
        : Option7->isChecked()         ? tickets::LineWidth::Thick
                                       : tickets::LineWidth::Recommended;
    return shown;
}

tickets::Correction PrintUKLotto::displayedCorrection(double unit) const
{
    const tickets::DisplayedSettings shown = displayedSettings();
    return tickets::correctionFor(
        leadingNumber(shown.lrText), shown.right, leadingNumber(shown.udText), shown.up, unit);
}

bool PrintUKLotto::saveSettings()
{
    std::string error;
    switch (tickets::saveSettings(m_context.paths, displayedSettings(), error)) {
    case tickets::SaveOutcome::Saved:
        m_settingschanged = false;
        return true;
    case tickets::SaveOutcome::OutOfRange:
        m_platform.dialogs.message(tickets::msg::outOfRange);
        return false;
    case tickets::SaveOutcome::WriteFailed:
        m_platform.dialogs.message(error);
        return false;
    }
    return false;
}

std::string PrintUKLotto::slipPrintout(SlipPrint kind, PrintDocument &doc) const
{
    const int dots = tickets::lineWidthDots(displayedSettings().width);
    switch (kind) {
    case SlipPrint::Test:
        doc = tickets::slipDocument(
            tickets::testPrintPlan(displayedCorrection(tickets::calibrationUnit), dots),
            documentName("test print", m_platform.clock), m_context.printerok);
        return {};
    case SlipPrint::Alignment:
        doc = tickets::slipDocument(
            tickets::alignmentPlan(displayedCorrection(tickets::alignmentUnit), dots),
            documentName("alignment print", m_platform.clock), m_context.printerok);
        return {};
    case SlipPrint::Tickets:
        break;
    }
    // The amounts and the width come from the saved files; the directions are
    // taken from the option buttons as they stand, as they always have been.
    return tickets::ticketDocument(m_context.paths, m_session.entryfile(),
        documentName(
            "play slips " + QFileInfo(qs(m_session.entryfile())).completeBaseName().toStdString(),
            m_platform.clock),
        m_context.printerok, Option1->isChecked(), Option3->isChecked(), doc,
        m_session.listingGame(m_platform.clock.today()));
}

void PrintUKLotto::printSlips(SlipPrint kind)
{
    PrintDocument doc;
    const std::string error = slipPrintout(kind, doc);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    closePreview();
    const OutputResult result = tickets::printPlan(doc, printOutputOf(m_context));
    m_preview = result.preview;
    m_previewed = kind;
}

void PrintUKLotto::printTest()
{
    m_platform.dialogs.message(tickets::msg::testPrint);
    printSlips(SlipPrint::Test);
}

void PrintUKLotto::refreshPreview()
{
    if (!m_preview)
        return;
    PrintDocument doc;
    // While typing, a file that cannot be read leaves the picture as it was.
    if (!slipPrintout(m_previewed, doc).empty())
        return;
    if (!m_platform.printer.updatePreview(*m_preview, doc))
        m_preview.reset();
}

void PrintUKLotto::closePreview()
{
    if (m_preview)
        m_platform.printer.closePreview(*m_preview);
    m_preview.reset();
}

bool PrintUKLotto::aboutToClose()
{
    if (m_settingschanged && m_platform.dialogs.askYesNo(tickets::msg::saveOnClose, pickwiseTitle))
        saveSettings();
    // The window closes even when saving failed; the message has told why.
    // Its preview goes with it.
    closePreview();
    return true;
}

} // namespace pickwise
