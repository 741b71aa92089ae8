#include "core/grid/GridModel.h"

#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>
#include <limits>

#include "core/db/DbError.h"
#include "core/grid/CellFormat.h"
#include "core/grid/CellInput.h"

namespace lanze {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

GridModel::~GridModel() = default;

void GridModel::setColumns(const QList<GridColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    footerOverrides_.clear();
    forgetQuery();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
    emit footerChanged();
}

int GridModel::columnOf(const QString& field) const {
    for (int c = 0; c < columns_.size(); ++c) {
        if (columns_[c].field.compare(field, Qt::CaseInsensitive) == 0) {
            return c;
        }
    }
    return -1;
}

void GridModel::dropRows() {
    rows_.clear();
    pending_.clear();
    result_ = QSqlQuery();
    atEnd_ = true;
}

void GridModel::forgetQuery() {
    dropRows();
    statement_.reset();
    fields_.reset();
    sourceOf_.clear();
    totals_ = GridTotals();
    sort_.reset(int(columns_.size()));
}

void GridModel::clear() {
    beginResetModel();
    forgetQuery();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
    emit footerChanged();
}

void GridModel::setQuery(Query statement) {
    beginResetModel();
    forgetQuery();
    try {
        statement_ = std::make_unique<Query>(statement.wrapped(QString(), QString()));
        const bool streamed = statement.isExecuted() && mustHoldWholeResult(statement);
        if (!statement.isExecuted()) {
            prepareForBatches(statement);
            statement.exec();
        }
        result_ = statement.release();
        atEnd_ = false;
        QStringList names;
        const QSqlRecord rec = result_.record();
        for (int i = 0; i < rec.count(); ++i) {
            names << rec.fieldName(i);
        }
        fields_ = QSharedPointer<const FieldIndex>::create(names);
        sourceOf_.clear();
        for (const GridColumn& col : columns_) {
            sourceOf_ << fields_->indexOf(col.field);
        }
        // A streamed server result would be lost at the next statement: read it all now.
        rows_ = readBatch(streamed ? std::numeric_limits<int>::max() : BatchSize);
    } catch (...) {
        forgetQuery();
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
        emit footerChanged();
        throw;
    }
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
    try {
        updateTotals();
    } catch (...) {
        emit footerChanged();
        throw;
    }
    emit footerChanged();
}

void GridModel::updateTotals() {
    totals_ = atEnd_ ? GridTotals::fromRows(rows_, columns_, *fields_)
                     : GridTotals::compute(*statement_, columns_, *fields_);
}

void GridModel::refresh() {
    if (!statement_) {
        return;
    }
    rereadRows();
    updateTotals();
    emit footerChanged();
}

void GridModel::rereadRows() {
    beginResetModel();
    try {
        runRows();
    } catch (...) {
        dropRows();
        endResetModel();
        throw;
    }
    endResetModel();
}

void GridModel::runRows() {
    dropRows();
    const TitleSortCycle::Order order = sort_.order();
    Query q = order.column < 0
                  ? statement_->wrapped(QString(), QString())
                  // Empty values come first going up and last going down, the same on both engines.
                  : statement_->wrapped(QStringLiteral("select * from ("),
                                        QStringLiteral(") lanze_grid order by %1 %2")
                                            .arg(columns_[order.column].field,
                                                 order.descending ? QStringLiteral("desc nulls last")
                                                                  : QStringLiteral("asc nulls first")));
    prepareForBatches(q);
    q.exec();
    result_ = q.release();
    atEnd_ = false;
    rows_ = readBatch(BatchSize);
}

bool GridModel::mustHoldWholeResult(const Query& statement) {
    return statement.database().dialect().isPostgres();
}

void GridModel::prepareForBatches(Query& statement) {
    // The server hands the whole result over at once and the rows wait on this side until the view
    // reaches them; the embedded engine reads them from the file as they are asked for.
    if (mustHoldWholeResult(statement)) {
        statement.setForwardOnly(false);
    }
}

QList<QVariantList> GridModel::readBatch(int limit) {
    QList<QVariantList> batch;
    if (atEnd_) {
        return batch;
    }
    const int width = fields_ ? fields_->size() : 0;
    batch.reserve(std::min(limit, BatchSize));
    while (batch.size() < limit) {
        if (!result_.next()) {
            atEnd_ = true;
            if (result_.lastError().isValid()) {
                qWarning("grid rows stopped: %s", qPrintable(result_.lastError().text()));
            }
            // Let go of the statement so that the engine does not hold a read open for the grid.
            result_.finish();
            break;
        }
        QVariantList values;
        values.reserve(width);
        for (int i = 0; i < width; ++i) {
            values << result_.value(i);
        }
        batch << std::move(values);
    }
    return batch;
}

bool GridModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !atEnd_;
}

void GridModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || atEnd_) {
        return;
    }
    QList<QVariantList> batch = readBatch(BatchSize);
    if (batch.isEmpty()) {
        return;
    }
    const int first = int(rows_.size());
    beginInsertRows(QModelIndex(), first, first + int(batch.size()) - 1);
    rows_.append(std::move(batch));
    endInsertRows();
}

void GridModel::fetchAll() {
    while (canFetchMore()) {
        fetchMore();
    }
}

qint64 GridModel::totalRows() const {
    for (const GridColumn& col : columns_) {
        if (col.footer.needsTotals()) {
            return totals_.rowCount();
        }
    }
    return -1;
}

bool GridModel::hasField(int column) const {
    return column >= 0 && column < sourceOf_.size() && sourceOf_[column] >= 0;
}

GridRecord GridModel::record(int row) const {
    if (row < 0 || row >= rows_.size()) {
        return GridRecord(fields_, QVariantList());
    }
    return GridRecord(fields_, rows_[row]);
}

