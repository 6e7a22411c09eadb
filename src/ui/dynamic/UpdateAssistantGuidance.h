#pragma once

namespace modVornish {

// Writes the Dynamic Tool Assistant's advice for the wizard's current step
// and sets the wizard's stars beside the first empty box.
void UpdateAssistantGuidance();

} // namespace modVornish
