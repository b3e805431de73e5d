#pragma once

#include <QWidget>

namespace pickwise {

// A window opened from the main window (or from the statistics window). Closing
// it by its title bar does exactly what its Close button does: both end in
// close(), which asks aboutToClose() and then reports closed(), on which the
// opener re-enables itself and refreshes what the window may have changed.
class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget *parent = nullptr);

signals:
    void closed();

protected:
    // The window's own close behaviour; return false to stay open (for example
    // when the user answers No to a question).
    virtual bool aboutToClose() { return true; }
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_reported = false;
};

} // namespace pickwise
