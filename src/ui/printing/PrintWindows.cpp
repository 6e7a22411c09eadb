#include "printing/PrintWindows.h"

PrintWindows &printWindows()
{
    static PrintWindows windows;
    return windows;
}
