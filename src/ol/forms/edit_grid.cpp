#include "ol/forms/edit_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

#include "platform/qt/field_limits.h"

namespace oltoma::ol {
namespace {

// Cell editors that take what the cell's stored field holds: at most
// maxLength characters, each with a Windows-1252 byte.
class LimitedCellDelegate final : public QStyledItemDelegate {
public:
    LimitedCellDelegate(int maxLength, QObject* parent)
        : QStyledItemDelegate(parent), maxLength_(maxLength) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            platform::LimitToStoredField(line, maxLength_);
        }
        return editor;
    }

private:
    int maxLength_;
};

}  // namespace

EditGrid::EditGrid(const QString& name, int columns, int rows, int maxLength, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new LimitedCellDelegate(maxLength, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* cell = new QTableWidgetItem;
            if (row == 0 || column == 0) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(palette().button());
                cell->setForeground(palette().buttonText());
            }
            setItem(row, column, cell);
        }
    }
    setCurrentCell(rows > 1 ? 1 : 0, columns > 1 ? 1 : 0);
}

void EditGrid::SetFixedText(int column, int row, const QString& text) {
    item(row, column)->setText(text);
}

void EditGrid::SetCellText(int column, int row, const QString& text) {
    item(row, column)->setText(text);
}

QString EditGrid::CellText(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void EditGrid::SetCellSize(int width, int height) {
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, width);
    }
    for (int row = 0; row < rowCount(); ++row) {
        setRowHeight(row, height);
    }
}

void EditGrid::FitCellsToText(int characters, int maxRows) {
    const QFontMetrics metrics(font());
    const int height = metrics.height();
    // A cell draws its text inside a margin on each side and its grid line.
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    SetCellSize(metrics.horizontalAdvance(QString(characters, QChar('X'))) + margins,
                height + height / 2);
    const int shownRows = std::min(maxRows, rowCount());
    int scrollBar = 0;
    if (shownRows < rowCount()) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scrollBar = verticalScrollBar()->sizeHint().width();
    } else {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * frameWidth();
    resize(columnCount() * columnWidth(0) + frame + scrollBar, shownRows * rowHeight(0) + frame);
}

void EditGrid::CommitEdit() {
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

}  // namespace oltoma::ol
