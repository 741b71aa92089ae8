#pragma once

#include <QString>
#include <QStringList>

#include "core/report/TemplateParser.h"

namespace lanze {

// The template files of a store folder and the defaults built into the program.
class ReportTemplates {
  public:
    static inline const QString kCustom = QStringLiteral("自定义报表.frf");
    static inline const QString kCustomEnglish = QStringLiteral("自定义报表英文版.frf");
    static inline const QString kTicketB = QStringLiteral("B小票.frf");
    static inline const QString kTicketC = QStringLiteral("C小票.frf");
    static inline const QString kKitchenPerLine = QStringLiteral("后厨一菜一单.frf");
    static inline const QString kMemberCardReceipt = QStringLiteral("会员卡办卡收据.frf");
    static inline const QString kPurchaseDocument = QStringLiteral("采购入库单据表.frf");
    static inline const QString kPurchaseLines = QStringLiteral("采购入库明细表.frf");

    // Every template the program ships, in a fixed order.
    static QStringList defaultNames();
    // The shipped text of a template; empty when the program ships none by that name.
    static QString builtInText(const QString& fileName);

    // Writes each shipped template that the folder lacks (existing files are kept as the shop edited
    // them). Returns the names written; *error tells of a file that could not be written.
    static QStringList installMissing(const QString& folder, QString* error = nullptr);
    // Reads folder/fileName. A shipped template missing from the folder is written there first; any
    // other missing file is reported as a fault.
    static TemplateLoad load(const QString& folder, const QString& fileName);

    // The custom receipt for the station's language and style: the English one for any language but
    // "简体中文", else 样式一 … 样式六; empty for a style it does not know.
    static QString customTemplateFor(const QString& language, const QString& style);
    // Other ticket 2: one ticket for all items ("多菜一单") or one ticket per item.
    static QString kitchenTicketFor(const QString& ticketType);
};

}  // namespace lanze
