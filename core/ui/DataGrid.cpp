#include "core/ui/DataGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/ui/GridDelegate.h"
#include "core/ui/GridFooterStrip.h"

namespace lanze {

namespace {

// The wait cursor for the length of a scope, also when it is left by an error.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

DataGrid::DataGrid(QWidget* parent)
    : QWidget(parent),
      model_(new GridModel(this)),
      view_(new QTableView(this)),
      sideways_(new QScrollBar(Qt::Horizontal, this)) {
    footer_ = new GridFooterStrip(view_, model_, this);
    view_->setModel(model_);
    auto* delegate = new GridDelegate(view_);
    view_->setItemDelegate(delegate);
    connect(delegate, &GridDelegate::editStarted, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit rowEditing(index.row());
        }
    });
    connect(model_, &GridModel::rowEdited, this, &DataGrid::rowEditing);
    // Shown once the editor has closed: a box over an open editor would take its focus and have it
    // hand the same text in a second time.
    connect(
        model_, &GridModel::editRefused, this,
        [](int, int, const QString& message) { Messages::current().warning(message); }, Qt::QueuedConnection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* header = view_->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, &DataGrid::clickTitle);
    connect(header, &QHeaderView::sectionMoved, this, [this] {
        if (!applyingOrder_) {
            emit columnOrderChanged();
        }
    });

    // The view's own sideways bar would sit between the rows and the footer; this one sits below both.
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* inner = view_->horizontalScrollBar();
    connect(inner, &QScrollBar::rangeChanged, this, &DataGrid::syncScrollBar);
    connect(inner, &QScrollBar::valueChanged, sideways_, &QScrollBar::setValue);
    connect(sideways_, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
    syncScrollBar();

    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                emit currentRowChanged(current.isValid() ? current.row() : -1);
            });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(footer_);
    layout->addWidget(sideways_);
}

void DataGrid::syncScrollBar() {
    const QScrollBar* inner = view_->horizontalScrollBar();
    sideways_->setRange(inner->minimum(), inner->maximum());
    sideways_->setPageStep(inner->pageStep());
    sideways_->setSingleStep(inner->singleStep());
    sideways_->setValue(inner->value());
    sideways_->setVisible(inner->maximum() > inner->minimum());
}

void DataGrid::setColumns(const QList<GridColumn>& columns) {
    model_->setColumns(columns);
    QHeaderView* header = view_->horizontalHeader();
    applyingOrder_ = true;
    for (int c = 0; c < columns.size(); ++c) {
        header->moveSection(header->visualIndex(c), c);
        header->resizeSection(c, columns[c].width);
        header->setSectionHidden(c, !columns[c].visible);
    }
    applyingOrder_ = false;
    // Only cells the model marks editable open an editor; a grid without such columns stays read-only.
    const bool editing =
        std::any_of(columns.begin(), columns.end(), [](const GridColumn& c) { return c.canEdit(); });
    view_->setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed
                                   : QAbstractItemView::NoEditTriggers);
}

void DataGrid::setMultiSelect(bool on) {
    view_->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void DataGrid::setFooterVisible(bool on) {
    footer_->setVisible(on);
}

QList<int> DataGrid::selectedRows() const {
    QSet<int> rows;
    for (const QItemSelectionRange& range : view_->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            rows.insert(r);
        }
    }
    QList<int> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QVariantList DataGrid::selectedValues(const QString& field) const {
    QVariantList values;
    for (int row : selectedRows()) {
        values << model_->record(row).value(field);
    }
    return values;
}

int DataGrid::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QStringList DataGrid::columnOrder() const {
    QStringList fields;
    const QHeaderView* header = view_->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column)) {
            fields << model_->column(column).field;
        }
    }
    return fields;
}

bool DataGrid::applyColumnOrder(const QStringList& fields) {
    const QHeaderView* header = view_->horizontalHeader();
    QList<int> named;
    for (const QString& field : fields) {
        const int column = model_->columnOf(field);
        if (column < 0 || header->isSectionHidden(column) || named.contains(column)) {
            return false;
        }
        named << column;
    }
    // Every name is a distinct visible column, so the list cannot be longer than the visible columns.
    QList<int> order = named;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!order.contains(column)) {
            order << column;
        }
    }
    applyingOrder_ = true;
    for (int target = 0; target < order.size(); ++target) {
        view_->horizontalHeader()->moveSection(header->visualIndex(order[target]), target);
    }
    applyingOrder_ = false;
    return true;
}

void DataGrid::clickTitle(int column) {
    WaitCursor wait;
    try {
        model_->clickTitle(column);
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

}  // namespace lanze
