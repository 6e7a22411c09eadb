#include "graphing/UnitDisplays.h"

namespace modVnPublic {
namespace {

UnitDisplay &entry(UnitDisplayWindow window)
{
    static UnitDisplay displays[2];
    return displays[window == UnitDisplayWindow::Dynamic ? 0 : 1];
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
