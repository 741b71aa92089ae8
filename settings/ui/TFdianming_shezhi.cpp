#include "settings/ui/TFdianming_shezhi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/SignInState.h"
#include "app/TDM.h"
#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/report/ReportTemplates.h"
#include "core/report/ui/TemplateDesigner.h"
#include "settings/LogoFile.h"
#include "settings/RecordingCleanup.h"
#include "settings/TableNumbers.h"
#include "settings/ui/ChoiceBox.h"

namespace lanze {

namespace {
const QString kCustomStyle = QStringLiteral("自定义报表");
constexpr QSize kLogoSize(430, 60);

// A line of widgets (labels given as text), left-aligned.
QWidget* line(const QList<QVariant>& parts) {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    for (const QVariant& p : parts) {
        if (p.canConvert<QWidget*>()) {
            h->addWidget(p.value<QWidget*>());
        } else {
            h->addWidget(new QLabel(p.toString()));
        }
    }
    h->addStretch(1);
    return w;
}
QVariant w(QWidget* widget) {
    return QVariant::fromValue(widget);
}

QSpinBox* spin(const char* name, int min, int max, int width = 70) {
    auto* s = new QSpinBox;
    s->setObjectName(QLatin1String(name));
    s->setRange(min, max);
    s->setFixedWidth(width);
    return s;
}

QLineEdit* edit(const char* name, int width = 0) {
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    if (width > 0) {
        e->setFixedWidth(width);
    }
    return e;
}

QCheckBox* check(const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption);
    c->setObjectName(QLatin1String(name));
    return c;
}

ChoiceBox* choices(const char* name, const QString& title, const QList<ChoiceBox::Choice>& list,
                   int columns = 0) {
    auto* c = new ChoiceBox(title, list, columns);
    c->setObjectName(QLatin1String(name));
    return c;
}

QComboBox* printerList(const char* name) {
    auto* c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->setMinimumWidth(220);
    return c;
}

// A printer check box and its list: unticking clears the list's text, and only a ticked box with a
// chosen printer names one.
void pairPrinter(QCheckBox* on, QComboBox* list) {
    QObject::connect(on, &QCheckBox::toggled, list, [list](bool ticked) {
        list->setEnabled(ticked);
        if (!ticked) {
            list->setCurrentIndex(-1);
        }
    });
}

void showPrinter(QCheckBox* on, QComboBox* list, const QStringList& installed, const QString& stored) {
    list->clear();
    list->addItems(installed);
    if (!stored.isEmpty() && !installed.contains(stored)) {
        list->addItem(stored);  // kept even while that printer is not installed on this station
    }
    on->setChecked(!stored.isEmpty());
    list->setEnabled(!stored.isEmpty());
    list->setCurrentIndex(stored.isEmpty() ? -1 : list->findText(stored));
}

SettingsForm::Printer printerOf(const QCheckBox* on, const QComboBox* list) {
    return {on->isChecked(), list->currentIndex() >= 0 ? list->currentText() : QString()};
}

QLabel* note(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #a04000;"));
    return l;
}
}  // namespace

TFdianming_shezhi::TFdianming_shezhi(TDM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    setWindowTitle(QStringLiteral("系统设置"));
    setModal(true);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("pages"));
    tabs_->addTab(buildBasicPage(), QStringLiteral("基础设置"));
    tabs_->addTab(buildPrintPage(), QStringLiteral("打印内容设置"));
    tabs_->addTab(buildOtherPage1(), QStringLiteral("其他设置一"));
    tabs_->addTab(buildOtherPage2(), QStringLiteral("其他设置二"));
    tabs_->addTab(buildOtherPage3(), QStringLiteral("其他设置三"));

    auto* saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("save"));
    auto* closeButton = new QPushButton(QStringLiteral("关闭"));
    closeButton->setObjectName(QStringLiteral("close"));
    connect(saveButton, &QPushButton::clicked, this, &TFdianming_shezhi::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
}

