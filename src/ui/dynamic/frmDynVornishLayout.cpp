// The controls of the Dynamic Equilibrium Wizard and where they stand.
// Positions are twips inside the step pages, as the window itself is sized
// in twips.
#include "dynamic/frmDynVornish.h"

#include "platform/EditableGrid.h"
#include "platform/TwipsLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextLayout>

namespace {

using TwipsLayout::place;

QLabel *caption(QWidget *parent, const QString &text, double left, double top, double width, double height = 255)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(Twips::toPixels(left, top, width, height));
    return label;
}

// A unit label whose every "-1" is raised and small.
QLabel *unitLabel(QWidget *parent, const QString &name, const QString &units, double left, double top)
{
    auto *label = place(new QLabel(parent), name, left, top, 1150, 300);
    label->setTextFormat(Qt::RichText);
    QString rich = units.toHtmlEscaped();
    rich.replace(QStringLiteral("-1"), QStringLiteral("<sup>-1</sup>"));
    label->setText(rich);
    return label;
}

QLabel *star(QWidget *parent, const QString &name, double left)
{
    auto *label = place(new QLabel(QStringLiteral("*"), parent), name, left, 300, 180, 300);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: red"));
    label->hide();
    return label;
}

QLineEdit *box(QWidget *parent, const QString &name, double left, double top, double width)
{
    return place(new QLineEdit(parent), name, left, top, width, 300);
}

// The pixel position of character position `at` of paragraph `paragraph`
// of a word-wrapped label, laid out as the label lays out its text.
QPoint textPosition(const QLabel *label, int paragraph, int at)
{
    const QStringList paragraphs = label->text().split(QLatin1Char('\n'));
    int y = 0;
    for (int p = 0; p < paragraphs.size(); ++p) {
        QTextLayout layout(paragraphs[p], label->font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            line.setPosition(QPointF(0, y));
            y += qRound(line.height());
        }
        layout.endLayout();
        if (p == paragraph) {
            const QTextLine line = layout.lineForTextPosition(at);
            return QPoint(qRound(line.cursorToX(at)), qRound(line.y()));
        }
    }
    return QPoint();
}

} // namespace

void frmDynVornish::buildStep1(QWidget *page)
{
    lblInputHeading = place(new QLabel(QStringLiteral("Component   Concentration                         at t = 0"),
                                       page),
                            QStringLiteral("lblInputHeading"), 120, 90, 4560, 255);

    Frame1 = place(new QGroupBox(QStringLiteral("A + B <=> [A/B]"), page), QStringLiteral("Frame1"), 120, 360, 4560,
                   1500);
    const QStringList species = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("[A/B]")};
    QLineEdit **concentrationBoxes[] = {&txtA, &txtB, &txtAB};
    const char *concentrationNames[] = {"txtA", "txtB", "txtAB"};
    for (int i = 0; i < 3; ++i) {
        const double top = 300 + 390 * i;
        caption(Frame1, species[i], 360, top + 30, 800);
        *concentrationBoxes[i] = box(Frame1, QLatin1String(concentrationNames[i]), 1380, top, 1500);
    }
    lblConcentrationUnit[0] = place(new QLabel(Frame1), QStringLiteral("lblConcentrationUnit(0)"), 3000, 330, 1400,
                                    255);
    lblStar1 = star(Frame1, QStringLiteral("lblStar1"), 1140);

    Frame2 = place(new QGroupBox(page), QStringLiteral("Frame2"), 120, 1960, 4560, 1500);
    const QStringList constants = {QStringLiteral("K-ass. rate"), QStringLiteral("K-diss. rate"),
                                   QStringLiteral("Kd (equilibrium)")};
    const QStringList units = {QStringLiteral("(M-1 s-1)"), QStringLiteral("(s-1)"), QStringLiteral("(M)")};
    QLineEdit **constantBoxes[] = {&txtK_ass_rate, &txtK_diss_rate, &txtKd};
    const char *constantNames[] = {"txtK_ass_rate", "txtK_diss_rate", "txtKd"};
    const char *unitNames[] = {"lblK_ass_rateUnit", "lblK_diss_rateUnit", "lblKdUnit"};
    for (int i = 0; i < 3; ++i) {
        const double top = 240 + 390 * i;
        caption(Frame2, constants[i], 240, top + 30, 1380);
        *constantBoxes[i] = box(Frame2, QLatin1String(constantNames[i]), 1860, top, 1400);
        unitLabel(Frame2, QLatin1String(unitNames[i]), units[i], 3360, top);
    }
    lblStar2 = star(Frame2, QStringLiteral("lblStar2"), 1640);
}

