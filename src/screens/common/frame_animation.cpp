#include "frame_animation.h"

#include <QWidget>

namespace piyota {

void alternateFrames(BlinkState &blinkState, std::initializer_list<QWidget *> shownWhenSet,
                     std::initializer_list<QWidget *> shownWhenClear)
{
    const bool set = blinkState != 0;
    for (QWidget *frame : shownWhenSet)
        frame->setVisible(set);
    for (QWidget *frame : shownWhenClear)
        frame->setVisible(!set);
    blinkState = static_cast<BlinkState>(~blinkState);
}

} // namespace piyota