QWidget* TFdianming_shezhi::buildBasicPage() {
    programTitle_ = edit("programTitle", 360);

    display_ = choices("mainDisplay", QStringLiteral("主界面显示"),
                       {{QStringLiteral("默认显示全天订单"), QStringLiteral("全天")},
                        {QStringLiteral("分【中午】【下午】【夜间】显示-适合订单太多的情况，可以分开显示"),
                         QStringLiteral("上下午")}},
                       1);
    noonBoundary_ = new QTimeEdit;
    noonBoundary_->setObjectName(QStringLiteral("noonBoundary"));
    eveningBoundary_ = new QTimeEdit;
    eveningBoundary_->setObjectName(QStringLiteral("eveningBoundary"));
    for (QTimeEdit* t : {noonBoundary_, eveningBoundary_}) {
        t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    }
    auto* boundaryGroup = new QGroupBox(QStringLiteral("时间分界线"));
    auto* bl = new QVBoxLayout(boundaryGroup);
    bl->addWidget(line({QStringLiteral("中午和下午间隔："), w(noonBoundary_)}));
    bl->addWidget(line({QStringLiteral("下午和夜间间隔："), w(eveningBoundary_)}));
    boundaries_ = boundaryGroup;
    qobject_cast<QGridLayout*>(display_->layout())->addWidget(boundaryGroup, 2, 0);
    connect(display_, &ChoiceBox::valueChanged, this,
            [this](const QString& v) { boundaries_->setVisible(v == QStringLiteral("上下午")); });

    extend_ = check("extendBusinessDay", QStringLiteral("营业时间延长到次日"));
    extensionHour_ = spin("extensionHour", 0, 23, 60);
    hourEcho_ = new QLabel;
    hourEcho_->setObjectName(QStringLiteral("hourEcho"));
    connect(extensionHour_, &QSpinBox::textChanged, hourEcho_, &QLabel::setText);
    auto* extendGroup = new QGroupBox(QStringLiteral("营业时间延长"));
    auto* el = new QVBoxLayout(extendGroup);
    el->addWidget(line({w(extend_), w(extensionHour_), QStringLiteral("点，也就是说，次日"), w(hourEcho_),
                        QStringLiteral("点之前的订单都算前一日")}));

    afterSavePrint_ = choices("afterSavePrint", QStringLiteral("开单打印模式"),
                              {{QStringLiteral("不打印"), QStringLiteral("不打印")},
                               {QStringLiteral("打印预览"), QStringLiteral("打印预览")},
                               {QStringLiteral("直接打印"), QStringLiteral("直接打印")}});
    copies_ = spin("copies", 1, 99);
    copyPause_ = spin("copyPause", 0, 60);
    auto* copiesGroup = new QGroupBox(QStringLiteral("打印份数"));
    auto* cl = new QVBoxLayout(copiesGroup);
    cl->addWidget(line({QStringLiteral("默认打印份数"), w(copies_)}));
    cl->addWidget(line({QStringLiteral("多份数停顿间隔"), w(copyPause_), QStringLiteral("秒")}));

    precision_ = choices("precision", QStringLiteral("计算精度"),
                         {{QStringLiteral("精确到角分"), QStringLiteral("角分")},
                          {QStringLiteral("四舍五入到元"), QStringLiteral("元")},
                          {QStringLiteral("精确到角"), QStringLiteral("角")}});

    openDrawer_ = check("openDrawer", QStringLiteral("开启钱箱"));
    drawerPort_ = new QComboBox;
    drawerPort_->setObjectName(QStringLiteral("drawerPort"));
    drawerPort_->setEditable(true);
    drawerPort_->addItems({QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("/dev/lp0"),
                           QStringLiteral("/dev/usb/lp0")});
    drawerPort_->setMinimumWidth(160);
    auto* drawerGroup = new QGroupBox(QStringLiteral("收款后开启钱箱"));
    auto* dl = new QVBoxLayout(drawerGroup);
    dl->addWidget(line({w(openDrawer_), QStringLiteral("钱箱端口："), w(drawerPort_)}));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(line({QStringLiteral("主界面标题"), w(programTitle_)}));
    layout->addWidget(display_);
    layout->addWidget(extendGroup);
    auto* row = new QHBoxLayout;
    row->addWidget(afterSavePrint_);
    row->addWidget(precision_);
    layout->addLayout(row);
    auto* row2 = new QHBoxLayout;
    row2->addWidget(copiesGroup);
    row2->addWidget(drawerGroup);
    layout->addLayout(row2);
    layout->addStretch(1);
    return page;
}

