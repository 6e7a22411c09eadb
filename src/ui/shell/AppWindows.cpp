#include "shell/AppWindows.h"

AppWindows &appWindows()
{
    static AppWindows windows;
    return windows;
}
