#include "mainwindow/form3.h"

#include "core/history.h"
#include "mainwindow/mainrules.h"
#include "platform/widgets.h"
#include "printing/printing.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

Form3::Form3(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Draw Results for Lotto"));

    auto *layout = new QVBoxLayout(this);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(listFont());
    List1->setUniformItemSizes(true);
    List1->setMinimumWidth(
        QFontMetrics(List1->font()).horizontalAdvance(QString(44, QLatin1Char('0'))));
    List1->setMinimumHeight(360);
    layout->addWidget(List1, 1);
    auto *Label1 = new QLabel(
        QStringLiteral("Double-click entry to select result for the main screen"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command2 = new QPushButton(QStringLiteral("Print List"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    Command2->setEnabled(m_context.printerok);
    ResultsHistory history(m_context.paths.results());
    const std::string error = history.load();
    if (!error.empty())
        m_platform.dialogs.message(error);
    const std::vector<BallRecord> draws = history.records();
    QStringList lines;
    lines.reserve(static_cast<int>(draws.size()));
    for (const BallRecord &draw : draws)
        lines << qs(mainrules::historyLineText(draw));
    List1->addItems(lines);
    // The newest draws are the likely picks.
    List1->scrollToBottom();

    connect(List1, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem *item) { pick(item); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        printlist(listLines(List1), documentName("draw history", m_platform.clock),
            printOutputOf(m_context));
    });
    connect(Command1, &QPushButton::clicked, this, [this] { close(); });
}

void Form3::pick(QListWidgetItem *item)
{
    Date date;
    if (item && mainrules::historyLineDate(item->text().toStdString(), date))
        m_session.pickDrawDate(date);
}

} // namespace pickwise
