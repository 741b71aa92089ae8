#include "settings/TicketTemplates.h"

#include <QStringList>

namespace lanze {

QString TicketTemplates::customTicket(const QString& style, const QString& language) {
    if (language == QStringLiteral("英语")) {
        return QStringLiteral("自定义报表英文版.frf");
    }
    static const QStringList styles = {QStringLiteral("样式一"), QStringLiteral("样式二"),
                                       QStringLiteral("样式三"), QStringLiteral("样式四"),
                                       QStringLiteral("样式五"), QStringLiteral("样式六")};
    const int n = styles.indexOf(style);
    return n <= 0 ? QStringLiteral("自定义报表.frf") : QStringLiteral("自定义报表%1.frf").arg(n + 1);
}

QString TicketTemplates::ticketB() {
    return QStringLiteral("B小票.frf");
}

QString TicketTemplates::ticketC(const QString& type) {
    return type == QStringLiteral("多菜一单") ? QStringLiteral("C小票.frf")
                                              : QStringLiteral("后厨一菜一单.frf");
}

}  // namespace lanze
