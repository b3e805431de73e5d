#pragma once

#include "platform/childwindow.h"
#include "platform/context.h"
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
    Form8(Context &context, QWidget *parent = nullptr);

    void refreshFiles();

private:
    void viewandcreate();
    void deleteFile();
    QString selectedFile() const;

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    FileList *m_files;
    QListWidget *m_contents;
};

} // namespace pickwise