QWidget* TFdianming_shezhi::buildPrintPage() {
    printStyle_ = choices("printStyle", QStringLiteral("打印样式"),
                          {{QStringLiteral("普通样式"), QStringLiteral("普通样式")},
                           {QStringLiteral("反馈三联单"), QStringLiteral("反馈三联单")},
                           {kCustomStyle, kCustomStyle}});

    // 普通样式小票和三联单设置
    storeName_ = edit("storeName");
    footer1_ = edit("footer1");
    footer2_ = edit("footer2");
    footer3_ = edit("footer3");
    leftMargin_ = spin("leftMargin", -100, 1000);
    rightMargin_ = spin("rightMargin", -100, 1000);
    topMargin_ = spin("topMargin", -100, 1000);
    bottomMargin_ = spin("bottomMargin", -100, 1000);
    printWidth_ = choices(
        "printWidth", QStringLiteral("打印幅面"),
        {{QStringLiteral("58mm"), QStringLiteral("58mm")}, {QStringLiteral("76mm"), QStringLiteral("76mm")}});
    titleOffset_ = edit("titleOffset", 70);
    addressRegion_ = choices("addressRegion", QStringLiteral("地址打印"),
                             {{QStringLiteral("打印地址不包含区域"), QStringLiteral("不包含")},
                              {QStringLiteral("打印地址包含区域"), QStringLiteral("包含")}});
    printTastes_ = choices("printTastes", QStringLiteral("76MM是否打印要求"),
                           {{QStringLiteral("不打印"), QStringLiteral("不打印")},
                            {QStringLiteral("打印"), QStringLiteral("打印")}});
    kitchenPrinterOn_ = check("kitchenPrinterOn", QStringLiteral("第二打印机"));
    kitchenPrinter_ = printerList("kitchenPrinter");
    pairPrinter(kitchenPrinterOn_, kitchenPrinter_);

    auto* standard = new QGroupBox(QStringLiteral("普通样式小票和三联单设置"));
    auto* sl = new QGridLayout(standard);
    auto* texts = new QFormLayout;
    texts->addRow(QStringLiteral("店名设置"), storeName_);
    texts->addRow(QStringLiteral("脚标1："), footer1_);
    texts->addRow(QStringLiteral("脚标2："), footer2_);
    texts->addRow(QStringLiteral("脚标3："), footer3_);
    sl->addLayout(texts, 0, 0, 1, 2);
    sl->addWidget(line({QStringLiteral("左边距"), w(leftMargin_), QStringLiteral("右边距"), w(rightMargin_),
                        QStringLiteral("上边距"), w(topMargin_), QStringLiteral("下边距"), w(bottomMargin_)}),
                  1, 0, 1, 2);
    sl->addWidget(printWidth_, 2, 0);
    sl->addWidget(line({QStringLiteral("标题左边距"), w(titleOffset_)}), 2, 1);
    sl->addWidget(addressRegion_, 3, 0);
    sl->addWidget(printTastes_, 3, 1);
    sl->addWidget(line({w(kitchenPrinterOn_), w(kitchenPrinter_)}), 4, 0, 1, 2);
    sl->setRowStretch(5, 1);

    // 自定义报表设置
    itemHeight_ = edit("itemHeight", 70);
    customStyle_ = choices("customStyle", QStringLiteral("多种自定义默认小票选择和欣赏"),
                           {{QStringLiteral("样式一"), QStringLiteral("样式一")},
                            {QStringLiteral("样式二"), QStringLiteral("样式二")},
                            {QStringLiteral("样式三"), QStringLiteral("样式三")},
                            {QStringLiteral("样式四"), QStringLiteral("样式四")},
                            {QStringLiteral("样式五"), QStringLiteral("样式五")},
                            {QStringLiteral("样式六"), QStringLiteral("样式六")}},
                           3);
    auto* preview = new QPushButton(QStringLiteral("【预览和自定义默认小票】"));
    preview->setObjectName(QStringLiteral("previewCustom"));
    connect(preview, &QPushButton::clicked, this, [this] {
        const QString name = ReportTemplates::customTemplateFor(
            signInState().setting(QStringLiteral("版本语言")), customStyle_->value());
        openTemplate(name.isEmpty() ? ReportTemplates::kCustom : name);
    });
    qobject_cast<QGridLayout*>(customStyle_->layout())->addWidget(preview, 2, 0, 1, 3, Qt::AlignLeft);

    ticketB_ = check("ticketB", QStringLiteral("其他小票1"));
    ticketBPrinterOn_ = check("ticketBPrinterOn", QStringLiteral("其他小票1打印机"));
    ticketBPrinter_ = printerList("ticketBPrinter");
    pairPrinter(ticketBPrinterOn_, ticketBPrinter_);
    ticketC_ = check("ticketC", QStringLiteral("其他小票2"));
    ticketCPrinterOn_ = check("ticketCPrinterOn", QStringLiteral("其他小票2打印机"));
    ticketCPrinter_ = printerList("ticketCPrinter");
    pairPrinter(ticketCPrinterOn_, ticketCPrinter_);
    auto* designB = new QPushButton(QStringLiteral("设计"));
    designB->setObjectName(QStringLiteral("designB"));
    connect(designB, &QPushButton::clicked, this, [this] { openTemplate(ReportTemplates::kTicketB); });
    auto* designC = new QPushButton(QStringLiteral("设计"));
    designC->setObjectName(QStringLiteral("designC"));
    connect(designC, &QPushButton::clicked, this,
            [this] { openTemplate(ReportTemplates::kitchenTicketFor(ticketCType_->value())); });
    auto* others = new QGroupBox(QStringLiteral("其他小票及打印机设置，可以用于后厨打印机设置"));
    auto* ol = new QGridLayout(others);
    ol->addWidget(ticketB_, 0, 0);
    ol->addWidget(ticketBPrinterOn_, 0, 1);
    ol->addWidget(ticketBPrinter_, 0, 2);
    ol->addWidget(designB, 0, 3);
    ol->addWidget(ticketC_, 1, 0);
    ol->addWidget(ticketCPrinterOn_, 1, 1);
    ol->addWidget(ticketCPrinter_, 1, 2);
    ol->addWidget(designC, 1, 3);
    ol->setColumnStretch(4, 1);

    auto* custom = new QGroupBox(QStringLiteral("自定义报表设置"));
    auto* cl = new QVBoxLayout(custom);
    cl->addWidget(line({QStringLiteral("自定义报表主项数据高度"), w(itemHeight_), QStringLiteral("像素")}));
    cl->addWidget(customStyle_);
    cl->addWidget(others);
    cl->addStretch(1);

    stylePages_ = new QStackedWidget;
    stylePages_->setObjectName(QStringLiteral("stylePages"));
    stylePages_->addWidget(standard);
    stylePages_->addWidget(custom);
    connect(printStyle_, &ChoiceBox::valueChanged, this, &TFdianming_shezhi::showStylePage);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(printStyle_);
    layout->addWidget(
        note(QStringLiteral("如果您不会使用自定义报表功能，请选择我们为您设计好的普通样式或反馈三联单")));
    layout->addWidget(stylePages_, 1);
    return page;
}

