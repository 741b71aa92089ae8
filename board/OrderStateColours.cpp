#include "board/OrderStateColours.h"

namespace lanze {

QColor OrderStateColours::fromWindowsValue(int value) {
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

OrderStateLook OrderStateColours::look(bool dispatched, bool paid) {
    if (!dispatched && !paid) {
        return {fromWindowsValue(15780518), QStringLiteral("未派工，未交款："),
                QStringLiteral("未发货未收款")};
    }
    if (!dispatched) {
        return {fromWindowsValue(12639424), QStringLiteral("未派工，已收款："),
                QStringLiteral("未发货已收款")};
    }
    if (!paid) {
        return {fromWindowsValue(9803263), QStringLiteral("已派工，未交款："),
                QStringLiteral("已发货未收款")};
    }
    return {fromWindowsValue(11206655), QStringLiteral("已交款，已派工："), QStringLiteral("已发货已收款")};
}

}  // namespace lanze
