#include "fileops/form8.h"

#include "core/fileio.h"
#include "fileops/deletionrules.h"
#include "fileops/filelist.h"
#include "mainwindow/session.h"
#include "platform/widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace pickwise {

Form8::Form8(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("File Deletion"));

    auto *hint
        = new QLabel(QStringLiteral("Click on the file to view it.     Use the Delete button "
                                    "if you want to delete the displayed file."),
            this);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);
    auto *caption = new QLabel(QStringLiteral("Contents/Entries"), this);
    caption->setObjectName(QStringLiteral("Label2"));
    m_files = new FileList(m_context.paths.dataFolder(), ".lot", this);
    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("List2"));
    m_contents->setFont(listFont());
    m_contents->setToolTip(QStringLiteral("List of your selections for the draw."));
    m_contents->setMinimumWidth(240);
    auto *remove = new QPushButton(QStringLiteral("Delete"), this);
    remove->setObjectName(QStringLiteral("Command3"));
    remove->setToolTip(QStringLiteral("Use this to delete the selected file."));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setToolTip(QStringLiteral("Closes the file deletion form."));

    auto *grid = new QGridLayout(this);
    grid->addWidget(hint, 0, 0, 1, 2);
    grid->addWidget(m_files, 2, 0);
    grid->addWidget(caption, 1, 1);
    grid->addWidget(m_contents, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);
    grid->addLayout(buttons, 3, 0, 1, 2);

    // The view follows the chosen file however it was chosen, so Delete always
    // acts on the file on screen.
    connect(m_files, &FileList::fileChosen, this, [this] {
        m_contents->clear();
        viewandcreate();
    });
    connect(remove, &QPushButton::clicked, this, &Form8::deleteFile);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void Form8::refreshFiles()
{
    m_files->refresh();
}

QString Form8::selectedFile() const
{
    return m_files->selectedName();
}

void Form8::viewandcreate()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        m_platform.dialogs.message("You have not selected a file");
        return;
    }
    std::vector<uint8_t> bytes;
    // Viewing never creates a file that is not there.
    readFileBytes(m_context.paths.chosen(name.toStdString()), bytes, false);
    m_contents->clear();
    for (const std::string &line : filedeletion::viewLines(bytes, name.toStdString()))
        m_contents->addItem(qs(line));
}

void Form8::deleteFile()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        m_platform.dialogs.message("You have not selected a file for deletion");
        return;
    }
    const std::string path = m_context.paths.chosen(name.toStdString());
    if (path == m_session.entryfile()) {
        m_platform.dialogs.message(
            "You cannot delete this file, you currently have it opened in the main program");
        return;
    }
    if (!m_platform.dialogs.askYesNo(
            "Are you sure you want to delete this lottery selection file?\n\n"
            + name.toStdString()))
        return;
    const std::string error = removeFile(path);
    if (!error.empty()) {
        m_platform.dialogs.message("The file could not be deleted.\n" + error);
        return;
    }
    refreshFiles();
    m_contents->clear();
}

} // namespace pickwise
