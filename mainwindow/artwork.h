#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QTimer;

namespace pickwise {

// The main window's pictures are drawn by the program at the screen's pixel
// ratio, so they stay crisp on high-density screens and need no image files.
namespace artwork {

constexpr int ballSize = 35; // logical pixels

// Ball n as a main number or as the bonus ball, drawn for any number (up to 52
// in today's game); the two sets differ in colour so the bonus ball stands out.
QPixmap ballPixmap(int number, bool bonus, qreal devicePixelRatio);

enum class QuickIcon { Results, Tickets, History, Statistics };
QIcon quickSelectIcon(QuickIcon kind, qreal devicePixelRatio);

} // namespace artwork

// A small drum of turning lottery balls. Clicking it reports clicked() while it
// is enabled.
class AnimatedPicture : public QWidget
{
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {52, 52}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer *m_timer;
    int m_step = 0;
};

} // namespace pickwise
