#pragma once

#include "platform/childwindow.h"

namespace pickwise {

struct Platform;
struct SharedState;

// The ball information window: four facts about `infoball` in the view the
// statistics window last showed (`statview`), over the whole history. The
// opener sets the caption and re-enables itself on closed().
class Form26 : public ChildWindow
{
    Q_OBJECT

public:
    Form26(SharedState &state, Platform &platform, QWidget *parent = nullptr);
};

} // namespace pickwise
