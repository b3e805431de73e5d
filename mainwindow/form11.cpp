#include "mainwindow/form11.h"

#include "core/printing.h"
#include "mainwindow/mainrules.h"
#include "platform/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pickwise {

Form11::Form11(Context &context, QWidget *parent)
    : ChildWindow(parent), m_context(context), m_platform(context.platform)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Printer Selection"));

    auto *layout = new QVBoxLayout(this);
    auto *Frame1 = new QGroupBox(QStringLiteral("Select Printer"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *frameLayout = new QVBoxLayout(Frame1);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(260);
    frameLayout->addWidget(Combo1);
    layout->addWidget(Frame1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    const std::string saved = readSavedPrinter(m_context.paths.savedPrinter());
    std::vector<std::string> names;
    int chosen = 0;
    if (m_platform.printer.installedPrinters(names)) {
        for (size_t i = 0; i < names.size(); ++i) {
            Combo1->addItem(qs(names[i]));
            if (names[i] == saved)
                chosen = static_cast<int>(i);
        }
    }
    if (Combo1->count() == 0) {
        Combo1->addItem(QString::fromUtf8(mainmsg::noPrinters));
        chosen = 0;
    }
    Combo1->setCurrentIndex(chosen);

    connect(Command1, &QPushButton::clicked, this, [this] { close(); });
}

bool Form11::aboutToClose()
{
    const std::string choice = Combo1->currentText().toStdString();
    std::vector<std::string> names;
    if (!m_platform.printer.installedPrinters(names))
        return true;
    for (const std::string &name : names) {
        if (name.empty() || name != choice)
            continue;
        if (!m_platform.printer.setCurrentPrinter(name))
            continue;
        const std::string error = writeSavedPrinter(m_context.paths.savedPrinter(), name);
        if (!error.empty())
            m_platform.dialogs.message(error);
        m_context.printerok = true;
        break;
    }
    return true;
}

} // namespace pickwise
