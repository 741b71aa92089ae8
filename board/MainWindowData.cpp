#include "board/MainWindowData.h"

#include "core/db/Query.h"
#include "customers/Regions.h"
#include "customers/Workers.h"

namespace lanze {

QStringList MainWindowData::staffNames(Database& db) {
    return Workers::names(db);
}

QStringList MainWindowData::regions(Database& db) {
    return Regions::filterList(db);
}

bool MainWindowData::colourDisplay(Database& db) {
    Query q(db, QStringLiteral("select * from 颜色显示"));
    return q.first() && q.yesNo(QStringLiteral("需要颜色"));
}

void MainWindowData::setColourDisplay(Database& db, bool on) {
    Query(db, QStringLiteral("update 颜色显示 set 需要颜色=:需要颜色"))
        .bindYesNo(QStringLiteral("需要颜色"), on)
        .exec();
}

QString MainWindowData::printStyle(Database& db) {
    Query q(db, QStringLiteral("select * from 店名"));
    return q.first() ? q.text(QStringLiteral("打印样式")) : QString();
}

QString MainWindowData::smsAccountUser(Database& db) {
    Query q(db, QStringLiteral("select * from 短信帐户"));
    return q.first() ? q.text(QStringLiteral("用户名")) : QString();
}

bool MainWindowData::birthdaysOn(Database& db, const QDate& date) {
    Query q(db, QStringLiteral("select * from 客户资料 where 生日月=:生日月 and 生日日=:生日日"));
    q.bindInteger(QStringLiteral("生日月"), date.month()).bindInteger(QStringLiteral("生日日"), date.day());
    return q.first();
}

}  // namespace lanze
