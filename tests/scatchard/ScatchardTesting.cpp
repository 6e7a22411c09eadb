#include "ScatchardTesting.h"

#include "platform/EditableGrid.h"

#include <cmath>
#include <functional>
#include <numeric>

const QList<QStringList> kWorkedExample{{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}};

const std::vector<double> kMisraX = {77.6,  114.9, 141.1, 190.8, 239.9, 289.0, 332.8,
                                     378.4, 434.8, 477.3, 536.8, 593.1, 689.1, 760.0};
const std::vector<double> kMisraY = {10.07, 14.73, 17.94, 23.93, 29.61, 35.18, 40.02,
                                     44.82, 50.76, 55.05, 61.01, 66.40, 75.47, 81.78};

QList<QStringList> misraRows()
{
    QList<QStringList> rows;
    for (size_t i = 0; i < kMisraX.size(); ++i)
        rows << QStringList{QString::number(kMisraX[i]), QString::number(kMisraY[i], 'f', 2)};
    return rows;
}

void oneSiteWithScatter(std::vector<double> &x, std::vector<double> &y)
{
    const double noise[] = {0.8, -1.1, 0.4, 1.3, -0.6, -0.9, 1.0, -0.3, 0.7, -1.2, 0.2, 0.5};
    x.clear();
    y.clear();
    for (int i = 0; i < 12; ++i) {
        x.push_back(0.2 * std::pow(250.0, i / 11.0));
        y.push_back(150 * x.back() / (4 + x.back()) + noise[i]);
    }
}

bool near(double value, double reference, double relative)
{
    return std::fabs(value - reference) <= relative * std::fabs(reference);
}

namespace {

double goldenMinimum(const std::function<double(double)> &f, double a, double b)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 300; ++i) {
        const double c = b - ratio * (b - a), d = a + ratio * (b - a);
        (f(c) < f(d) ? b : a) = (f(c) < f(d) ? d : c);
    }
    return (a + b) / 2;
}

} // namespace

double IndependentProfile::bestBmax(double kd) const
{
    // Bound is Bmax times the occupancy g: the least-squares Bmax is g.y / g.g.
    std::vector<double> g;
    for (double f : free)
        g.push_back(f / (kd + f));
    return std::inner_product(g.begin(), g.end(), bound.begin(), 0.0)
           / std::inner_product(g.begin(), g.end(), g.begin(), 0.0);
}

double IndependentProfile::profile(double logKd) const
{
    const double kd = std::exp(logKd), bmax = bestBmax(kd);
    double sum = 0;
    for (size_t i = 0; i < free.size(); ++i) {
        const double r = bound[i] - bmax * free[i] / (kd + free[i]);
        sum += r * r;
    }
    return sum;
}

double IndependentProfile::bestLogKd(double logLow, double logHigh) const
{
    return goldenMinimum([&](double v) { return profile(v); }, logLow, logHigh);
}

double IndependentProfile::crossing(double inside, double outside, double limit) const
{
    for (int i = 0; i < 100; ++i) {
        const double middle = (inside + outside) / 2;
        (profile(middle) <= limit ? inside : outside) = middle;
    }
    return std::exp((inside + outside) / 2);
}

void typeIntoFocus(const QString &text)
{
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}

void clickCell(EditableGrid &grid, int row, int col)
{
    const QModelIndex cell = grid.model()->index(row - 1, col - 1);
    grid.scrollTo(cell);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
}

void fillGrid(EditableGrid &grid, const QList<QStringList> &rows)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid.setTextMatrix(r + 1, c + 1, rows[r][c]);
}
