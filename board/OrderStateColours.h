#pragma once

#include <QColor>
#include <QString>

namespace lanze {

// The four states an order can be in, from its dispatched and paid flags, and how the board shows them.
struct OrderStateLook {
    QColor rowColour;       // background of every cell of the order's row while colours are on
    QString legendCaption;  // the legend panel on the bottom bar
    QString statusText;     // the 订单状态 text the writers normally store for this state
};

class OrderStateColours {
  public:
    static OrderStateLook look(bool dispatched, bool paid);
    static QColor rowColour(bool dispatched, bool paid) { return look(dispatched, paid).rowColour; }
    // A colour given as a Windows colour value (blue in the high byte, red in the low byte).
    static QColor fromWindowsValue(int value);
};

}  // namespace lanze