void frmDynVornish::buildStep2(QWidget *page)
{
    caption(page, QStringLiteral("Simulation time window"), 120, 150, 2700);
    cmbTimeUnit = place(new QComboBox(page), QStringLiteral("cmbTimeUnit"), 2900, 90, 1560, 315);
    cmbTimeUnit->addItems({QStringLiteral("milliseconds"), QStringLiteral("seconds"), QStringLiteral("minutes"),
                           QStringLiteral("hours")});
    caption(page, QStringLiteral("0"), 360, 600, 200);
    caption(page, QStringLiteral("-"), 600, 600, 200);
    txtEndTime = box(page, QStringLiteral("txtEndTime"), 840, 570, 1000);
    lblTimeUnit = place(new QLabel(QStringLiteral("seconds"), page), QStringLiteral("lblTimeUnit"), 1960, 600, 2500,
                        255);

    lblRecordingInterval = place(new QLabel(QStringLiteral("Recording interval "), page),
                                 QStringLiteral("lblRecordingInterval"), 120, 1200, 2700, 255);
    caption(page, QStringLiteral("Store data points every"), 360, 1650, 2000);
    txtRecordingInterval = box(page, QStringLiteral("txtRecordingInterval"), 2460, 1620, 800);
    lblTimeUnit2 = place(new QLabel(page), QStringLiteral("lblTimeUnit2"), 3360, 1650, 1200, 255);

    caption(page, QStringLiteral("Simulation precision"), 120, 2250, 2700);
    cmbSimulationPrecision = place(new QComboBox(page), QStringLiteral("cmbSimulationPrecision"), 360, 2640, 900, 315);
    cmbSimulationPrecision->addItems({QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("0.2"),
                                      QStringLiteral("0.05"), QStringLiteral("0.01")});
    caption(page, QStringLiteral("% of recording interval"), 1380, 2670, 2800);

    cmdOptions = place(new QPushButton(QStringLiteral("Options"), page), QStringLiteral("cmdOptions"), 120, 3420, 1300,
                       375);
    cmdOptions->setToolTip(QStringLiteral("Use the Options window to customize the graph"));
    cmdPlotGraphFromDB = place(new QPushButton(QStringLiteral("Use existing simulation data"), page),
                               QStringLiteral("cmdPlotGraphFromDB"), 1560, 3420, 2900, 375);
}

