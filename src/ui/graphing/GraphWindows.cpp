#include "graphing/GraphWindows.h"

GraphWindows &graphWindows()
{
    static GraphWindows windows;
    return windows;
}
