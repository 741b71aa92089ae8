#include "board/ui/OrderListPage.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "board/BoardQuery.h"
#include "board/OrderStateColours.h"
#include "board/Statement.h"
#include "core/db/Query.h"
#include "core/ui/DataGrid.h"

namespace lanze {

namespace {
const QString kOrderNumber = QStringLiteral("单据编号");

GridColumn boardColumn(const QString& field) {
    using K = CellKind;
    static const QHash<QString, GridColumn> known = [] {
        QHash<QString, GridColumn> m;
        auto add = [&m](GridColumn c, bool sortable) {
            if (!sortable) {
                c.unsortable();
            }
            m.insert(c.field, c);
        };
        add(GridColumn(QStringLiteral("订单状态"), QStringLiteral("订单状态"), K::Text, 96)
                .withFooter(ColumnFooter::text(QStringLiteral("当前订单："))),
            false);
        add(GridColumn(kOrderNumber, kOrderNumber, K::Text, 110)
                .withFooter(ColumnFooter::count(QStringLiteral("###张"))),
            true);
        add(GridColumn(QStringLiteral("时间"), QStringLiteral("时间"), K::Text, 70), true);
        add(GridColumn(QStringLiteral("客户姓名"), QStringLiteral("客户姓名"), K::Text, 80), true);
        add(GridColumn(QStringLiteral("客户类型"), QStringLiteral("客户类型"), K::Text, 70), false);
        add(GridColumn(QStringLiteral("电话"), QStringLiteral("电话"), K::Text, 100), true);
        add(GridColumn(QStringLiteral("区域"), QStringLiteral("区域"), K::Text, 70), true);
        add(GridColumn(QStringLiteral("地址"), QStringLiteral("地址"), K::Text, 180), true);
        add(GridColumn(QStringLiteral("份数"), QStringLiteral("项目数"), K::Number, 56)
                .withFooter(ColumnFooter::sum()),
            false);
        add(GridColumn(QStringLiteral("应付货款"), QStringLiteral("应付货款"), K::Money, 80)
                .withFooter(ColumnFooter::sum()),
            true);
        add(GridColumn(QStringLiteral("配送工"), QStringLiteral("工作人员"), K::Text, 70), true);
        add(GridColumn(QStringLiteral("送餐时间"), QStringLiteral("上门时间"), K::DateTime, 140), true);
        add(GridColumn(QStringLiteral("发货备注"), QStringLiteral("发货备注"), K::Text, 160), false);
        return m;
    }();
    if (known.contains(field)) {
        return known.value(field);
    }
    GridColumn unknown(field, field, K::Text, 80);
    unknown.unsortable();
    return unknown;
}

QList<GridColumn> detailColumns(bool dineIn) {
    using K = CellKind;
    return {
        GridColumn(QStringLiteral("产品名称"),
                   dineIn ? QStringLiteral("产品名称") : QStringLiteral("服务项目"), K::Text, 120)
            .withFooter(ColumnFooter::text(QStringLiteral("应收合计："))),
        GridColumn(QStringLiteral("数量"), QStringLiteral("数量"), K::Number, 48),
        GridColumn(QStringLiteral("单价"), QStringLiteral("单价"), K::Money, 64),
        GridColumn(QStringLiteral("应付货款"), QStringLiteral("合计"), K::Money, 72),
    };
}
}  // namespace

QStringList OrderListPage::designFields() {
    return {QStringLiteral("订单状态"), kOrderNumber,
            QStringLiteral("时间"),     QStringLiteral("客户姓名"),
            QStringLiteral("客户类型"), QStringLiteral("电话"),
            QStringLiteral("区域"),     QStringLiteral("地址"),
            QStringLiteral("份数"),     QStringLiteral("应付货款"),
            QStringLiteral("配送工"),   QStringLiteral("送餐时间"),
            QStringLiteral("发货备注")};
}

QList<GridColumn> OrderListPage::boardColumns(const QStringList& fields) {
    const QStringList design = designFields();
    QList<GridColumn> out;
    QStringList used;
    for (int k = 0; k < design.size(); ++k) {
        const QString field = k < fields.size() ? fields[k] : QString();
        if (!field.isEmpty() && !used.contains(field)) {
            out << boardColumn(field);
            used << field;
        } else {
            out << GridColumn();  // filled with the columns not named below
        }
    }
    // Columns the stored order did not name keep their design-time order in the places left.
    int next = 0;
    for (GridColumn& c : out) {
        if (!c.field.isEmpty()) {
            continue;
        }
        while (used.contains(design[next])) {
            ++next;
        }
        c = boardColumn(design[next]);
        used << design[next];
    }
    return out;
}

QList<GridColumn> OrderListPage::dineInColumns() {
    using K = CellKind;
    QList<GridColumn> c = {
        GridColumn(kOrderNumber, kOrderNumber, K::Text, 110)
            .withFooter(ColumnFooter::count(QStringLiteral("#张"))),
        GridColumn(QStringLiteral("餐台号"), QStringLiteral("餐台号"), K::Text, 60),
        GridColumn(QStringLiteral("开单日期时间"), QStringLiteral("开单日期时间"), K::DateTime, 140),
        GridColumn(QStringLiteral("份数"), QStringLiteral("份数"), K::Number, 56)
            .withFooter(ColumnFooter::sum()),
        GridColumn(QStringLiteral("应付货款"), QStringLiteral("应付货款"), K::Money, 80)
            .withFooter(ColumnFooter::sum()),
    };
    for (GridColumn& col : c) {
        col.unsortable();
    }
    return c;
}

OrderListPage::OrderListPage(Kind kind, Database& db, QWidget* parent)
    : QWidget(parent), kind_(kind), db_(db) {
    const bool board = kind == Kind::Board;
    list_ = new DataGrid(this);
    list_->setObjectName(board ? QStringLiteral("orderBoard") : QStringLiteral("dineInList"));
    list_->setColumns(board ? boardColumns() : dineInColumns());
    list_->setMultiSelect(board);
    if (!board) {
        list_->view()->horizontalHeader()->setSectionsMovable(false);
    }
    detail_ = new DataGrid(this);
    detail_->setObjectName(board ? QStringLiteral("orderDetail") : QStringLiteral("dineInDetail"));
    detail_->setColumns(detailColumns(!board));
    detail_->view()->horizontalHeader()->setSectionsMovable(false);

    auto* detailBox = new QWidget(this);
    auto* detailLayout = new QVBoxLayout(detailBox);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    auto* title =
        new QLabel(board ? QStringLiteral("订单详细内容") : QStringLiteral("账单详细内容"), detailBox);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-weight: bold; padding: 3px;"));
    detailLayout->addWidget(title);
    detailLayout->addWidget(detail_, 1);
    // The detail side is never narrower than its columns: 合计 and the amount due under it stay in sight.
    int detailWidth =
        2 * detail_->view()->frameWidth() +
        detail_->view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, detail_->view());
    for (const GridColumn& c : detail_->model()->columns()) {
        detailWidth += c.width;
    }
    detailBox->setMinimumWidth(detailWidth);

