#include "platform/ModalDialog.h"

#include <QDialog>

namespace ModalDialog {
namespace {

int runModalLoop(QDialog &dialog)
{
    return dialog.exec();
}

Runner &runner()
{
    static Runner current = runModalLoop;
    return current;
}

} // namespace

int run(QDialog &dialog)
{
    return runner()(dialog);
}

void setRunner(Runner newRunner)
{
    runner() = newRunner ? std::move(newRunner) : Runner(runModalLoop);
}

} // namespace ModalDialog
