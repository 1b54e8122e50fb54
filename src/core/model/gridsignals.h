// What a grid tells the views that show it and the school that owns it. A grid owns its
// signals object; copying a grid never copies who listens to it.
#pragma once

#include <QObject>

namespace orve::model {

class GridSignals : public QObject
{
    Q_OBJECT

signals:
    // Cells changed within the rectangle (texts or formats).
    void cellsChanged(int top, int left, int bottom, int right);
    // Some cell text changed, or the cells were replaced: what a file stores has changed.
    void textsChanged();
    // Some colour, style, alignment or font changed and no text did: markers only.
    void formatsChanged();
    // Counts, sizes, merge flags or the whole content changed.
    void structureChanged();
    void currentCellChanged(int row, int column);
    void topRowChanged(int row);
};

} // namespace orve::model