QVariant GridModel::rawValue(int row, int column) const {
    if (row < 0 || row >= rows_.size() || !hasField(column)) {
        return QVariant();
    }
    return rows_[row].value(sourceOf_[column]);
}

QString GridModel::footerText(int column) const {
    if (column < 0 || column >= columns_.size()) {
        return QString();
    }
    const auto it = footerOverrides_.constFind(column);
    return it != footerOverrides_.constEnd() ? *it : totals_.footerText(columns_[column], column);
}

void GridModel::setFooterText(int column, const QString& text) {
    footerOverrides_.insert(column, text);
    emit footerChanged();
}

bool GridModel::clickTitle(int column) {
    if (column < 0 || column >= columns_.size() || !columns_[column].canSort() || !statement_ ||
        !hasField(column)) {
        return false;
    }
    sort_.click(column);
    // The marker changes whether or not the rows could be read again.
    struct MarkerRepaint {
        GridModel* model;
        int column;
        ~MarkerRepaint() { emit model->headerDataChanged(Qt::Horizontal, column, column); }
    } repaint{this, column};
    rereadRows();
    return true;
}

void GridModel::setColourHook(ColourHook hook) {
    colourHook_ = std::move(hook);
    if (!rows_.isEmpty()) {
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, int(columns_.size()) - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
    }
}

CellColours GridModel::colours(int row, int column) const {
    if (!colourHook_ || row < 0 || row >= rows_.size() || column < 0 || column >= columns_.size()) {
        return {};
    }
    return colourHook_(GridRecord(fields_, rows_[row]), columns_[column]);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns_.size()) {
        return QVariant();
    }
    const GridColumn& col = columns_[index.column()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            // The editor gets the text as shown, so a number is typed over as text and checked here.
            return CellFormat::display(col.kind, shownValue(index.row(), index.column()));
        case Qt::ToolTipRole:
            return col.kind == CellKind::Memo ? QVariant(Query::toText(rawValue(index.row(), index.column())))
                                              : QVariant();
        case Qt::CheckStateRole:
            if (col.kind != CellKind::YesNo || !hasField(index.column())) {
                return QVariant();
            }
            return Query::toYesNo(shownValue(index.row(), index.column())) ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(
                (CellFormat::alignsRight(col.kind) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
        case Qt::BackgroundRole: {
            const auto c = colours(index.row(), index.column()).background;
            return c ? QVariant(*c) : QVariant();
        }
        case Qt::ForegroundRole: {
            const auto c = colours(index.row(), index.column()).foreground;
            return c ? QVariant(*c) : QVariant();
        }
        case RawValueRole:
            return rawValue(index.row(), index.column());
        case PickListRole:
            return col.pickList.isEmpty() ? QVariant() : QVariant(col.pickList);
        default:
            return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        switch (sort_.marker(section)) {
            case SortMarker::Ascending:
                return columns_[section].caption() + QStringLiteral(" ▲");
            case SortMarker::Descending:
                return columns_[section].caption() + QStringLiteral(" ▼");
            case SortMarker::None:
                break;
        }
        return columns_[section].caption();
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() < columns_.size() && columns_[index.column()].canEdit() && hasField(index.column())) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

QVariant GridModel::shownValue(int row, int column) const {
    if (const auto r = pending_.constFind(row); r != pending_.constEnd()) {
        if (const auto c = r->constFind(column); c != r->constEnd()) {
            return *c;
        }
    }
    return rawValue(row, column);
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows_.size() ||
        !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const GridColumn& col = columns_[index.column()];
    const std::optional<QVariant> parsed = CellInput::parse(col.kind, value);
    if (!parsed) {
        emit editRefused(index.row(), index.column(), CellInput::refusal(col));
        return false;
    }
    // Text that shows the same as the cell already does changes nothing (an editor closed unchanged).
    const QVariant before = shownValue(index.row(), index.column());
    if (CellFormat::display(col.kind, *parsed) == CellFormat::display(col.kind, before) &&
        (col.kind != CellKind::YesNo || Query::toYesNo(*parsed) == Query::toYesNo(before))) {
        return true;
    }
    pending_[index.row()].insert(index.column(), *parsed);
    emit dataChanged(index, index);
    emit rowEdited(index.row());
    return true;
}

RowValues GridModel::pendingValues(int row) const {
    RowValues values;
    const auto r = pending_.constFind(row);
    if (r == pending_.constEnd()) {
        return values;
    }
    for (auto c = r->constBegin(); c != r->constEnd(); ++c) {
        const QString& field = columns_[c.key()].field;
        const QVariant& v = c.value();
        if (v.isNull()) {
            values.setNull(field);
            continue;
        }
        switch (columns_[c.key()].kind) {
            case CellKind::Integer:
                values.setInteger(field, v.toLongLong());
                break;
            case CellKind::Number:
                values.setNumber(field, v.toDouble());
                break;
            case CellKind::Money:
                values.setMoney(field, Money::fromUnits(v.toLongLong()));
                break;
            case CellKind::YesNo:
                values.setYesNo(field, v.toBool());
                break;
            case CellKind::Date:
            case CellKind::DateTime:
                values.setDateTime(field, v.toDateTime());
                break;
            case CellKind::Text:
            case CellKind::Memo:
                values.setText(field, v.toString());
                break;
        }
    }
    return values;
}

void GridModel::dropPendingEdits() {
    if (pending_.isEmpty()) {
        return;
    }
    const QList<int> rows = pending_.keys();
    pending_.clear();
    for (int row : rows) {
        emit dataChanged(index(row, 0), index(row, int(columns_.size()) - 1));
    }
}

}  // namespace lanze
