#pragma once

#include <QString>

// The preferred units in which concentrations and times are shown and typed.
namespace modVnPublic {

inline QString ConcentrationUnit = QStringLiteral("nM");
inline double ConcentrationFactor = 1E-09; // molar per shown unit
inline QString TimeUnit = QStringLiteral("min.");
inline float TimeFactor = 60.0f;           // seconds per shown unit

} // namespace modVnPublic
