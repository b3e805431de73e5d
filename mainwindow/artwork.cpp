#include "mainwindow/artwork.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTimer>

#include <cmath>

namespace pickwise {

namespace artwork {

namespace {

QPixmap canvas(int logicalSize, qreal dpr)
{
    QPixmap pixmap(QSize(logicalSize, logicalSize) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void paintBall(QPainter &p, const QRectF &box, const QColor &colour)
{
    QRadialGradient shade(
        box.left() + box.width() * 0.35, box.top() + box.height() * 0.3, box.width() * 0.75);
    shade.setColorAt(0.0, colour.lighter(175));
    shade.setColorAt(0.55, colour);
    shade.setColorAt(1.0, colour.darker(170));
    p.setPen(QPen(colour.darker(220), 1.0));
    p.setBrush(shade);
    p.drawEllipse(box);
}

} // namespace

QPixmap ballPixmap(int number, bool bonus, qreal dpr)
{
    QPixmap pixmap = canvas(ballSize, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF box(1.0, 1.0, ballSize - 2.0, ballSize - 2.0);
    paintBall(p, box, bonus ? QColor(206, 32, 41) : QColor(232, 180, 20));

    // A white disc carries the number so it reads well on either colour.
    const QRectF disc = box.adjusted(5.5, 5.5, -5.5, -5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawEllipse(disc);

    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(number >= 10 || number < 0 ? 12 : 13);
    p.setFont(font);
    p.setPen(bonus ? QColor(140, 10, 20) : QColor(20, 20, 20));
    p.drawText(disc, Qt::AlignCenter, QString::number(number));
    return pixmap;
}

namespace {

void drawResults(QPainter &p)
{
    // A globe with a download arrow.
    p.setPen(QPen(QColor(30, 90, 170), 1.6));
    p.setBrush(QColor(170, 210, 245));
    p.drawEllipse(QRectF(3, 3, 22, 22));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(9, 3, 10, 22));
    p.drawLine(QPointF(3, 14), QPointF(25, 14));
    p.drawLine(QPointF(5, 8.5), QPointF(23, 8.5));
    p.drawLine(QPointF(5, 19.5), QPointF(23, 19.5));
    QPainterPath arrow;
    arrow.moveTo(22, 16);
    arrow.lineTo(28, 16);
    arrow.lineTo(28, 23);
    arrow.lineTo(31, 23);
    arrow.lineTo(25, 30);
    arrow.lineTo(19, 23);
    arrow.lineTo(22, 23);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 110, 40), 1.2));
    p.setBrush(QColor(60, 180, 80));
    p.drawPath(arrow);
}

void drawTickets(QPainter &p)
{
    // A printer with a play slip coming out of it.
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 2, 14, 12));
    p.setBrush(QColor(120, 125, 135));
    p.drawRoundedRect(QRectF(3, 11, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 18, 16, 12));
    p.setPen(QPen(QColor(206, 32, 41), 1.4));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawLine(
                QPointF(10.5 + col * 3.5, 22 + row * 4), QPointF(12 + col * 3.5, 22 + row * 4));
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(11, 5 + i * 2.5), QPointF(21, 5 + i * 2.5));
}

void drawHistory(QPainter &p)
{
    // A calendar page with a list of results.
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 24, 25));
    p.setBrush(QColor(206, 32, 41));
    p.drawRect(QRectF(4, 4, 24, 6));
    p.setPen(QPen(QColor(70, 70, 70), 1.6));
    p.drawLine(QPointF(10, 2), QPointF(10, 7));
    p.drawLine(QPointF(22, 2), QPointF(22, 7));
    p.setPen(QPen(QColor(30, 90, 170), 1.4));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(8, 13.5 + i * 3.3), QPointF(24, 13.5 + i * 3.3));
}

void drawStatistics(QPainter &p)
{
    // A bar chart.
    p.setPen(QPen(QColor(60, 60, 60), 1.4));
    p.drawLine(QPointF(4, 3), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    const QColor colours[]
        = {QColor(232, 180, 20), QColor(30, 120, 200), QColor(60, 170, 80), QColor(206, 32, 41)};
    const double heights[] = {10, 19, 14, 23};
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(7 + i * 5.5, 27 - heights[i], 4.5, heights[i]));
    }
}

} // namespace

QIcon quickSelectIcon(QuickIcon kind, qreal screenRatio)
{
    QIcon icon;
    // One pixmap per likely ratio; the icon picks the one matching the screen.
    for (qreal dpr : {qreal(1.0), qreal(2.0), screenRatio}) {
        QPixmap pixmap = canvas(32, dpr);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        switch (kind) {
        case QuickIcon::Results:
            drawResults(p);
            break;
        case QuickIcon::Tickets:
            drawTickets(p);
            break;
        case QuickIcon::History:
            drawHistory(p);
            break;
        case QuickIcon::Statistics:
            drawStatistics(p);
            break;
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace artwork

AnimatedPicture::AnimatedPicture(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    m_timer->setInterval(60);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % 360;
        update();
    });
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF drum = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(90, 90, 110), 1.5));
    p.setBrush(QColor(225, 235, 250));
    p.drawEllipse(drum);

    // Five balls turning round the drum's centre, each at its own radius.
    const QColor colours[] = {QColor(232, 180, 20), QColor(206, 32, 41), QColor(30, 120, 200),
        QColor(60, 170, 80), QColor(150, 70, 170)};
    const QPointF centre = drum.center();
    for (int i = 0; i < 5; ++i) {
        const double angle = (m_step * 6.0 * (i % 2 ? 1 : -1) + i * 72.0) * M_PI / 180.0;
        const double radius = drum.width() * (0.14 + 0.055 * i);
        const QPointF at(
            centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        QRadialGradient shade(at - QPointF(2, 2), 7);
        shade.setColorAt(0, colours[i].lighter(170));
        shade.setColorAt(1, colours[i]);
        p.setPen(QPen(colours[i].darker(180), 0.8));
        p.setBrush(shade);
        p.drawEllipse(at, 5.5, 5.5);
    }
}

void AnimatedPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
}

void AnimatedPicture::showEvent(QShowEvent *)
{
    m_timer->start();
}

void AnimatedPicture::hideEvent(QHideEvent *)
{
    m_timer->stop();
}

} // namespace pickwise
