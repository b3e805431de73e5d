#include "entries/editentry.h"

#include "core/entryfiles.h"
#include "entries/entryrules.h"
#include "mainwindow/session.h"
#include "platform/context.h"
#include "platform/platform.h"
#include "platform/widgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

editEntry::editEntry(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform),
      m_session(context.session)
{
    setObjectName(QStringLiteral("editEntry"));
    setWindowTitle(QStringLiteral("Edit Entry"));

    Frame1 = new QGroupBox(QStringLiteral("Selected Entry"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *boxes = new QHBoxLayout(Frame1);
    for (size_t i = 0; i < Text1.size(); ++i) {
        Text1[i] = new QLineEdit(Frame1);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMaximumWidth(48);
        Text1[i]->setAlignment(Qt::AlignCenter);
        boxes->addWidget(Text1[i]);
    }
    Command6 = new QPushButton(QStringLiteral("Change"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command5 = new QPushButton(QStringLiteral("Cancel"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command6);
    buttons->addWidget(Command5);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Command6, &QPushButton::clicked, this, &editEntry::change);
    connect(Command5, &QPushButton::clicked, this, &QWidget::close);

    Entry entry {};
    const std::string error = entryAt(m_session.entryfile(), m_session.editpos, entry);
    if (!error.empty()) {
        m_platform.dialogs.message("The entry could not be read (" + error + ").");
        return;
    }
    for (size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(qs(twoDigitText(entry[i])));
}

void editEntry::change()
{
    TypedBoxes typed;
    for (size_t i = 0; i < typed.size(); ++i)
        typed[i] = Text1[i]->text().toStdString();
    Entry entry {};
    const std::string fault
        = typedEntry(typed, entry, m_session.listingGame(m_platform.clock.today()));
    if (!fault.empty()) {
        m_platform.dialogs.message(fault);
        return;
    }
    const std::string error = entryfiles::rewrite(m_session.entryfile(), m_session.editpos, entry);
    if (!error.empty()) {
        m_platform.dialogs.message(
            "The entry could not be changed in the entry file (" + error + ").");
        return;
    }
    m_session.replaceListed(m_session.editpos - 1, entry);
    close();
}

} // namespace pickwise