    QWidget* listSide = list_;
    if (!board) {
        auto* box = new QWidget(this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(0, 0, 0, 0);
        auto* all = new QLabel(QStringLiteral("全部账单"), box);
        all->setStyleSheet(QStringLiteral("font-weight: bold; padding: 3px;"));
        boxLayout->addWidget(all);
        boxLayout->addWidget(list_, 1);
        listSide = box;
    }
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(listSide);
    split->addWidget(detailBox);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);

    // The lines of one order at a time, and only for the order the operator is on.
    connect(list_, &DataGrid::currentRowChanged, this, [this] { showDetail(); });
    list_->view()->installEventFilter(this);
    list_->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { emit contextMenuWanted(list_->view()->viewport()->mapToGlobal(p)); });
    connect(list_->view(), &QAbstractItemView::doubleClicked, this, [this] { emit rowDoubleClicked(); });
    setColourDisplay(false);
}

bool OrderListPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->view() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit rowActivated();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OrderListPage::setColourDisplay(bool on) {
    colours_ = on;
    if (!on) {
        list_->model()->setColourHook({});
    } else {
        list_->model()->setColourHook([](const GridRecord& row, const GridColumn&) {
            CellColours c;
            c.background = OrderStateColours::rowColour(row.yesNo(QStringLiteral("发货完毕")),
                                                        row.yesNo(QStringLiteral("交款完毕")));
            c.foreground = QColor(Qt::black);
            return c;
        });
    }
    // With the colours on, the selected rows keep black text on a light highlight, so that the state
    // colour of the rows around them stays the one thing that stands out.
    list_->view()->setStyleSheet(
        on ? QStringLiteral("QTableView { selection-color: black; selection-background-color: #8fb4e3; }")
           : QString());
    list_->view()->viewport()->update();
}

OrderListPage::Position OrderListPage::position() const {
    Position p;
    p.current = currentOrder();
    p.selected = selectedOrders();
    p.scroll = list_->view()->verticalScrollBar()->value();
    return p;
}

void OrderListPage::restore(const Position& p) {
    GridModel* m = list_->model();
    if (!p.current.isEmpty() || !p.selected.isEmpty()) {
        m->fetchAll();
    }
    QItemSelectionModel* sel = list_->view()->selectionModel();
    const QSignalBlocker quiet(sel);
    for (int r = 0; r < m->rowCount(); ++r) {
        const QString order = m->record(r).text(kOrderNumber);
        if (order == p.current) {
            sel->setCurrentIndex(m->index(r, 0), QItemSelectionModel::NoUpdate);
        }
        if (p.selected.contains(order)) {
            sel->select(m->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    list_->view()->verticalScrollBar()->setValue(p.scroll);
    list_->view()->viewport()->update();
}

void OrderListPage::load(const Statement& statement) {
    const Position p = position();
    Query q(db_, statement.sql);
    statement.bind(q);
    try {
        list_->setQuery(std::move(q));
    } catch (...) {
        detail_->model()->clear();
        shownDetail_.clear();
        throw;
    }
    restore(p);
    showDetail();
}

void OrderListPage::reload() {
    if (!list_->model()->hasQuery()) {
        return;
    }
    const Position p = position();
    list_->model()->refresh();
    restore(p);
    showDetail();
}

void OrderListPage::showDetail() {
    const GridRecord row = currentRecord();
    const QString order = row.text(kOrderNumber);
    if (order.isEmpty()) {
        detail_->model()->clear();
        shownDetail_.clear();
        return;
    }
    const Statement s = BoardQuery::detail(order);
    Query q(db_, s.sql);
    s.bind(q);
    detail_->setQuery(std::move(q));
    // Under 合计: the order's amount as the list shows it.
    detail_->model()->setFooterText(3, row.money(QStringLiteral("应付货款")).toString(2));
    shownDetail_ = order;
}

GridRecord OrderListPage::currentRecord() const {
    const int row = list_->currentRow();
    return row >= 0 ? list_->model()->record(row) : GridRecord();
}

QString OrderListPage::currentOrder() const {
    return currentRecord().text(kOrderNumber);
}

QStringList OrderListPage::selectedOrders() const {
    QStringList out;
    for (const QVariant& v : list_->selectedValues(kOrderNumber)) {
        out << v.toString();
    }
    return out;
}

}  // namespace lanze
