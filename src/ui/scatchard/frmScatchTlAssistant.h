#pragma once

#include "platform/ChildWindow.h"

class QGroupBox;
class QLabel;

// "Scatchard Analysis Assistant": what input the Scatchard window still
// needs, and three short topics on the axes, the units and the grid.
class frmScatchTlAssistant : public ChildWindow
{
    Q_OBJECT

public:
    frmScatchTlAssistant();

    QGroupBox *fraAssistant = nullptr;
    QLabel *lblInputRequirements = nullptr;
    QGroupBox *fraWhatAbout = nullptr;
    QLabel *lblBoundAndBoundFree = nullptr, *lblUnitsTopic = nullptr, *lblNavigation = nullptr;
    QGroupBox *fraTopic = nullptr; // the topic area, hidden until a topic is chosen
    QLabel *lblTitle = nullptr, *lblText = nullptr, *lblUnits = nullptr;

    // "nM (1E-09 Molar)" for nM.
    static QString LongUnitText(const QString &unit);

    void Form_Load();
    void lblBoundAndBoundFree_Click();
    void lblUnitsTopic_Click();
    void lblNavigation_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowTopic(const QString &title, const QString &text, bool showUnits);
};

namespace modStatistics {

// Writes the guidance for the Scatchard window's first rows into the
// assistant; the grid's current cell is left where it was.
void ShowInputRequirements();

// ShowInputRequirements when the assistant is shown.
void RefreshInputRequirements();

} // namespace modStatistics