QWidget* TFdianming_shezhi::buildOtherPage1() {
    dispatch_ = choices("dispatch", QStringLiteral("是否需要发货功能"),
                        {{QStringLiteral("需要派工功能"), QStringLiteral("需要")},
                         {QStringLiteral("不需要派工功能，直接就是派工状态"), QStringLiteral("不需要")}},
                        1);

    commission_ = choices("commission", QStringLiteral("提成设置"),
                          {{QStringLiteral("按订单次数提成"), QStringLiteral("次数")},
                           {QStringLiteral("按服务提成"), QStringLiteral("菜品")},
                           {QStringLiteral("按订单个数*送员工提成"), QStringLiteral("送餐员次数")},
                           {QStringLiteral("按服务次数*员工提成"), QStringLiteral("送餐员菜品")}},
                          2);
    commissionAmount_ = edit("commissionAmount", 80);
    auto* cg = qobject_cast<QGridLayout*>(commission_->layout());
    cg->addWidget(line({QStringLiteral("每次"), w(commissionAmount_), QStringLiteral("元")}), 2, 0, 1, 2);
    cg->addWidget(note(QStringLiteral("员工提成在员工设置里设置")), 3, 0, 1, 2);

    printerType_ = choices("printerType", QStringLiteral("打印机类型"),
                           {{QStringLiteral("普通打印机（安装驱动）"), QStringLiteral("不是")},
                            {QStringLiteral("特殊打印机（不安装驱动）"), QStringLiteral("是")}});
    serialPort_ = new QComboBox;
    serialPort_->setObjectName(QStringLiteral("serialPrinterPort"));
    serialPort_->setEditable(true);
    for (int i = 1; i <= 8; ++i) {
        serialPort_->addItem(QStringLiteral("com%1").arg(i));
    }
    serialPortRow_ = line({QStringLiteral("串口："), w(serialPort_)});
    qobject_cast<QGridLayout*>(printerType_->layout())->addWidget(serialPortRow_, 1, 0, 1, 2);
    connect(printerType_, &ChoiceBox::valueChanged, this,
            [this](const QString& v) { serialPortRow_->setVisible(v == QStringLiteral("是")); });

    language_ = choices("language", QStringLiteral("版本语言"),
                        {{QStringLiteral("简体中文"), QStringLiteral("简体中文")},
                         {QStringLiteral("English(Beta)"), QStringLiteral("英语")}});
    clickMode_ = choices("clickMode", QStringLiteral("点单动作"),
                         {{QStringLiteral("双击图标点单"), QStringLiteral("双击")},
                          {QStringLiteral("单击图标点单"), QStringLiteral("单击")}});
    deliveryMinutes_ = spin("deliveryMinutes", 0, 9999);
    auto* deliveryGroup = new QGroupBox(QStringLiteral("默认上门时间"));
    (new QVBoxLayout(deliveryGroup))
        ->addWidget(line({QStringLiteral("下单的"), w(deliveryMinutes_), QStringLiteral("分钟后")}));
    points_ = edit("points", 80);
    auto* pointsGroup = new QGroupBox(QStringLiteral("积分设置"));
    (new QVBoxLayout(pointsGroup))->addWidget(line({w(points_), QStringLiteral("元积一分")}));
    priceEditable_ = choices("priceEditable", QStringLiteral("开单时单价是否可以修改"),
                             {{QStringLiteral("可以修改"), QStringLiteral("可以")},
                              {QStringLiteral("不可以修改"), QStringLiteral("不可以")}});

    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(dispatch_, 0, 0);
    layout->addWidget(printerType_, 0, 1);
    layout->addWidget(commission_, 1, 0, 2, 1);
    layout->addWidget(language_, 1, 1);
    layout->addWidget(clickMode_, 2, 1);
    layout->addWidget(deliveryGroup, 3, 0);
    layout->addWidget(pointsGroup, 3, 1);
    layout->addWidget(priceEditable_, 4, 0);
    layout->setRowStretch(5, 1);
    return page;
}