void frmDynVornish::buildStep3(QWidget *page)
{
    lblEvents = place(new QLabel(QStringLiteral("Programmed events:"), page), QStringLiteral("lblEvents"), 120, 90,
                      2700, 255);

    flgDynamVn_Events = new EditableGrid(QStringLiteral("flgDynamVn_Events"),
                                         QStringLiteral("|^   Time  |^ Change;|1|2|3|4"), page);
    // Five rows of 300 twips under a fixed column of 400 and two of 1150.
    const int rowHeight = Twips::toPixelsY(300);
    flgDynamVn_Events->horizontalHeader()->setFixedHeight(rowHeight);
    flgDynamVn_Events->verticalHeader()->setFixedWidth(Twips::toPixelsX(400));
    flgDynamVn_Events->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flgDynamVn_Events->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int column = 0; column < 2; ++column)
        flgDynamVn_Events->setColumnWidth(column, Twips::toPixelsX(1150));
    flgDynamVn_Events->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    flgDynamVn_Events->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = flgDynamVn_Events->frameWidth();
    flgDynamVn_Events->setGeometry(Twips::toPixelsX(120), Twips::toPixelsY(360), Twips::toPixelsX(2700) + 2 * frame,
                                   5 * rowHeight + 2 * frame);
    txtEdit = flgDynamVn_Events->editor();
    flgDynamVn_Events->setToolTip(QStringLiteral("Increase or decrease (by positive and negative 'change' values "
                                                 "respectively) the concentration of a molecule."));
    for (int i = 0; i < 4; ++i) {
        // Each list stands beside its row of the grid.
        auto *list = new QComboBox(page);
        list->setObjectName(QStringLiteral("cmbSelectChangingVariable(%1)").arg(i));
        list->setGeometry(flgDynamVn_Events->geometry().right() + Twips::toPixelsX(90),
                          flgDynamVn_Events->y() + frame + rowHeight * (i + 1), Twips::toPixelsX(900), rowHeight);
        list->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("[A/B]")});
        cmbSelectChangingVariable[i] = list;
    }

    // Side by side, the button a margin inside the page's right border.
    chkChallenge = place(new QCheckBox(QStringLiteral("Competitor \"challenge\""), page),
                         QStringLiteral("chkChallenge"), 120, 2010, 2400, 300);
    cmdKinetics = place(new QPushButton(QStringLiteral("Kinetics Summary"), page), QStringLiteral("cmdKinetics"), 2640,
                        1980, 1800, 360);
    cmdKinetics->setToolTip(QStringLiteral("Half-times, equilibria and the accuracy of the last run"));
    chkChallenge->setToolTip(QStringLiteral("Challenge the equilibrium with unlabeled competitor. See Help."));

    lblEventsText = place(new QLabel(page), QStringLiteral("lblEventsText"), 60, 2340, 4620, 1140);
    lblEventsText->setWordWrap(true);
    QFont smaller = lblEventsText->font();
    smaller.setPointSizeF(7);
    lblEventsText->setFont(smaller);
    lblEventsText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEventsText->setText(
        QStringLiteral("You can program perturbations of the equilibrium in the real time simulation.\n"
                       "Time points should be between 0 and                                 .\n"
                       "Concentration changes are expressed in                  .\n"
                       "Use the 'Competitor challenge' option for competition experiments. Use Help for more "
                       "information."));
    lblEndTime = place(new QLabel(page), QStringLiteral("lblEndTime"), 0, 0, 1500, 255);
    lblConcentrationUnit[1] = place(new QLabel(page), QStringLiteral("lblConcentrationUnit(1)"), 0, 0, 1000, 255);
    for (QLabel *overlay : {lblEndTime, lblConcentrationUnit[1]}) {
        overlay->setFont(smaller);
        overlay->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    lblTip = place(new QLabel(QStringLiteral("Tip"), page), QStringLiteral("lblTip"), 120, 3540, 450, 255);
    QFont bold = lblTip->font();
    bold.setBold(true);
    lblTip->setFont(bold);
    lblTipText = place(
        new QLabel(QStringLiteral("Programmed events is an optional feature. You may leave the table open."), page),
        QStringLiteral("lblTipText"), 600, 3540, 3900, 480);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmDynVornish::buildButtons(QWidget *content)
{
    cmdBack = place(new QPushButton(QStringLiteral("Back"), content), QStringLiteral("cmdBack"), 60, 4560, 1140, 375);
    cmdGo = place(new QPushButton(QStringLiteral("Next"), content), QStringLiteral("cmdGo"), 1260, 4560, 1140, 375);
    cmdGo->setDefault(true);
    cmdClearForm = place(new QPushButton(QStringLiteral("Clear Form"), content), QStringLiteral("cmdClearForm"), 2460,
                         4560, 1140, 375);
    cmdClose = place(new QPushButton(QStringLiteral("Close"), content), QStringLiteral("cmdClose"), 3660, 4560, 1140,
                     375);
    cmdDynamVnTlAssistant = place(new QPushButton(QStringLiteral("Dynamic Tool Assistant"), content),
                                  QStringLiteral("cmdDynamVnTlAssistant"), 60, 4980, 4740, 375);
    cmdDynamVnTlAssistant->setToolTip(QStringLiteral("How to vornish? The Equilibrium Tool Assistant helps..."));
}

void frmDynVornish::placeEventsTextOverlays()
{
    // The end time and the unit stand over the blanks left for them.
    static const int endTimeAt = QStringLiteral("Time points should be between 0 and ").size();
    static const int unitAt = QStringLiteral("Concentration changes are expressed in ").size();
    const QPoint origin = lblEventsText->geometry().topLeft() + lblEventsText->contentsRect().topLeft();
    lblEndTime->move(origin + textPosition(lblEventsText, 1, endTimeAt) + QPoint(2, 0));
    lblConcentrationUnit[1]->move(origin + textPosition(lblEventsText, 2, unitAt) + QPoint(2, 0));
    lblEndTime->raise();
    lblConcentrationUnit[1]->raise();
}
