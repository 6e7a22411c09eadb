#include "scatchard/ScatchardWindows.h"

ScatchardWindows &scatchardWindows()
{
    static ScatchardWindows windows;
    return windows;
}
