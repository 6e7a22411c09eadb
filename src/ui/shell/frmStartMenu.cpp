#include "shell/frmStartMenu.h"

#include "platform/Twips.h"
#include "shell/ToolIcons.h"
#include "shell/frmVn_Main.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr double kWidth = 5415;
constexpr double kHeight = 6420;

QToolButton *addTool(QGridLayout *grid, int row, const char *name, const QString &pictureKey, const QString &tip,
                     const QString &heading, const QString &description)
{
    auto *button = new QToolButton();
    button->setObjectName(QLatin1String(name));
    button->setIcon(ToolIcons::toolPicture(pictureKey, 36));
    button->setIconSize(QSize(36, 36));
    button->setToolTip(tip);
    button->setAutoRaise(false);
    grid->addWidget(button, row * 2, 0, 2, 1);

    auto *headingLabel = new QLabel(heading);
    headingLabel->setObjectName(QStringLiteral("lbl") + QLatin1String(name + 3) + QStringLiteral("Heading"));
    QFont bold = headingLabel->font();
    bold.setBold(true);
    headingLabel->setFont(bold);
    grid->addWidget(headingLabel, row * 2, 1);

    auto *descriptionLabel = new QLabel(description);
    descriptionLabel->setObjectName(QStringLiteral("lbl") + QLatin1String(name + 3) + QStringLiteral("Description"));
    descriptionLabel->setWordWrap(true);
    QFont small = descriptionLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    descriptionLabel->setFont(small);
    grid->addWidget(descriptionLabel, row * 2 + 1, 1);
    return button;
}

} // namespace

frmStartMenu::frmStartMenu(frmVn_Main *mainWindow)
    : ChildWindow(QStringLiteral("frmStartMenu"), QStringLiteral("Tool menu"))
    , m_main(mainWindow)
{
    auto *content = new QWidget();
    auto *grid = new QGridLayout(content);
    grid->setColumnStretch(1, 1);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);
    cmdVnTl = addTool(grid, 0, "cmdVnTl", QStringLiteral("Vornish"),
                      QStringLiteral("Click here to use the Equilibrium Tool"), QStringLiteral("Equilibrium Tool"),
                      QStringLiteral("Calculate steady state equilibria of molecules."));
    cmdScatchTl = addTool(grid, 1, "cmdScatchTl", QStringLiteral("Scatchard Analysis"),
                          QStringLiteral("Click here to use the Scatchard Analysis Tool"),
                          QStringLiteral("Scatchard Analysis Tool"),
                          QStringLiteral("Calculate the dissociation constant (KD), and use statistics to evaluate "
                                         "the experimental data."));
    cmdDynamVn = addTool(grid, 2, "cmdDynamVn", QStringLiteral("DynamVn"),
                         QStringLiteral("Click here to perform real time simulation of equilibria"),
                         QStringLiteral("Dynamic Equilibrium Tool "),
                         QStringLiteral("Perform a simulation of a real time dynamic equilibrium."));
    cmdSaturationTl = addTool(grid, 3, "cmdSaturationTl", QStringLiteral("Saturation Binding"),
                              QStringLiteral("Click here to fit saturation binding data"),
                              QStringLiteral("Saturation Binding"),
                              QStringLiteral("Fit one or two sites to measured binding with replicates, and compare "
                                             "the models."));
    cmdCompetition = addTool(grid, 4, "cmdCompetition", QStringLiteral("Competition"),
                             QStringLiteral("Click here to use the Competition Tool"),
                             QStringLiteral("Competition Tool"),
                             QStringLiteral("Compute competition with an unlabelled ligand, and convert IC50 to Ki."));
    cmdKineticsFit = addTool(grid, 5, "cmdKineticsFit", QStringLiteral("Kinetics Fit"),
                             QStringLiteral("Click here to fit rate constants to measured time courses"),
                             QStringLiteral("Kinetics Fit"),
                             QStringLiteral("Fit k_ass, k_diss and Kd globally to measured association and "
                                            "dissociation traces."));
    cmdAssayPlanner = addTool(grid, 6, "cmdAssayPlanner", QStringLiteral("Assay Planner"),
                              QStringLiteral("Click here to plan a binding experiment"),
                              QStringLiteral("Assay Planner"),
                              QStringLiteral("Plan concentrations and incubation time, and predict how well Kd will "
                                             "be determined."));
    setWidget(content);
    connect(cmdAssayPlanner, &QToolButton::clicked, this, &frmStartMenu::cmdAssayPlanner_Click);
    connect(cmdKineticsFit, &QToolButton::clicked, this, &frmStartMenu::cmdKineticsFit_Click);
    connect(cmdSaturationTl, &QToolButton::clicked, this, &frmStartMenu::cmdSaturationTl_Click);
    connect(cmdVnTl, &QToolButton::clicked, this, &frmStartMenu::cmdVnTl_Click);
    connect(cmdScatchTl, &QToolButton::clicked, this, &frmStartMenu::cmdScatchTl_Click);
    connect(cmdDynamVn, &QToolButton::clicked, this, &frmStartMenu::cmdDynamVn_Click);
    connect(cmdCompetition, &QToolButton::clicked, this, &frmStartMenu::cmdCompetition_Click);
    Form_Load();
}

void frmStartMenu::Form_Load()
{
    const double mainWidth = Twips::fromPixelsX(m_main->width());
    const double mainHeight = Twips::fromPixelsY(m_main->height());
    setTwipsGeometry((mainWidth - kWidth) / 2, (mainHeight - kHeight - 2000) / 3, kWidth, kHeight);
}

void frmStartMenu::cmdVnTl_Click()
{
    m_main->mnuVnVornish_Click();
    hide();
}

void frmStartMenu::cmdScatchTl_Click()
{
    m_main->mnuScatchard_Click();
    hide();
}

void frmStartMenu::cmdSaturationTl_Click()
{
    m_main->mnuSaturation_Click();
    hide();
}

void frmStartMenu::cmdDynamVn_Click()
{
    m_main->mnuDynamVn_Click();
    hide();
}

void frmStartMenu::cmdAssayPlanner_Click()
{
    m_main->mnuAssayPlanner_Click();
}

void frmStartMenu::cmdCompetition_Click()
{
    m_main->mnuCompetition_Click();
    hide();
}

void frmStartMenu::cmdKineticsFit_Click()
{
    m_main->mnuKineticsFit_Click();
    hide();
}
