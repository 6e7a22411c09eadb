#include "dynamic/UpdateAssistantGuidance.h"

#include "dynamic/AssistantGuidanceText.h"
#include "dynamic/DynamicWindows.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "session/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace modVornish {
namespace {

// Puts a star at the height of the box it marks, or hides it.
void placeStar(QLabel *star, const std::array<QLineEdit *, 3> &boxes, int box)
{
    if (box < 0) {
        star->hide();
        return;
    }
    star->move(star->x(), boxes[box]->y());
    star->show();
}

} // namespace

void UpdateAssistantGuidance()
{
    frmDynVornish *wizard = dynamicWindows().dynamic;
    frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant;
    if (!wizard || !assistant)
        return;
    const std::array<QLineEdit *, 3> concentrations = {wizard->txtA, wizard->txtB, wizard->txtAB};
    const std::array<QLineEdit *, 3> constants = {wizard->txtK_ass_rate, wizard->txtK_diss_rate, wizard->txtKd};
    const AssistantGuidance guidance = GuidanceForStep(
        wizard->CurrentStep(), {concentrations[0]->text(), concentrations[1]->text(), concentrations[2]->text()},
        {constants[0]->text(), constants[1]->text(), constants[2]->text()}, Session::current().concentrationUnit());
    assistant->lblInputSuggestion->setText(guidance.text);
    placeStar(wizard->lblStar1, concentrations, guidance.star1Box);
    placeStar(wizard->lblStar2, constants, guidance.star2Box);
}

} // namespace modVornish
