#include "graphing/UnitDisplays.h"

namespace modVnPublic {
namespace {

UnitDisplay &entry(UnitDisplayWindow window)
{
    static UnitDisplay displays[5];
    return displays[static_cast<int>(window)];
}

} // namespace

void SetUnitDisplay(UnitDisplayWindow window, UnitDisplay display)
{
    entry(window) = std::move(display);
}

const UnitDisplay &GetUnitDisplay(UnitDisplayWindow window)
{
    return entry(window);
}

} // namespace modVnPublic
