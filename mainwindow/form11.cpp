#include "mainwindow/form11.h"

#include "mainwindow/mainrules.h"
#include "platform/widgets.h"
#include "printing/printing.h"

#include <QCheckBox>
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
    Check1 = new QCheckBox(QStringLiteral("Print directly"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(
        QStringLiteral("Sends printouts straight to the printer, without showing them first"));
    Check1->setChecked(readPrintDirectly(m_context.paths.printDirectly()));
    frameLayout->addWidget(Check1);
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
    if (Check1->isChecked() != readPrintDirectly(m_context.paths.printDirectly())) {
        const std::string error
            = writePrintDirectly(m_context.paths.printDirectly(), Check1->isChecked());
        if (!error.empty())
            m_platform.dialogs.message(error);
    }
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
