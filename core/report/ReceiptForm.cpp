#include "core/report/ReceiptForm.h"

#include <QStringList>
#include <cmath>

#include "core/text/ReceiptWrap.h"

namespace lanze {

namespace {

constexpr double kRow = 20;  // one line of the title and summary bands, pixels

QString literal(QString text) {
    return text.replace(QLatin1Char('['), QStringLiteral("[["));
}

int lineCount(const QString& text) {
    return int(text.count(QLatin1Char('\r')) + 1);
}

// Places items on bands in form pixels; the template itself is in millimetres.
class FormBuilder {
  public:
    FormBuilder(ReceiptForm::Width width, double fontSize) : width_(width) {
        t_.pageWidth = ReceiptForm::pageWidthMm(width);
        t_.font.size = fontSize;
        t_.marginBottom = 0;  // the page length formulas already hold the bottom space
    }

    double bandWidth() const { return width_ == ReceiptForm::Width::Mm76 ? 268 : 200; }

    void band(ReportBand::Kind kind) {
        finishBand();
        t_.addBand(kind, 0);
        y_ = 0;
    }
    void setBandHeight(double px) {
        finishBand();
        t_.bands.back().height = px * ReceiptForm::kPixelMm;
        y_ = px;
    }

    // An item of the current band at a place given in form pixels.
    ReportItem& place(ReportItem::Kind kind, double x, double y, double w, double h) {
        ReportItem it;
        it.kind = kind;
        it.x = x * ReceiptForm::kPixelMm;
        it.y = y * ReceiptForm::kPixelMm;
        it.w = w * ReceiptForm::kPixelMm;
        it.h = h * ReceiptForm::kPixelMm;
        t_.bands.back().items.push_back(it);
        bottom_ = std::max(bottom_, y + h);
        return t_.bands.back().items.back();
    }
    ReportItem& text(double x, double y, double w, double h, const QString& text) {
        ReportItem& it = place(ReportItem::Kind::Text, x, y, w, h);
        it.text = text;
        it.font = t_.font;
        return it;
    }
    // A full-width line of text at the cursor; multi-line texts take one row per line.
    ReportItem& row(const QString& content, double height = kRow) {
        const double h = height * lineCount(content);
        ReportItem& it = text(0, y_, bandWidth(), h, content);
        y_ += h;
        return it;
    }
    void line(double y, bool dashed) {
        ReportItem it;
        it.kind = ReportItem::Kind::Line;
        it.x = 0;
        it.x2 = bandWidth() * ReceiptForm::kPixelMm;
        it.y = it.y2 = y * ReceiptForm::kPixelMm;
        it.dashed = dashed;
        t_.bands.back().items.push_back(it);
        bottom_ = std::max(bottom_, y + 1);
    }
    void box(double x, double y, double w, double h) { place(ReportItem::Kind::Box, x, y, w, h); }
    void picture(double x, double y, double w, double h, const QString& file) {
        place(ReportItem::Kind::Picture, x, y, w, h).text = file;
    }
    void skip(double px) { y_ += px; }
    double y() const { return y_; }

    ReportTemplate finish() {
        finishBand();
        return t_;
    }
    ReportTemplate& report() { return t_; }

  private:
    // A band is as tall as its cursor or its lowest item, unless set explicitly.
    void finishBand() {
        if (t_.bands.empty()) {
            return;
        }
        ReportBand& b = t_.bands.back();
        if (b.height == 0) {
            b.height = std::max(y_, bottom_) * ReceiptForm::kPixelMm;
        }
        bottom_ = 0;
    }

