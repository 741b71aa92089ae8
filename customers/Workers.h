#pragma once

#include <QString>
#include <QStringList>

#include "core/records/TableRows.h"

namespace lanze {

class Database;

// The workers (员工列表) who carry out and deliver orders. Orders find a worker by 姓名 as it was when
// they were dispatched: renaming a worker leaves existing orders as they are.
class Workers {
  public:
    static inline const QString kConfirmDelete = QStringLiteral("确实要删除吗？");
    static inline const QString kCommissionCaption = QStringLiteral("提成金额");
    static inline const QString kCommissionTitle =
        QStringLiteral("订单次数提成（设置成按工作人员提成时才生效）");
    static inline const QString kCommissionNote = QStringLiteral("设置成按送餐员提成时才生效");

    static TableRows rows(Database& db) { return TableRows::byRowId(db, QStringLiteral("员工列表")); }

    // The editor's boxes into the row. An empty commission is stored empty; one that is not a number
    // gives the refusal text and nothing is set.
    static QString fill(RowValues& row, const QString& name, const QString& phone, const QString& vehicle,
                        const QString& commissionText);

    // 姓名 of every worker in table order: the main window's worker filter.
    static QStringList names(Database& db);
};

}  // namespace lanze
