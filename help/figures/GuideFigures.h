#pragma once

#include <QDir>
#include <QStringList>

class FigureMessages;
class QWidget;
class frmVn_Main;

// The pictures of the user guide, taken of the running program's own windows
// after it has worked the guide's examples, so that they always show what
// this build of the program shows.
class GuideFigures
{
public:
    GuideFigures(frmVn_Main &main, FigureMessages &messages, const QDir &folder);

    // Makes every figure in order (later scenes go on from earlier ones) and
    // returns what went wrong, one line each; empty when all are saved.
    QStringList makeAll();

private:
    void toolMenu();
    void titration();
    void superimposedTitrations();
    void competition();
    void scatchardExample();
    void saturationExample();
    void demonstrationWizard();
    void demonstrationRun();
    void speciesTogether();
    void maximisedGraph();
    void optionsWindow();
    void printWindow();
    void kineticsFit();
    void assayPlanner();

    template <typename Window>
    Window &window() const;

    // Saves what the widget shows as folder/name.
    void save(QWidget &widget, const QString &name);
    // Notes a fault unless exactly the messages with these titles were shown.
    void expectMessages(const QStringList &titles, const QString &scene);
    // Notes a fault unless the window shows the text that the guide quotes.
    void expectText(const QString &shown, const QString &quoted, const QString &scene);

    frmVn_Main &m_main;
    FigureMessages &m_messages;
    QDir m_folder;
    QStringList m_faults;
};
