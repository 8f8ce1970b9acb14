#include "veltrix/app/main_commands.h"

#include <QMenuBar>

#include "common/text_catalogue.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("Menu", english));
}

class MenuBuilder {
public:
    MenuBuilder(QMenu* menu, MainCommands& commands) : menu_(menu), commands_(commands) {}

    QAction* add(const char* caption) { return menu_->addAction(text(caption)); }
    QAction* addPending(const char* caption) {
        QAction* action = add(caption);
        commands_.pending.insert(action);
        return action;
    }
    QAction* addCheckable(const char* caption) {
        QAction* action = add(caption);
        action->setCheckable(true);
        return action;
    }
    MenuBuilder submenu(const char* caption) {
        return MenuBuilder(menu_->addMenu(text(caption)), commands_);
    }
    void separator() { menu_->addSeparator(); }

private:
    QMenu* menu_;
    MainCommands& commands_;
};

void buildFileMenu(MainCommands& c, QMenuBar& bar) {
    c.fileMenu = bar.addMenu(text("&File"));
    MenuBuilder menu(c.fileMenu, c);
    c.openProject = menu.addPending("&Open Project");
    c.saveProject = menu.addPending("&Save Project");
    c.saveLasFile = menu.addPending("Save LAS file");
    menu.separator();
    c.depthFile = menu.add("Depth File");
    c.depthFile->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    c.rvxFile = menu.addPending("RVX File");
    c.pressure = menu.addPending("Pressure");
    c.pressure->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    c.collarRtd = menu.addPending("Collar/RTD");
    c.collarRtd->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    c.temperature = menu.addPending("Temperature");
    c.temperature->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    c.spinnerFile = menu.addPending("Spinner File");
    c.spinnerFile->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    menu.separator();
    c.clear = menu.add("Clear");
    menu.separator();
    c.exit = menu.add("&Exit");
}

void buildGraphsMenu(MainCommands& c, QMenuBar& bar) {
    c.graphsMenu = bar.addMenu(text("&Graphs"));
    MenuBuilder menu(c.graphsMenu, c);
    c.baseDepth = menu.add("Base &Depth");
    c.baseTime = menu.add("Base &Time");
    c.cclAndBht = menu.addPending("CCL && BHT");
    c.spinner = menu.addPending("Spinner");
    c.pressureTemperature = menu.addPending("P&ress./Temperature");
    c.mergePlotBaseTime = menu.addPending("Merge Plot Base Time");
    c.mergePlotBaseDepth = menu.addPending("Merge Plot Base Depth");
    menu.separator();
    c.editActualGraph = menu.add("Edit &Actual Graph");
}

void buildMergeMenu(MainCommands& c, QMenuBar& bar) {
    c.mergeMenu = bar.addMenu(text("&Merge"));
    MenuBuilder menu(c.mergeMenu, c);
    c.mergeAll = menu.addPending("&Merge all");
    c.clearMergePlot = menu.addPending("Clear Merge Plot");
    c.clearSelectedPoints = menu.addPending("Clear selected Points");
    c.deleteSelectedRun = menu.addPending("Delete Selected Run");
    menu.separator();
    c.syncEvents = menu.addPending("Sync Events");
    MenuBuilder options = menu.submenu("Merge Options");
    c.depthStepValue = options.addPending("Depth Step Value (LAS file)");
    c.includePseudoDensity = options.addCheckable("Include Pseudo-Density");
    c.useToolString = options.addCheckable("Use Tool String");
    c.pending.insert(c.includePseudoDensity);
    c.pending.insert(c.useToolString);
}

void buildUtilityMenu(MainCommands& c, QMenuBar& bar) {
    c.utilityMenu = bar.addMenu(text("&Utility"));
    MenuBuilder menu(c.utilityMenu, c);
    c.startTimes = menu.addPending("&Start Times");
    MenuBuilder dateFormat = menu.submenu("Date Format");
    c.dateYearMonthDay = dateFormat.add("yyyy/mm/dd");
    c.dateMonthDayYear = dateFormat.add("mm/dd/yyyy");
    c.dateDayMonthYear = dateFormat.add("dd/mm/yyyy");
    MenuBuilder units = menu.submenu("Depth Units");
    c.feet = units.addCheckable("Feet");
    c.meters = units.addCheckable("Meters");
    MenuBuilder reduce = menu.submenu("Reduce");
    c.reduceDepth = reduce.addPending("Depth");
    c.reducePressure = reduce.addPending("Pressure");
    c.reduceCclRtd = reduce.addPending("CCL && RTD");
    menu.separator();
    c.cclGain = menu.addPending("CCL Gain");
    c.quickTool = menu.addPending("Quick Tool");
}

void buildToolBar(MainCommands& c, QMainWindow& window) {
    c.toolBar = window.addToolBar(text("Tools"));
    c.toolBar->setObjectName(QStringLiteral("ToolBar1"));
    c.toolBar->setMovable(false);
    c.toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    c.saveLasButton = new QAction(text("Save LAS"), &window);
    c.pending.insert(c.saveLasButton);
    c.syncEvents->setToolTip(text("ynchronize labelled events with the selected Depth End Point"));
    for (QAction* action :
         {c.depthFile, c.rvxFile, c.pressure, c.collarRtd, c.spinnerFile, c.temperature, c.clear,
          c.mergeAll, c.syncEvents, c.saveLasButton, c.exit}) {
        c.toolBar->addAction(action);
    }
}

}  // namespace

MainCommands createMainCommands(QMainWindow& window) {
    MainCommands commands;
    QMenuBar& bar = *window.menuBar();
    buildFileMenu(commands, bar);
    buildGraphsMenu(commands, bar);
    buildMergeMenu(commands, bar);
    buildUtilityMenu(commands, bar);
    commands.reportMenu = bar.addMenu(text("Report"));
    commands.prepareReport = commands.reportMenu->addAction(text("Prepare Report"));
    commands.about = bar.addAction(text("&About"));
    buildToolBar(commands, window);
    for (QAction* action : commands.pending) action->setEnabled(false);
    return commands;
}

}  // namespace veltrix
