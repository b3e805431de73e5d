#include "about/frmabout.h"

#include "about/aboutrules.h"
#include "core/lines.h"
#include "platform/widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace pickwise {

namespace {

// A ball rolling back and forth: the window's picture, drawn by the program.
class RollingBall : public QWidget
{
public:
    explicit RollingBall(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(64, 64);
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % 360;
            update();
        });
        timer->start(60);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF ball(8, 8, 48, 48);
        QRadialGradient shade(ball.center() - QPointF(8, 8), 30);
        shade.setColorAt(0, QColor(255, 230, 120));
        shade.setColorAt(1, QColor(220, 140, 0));
        p.setBrush(shade);
        p.setPen(Qt::NoPen);
        p.drawEllipse(ball);
        p.translate(ball.center());
        p.rotate(m_step * 4);
        p.setPen(Qt::black);
        QFont f = font();
        f.setBold(true);
        f.setPointSize(14);
        p.setFont(f);
        p.drawText(QRectF(-16, -12, 32, 24), Qt::AlignCenter, QStringLiteral("49"));
    }

private:
    int m_step = 0;
};

} // namespace

frmAbout::frmAbout(Platform &platform, QWidget *parent) : ChildWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + qs(applicationTitle));

    auto *picture = new RollingBall(this);
    picture->setObjectName(QStringLiteral("Image8"));
    auto *version = new QLabel(qs(about::versionText(PICKWISE_VERSION_MAJOR, PICKWISE_VERSION_MINOR,
                                   PICKWISE_VERSION_PATCH)),
        this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *description = new QLabel(
        QStringLiteral("Results, statistics, entries, wheels and play slips for the South African "
                       "Lotto."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    auto *disclaimer = new QLabel(
        QStringLiteral("Warning: this program is protected by copyright law. No liablilty is "
                       "accepted for any errors or omissions. The program is not connected with "
                       "any lottery organsation."),
        this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(version, 0, 1);
    grid->addWidget(description, 1, 1);
    grid->addWidget(disclaimer, 2, 0, 1, 3);
    grid->addWidget(ok, 0, 2);
    grid->addWidget(sysInfo, 1, 2, Qt::AlignTop);
    setMinimumWidth(460);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this,
        [this] { about::StartSysInfo(m_platform.shell, m_platform.dialogs); });
}

} // namespace pickwise
