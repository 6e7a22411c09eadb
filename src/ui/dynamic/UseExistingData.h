#pragma once

namespace modVornish {

// Makes the wizard's next Finish plot the stored results instead of
// simulating; every Finish clears it on its way out.
inline bool useExistingData = false;

} // namespace modVornish