    ReceiptForm::Width width_;
    ReportTemplate t_;
    double y_ = 0;
    double bottom_ = 0;
};

}  // namespace

ReceiptForm::Width ReceiptForm::widthFor(const QString& printWidthSetting) {
    return printWidthSetting == QLatin1String("58mm") ? Width::Mm58 : Width::Mm76;
}

double ReceiptForm::pageWidthMm(Width width) {
    return width == Width::Mm76 ? 75.0 : 56.9;
}

int ReceiptForm::pageLength(Layout layout, Width width, int lines, int bottomMargin) {
    const bool wide = width == Width::Mm76;
    switch (layout) {
        case Layout::Normal:
            return wide ? 24 * lines + bottomMargin + 426 : 32 * lines + 418;
        case Layout::Kitchen:
            return wide ? 24 * lines + bottomMargin + 126 : 32 * lines + 118;
        case Layout::Copy1:
        case Layout::Copy2:
        case Layout::Copy3:
            return 24 * lines + bottomMargin + 475;
    }
    return 0;
}

ReportRows ReceiptForm::rows(const QList<ReceiptLine>& lines) {
    ReportRows r;
    r.columns = {QStringLiteral("产品名称"), QStringLiteral("口味"), QStringLiteral("单价"),
                 QStringLiteral("数量"), QStringLiteral("应付货款")};
    for (const ReceiptLine& l : lines) {
        r.rows.append({l.item, l.taste, l.unitPrice, l.quantity, l.amount});
    }
    return r;
}

ReportTemplate ReceiptForm::build(Layout layout, Width width, const ReceiptValues& v) {
    const bool wide = width == Width::Mm76;
    const bool kitchen = layout == Layout::Kitchen;
    FormBuilder f(width, wide ? 9 : 8);
    const double w = f.bandWidth();
    ReportTemplate& t = f.report();
    static const char* const names[] = {"普通小票", "反馈三联单第一联", "反馈三联单第二联",
                                        "反馈三联单第三联", "后厨小票"};
    t.name = QStringLiteral("%1（%2）")
                 .arg(QString::fromUtf8(names[int(layout)]),
                      wide ? QStringLiteral("76mm") : QStringLiteral("58mm"));
    if (!kitchen) {
        // The store's margins replace the form's own on the receipts a customer gets.
        if (v.marginLeft) {
            t.marginLeft = *v.marginLeft;
        }
        if (v.marginRight) {
            t.marginRight = *v.marginRight;
        }
        if (v.marginTop) {
            t.marginTop = *v.marginTop;
        }
    }
    const double row = kitchen ? 18 : kRow;

    // Title band.
    f.band(ReportBand::Kind::Title);
    const double titleHeight = kitchen ? 30 : 36;
    const double titleLeft = v.printLogo ? 1000 : v.titleLeft;
    ReportItem& title = f.text(titleLeft, 0, w, titleHeight, literal(v.storeName));
    title.font.size = wide ? 15 : 13;
    title.font.bold = true;
    if (v.printLogo && !v.logoFile.isEmpty()) {
        f.picture(0, 0, w, titleHeight, v.logoFile);
    }
    f.skip(titleHeight + 2);
    const int addressWidth = wide ? 28 : 20;
    if (kitchen) {
        f.row(QStringLiteral("来电时间：") + literal(v.printTime), row);
        f.row(QStringLiteral("订单号码：") + literal(v.orderNumber), row);
    } else {
        // On the 58 mm normal receipt the delivery time and the dashed line under it are left blank.
        const bool blankDelivery = !wide && layout == Layout::Normal;
        f.row(blankDelivery ? QString() : QStringLiteral("上门时间：") + literal(v.deliveryTime));
        if (!blankDelivery) {
            f.line(f.y() + 1, true);
        }
        f.skip(3);
        f.row(QStringLiteral("订单号码：") + literal(v.orderNumber));
        f.row(QStringLiteral("员工姓名：") + literal(v.staff));
        f.row(QStringLiteral("姓    名：") + literal(v.customerName));
        if (layout == Layout::Normal) {
            f.row(QStringLiteral("积  分：") + literal(v.points));
        }
        const bool wrapPhone = !wide && layout == Layout::Normal;
        f.row(QStringLiteral("联系电话：") + literal(wrapPhone ? ReceiptWrap::wrap(20, v.phone) : v.phone));
        f.row(QStringLiteral("地    址：") + literal(ReceiptWrap::wrap(addressWidth, v.address)));
        f.row(QStringLiteral("单    位：") + literal(v.company));
        f.row(QStringLiteral("金额合计：") + literal(v.total));
    }
    ReportItem& section = f.row(kitchen ? QStringLiteral("订餐明细") : literal(v.sectionTitle), row + 2);
    section.font.bold = true;
    section.align = ReportItem::Align::Center;

    // Column header and detail band.
    struct Column {
        QString caption;
        QString field;
        double x, w;
        ReportItem::Align align;
    };
    QList<Column> columns;
    using A = ReportItem::Align;
    double detailHeight = 24;
    bool tasteUnderItem = false;
    if (kitchen) {
        detailHeight = wide ? 24 : 32;
        if (wide) {
            columns = {{QStringLiteral("服务项目"), QStringLiteral("产品名称"), 0, 140, A::Left},
                       {QStringLiteral("要求"), QStringLiteral("口味"), 140, 88, A::Left},
                       {QStringLiteral("份数"), QStringLiteral("数量"), 228, 40, A::Right}};
        } else {
            columns = {{QStringLiteral("服务项目"), QStringLiteral("产品名称"), 0, 110, A::Left},
                       {QStringLiteral("口味"), QStringLiteral("口味"), 110, 60, A::Left},
                       {QStringLiteral("份"), QStringLiteral("数量"), 170, 30, A::Right}};
        }
    } else if (layout == Layout::Normal) {
        if (wide) {
            columns = {{QStringLiteral("服务项目"), QStringLiteral("产品名称"), 0, 100, A::Left},
                       {QStringLiteral("要求"), QStringLiteral("口味"), 100, 60, A::Left},
                       {QStringLiteral("单价"), QStringLiteral("单价"), 160, 36, A::Right},
                       {QStringLiteral("数量"), QStringLiteral("数量"), 196, 28, A::Right},
                       {QStringLiteral("合计"), QStringLiteral("应付货款"), 224, 44, A::Right}};
            if (!v.printTaste) {
                columns.removeAt(1);
            }
        } else {
            detailHeight = 32;
            tasteUnderItem = true;
            columns = {{QStringLiteral("服务项目"), QStringLiteral("产品名称"), 0, 92, A::Left},
                       {QStringLiteral("单价"), QStringLiteral("单价"), 92, 36, A::Right},
                       {QStringLiteral("数量"), QStringLiteral("数量"), 128, 28, A::Right},
                       {QStringLiteral("小计"), QStringLiteral("应付货款"), 156, 44, A::Right}};
        }
    } else if (wide) {
        columns = {{QStringLiteral("服务项目"), QStringLiteral("产品名称"), 0, 120, A::Left},
                   {QStringLiteral("要求"), QStringLiteral("口味"), 120, 70, A::Left},
                   {QStringLiteral("数量"), QStringLiteral("数量"), 190, 30, A::Right},
                   {QStringLiteral("合计"), QStringLiteral("应付货款"), 220, 48, A::Right}};
    } else {
        columns = {{QStringLiteral("服务项目"), QStringLiteral("产品名称"), 0, 82, A::Left},
                   {QStringLiteral("要求"), QStringLiteral("口味"), 82, 52, A::Left},
                   {QStringLiteral("数量"), QStringLiteral("数量"), 134, 26, A::Right},
                   {QStringLiteral("合计"), QStringLiteral("应付货款"), 160, 40, A::Right}};
    }
    f.band(ReportBand::Kind::Header);
    for (const Column& c : columns) {
        ReportItem& it = f.text(c.x, 0, c.w, row, c.caption);
        it.font.bold = true;
        it.align = c.align;
    }
    f.line(row, false);
    f.setBandHeight(row + 2);

    f.band(ReportBand::Kind::Data);
    const double cellHeight = tasteUnderItem ? 16 : detailHeight - 4;
    for (const Column& c : columns) {
        ReportItem& it = f.text(c.x, 2, c.w, cellHeight, QLatin1Char('[') + c.field + QLatin1Char(']'));
        it.align = c.align;
        if (kitchen) {
            it.font.size += 2;
            it.font.bold = c.field != QStringLiteral("口味");
        }
    }
    if (tasteUnderItem) {
        ReportItem& taste = f.text(8, 17, w - 8, 14, QStringLiteral("[口味]"));
        taste.font.size = 7;
    }
    f.setBandHeight(detailHeight);

    // Summary band.
    if (!kitchen) {
        f.band(ReportBand::Kind::Summary);
        f.line(2, true);
        f.skip(4);
        f.row(QStringLiteral("来电时间：") + literal(v.printTime));
        if (layout != Layout::Copy3) {
            f.row(QStringLiteral("制 单 人：") + literal(v.operatorName));
        }
        if (layout == Layout::Normal) {
            const QString remark = v.wrapRemark ? ReceiptWrap::wrap(20, v.dispatchRemark) : v.dispatchRemark;
            ReportItem& it = f.row(QStringLiteral("备注：") + literal(remark));
            it.wrap = !v.wrapRemark;
        } else if (layout == Layout::Copy2) {
            ReportItem& it = f.row(QStringLiteral("发货备注：") + literal(v.dispatchRemark));
            it.wrap = true;
        }
        if (layout == Layout::Normal || layout == Layout::Copy2) {
            for (const QString& footer : {v.slogan, v.storePhone, v.webAddress}) {
                f.row(literal(footer));
            }
        }
        if (layout == Layout::Copy1) {
            ReportItem& ask = f.row(QStringLiteral("请您评价我们的服务，非常感谢"));
            ask.font.bold = true;
            const double y = f.y() + 2;
            const double step = w / 3;
            const QStringList choices = {QStringLiteral("非常满意"), QStringLiteral("基本满意"),
                                         QStringLiteral("不满意")};
            for (int i = 0; i < choices.size(); ++i) {
                f.box(i * step, y + 4, 11, 11);
                f.text(i * step + 14, y, step - 14, kRow, choices.at(i));
            }
            f.skip(kRow + 8);
            f.text(0, f.y() + 6, 70, kRow, QStringLiteral("客户签名"));
            f.line(f.y() + 6 + kRow, false);
            f.skip(kRow + 12);
        }
    }
    ReportTemplate done = f.finish();
    done.name = t.name;
    const int length = pageLength(layout, width, 0, v.bottomMargin);
    done.pageHeight = length * kPixelMm;
    return done;
}

LaidOutReport ReceiptForm::layOut(Layout layout, Width width, const ReceiptValues& values,
                                  const QList<ReceiptLine>& lines) {
    ReportTemplate t = build(layout, width, values);
    // The page grows with the cart: the formulas give the length for this many lines.
    t.pageHeight = pageLength(layout, width, int(lines.size()), values.bottomMargin) * kPixelMm;
    return ReportLayout::layOut(t, VariableMap(), rows(lines));
}

}  // namespace lanze
