#pragma once

#include <QDialog>

class QSpinBox;

// "Graph Resolution": the dots per inch of a saved bitmap of the graph.
class ResolutionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ResolutionDialog(int dotsPerInch, QWidget *parent = nullptr);

    QSpinBox *spnResolution = nullptr;

    static constexpr int MinimumDpi = 72;
    static constexpr int MaximumDpi = 1200;
};