QWidget* TFdianming_shezhi::buildOtherPage2() {
    printLogo_ = check("printLogo", QStringLiteral("送餐单使用图片"));
    logo_ = new QLabel;
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setFixedSize(kLogoSize);
    logo_->setFrameShape(QFrame::Box);
    logo_->setAlignment(Qt::AlignCenter);
    auto* browse = new QPushButton(QStringLiteral("浏览"));
    browse->setObjectName(QStringLiteral("browseLogo"));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("送餐单店标设置"), QString(),
                                                          QStringLiteral("位图 (*.bmp)"));
        if (!file.isEmpty()) {
            replaceLogo(file);
        }
    });
    auto* logoGroup = new QGroupBox(QStringLiteral("送餐单店标设置"));
    auto* lg = new QVBoxLayout(logoGroup);
    lg->addWidget(printLogo_);
    lg->addWidget(logo_);
    lg->addWidget(line({w(browse), QStringLiteral("图片大小：430*60")}));

    ticketCType_ = choices("ticketCType", QStringLiteral("其他小票2打印方式"),
                           {{QStringLiteral("多菜一单"), QStringLiteral("多菜一单")},
                            {QStringLiteral("一菜一单"), QStringLiteral("一菜一单")}});
    halfPrice_ = choices("halfPrice", QStringLiteral("双拼菜价格设置"),
                         {{QStringLiteral("按平均价格计算"), QStringLiteral("平均")},
                          {QStringLiteral("按最高菜品价格计算"), QStringLiteral("最高")}});
    returnRule_ =
        choices("returnRule", QStringLiteral("退菜规则"),
                {{QStringLiteral("规则一：任意修改老菜单数量"), QStringLiteral("任意")},
                 {QStringLiteral("规则二：老菜单数量只能通过退菜功能减少"), QStringLiteral("不任意")}},
                1);
    QLabel* returnNote = note(QStringLiteral("注意：选择规则二后，后厨一菜一单模式只打印新点的菜和新退的菜"));
    returnNote->setWordWrap(false);
    qobject_cast<QGridLayout*>(returnRule_->layout())->addWidget(returnNote, 2, 0);
    dineInMode_ = choices("dineInMode", QStringLiteral("堂食点菜模式"),
                          {{QStringLiteral("图标模式"), QStringLiteral("图标")},
                           {QStringLiteral("大按钮形式（适合触摸屏）"), QStringLiteral("按钮")}});

    tables_ = new QListWidget;
    tables_->setObjectName(QStringLiteral("tables"));
    tables_->setMinimumWidth(160);
    auto* add = new QPushButton(QStringLiteral("新增"));
    add->setObjectName(QStringLiteral("addTable"));
    auto* saveTables = new QPushButton(QStringLiteral("保存"));
    saveTables->setObjectName(QStringLiteral("saveTables"));
    auto* remove = new QPushButton(QStringLiteral("删除"));
    remove->setObjectName(QStringLiteral("deleteTable"));
    connect(add, &QPushButton::clicked, this, &TFdianming_shezhi::addTable);
    connect(saveTables, &QPushButton::clicked, this, &TFdianming_shezhi::saveTables);
    connect(remove, &QPushButton::clicked, this, &TFdianming_shezhi::deleteTable);
    auto* tableGroup = new QGroupBox(QStringLiteral("餐台设置"));
    auto* tg = new QGridLayout(tableGroup);
    tg->addWidget(tables_, 0, 0, 4, 1);
    tg->addWidget(add, 0, 1);
    tg->addWidget(saveTables, 1, 1);
    tg->addWidget(remove, 2, 1);
    tg->setRowStretch(3, 1);

    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(logoGroup, 0, 0);
    layout->addWidget(tableGroup, 0, 1, 3, 1);
    layout->addWidget(returnRule_, 1, 0);
    auto* small = new QHBoxLayout;
    small->addWidget(ticketCType_);
    small->addWidget(halfPrice_);
    layout->addLayout(small, 2, 0);
    layout->addWidget(dineInMode_, 3, 0);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(1, 1);
    return page;
}

