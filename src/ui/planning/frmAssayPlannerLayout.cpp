#include "planning/frmAssayPlanner.h"

#include "fitting/PlotPicture.h"
#include "session/Session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QTableWidget *table(const char *name)
{
    auto *t = named(new QTableWidget(), name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    return t;
}

} // namespace

void frmAssayPlanner::BuildControls()
{
    auto *content = new QWidget();
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);
    auto *columns = new QHBoxLayout(content);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->addWidget(BuildInputs());

    tabResults = named(new QTabWidget(), "tabResults");
    tabResults->addTab(BuildPlanPage(), QStringLiteral("Plan"));
    tabResults->addTab(BuildPrecisionPage(), QStringLiteral("Predicted Precision"));
    auto *curves = new QWidget();
    auto *curvesLayout = new QVBoxLayout(curves);
    picCurves = new PlotPicture(QStringLiteral("picCurves"), 2600, curves);
    curvesLayout->addWidget(picCurves, 1);
    tabResults->addTab(curves, QStringLiteral("Predicted Curves"));
    columns->addWidget(tabResults, 1);
    setWidget(content);
}

QWidget *frmAssayPlanner::BuildInputs()
{
    auto *box = named(new QGroupBox(QStringLiteral("Before the experiment")), "fraInputs");
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(3);
    lblHeading = named(new QLabel(), "lblHeading");
    grid->addWidget(lblHeading, 0, 0, 1, 4);
    cmbExperiment = named(new QComboBox(), "cmbExperiment");
    cmbExperiment->addItems(
        {QStringLiteral("Saturation binding"), QStringLiteral("Competition"), QStringLiteral("Kinetics")});
    auto *experiment = new QLabel(QStringLiteral("Experiment"));
    experiment->setBuddy(cmbExperiment);
    grid->addWidget(experiment, 1, 0);
    grid->addWidget(cmbExperiment, 1, 1, 1, 3);

    const auto field = [&](const char *name, const QString &caption, int row, int column, const QString &tip) {
        auto *f = named(new QLineEdit(), name);
        f->setToolTip(tip);
        f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("0.000001")) + 10);
        auto *l = new QLabel(caption);
        l->setBuddy(f);
        grid->addWidget(l, row, column);
        grid->addWidget(f, row, column + 1);
        connect(f, &QLineEdit::returnPressed, this, &frmAssayPlanner::cmdPlan_Click);
        return f;
    };
    txtKd = field("txtKd", QStringLiteral("Expected Kd"), 2, 0,
                  QStringLiteral("Of the labelled ligand in a competition"));
    txtSites = field("txtSites", QStringLiteral("Binding sites"), 2, 2,
                     QStringLiteral("The binding-site concentration"));
    txtKAss = field("txtKAss", QStringLiteral("k_ass"), 3, 0,
                    QStringLiteral("Per M per s, when known; empty: a typical 1e6"));
    txtKDiss = field("txtKDiss", QStringLiteral("k_diss"), 3, 2, QStringLiteral("Per s, when known"));
    txtLabelled = field("txtLabelled", QStringLiteral("Labelled"), 4, 0,
                        QStringLiteral("Competition: the labelled ligand's concentration"));
    txtKi = field("txtKi", QStringLiteral("Ki"), 4, 2, QStringLiteral("Competition: the competitor's expected Ki"));
    txtLowest = field("txtLowest", QStringLiteral("Lowest"), 5, 0,
                      QStringLiteral("The lowest concentration; empty: proposed"));
    txtHighest = field("txtHighest", QStringLiteral("Highest"), 5, 2,
                       QStringLiteral("The highest concentration; empty: proposed"));
    txtPoints = field("txtPoints", QStringLiteral("Points"), 6, 0, QStringLiteral("3 to 100; empty: 12"));
    txtReplicates = field("txtReplicates", QStringLiteral("Replicates"), 6, 2, QStringLiteral("1 to 20"));
    txtCv = field("txtCv", QStringLiteral("Scatter (%)"), 7, 0,
                  QStringLiteral("The scatter of one measurement, as a coefficient of variation"));
    txtReplicates->setText(QStringLiteral("2"));
    txtCv->setText(QStringLiteral("5"));
    txtPoints->setText(QStringLiteral("8"));

    cmdPlan = named(new QPushButton(QStringLiteral("Plan")), "cmdPlan");
    cmdPlan->setDefault(true);
    cmdSimulate = named(new QPushButton(QStringLiteral("Simulate")), "cmdSimulate");
    cmdSimulate->setToolTip(QStringLiteral("The selected planned point into the Dynamic Equilibrium Wizard"));
    cmdExport = named(new QPushButton(QStringLiteral("Export Plan...")), "cmdExport");
    cmdClose = named(new QPushButton(QStringLiteral("Close")), "cmdClose");
    auto *buttons = new QGridLayout();
    buttons->addWidget(cmdPlan, 0, 0);
    buttons->addWidget(cmdSimulate, 0, 1);
    buttons->addWidget(cmdExport, 1, 0);
    buttons->addWidget(cmdClose, 1, 1);
    grid->setRowStretch(8, 1);
    grid->addLayout(buttons, 9, 0, 1, 4);
    return box;
}

QWidget *frmAssayPlanner::BuildPlanPage()
{
    auto *page = new QWidget();
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    flgPlan = table("flgPlan");
    layout->addWidget(flgPlan, 3);
    txtNotes = named(new QPlainTextEdit(), "txtNotes");
    txtNotes->setReadOnly(true);
    layout->addWidget(txtNotes, 2);
    return page;
}

QWidget *frmAssayPlanner::BuildPrecisionPage()
{
    auto *page = new QWidget();
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *run = new QHBoxLayout();
    cmdPrecision = named(new QPushButton(QStringLiteral("Predict Precision")), "cmdPrecision");
    cmdPrecision->setToolTip(QStringLiteral("Simulates each design 300 times with the scatter and fits each"));
    prgPrecision = named(new QProgressBar(), "prgPrecision");
    prgPrecision->setRange(0, 100);
    prgPrecision->setValue(0);
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel")), "cmdCancel");
    cmdCancel->setEnabled(false);
    run->addWidget(cmdPrecision);
    run->addWidget(prgPrecision, 1);
    run->addWidget(cmdCancel);
    layout->addLayout(run);
    auto *second = new QHBoxLayout();
    const auto field = [&](const char *name, const QString &caption, const QString &text) {
        auto *f = named(new QLineEdit(text), name);
        f->setMaximumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
        auto *l = new QLabel(caption);
        l->setBuddy(f);
        second->addWidget(l);
        second->addWidget(f);
        return f;
    };
    second->addWidget(new QLabel(QStringLiteral("Design 2:")));
    txtPointsB = field("txtPointsB", QStringLiteral("points"), QStringLiteral("12"));
    txtReplicatesB = field("txtReplicatesB", QStringLiteral("replicates"), QStringLiteral("1"));
    second->addStretch();
    layout->addLayout(second);
    flgPrecision = table("flgPrecision");
    flgPrecision->setColumnCount(2);
    flgPrecision->setRowCount(5);
    flgPrecision->setHorizontalHeaderLabels({QStringLiteral("Design 1"), QStringLiteral("Design 2")});
    flgPrecision->setVerticalHeaderLabels({QStringLiteral("Points"), QStringLiteral("Replicates"),
                                           QStringLiteral("Median width of the 95 % interval of Kd, of Kd"),
                                           QStringLiteral("Median fitted Kd / expected"),
                                           QStringLiteral("Failed fits")});
    flgPrecision->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    flgPrecision->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(flgPrecision);
    layout->addStretch();
    return page;
}
