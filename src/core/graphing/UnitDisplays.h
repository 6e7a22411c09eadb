#pragma once

#include "graphing/UnitTables.h"

#include <functional>

// How the unit operations of the Options window reach the tool windows
// that show concentrations or time units. Each tool fills its entry once its window exists, for
// example in its constructor:
//
//   modVnPublic::UnitDisplay display;
//   display.rescaleConcentrations = [this](const modVnPublic::RescaleText &rescale) {
//       txtA->setText(rescale(txtA->text()));  // every shown concentration, in order
//   };
//   display.showConcentrationUnit = [this](const modVnPublic::ConcentrationUnitTexts &texts) {
//       lblUnit->setText(texts.scatchardLabel);
//   };
//   modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Scatchard, display);
//
// An empty callback is skipped.
namespace modVnPublic {

// Returns the text rescaled to the new unit, or unchanged when unreadable.
using RescaleText = std::function<QString(const QString &)>;

struct UnitDisplay
{
    // Rewrites each shown concentration as rescale(text), in the window's
    // order (Equilibrium: txtA, txtA_tot, txtB, txtB_tot, txtAB, txtKd; Dynamic: txtA, txtB, txtAB, then the events
    // grid's Change column rows 1 to 4; Scatchard: the Bound column from row 1 down to the first empty cell).
    std::function<void(const RescaleText &rescale)> rescaleConcentrations;
    // Writes the window's concentration unit labels from the given texts.
    std::function<void(const ConcentrationUnitTexts &texts)> showConcentrationUnit;
    // Selects the time list index and writes the time unit labels
    // (lblTimeUnit and lblTimeUnit2 get label).
    std::function<void(int listIndex, const QString &label)> showTimeUnit;
};

// The windows in the order the conversion visits them.
enum class UnitDisplayWindow { Equilibrium, Dynamic, Scatchard, Competition, Planner };

void SetUnitDisplay(UnitDisplayWindow window, UnitDisplay display);
const UnitDisplay &GetUnitDisplay(UnitDisplayWindow window);

} // namespace modVnPublic