QWidget* TFdianming_shezhi::buildOtherPage3() {
    cleanupDays_ = spin("cleanupDays", 0, 36500, 80);
    cleanupDays_->setValue(RecordingCleanup::kDefaultDays);
    auto* start = new QPushButton(QStringLiteral("开始"));
    start->setObjectName(QStringLiteral("startCleanup"));
    connect(start, &QPushButton::clicked, this, &TFdianming_shezhi::cleanRecordings);
    auto* group = new QGroupBox(QStringLiteral("录音文件清除"));
    (new QVBoxLayout(group))
        ->addWidget(
            line({QStringLiteral("清除"), w(cleanupDays_), QStringLiteral("天以前的录音文件"), w(start)}));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

void TFdianming_shezhi::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        load();
        tabs_->setCurrentIndex(nextPage_);
        nextPage_ = BasicPage;
    }
    QDialog::showEvent(event);
}

void TFdianming_shezhi::load() {
    try {
        loaded_ = SettingsForm::load(signInState(), StoreSettings::read(dm_.db()));
        loadTables();
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    const SettingsForm& f = loaded_;
    const auto s = [&f](const char* section) { return f.station.value(QString::fromUtf8(section)); };

    programTitle_->setText(s("程序名称"));
    display_->setValue(s("主界面显示"));
    boundaries_->setVisible(display_->value() == QStringLiteral("上下午"));
    noonBoundary_->setTime(f.noonBoundary);
    eveningBoundary_->setTime(f.eveningBoundary);
    extend_->setChecked(f.extendBusinessDay);
    extensionHour_->setValue(f.extensionHour);
    hourEcho_->setText(extensionHour_->text());
    afterSavePrint_->setValue(s("开单后打印"));
    copies_->setValue(s("默认打印份数").toInt());
    copyPause_->setValue(s("多份数停顿间隔").toInt());
    precision_->setValue(s("计算精度"));
    openDrawer_->setChecked(s("开启钱箱") == QStringLiteral("是"));
    drawerPort_->setCurrentText(s("钱箱端口"));

    printStyle_->setValue(f.row.printStyle);
    showStylePage(printStyle_->value());
    storeName_->setText(f.row.storeName);
    footer1_->setText(f.row.servicePhrase);
    footer2_->setText(f.row.phone);
    footer3_->setText(f.row.webAddress);
    leftMargin_->setValue(f.row.leftMargin);
    rightMargin_->setValue(f.row.rightMargin);
    topMargin_->setValue(f.row.topMargin);
    bottomMargin_->setValue(f.row.bottomMargin);
    printWidth_->setValue(f.row.printWidth);
    titleOffset_->setText(f.titleOffsetText);
    addressRegion_->setValue(s("地址打印是否包含地区"));
    printTastes_->setValue(s("口味打印"));
    itemHeight_->setText(f.itemBandHeight);
    customStyle_->setValue(s("默认自定义打印报表样式"));
    ticketB_->setChecked(s("B小票是否打印") == QStringLiteral("是"));
    ticketC_->setChecked(s("C小票是否打印") == QStringLiteral("是"));
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    showPrinter(kitchenPrinterOn_, kitchenPrinter_, installed, f.kitchenPrinter.name);
    showPrinter(ticketBPrinterOn_, ticketBPrinter_, installed, f.ticketBPrinter.name);
    showPrinter(ticketCPrinterOn_, ticketCPrinter_, installed, f.ticketCPrinter.name);

    dispatch_->setValue(s("是否需要发货功能"));
    commission_->setValue(f.row.commissionMode);
    commissionAmount_->setText(f.commissionText);
    printerType_->setValue(s("是否串口打印机"));
    serialPortRow_->setVisible(printerType_->value() == QStringLiteral("是"));
    serialPort_->setCurrentText(f.serialPrinterPort);
    language_->setValue(s("版本语言"));
    clickMode_->setValue(s("点菜方式"));
    deliveryMinutes_->setValue(s("默认送餐分钟").toInt());
    points_->setText(f.pointsText);
    priceEditable_->setValue(f.row.priceEditable);

    printLogo_->setChecked(f.row.printLogo);
    loadLogo();
    ticketCType_->setValue(s("C小票类型"));
    halfPrice_->setValue(s("双拼价格"));
    returnRule_->setValue(f.row.returnRule);
    dineInMode_->setValue(s("堂食显示模式"));
}

SettingsForm TFdianming_shezhi::form() const {
    SettingsForm f = loaded_;
    const auto set = [&f](const char* section, const QString& value) {
        f.station.insert(QString::fromUtf8(section), value);
    };
    const auto yesNo = [](const QCheckBox* c) {
        return c->isChecked() ? QStringLiteral("是") : QStringLiteral("否");
    };

    set("程序名称", programTitle_->text().trimmed());
    set("主界面显示", display_->value());
    f.noonBoundary = noonBoundary_->time();
    f.eveningBoundary = eveningBoundary_->time();
    f.extendBusinessDay = extend_->isChecked();
    f.extensionHour = extensionHour_->value();
    set("开单后打印", afterSavePrint_->value());
    set("默认打印份数", QString::number(copies_->value()));
    set("多份数停顿间隔", QString::number(copyPause_->value()));
    set("计算精度", precision_->value());
    set("开启钱箱", yesNo(openDrawer_));
    set("钱箱端口", drawerPort_->currentText().trimmed());

    f.row.printStyle = printStyle_->value();
    f.row.storeName = storeName_->text();
    f.row.servicePhrase = footer1_->text();
    f.row.phone = footer2_->text();
    f.row.webAddress = footer3_->text();
    f.row.leftMargin = leftMargin_->value();
    f.row.rightMargin = rightMargin_->value();
    f.row.topMargin = topMargin_->value();
    f.row.bottomMargin = bottomMargin_->value();
    f.row.printWidth = printWidth_->value();
    f.titleOffsetText = titleOffset_->text();
    set("地址打印是否包含地区", addressRegion_->value());
    set("口味打印", printTastes_->value());
    f.kitchenPrinter = printerOf(kitchenPrinterOn_, kitchenPrinter_);
    f.itemBandHeight = itemHeight_->text();
    set("默认自定义打印报表样式", customStyle_->value());
    set("B小票是否打印", yesNo(ticketB_));
    set("C小票是否打印", yesNo(ticketC_));
    f.ticketBPrinter = printerOf(ticketBPrinterOn_, ticketBPrinter_);
    f.ticketCPrinter = printerOf(ticketCPrinterOn_, ticketCPrinter_);

    set("是否需要发货功能", dispatch_->value());
    f.row.commissionMode = commission_->value();
    f.commissionText = commissionAmount_->text();
    set("是否串口打印机", printerType_->value());
    f.serialPrinterPort = serialPort_->currentText();
    set("版本语言", language_->value());
    set("点菜方式", clickMode_->value());
    set("默认送餐分钟", QString::number(deliveryMinutes_->value()));
    f.pointsText = points_->text();
    f.row.priceEditable = priceEditable_->value();

    f.row.printLogo = printLogo_->isChecked();
    set("C小票类型", ticketCType_->value());
    set("双拼价格", halfPrice_->value());
    f.row.returnRule = returnRule_->value();
    set("堂食显示模式", dineInMode_->value());
    return f;
}

void TFdianming_shezhi::save() {
    const SettingsForm f = form();
    const SettingsSave::Result r = SettingsSave::save(dm_.db(), dm_.storeDir(), f, signInState());
    switch (r.outcome) {
        case SettingsSave::Outcome::Refused:
            Messages::current().warning(r.message);
            return;
        case SettingsSave::Outcome::Failed:
            Messages::current().error(r.message);
            return;
        case SettingsSave::Outcome::Saved:
            break;
    }
    // What was saved is what the dialog now stands on; the other tickets' lists follow their boxes.
    loaded_ = SettingsForm::load(signInState(), StoreSettings::read(dm_.db()));
    if (!ticketBPrinterOn_->isChecked()) {
        ticketBPrinter_->setCurrentIndex(-1);
    }
    if (!ticketCPrinterOn_->isChecked()) {
        ticketCPrinter_->setCurrentIndex(-1);
    }
    emit dispatchFunctionChanged(signInState().setting(QStringLiteral("是否需要发货功能")) ==
                                 QStringLiteral("需要"));
    Messages::current().info(r.message);
}

QString TFdianming_shezhi::printStyle() const {
    return printStyle_->value();
}

void TFdianming_shezhi::showStylePage(const QString& style) {
    stylePages_->setCurrentIndex(style == kCustomStyle ? 1 : 0);
}

void TFdianming_shezhi::loadLogo() {
    const QPixmap picture(LogoFile::path(dm_.storeDir()));
    if (picture.isNull()) {
        logo_->clear();
        return;
    }
    logo_->setPixmap(picture.scaled(kLogoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFdianming_shezhi::replaceLogo(const QString& source) {
    if (LogoFile::replace(dm_.storeDir(), source)) {
        Messages::current().info(LogoFile::kReplaced, LogoFile::kReplacedTitle);
    } else {
        Messages::current().error(LogoFile::kFailed, LogoFile::kFailedTitle);
    }
    loadLogo();
}

void TFdianming_shezhi::cleanRecordings() {
    const auto result = RecordingCleanup::run(dm_.storeDir(), cleanupDays_->value());
    Messages::current().info(RecordingCleanup::report(result));
}

void TFdianming_shezhi::loadTables() {
    tables_->clear();
    for (const QString& number : TableNumbers::list(dm_.db())) {
        auto* item = new QListWidgetItem(number, tables_);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void TFdianming_shezhi::addTable() {
    auto* item = new QListWidgetItem(QString(), tables_);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    tables_->setCurrentItem(item);
    tables_->editItem(item);
}

void TFdianming_shezhi::saveTables() {
    QStringList numbers;
    for (int i = 0; i < tables_->count(); ++i) {
        numbers << tables_->item(i)->text();
    }
    try {
        const QString refusal = TableNumbers::save(dm_.db(), numbers);
        if (!refusal.isEmpty()) {
            Messages::current().warning(refusal);
            return;
        }
        loadTables();
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

void TFdianming_shezhi::deleteTable() {
    QListWidgetItem* item = tables_->currentItem();
    if (!item || !Messages::current().confirm(QStringLiteral("确实要进行删除吗？？"))) {
        return;
    }
    try {
        TableNumbers::remove(dm_.db(), item->text());
        delete item;
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

void TFdianming_shezhi::openTemplate(const QString& fileName) {
    TemplateDesigner::design(dm_.storeDir(), fileName, this);
}

}  // namespace lanze
