#pragma once

#include <QListWidget>

#include <string>

namespace pickwise {

// A file list box: the names of one folder's files with one extension.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    FileList(std::string folder, std::string extension, QWidget *parent = nullptr);

    void refresh();
    // The chosen file's name, "" when none is selected.
    QString selectedName() const;

signals:
    // A file was chosen, by a click or from the keyboard; once per choice. A
    // click on the file already chosen chooses it again.
    void fileChosen();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::string m_folder;
    std::string m_extension;
    bool m_pressedOnChosen = false;
};

} // namespace pickwise
