#include "mainwindow/form2.h"

#include "core/game.h"
#include "core/results.h"
#include "mainwindow/mainrules.h"
#include "platform/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

Form2::Form2(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(qs(mainrules::addResultCaption(m_session.drawDate())));

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setFixedWidth(44);
        box->setMaxLength(6);
        box->setAlignment(Qt::AlignCenter);
        m_boxes[static_cast<size_t>(i)] = box;
        grid->addWidget(box, 1, i < 6 ? i : 7);
    }
    grid->setColumnMinimumWidth(6, 16);
    auto *Label2 = new QLabel(QStringLiteral("Bonus"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(Label2, 0, 7, Qt::AlignHCenter);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("Add"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] { add(); });
    connect(Command2, &QPushButton::clicked, this, [this] { close(); });
}

void Form2::add()
{
    std::array<std::string, 7> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = m_boxes[i]->text().toStdString();
    Draw draw {};
    switch (mainrules::readDrawInput(texts, draw, matrixFor(m_session.drawDate()))) {
    case mainrules::DrawInput::OutOfRange:
        m_platform.dialogs.message(mainmsg::outOfRange);
        return;
    case mainrules::DrawInput::Duplicate:
        m_platform.dialogs.message(mainmsg::duplicates);
        return;
    case mainrules::DrawInput::Valid:
        break;
    }
    const std::string error
        = results::insertDraw(m_context.paths.results(), m_session.drawDate(), draw);
    if (!error.empty()) {
        m_platform.dialogs.message(error);
        return;
    }
    // drawpos stays 0: a following Delete Draw looks the new draw up first.
    m_session.showDraw(draw);
    close();
}

} // namespace pickwise
