#include "shell/StatusText.h"

#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

namespace StatusText {
namespace {

QString g_panel1;
QString g_panel2;

} // namespace

void set(const QString &text)
{
    g_panel1 = text;
    if (appWindows().main)
        appWindows().main->ShowStatusPanels(g_panel1, g_panel2);
}

void clear() { set(QString()); }

QString current() { return g_panel1; }

void setPanel2(const QString &text)
{
    g_panel2 = text;
    if (appWindows().main)
        appWindows().main->ShowStatusPanels(g_panel1, g_panel2);
}

QString panel2() { return g_panel2; }

} // namespace StatusText
