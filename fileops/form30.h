#pragma once

#include "core/lines.h"
#include "platform/childwindow.h"
#include "platform/context.h"
#include "platform/platform.h"

#include <vector>

class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

namespace pickwise {

class MainSession;

class FileList;

// Import Txt File: shows a text file of entries, validates it and writes it as
// the dated entry file of the chosen date.
class Form30 : public ChildWindow
{
    Q_OBJECT

public:
    Form30(Context &context, QWidget *parent = nullptr);

    void refreshFiles();

private:
    void fileChosen();
    void view();
    void validateFile();
    void importFile();
    void backToValidate();
    QString selectedFile() const;

    Context &m_context;
    Platform &m_platform;
    MainSession &m_session;
    FileList *m_files;
    QListWidget *m_contents;
    QDateEdit *m_date;
    QPushButton *m_validate;
    QPushButton *m_import;
    QPushButton *m_close;

    std::string m_importfile;
    Date m_validatedDate;
    std::vector<Entry> m_validated;
};

} // namespace pickwise
