#include "printing/PrintReport.h"

#include "graphing/GraphWindows.h"
#include "graphing/frmOptions.h"
#include "printing/ReportTool.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QCheckBox>

namespace Report {

Outcome PrintReport(const Choices &choices, const PageSink &sendPage)
{
    // Re-plotting brings the graph window to the front: the active tool first.
    return ComposeAndSendReport(choices, ReportTool::ActiveToolWindow(), sendPage);
}

void EndPrinting()
{
    if (frmOptions *options = graphWindows().options)
        frmOptions::setCheckValue(options->chkClearPrevGraph, 1); // its handler ends superimposing
    Session::current().setPrinterEcho(false);
    StatusText::clear();
}

} // namespace Report
