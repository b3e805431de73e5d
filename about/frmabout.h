#pragma once

#include "platform/childwindow.h"
#include "platform/platform.h"

namespace pickwise {

// The About window: version, a disclaimer and a way to the system information.
class frmAbout : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmAbout(Platform &platform, QWidget *parent = nullptr);

private:
    Platform &m_platform;
};

} // namespace pickwise
