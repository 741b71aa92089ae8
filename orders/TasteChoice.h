#pragma once

#include <QString>
#include <QStringList>

#include "core/types/Money.h"

namespace lanze {

class Database;

// The tastes of one cart line as the taste editor builds them: each chosen taste is appended to the
// line's taste text, joined by ",", and its surcharge (口味.加价) is added to the line's current price.
class TasteChoice {
  public:
    static inline const QString kHint = QStringLiteral("通过此功能，可以为一个菜品设置多种口味");

    TasteChoice() = default;
    TasteChoice(QString tastes, Money basePrice, Money currentPrice)
        : tastes_(std::move(tastes)), basePrice_(basePrice), price_(currentPrice) {}

    // Every taste name of the table, in table order.
    static QStringList names(Database& db);

    // Appends the taste and adds its surcharge; a taste without a surcharge (or no longer in the
    // table) adds nothing. Throws DbError.
    void choose(Database& db, const QString& taste);

    const QString& tastes() const { return tastes_; }
    void setTastes(const QString& tastes) { tastes_ = tastes; }
    Money basePrice() const { return basePrice_; }
    Money price() const { return price_; }
    void setPrice(Money price) { price_ = price; }

  private:
    QString tastes_;
    Money basePrice_;
    Money price_;
};

}  // namespace lanze
