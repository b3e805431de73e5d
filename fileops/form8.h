#pragma once

#include "core/sharedstate.h"
#include "platform/childwindow.h"
#include "platform/platform.h"

class QListWidget;
class QPushButton;

namespace pickwise {

class MainSession;

class FileList;

// File Deletion: lists the entry files, shows the one clicked and deletes it,
// never the file the main window is showing.
class Form8 : public ChildWindow
{
    Q_OBJECT

public:
    Form8(SharedState &state, Platform &platform, MainSession &session, QWidget *parent = nullptr);

    void refreshFiles();

private:
    void viewandcreate();
    void deleteFile();
    QString selectedFile() const;

    SharedState &m_state;
    Platform &m_platform;
    MainSession &m_session;
    FileList *m_files;
    QListWidget *m_contents;
};

} // namespace pickwise
