#include "dynamic/DynamicResults.h"

#include "dynamic/ResultsStore.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "shell/AppWindows.h"

namespace modVornish {

void ResetResultsFile()
{
    frm_dbResults_DynamVn *browser = appWindows().results;
    if (browser && browser->isVisible())
        browser->hide();
    ResetResultsDatabase(ResultsFilePath());
}

void ShowResultsBrowser()
{
    if (frm_dbResults_DynamVn *browser = appWindows().results)
        browser->ShowResults();
}

} // namespace modVornish
