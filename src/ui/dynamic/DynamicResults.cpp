#include "dynamic/DynamicResults.h"

#include "dynamic/DynamicWindows.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/frm_dbResults_DynamVn.h"

namespace modVornish {

void ReleaseResultsForRun()
{
    frm_dbResults_DynamVn *browser = dynamicWindows().results;
    if (browser && browser->isVisible())
        browser->hide();
    ReleaseResultsFile();
}

void ShowResultsBrowser()
{
    if (frm_dbResults_DynamVn *browser = dynamicWindows().results)
        browser->ShowResults();
}

} // namespace modVornish
