#pragma once

// Driving a window by its controls' object names.

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace pickwise::testing {

template<typename T = QLineEdit>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

inline QString text(QWidget *window, const QString &name)
{
    return child(window, name)->text();
}

inline void type(QWidget *window, const QString &name, const QString &text)
{
    child(window, name)->setText(text);
}

inline bool enabled(QWidget *window, const QString &name)
{
    return child<QPushButton>(window, name)->isEnabled();
}

inline void click(QWidget *window, const QString &name)
{
    QVERIFY2(enabled(window, name), qPrintable(name));
    child<QPushButton>(window, name)->click();
}

// A window for one test; one still open at the end is deleted here.
template<class W>
struct Opened
{
    QPointer<W> w;
    template<class... Args>
    explicit Opened(Args &...args) : w(new W(args...))
    {
    }
    ~Opened() { delete w.data(); }
    W *operator->() const { return w.data(); }
    operator W *() const { return w.data(); }
};

} // namespace pickwise::testing
