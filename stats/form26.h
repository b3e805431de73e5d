#pragma once

#include "platform/childwindow.h"
#include "stats/drawstats.h"

#include <cstdint>

namespace pickwise {

struct Platform;
struct Context;
struct GameMatrix;

// The ball information window: four facts about one ball (infoball) in the
// view the statistics window last showed, over the draws of the game it
// showed in the whole history. The opener
// sets the caption and re-enables itself on closed().
class Form26 : public ChildWindow
{
    Q_OBJECT

public:
    Form26(Context &context, stats::View view, int16_t infoball, const GameMatrix &game,
        QWidget *parent = nullptr);

    int16_t infoball() const { return m_infoball; }

private:
    int16_t m_infoball;
};

} // namespace pickwise
