#pragma once

#include <QString>
#include <QTime>
#include <optional>

#include "core/records/TableRows.h"

namespace lanze {

class Database;

// Discount periods (优惠时段): a start and an end time of day as "hh:mm:ss" text and a discount rate.
// A period applies when start <= now <= end; one that runs over midnight (22:00 to 02:00) is stored as
// entered and therefore never applies.
class DiscountPeriods {
  public:
    static inline const QString kRateEmpty = QStringLiteral("折扣率不能为空");
    static inline const QString kConfirmDelete = QStringLiteral("确实要进行删除吗？？");
    static inline const QString kTimeFormat = QStringLiteral("hh:mm:ss");

    static TableRows rows(Database& db) { return TableRows::byRowId(db, QStringLiteral("优惠时段")); }

    // "新建": adds a period; an empty or bad rate gives the refusal text and nothing is added. Start
    // after end, overlaps and duplicates are accepted. Throws DbError.
    static QString add(Database& db, const QTime& from, const QTime& to, const QString& rateText);

    // The rate of the first period that holds the time of day; nothing when none does.
    static std::optional<double> rateAt(Database& db, const QTime& time);
};

}  // namespace lanze
