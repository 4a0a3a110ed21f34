// The two fixed header rows of a time-series table: the column titles and,
// below them, the units drawn with raised exponents.
#pragma once

#include <QHeaderView>

namespace hydrim::gui {

// Model role of the unit text of a column (horizontal header data).
inline constexpr int UnitRole = Qt::UserRole + 1;

class TwoRowHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TwoRowHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    int rowHeight() const;
};

} // namespace hydrim::gui
