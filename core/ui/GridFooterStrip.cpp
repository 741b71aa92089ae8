#include "core/ui/GridFooterStrip.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

#include "core/grid/CellFormat.h"
#include "core/grid/GridModel.h"

namespace lanze {

GridFooterStrip::GridFooterStrip(QTableView* view, GridModel* model, QWidget* parent)
    : QWidget(parent), view_(view), model_(model) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto repaint = [this] { update(); };
    QHeaderView* header = view_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connect(model_, &GridModel::footerChanged, this, repaint);
    connect(model_, &QAbstractItemModel::modelReset, this, repaint);
}

QSize GridFooterStrip::sizeHint() const {
    return QSize(100, fontMetrics().height() + 8);
}

int GridFooterStrip::viewportLeft() const {
    // The strip sits directly under the view; the view's cells start where its viewport does.
    return view_->viewport()->mapTo(view_->window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
}

QRect GridFooterStrip::cellRect(int column) const {
    const QHeaderView* header = view_->horizontalHeader();
    if (column < 0 || column >= header->count() || header->isSectionHidden(column)) {
        return QRect();
    }
    return QRect(viewportLeft() + header->sectionViewportPosition(column), 0, header->sectionSize(column),
                 height());
}

void GridFooterStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    p.setClipRect(QRect(viewportLeft(), 0, view_->viewport()->width(), height()));
    const QColor line = palette().color(QPalette::Mid);
    const QHeaderView* header = view_->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (header->isSectionHidden(column) || column >= model_->columnCount()) {
            continue;
        }
        const QRect cell = cellRect(column);
        p.setPen(line);
        p.drawLine(cell.topRight(), cell.bottomRight());
        const QString text = model_->footerText(column);
        if (text.isEmpty()) {
            continue;
        }
        const bool right = model_->column(column).footer.kind() == ColumnFooter::Kind::Sum ||
                           CellFormat::alignsRight(model_->column(column).kind);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(cell.adjusted(4, 0, -4, 0),
                   int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter), text);
    }
    p.setClipping(false);
    p.setPen(line);
    p.drawLine(rect().topLeft(), rect().topRight());
}

}  // namespace lanze
