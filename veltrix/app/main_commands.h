#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <QToolBar>

namespace veltrix {

// The menus, menu entries and tool bar of the main window. Entries whose commands are not built
// yet are present and stay disabled (`pending`).
struct MainCommands {
    QMenu* fileMenu = nullptr;
    QMenu* graphsMenu = nullptr;
    QMenu* mergeMenu = nullptr;
    QMenu* utilityMenu = nullptr;
    QMenu* reportMenu = nullptr;
    QToolBar* toolBar = nullptr;

    QAction* openProject = nullptr;
    QAction* saveProject = nullptr;
    QAction* saveLasFile = nullptr;
    QAction* depthFile = nullptr;
    QAction* rvxFile = nullptr;
    QAction* pressure = nullptr;
    QAction* collarRtd = nullptr;
    QAction* temperature = nullptr;
    QAction* spinnerFile = nullptr;
    QAction* clear = nullptr;
    QAction* exit = nullptr;

    QAction* baseDepth = nullptr;
    QAction* baseTime = nullptr;
    QAction* cclAndBht = nullptr;
    QAction* spinner = nullptr;
    QAction* pressureTemperature = nullptr;
    QAction* mergePlotBaseTime = nullptr;
    QAction* mergePlotBaseDepth = nullptr;
    QAction* editActualGraph = nullptr;

    QAction* mergeAll = nullptr;
    QAction* clearMergePlot = nullptr;
    QAction* clearSelectedPoints = nullptr;
    QAction* deleteSelectedRun = nullptr;
    QAction* syncEvents = nullptr;
    QAction* depthStepValue = nullptr;
    QAction* includePseudoDensity = nullptr;
    QAction* useToolString = nullptr;

    QAction* startTimes = nullptr;
    QAction* dateYearMonthDay = nullptr;
    QAction* dateMonthDayYear = nullptr;
    QAction* dateDayMonthYear = nullptr;
    QAction* feet = nullptr;
    QAction* meters = nullptr;
    QAction* reduceDepth = nullptr;
    QAction* reducePressure = nullptr;
    QAction* reduceCclRtd = nullptr;
    QAction* cclGain = nullptr;
    QAction* quickTool = nullptr;

    QAction* prepareReport = nullptr;
    QAction* about = nullptr;
    QAction* saveLasButton = nullptr;

    QSet<QAction*> pending;
};

// Builds the menu bar and tool bar of the window.
MainCommands createMainCommands(QMainWindow& window);

}  // namespace veltrix
