#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/report/ReportLayout.h"

namespace lanze {

// What the receipts print above and below the cart lines. Texts are printed as given.
struct ReceiptValues {
    QString storeName;
    bool printLogo = false;  // the logo picture takes the title's place (the title moves off the paper)
    QString logoFile;        // full path of 店标.bmp
    int titleLeft = 0;       // left position of the store-name title, form pixels
    QString deliveryTime;    // 上门时间
    QString orderNumber;
    QString staff;  // 员工姓名 (delivery staff)
    QString customerName;
    QString points;
    QString phone;
    QString address;
    QString company;
    QString total;
    QString sectionTitle = QStringLiteral("服务明细");
    QString printTime;  // 来电时间
    QString operatorName;
    QString dispatchRemark;
    bool wrapRemark = true;  // false: the remark is printed as stored (board reprint)
    QString slogan;
    QString storePhone;
    QString webAddress;
    bool printTaste = true;  // taste column of the 76 mm normal receipt
    // Store margins in millimetres; unset keeps the form's 2 mm.
    std::optional<int> marginLeft, marginRight, marginTop;
    int bottomMargin = 0;  // 下边距, added to the page length (form pixels)
};

struct ReceiptLine {
    QString item;
    QString taste;
    QString unitPrice;
    QString quantity;
    QString amount;  // the line amount (应付货款)
};

// The two built-in receipt forms for 58 mm and 76 mm roll printers, each with five layouts: the
// normal receipt, the three copies of the feedback triplicate and the kitchen ticket. Positions and
// page lengths are in form pixels, 96 to the inch; the bands are 268 pixels wide on the 76 mm form and
// 200 on the 58 mm form.
class ReceiptForm {
  public:
    enum class Width { Mm58, Mm76 };
    enum class Layout { Normal, Copy1, Copy2, Copy3, Kitchen };

    static constexpr double kPixelMm = 25.4 / 96;

    // "58mm" selects the 58 mm form; anything else the 76 mm one.
    static Width widthFor(const QString& printWidthSetting);
    static double pageWidthMm(Width width);  // 56.9 and 75.0
    // Page length in form pixels for this many cart lines.
    static int pageLength(Layout layout, Width width, int lines, int bottomMargin);

    static ReportTemplate build(Layout layout, Width width, const ReceiptValues& values);
    static ReportRows rows(const QList<ReceiptLine>& lines);
    static LaidOutReport layOut(Layout layout, Width width, const ReceiptValues& values,
                                const QList<ReceiptLine>& lines);
};

}  // namespace lanze
