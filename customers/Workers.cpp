#include "customers/Workers.h"

#include "core/db/Query.h"
#include "core/types/NumberInput.h"

namespace lanze {

QString Workers::fill(RowValues& row, const QString& name, const QString& phone, const QString& vehicle,
                      const QString& commissionText) {
    const NumberReading<Money> commission = NumberInput::money(commissionText, kCommissionCaption);
    if (!commission.ok()) {
        return commission.refusal;
    }
    row.setText(QStringLiteral("姓名"), name);
    row.setText(QStringLiteral("电话"), phone);
    row.setText(QStringLiteral("所用车辆"), vehicle);
    if (commission.value) {
        row.setMoney(QStringLiteral("送餐次数提成"), *commission.value);
    } else {
        row.setNull(QStringLiteral("送餐次数提成"));
    }
    return QString();
}

QStringList Workers::names(Database& db) {
    Query q(db, QStringLiteral("select * from 员工列表"));
    q.exec();
    QStringList out;
    while (q.next()) {
        out << q.text(QStringLiteral("姓名"));
    }
    return out;
}

}  // namespace lanze
