#pragma once

// The real main window over an installation, driven by its controls' names.

#include "mainwindow/form1.h"
#include "tests/support/installation.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace pickwise::testing {

using Texts = std::vector<std::string>;

// A child window standing in for one of the windows the main window opens.
class StubChild : public ChildWindow
{
public:
    explicit StubChild(const QString &name) { setObjectName(name); }
};

// The main window over an installation; start() is its start-up.
struct MainWindow : Installation
{
    explicit MainWindow(Date today = {2015, 12, 5})
        : Installation(today), form(std::make_unique<Form1>(context))
    {
    }

    void start() { form->start(); }
    // Registers a stand-in for a child window; made counts how many were made.
    void stub(ChildKind kind, const char *name, int *made = nullptr)
    {
        form->children().setFactory(kind, [name, made] {
            if (made)
                ++*made;
            return new StubChild(QString::fromUtf8(name));
        });
    }

    template<class T>
    T *find(const char *name) const
    {
        T *w = form->findChild<T *>(QString::fromUtf8(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QListWidget *list(const char *name) const { return find<QListWidget>(name); }
    QString box(const char *name) const { return find<QLineEdit>(name)->text(); }
    void click(const char *name) const { find<QPushButton>(name)->click(); }
    void trigger(const char *name) const { find<QAction>(name)->trigger(); }
    bool ballsShown() const { return !find<QLabel>("Image2_0")->isHidden(); }
    bool hidden(const char *name) const { return find<QWidget>(name)->isHidden(); }
    void setDate(const char *picker, int y, int m, int d) const
    {
        find<QDateEdit>(picker)->setDate(QDate(y, m, d));
    }
    std::vector<std::string> said() const { return dialogs.texts(); }

    QStringList lines(const char *listName) const
    {
        QStringList out;
        QListWidget *l = list(listName);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        QListWidget *l = list("List1");
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->isSelected())
                rows << i;
        return rows;
    }
    void select(const QList<int> &rows) const
    {
        QListWidget *l = list("List1");
        l->clearSelection();
        for (int r : rows)
            l->item(r)->setSelected(true);
    }

    // The shown top-level window with that object name, or nullptr.
    static QWidget *window(const char *name)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    std::unique_ptr<Form1> form;
};

} // namespace pickwise::testing
