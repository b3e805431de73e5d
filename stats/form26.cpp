#include "stats/form26.h"

#include "platform/context.h"
#include "platform/platform.h"
#include "platform/widgets.h"
#include "stats/ballinfo.h"
#include "stats/history.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

Form26::Form26(
    Context &context, stats::View view, int16_t infoball, const GameMatrix &game, QWidget *parent)
    : ChildWindow(parent), m_infoball(infoball)
{
    setObjectName(QStringLiteral("Form26"));

    const ResultsHistory history
        = stats::loadHistory(context.paths.results(), context.platform.dialogs);
    const stats::BallFacts facts = stats::ballFacts(history.records(game), view, infoball, game);

    auto *layout = new QVBoxLayout(this);
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *form = new QFormLayout(frame);
    auto addPair = [frame, form](const char *label, const char *box, const QString &caption,
                       const QString &value) {
        auto *l = new QLabel(caption, frame);
        l->setObjectName(QLatin1String(label));
        auto *t = new QLineEdit(value, frame);
        t->setObjectName(QLatin1String(box));
        t->setReadOnly(true);
        l->setBuddy(t);
        form->addRow(l, t);
    };
    addPair("Label2", "Text2", tr("Number of Times Drawn"), QString::number(facts.timesDrawn));
    addPair("Label1", "Text1", tr("Number of Times Expected to be Drawn"),
        QString::number(facts.expected));
    addPair("Label4", "Text4", tr("Date Last Drawn"), qs(facts.lastDrawn));
    addPair("Label3", "Text3", tr("Number of Draws Since Last Drawn"),
        QString::number(facts.drawsSince));
    layout->addWidget(frame);

    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setToolTip(tr("Closes this form."));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

} // namespace pickwise
