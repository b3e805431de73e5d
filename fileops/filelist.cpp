#include "fileops/filelist.h"

#include "fileops/deletionrules.h"

#include <QMouseEvent>

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
    // A click that changes nothing in the selection: the user asks for the
    // file on screen once more.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (m_pressedOnChosen && item == currentItem())
            emit fileChosen();
        m_pressedOnChosen = false;
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

void FileList::mousePressEvent(QMouseEvent *event)
{
    const QListWidgetItem *item = itemAt(event->position().toPoint());
    m_pressedOnChosen = item && item == currentItem() && item->isSelected();
    QListWidget::mousePressEvent(event);
}

QString FileList::selectedName() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

} // namespace pickwise
