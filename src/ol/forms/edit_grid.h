// A string grid of the edit dialogs: its first row and first column are
// fixed (headings, not editable), its other cells are edited in place and
// take at most a given number of characters. Cells are addressed as
// (column, row), row 0 and column 0 being the fixed ones.
#pragma once

#include <QString>
#include <QTableWidget>

namespace oltoma::ol {

class EditGrid final : public QTableWidget {
    Q_OBJECT
public:
    EditGrid(const QString& name, int columns, int rows, int maxLength, QWidget* parent);

    // Text of a fixed cell (row 0 or column 0).
    void SetFixedText(int column, int row, const QString& text);
    void SetCellText(int column, int row, const QString& text);
    QString CellText(int column, int row) const;

    // Every column `width` and every row `height` pixels wide and high.
    void SetCellSize(int width, int height);

    // Every column wide enough for `characters` capital X in the grid's
    // font (with the cell's margins) and every row as high as that text and
    // half of it; then the grid is made
    // as wide as its columns (and as high as its rows, up to `maxRows`
    // rows) plus its frame, a vertical scroll bar when rows are hidden.
    void FitCellsToText(int characters, int maxRows);

    // Puts the text of a cell editor that is still open into its cell and
    // closes the editor.
    void CommitEdit();
};

}  // namespace oltoma::ol
