#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

namespace pickwise {

// Where a window of frameSize (its frame included) goes over an owner window
// whose frame is ownerFrame: centred on it, then moved as little as needed to
// lie wholly within the screen's available area; a window larger than that
// area is cut down to it.
QRect placedFrame(const QRect &ownerFrame, const QSize &frameSize, const QRect &available);

// Shows window over owner: placed by placedFrame on owner's screen and made
// transient for owner, so the window manager keeps it above owner. The frame
// the window manager will add is taken to be owner's own.
void showOver(QWidget *window, const QWidget *owner);

// Where a window of frameSize and its owner go to stand side by side within the
// available area, the window on the right: the owner moved sideways as little
// as needed, the window as high as the area allows and level with the owner
// where it can be. false when the two are wider than the area together.
bool placedBeside(const QRect &ownerFrame, const QSize &frameSize, const QRect &available,
    QRect &ownerPlaced, QRect &windowPlaced);

// Shows window beside owner (placedBeside), moving owner when needed, so that
// neither hides the other; over owner (showOver) when they do not fit side by
// side.
void showBeside(QWidget *window, QWidget *owner);

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
