#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// "Graph Size and Resolution": the width a saved graph gets (its height
// follows, the proportions kept) and, for a bitmap, its dots per inch.
class ResolutionDialog : public QDialog
{
    Q_OBJECT

public:
    // naturalWidthMm and naturalHeightMm: the graph's size as the screen shows it.
    ResolutionDialog(double widthMm, int dotsPerInch, bool bitmap, double naturalWidthMm, double naturalHeightMm,
                     QWidget *parent = nullptr);

    QDoubleSpinBox *spnWidth = nullptr;
    QLabel *lblHeight = nullptr;
    QSpinBox *spnResolution = nullptr;

    static constexpr int MinimumDpi = 72;
    static constexpr int MaximumDpi = 1200;
    static constexpr double MinimumWidthMm = 20;
    static constexpr double MaximumWidthMm = 500;

private:
    void showHeight();

    double m_aspect; // height per width
};
