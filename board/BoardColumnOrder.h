#pragma once

#include <QString>
#include <QStringList>

namespace lanze {

class Database;
class Messages;

// The order of the board's columns as the operator dragged them, kept in 主窗口订单显示顺序 so that the
// next start shows the same layout.
class BoardColumnOrder {
  public:
    static inline const QString kDisplayError = QStringLiteral("数据显示错误，请重新登录软件！！");

    struct Restored {
        bool ok = true;
        // The field name of each column from the left. After a failure: the names given out before it;
        // the remaining columns keep their design-time fields.
        QStringList fields;
    };

    // Replaces the stored order with the field names of the columns from the left, all in one
    // transaction: a failure leaves the previous order in place. Throws DbError.
    static void save(Database& db, const QStringList& fieldsLeftToRight);

    // Reads the stored order for a board of columnCount columns. When it does not fit (more rows than
    // columns) or cannot be read, the stored order is deleted so that the next start uses the design-time
    // layout, and the display error is shown.
    static Restored restore(Database& db, int columnCount, Messages& messages);
};

}  // namespace lanze
