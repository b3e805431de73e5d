#include "fileops/form30.h"

#include "core/fileio.h"
#include "core/recordfile.h"
#include "fileops/deletionrules.h"
#include "fileops/filelist.h"
#include "fileops/importrules.h"
#include "mainwindow/session.h"
#include "platform/damagecheck.h"
#include "platform/widgets.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace pickwise {

namespace {

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton *button(const QString &name, const QString &text, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

// The dated file could not be opened or made: not the same as a date that
// already has entries, and the user should hear which it was.
std::string unreadableDateFile(const std::string &name, const std::string &error)
{
    return "The entry file for this date (" + name
        + ") could not be read or created, so nothing can be imported for it.\n" + error;
}

} // namespace

Form30::Form30(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(QStringLiteral("Import Txt File"));

    m_files = new FileList(m_context.paths.dataFolder(), ".txt", this);
    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("List2"));
    m_contents->setFont(listFont());
    m_contents->setToolTip(QStringLiteral("List of your selections for the draw."));
    m_date = makeDatePicker(QStringLiteral("DTPicker1"), this);
    showDrawDates(m_date, m_context.session.drawDates());
    m_validate = button(QStringLiteral("Command2"), QStringLiteral("Validate"),
        QStringLiteral("Click to validate the .txt file"), this);
    m_import = button(QStringLiteral("Command3"), QStringLiteral("Import"),
        QStringLiteral("Use this to create the selections file for the given date "
                       "and game."),
        this);
    m_close = button(QStringLiteral("Command1"), QStringLiteral("Close"),
        QStringLiteral("Closes the import form."), this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(
        label(QStringLiteral("Label1"),
            QStringLiteral("1. Click on the file you want to import as an entry."), this),
        0, 0);
    grid->addWidget(m_files, 1, 0);
    grid->addWidget(
        label(QStringLiteral("Label2"), QStringLiteral("Contents/Entries"), this), 0, 1);
    grid->addWidget(m_contents, 1, 1, 4, 1);
    grid->addWidget(
        label(QStringLiteral("Label3"), QStringLiteral("2. Select Entry Date"), this), 2, 0);
    grid->addWidget(m_date, 3, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_validate);
    buttons->addWidget(m_import);
    buttons->addStretch();
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 5, 0, 1, 2);
    m_contents->setMinimumWidth(260);

    connect(m_files, &FileList::fileChosen, this, &Form30::fileChosen);
    connect(m_date, &QDateEdit::dateChanged, this, &Form30::backToValidate);
    connect(m_validate, &QPushButton::clicked, this, &Form30::validateFile);
    connect(m_import, &QPushButton::clicked, this, &Form30::importFile);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    // Load.
    m_session.importwrote = false;
    m_date->setDate(toQDate(m_platform.clock.today()));
    m_import->setVisible(false);
    m_validate->setVisible(true);
}

void Form30::refreshFiles()
{
    m_files->refresh();
}

QString Form30::selectedFile() const
{
    return m_files->selectedName();
}

void Form30::backToValidate()
{
    m_import->setVisible(false);
    m_validate->setVisible(true);
    m_validated.clear();
}

void Form30::fileChosen()
{
    m_contents->clear();
    backToValidate();
    view();
}

void Form30::view()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        m_platform.dialogs.message("You have not selected a file");
        return;
    }
    std::vector<uint8_t> bytes;
    if (!readFileBytes(m_context.paths.chosen(name.toStdString()), bytes, false).empty())
        return;
    for (const std::string &field : importtxt::readFields(std::string(bytes.begin(), bytes.end())))
        m_contents->addItem(qs(field));
}

void Form30::validateFile()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        m_platform.dialogs.message("You have not selected a file");
        return;
    }
    std::vector<uint8_t> bytes;
    if (!readFileBytes(m_context.paths.chosen(name.toStdString()), bytes, false).empty()) {
        m_platform.dialogs.message("Your txt file is not valid");
        return;
    }
    // The entries are for the chosen date: their numbers are balls of its game.
    const Date date = toDate(m_date->date());
    importtxt::Validation result = importtxt::validate(
        importtxt::readFields(std::string(bytes.begin(), bytes.end())), matrixFor(date));
    if (result.verdict != importtxt::Verdict::Valid) {
        m_platform.dialogs.message(importtxt::validMessage(result.verdict));
        return;
    }

    const std::string datedName = datedEntryFileName(date.day, date.month, date.year);
    m_importfile = m_context.paths.datedEntries(date);
    if (!mayWrite(m_context, m_importfile, RecordKind::Entries))
        return;
    RecordFile target(m_importfile);
    const std::string error = target.load();
    if (!error.empty()) {
        m_platform.dialogs.message(unreadableDateFile(datedName, error));
        return;
    }
    if (target.storedCount() >= 1) {
        m_platform.dialogs.message(
            "You already have a date entry for this date, please choose another date");
        return;
    }
    // Import writes exactly these lines, whatever happens to the text file now.
    m_validated = std::move(result.entries);
    m_validatedDate = date;
    m_platform.dialogs.message(importtxt::validMessage(importtxt::Verdict::Valid));
    m_import->setVisible(true);
    m_validate->setVisible(false);
}

void Form30::importFile()
{
    RecordFile target(m_importfile);
    std::string error = target.load();
    if (error.empty() && target.storedCount() >= 1) {
        // Entries arrived for this date since the validation: never write over them.
        m_platform.dialogs.message(
            "You already have a date entry for this date, please choose another date");
        backToValidate();
        return;
    }
    if (error.empty()) {
        importtxt::writeImport(target, m_validated, m_validatedDate);
        error = target.save();
    }
    if (!error.empty()) {
        m_platform.dialogs.message(
            "The entries could not be imported, nothing was written.\n" + error);
        return;
    }
    m_platform.dialogs.message("Entry imported succsessfully");
    // Once the shown date was written the main window must relist it, whatever
    // is imported after that.
    m_session.importwrote = m_session.importwrote || m_validatedDate == m_session.entriesDate();
}

} // namespace pickwise
