#include "fileops/filelist.h"

#include "fileops/deletionrules.h"

namespace pickwise {

FileList::FileList(std::string folder, std::string extension, QWidget *parent)
    : QListWidget(parent), m_folder(std::move(folder)), m_extension(std::move(extension))
{
    setObjectName(QStringLiteral("File1"));
    // The selection, not the current row: the current row also moves when the
    // list merely gets the focus, before anything is selected.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedName().isEmpty())
            emit fileChosen();
    });
    refresh();
}

void FileList::refresh()
{
    QSignalBlocker block(this);
    clear();
    for (const std::string &name : filedeletion::filesWithExtension(m_folder, m_extension))
        addItem(QString::fromStdString(name));
}

QString FileList::selectedName() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

} // namespace pickwise
