#pragma once

#include <QObject>

// The graphing tests, run by one program.
class PlotEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void axisRounding_data();
    void axisRounding();
    void tickFormats_data();
    void tickFormats();
    void tickDistances();
    void axesOfARangeFrom0To80();
    void yLabelsOfALargeNarrowRange();
    void decadeLabelsStandRaised();
    void crowdedLabelsStayReadable();
    void zeroLabelAfterNegativeMinimum();
    void axisFaults();
    void plotPointModesAndCorners();
    void segmentsShadowAndFollowThePen();
    void printerEchoDrawsFurtherRight();
    void coordinateOverflowIsAFault();
    void rescaledConcentrations();
};

class GraphWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void equilibriumGraphOfTheWorkedExample();
    void logScaleSpansFourDecades();
    void manualRangesAndLeftOutPoints();
    void equalManualLimitsEndInTheToolsMessage();
    void reversedRangesAreSwapped();
    void graphsOffDrawNothing();
    void changedSettingsQuestion();
    void titlesDragAndResize();
    void clicksOnTheGraph();
    void copyPutsTheGraphOnTheClipboard();
};

class OptionsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabsAndCaptions();
    void showDataInGraphSwitch();
    void storedSwitchesAtStartUp();
    void superimposing();
    void applyAndOk();
    void unitSwitching();
    void defaultsConvertOnce();
};
