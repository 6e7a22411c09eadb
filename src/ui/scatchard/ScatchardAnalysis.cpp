#include "scatchard/ScatchardAnalysis.h"

#include "platform/EditableGrid.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/ScatchardGraph.h"
#include "scatchard/ScatchardInput.h"
#include "scatchard/ScatchardMessages.h"
#include "scatchard/StudentT.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QLabel>

namespace modStatistics {
namespace {

void showInvalidInput()
{
    Messages::show(InvalidInputText(), Messages::Buttons::Ok, Messages::Icon::Exclamation,
                   QStringLiteral("Data Input Error"));
}

void showInsufficientInput()
{
    Messages::show(InsufficientInputText(), Messages::Buttons::Ok, Messages::Icon::None,
                   QStringLiteral("Error: insufficient input"));
}

void showPositiveSlope()
{
    Messages::show(PositiveSlopeText(), Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Warning"));
}

void showInconclusiveData()
{
    Messages::show(InconclusiveDataText(), Messages::Buttons::Ok, Messages::Icon::Exclamation,
                   QStringLiteral("Warning: Data are statistically inconclusive"));
}

// Reads one cell for the analysis, with the current cell on it; a value
// that is not greater than zero is reported and still used.
double readCell(EditableGrid &grid, int row, int col)
{
    grid.setCurrent(row, col);
    const double value = NumberText::leadingNumber(grid.TextMatrix(row, col));
    if (value <= 0)
        showInvalidInput();
    return value;
}

} // namespace

bool AnalyzeScatchard(frmScatchard &form)
{
    StatusText::set(QStringLiteral("Calculating  Kd..."));
    EditableGrid &grid = *form.flgInputScatchard;
    // A value still in the editor is part of the data.
    grid.CommitEdit();
    const int n = CountDataRows(form.gridRows());
    if (n == 0) {
        grid.setCurrent(1, 1);
        showInvalidInput();
        StatusText::clear();
        return false;
    }
    try {
        std::vector<double> x(n), y(n);
        for (int i = 0; i < n; ++i) {
            x[i] = readCell(grid, i + 1, 1);
            y[i] = readCell(grid, i + 1, 2);
        }
        if (n < 3) {
            showInsufficientInput();
            StatusText::clear();
            return false;
        }

        double intercept = 0, slope = 0, seSlope = 0, t = 0;
        LinearRegression(quint8(n), x, y, intercept, slope, seSlope);
        StudentT(0.025, n, t);
        form.lblOutputIntercept->setText(OutputNumberText(intercept));
        form.lblOutputSlope->setText(OutputNumberText(slope));
        form.lblOutputSEb->setText(OutputNumberText(seSlope));
        form.lblOutputdf->setText(NumberText::format(n - 2, QStringLiteral("#0")));

        const QString unit = Session::current().concentrationUnit();
        form.lblOutputKd->setText(OutputNumberText(KdOfSlope(slope)) + QLatin1Char(' ') + unit);
        if (slope >= 0)
            showPositiveSlope();
        const KdInterval interval = KdConfidenceInterval(slope, seSlope, t);
        if (interval.kind == KdInterval::OpenAbove)
            showInconclusiveData();
        form.lblOutputCI->setText(KdIntervalText(interval, unit));

        PlotScatchardGraph(x, y, slope, intercept);
        return true;
    } catch (const RuntimeFault &) {
        showInvalidInput();
        StatusText::clear();
        return false;
    }
}

} // namespace modStatistics
