#pragma once

#include <QString>
#include <optional>

#include "core/types/Money.h"

namespace lanze {

// The quantity typed into the dish-return dialog.
class DishReturn {
  public:
    static inline const QString kPrompt = QStringLiteral("请输入退菜数量");
    static inline const QString kRefused = QStringLiteral("退菜数量必须是大于0的数字");

    // The quantity to return: a number above 0. Anything else (text, 0, a negative quantity, which
    // would add to the order instead) gives nothing.
    static std::optional<Money> quantity(const QString& text) {
        const std::optional<Money> q = Money::parse(text);
        if (!q || *q <= Money()) {
            return std::nullopt;
        }
        return q;
    }
};

}  // namespace lanze
