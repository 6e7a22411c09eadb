#pragma once

#include "PdfText.h"
#include "TestFixture.h"
#include "shell/frmVn_Main.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class frmPrintOptions;

class PrintTextTest : public QObject
{
    Q_OBJECT

private slots:
    void wrappedTextBreaksBetweenWordsAndAligns();
    void textLinesSplitAtLineBreaksAndAlign();
};

class PrintReportTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commentBoxTakesEnterWhileAnnotating();
    void cancellingPrintsNothing();
    void equilibriumReportPrintsGraphTitlesAndFields();
    void scatchardReportRunsTheAnalysisAgain();
    void dynamicReportPlotsTheStoredRun();
    void commentPrintsAboveTheList();
    void listFollowsTheActiveToolWindowWhenGraphsAreOff();
    void noGraphMeansNothingPrinted();
    void superimposedGraphsPrintAsCollected();
    void printerThatCannotOpenIsReported();

private:
    // Opens the print window through File > Print with the PDF printer.
    frmPrintOptions &openPrintWindow();
    // Ticks the three choices and presses Print.
    void print(bool graph, bool info, bool comment, const QString &commentText = QString());

    std::unique_ptr<frmVn_Main> main;
    std::unique_ptr<QTemporaryDir> folder;
    QString pdfPath;
    double lineHeight = 0; // of the report's font
};
