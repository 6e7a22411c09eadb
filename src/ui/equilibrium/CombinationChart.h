#pragma once

#include <QWidget>

// The chart of the eleven accepted input combinations: one column per
// combination, one row per quantity (A, Total A, B, Total B, [A/B], Kd), a
// mark where the combination uses the quantity. Rows line up with the
// labels beside it, rowHeight apart.
class CombinationChart : public QWidget
{
    Q_OBJECT

public:
    explicit CombinationChart(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    static constexpr int rowHeight = 16;

    // The column numbers over the chart: their font, and where one is drawn.
    QFont numberFont() const;
    QRect numberRect(int column) const;

private:
    int columnWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
