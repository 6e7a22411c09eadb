#include "dynamic/DynamicWindows.h"

DynamicWindows &dynamicWindows()
{
    static DynamicWindows windows;
    return windows;
}
