#include <QAbstractItemModel>
#include <QCheckBox>
#include <QFile>
#include <QMouseEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>

#include "tests/support/scripted_user_port.h"
#include "veltrix/app/base_time_chart.h"
#include "veltrix/app/chart_support.h"
#include "veltrix/app/date_time_conversion.h"
#include "veltrix/app/job_log_page.h"
#include "veltrix/app/main_window.h"
#include "veltrix/app/report_info_pages.h"

namespace veltrix {
namespace {

using rvx::testing::ScriptedUserPort;

const QString depthFixture = QStringLiteral(RVX_FIXTURES_DIR "/depth/qz_secs.dep");

int lineCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(file.readAll().count("\r\n"));
}

// One start of the program in a per-user folder that outlives the window.
struct Start {
    explicit Start(const QString& folder) {
        window = std::make_unique<TVedadizizo>(
            port, MainWindowSetup{folder.toStdString(), [this](std::string_view) {
                                      if (exitAnswers.empty()) return YesNoCancel::Cancel;
                                      const YesNoCancel answer = exitAnswers.front();
                                      exitAnswers.pop_front();
                                      return answer;
                                  }});
    }

    void loadDepthFile(const QString& path = depthFixture) {
        port.paths.push_back(path.toStdString());
        window->commands().depthFile->trigger();
    }

    int openDialogs() const {
        return static_cast<int>(std::count_if(port.events.begin(), port.events.end(), [](auto& e) {
            return e.kind == ScriptedUserPort::Kind::OpenFile;
        }));
    }

    ScriptedUserPort port;
    std::deque<YesNoCancel> exitAnswers;
    std::unique_ptr<TVedadizizo> window;
};

std::vector<double> values(std::span<const double> column) {
    return {column.begin(), column.end()};
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartWritesTheTemplateAndSecondStartShowsItsRowsAndOneMore() {
        const QTemporaryDir folder;
        const QString templatePath = folder.filePath(QStringLiteral("Well_info.txt"));
        {
            Start first(folder.path());
            QCOMPARE(first.port.textsOf(ScriptedUserPort::Kind::Error),
                     std::vector<std::string>{" Well Info file not found    "});
            QCOMPARE(first.window->reportInfo().wellInfoGrid().model()->rowCount(), 22);
            QCOMPARE(lineCount(templatePath), 22);
        }
        Start second(folder.path());
        QVERIFY(second.port.textsOf(ScriptedUserPort::Kind::Error).empty());
        QTableView& grid = second.window->reportInfo().wellInfoGrid();
        QCOMPARE(grid.model()->rowCount(), 23);
        QCOMPARE(grid.model()->index(0, 0).data().toString(), QStringLiteral("Company"));
        QCOMPARE(grid.model()->index(22, 0).data().toString(), QString());
        QCOMPARE(grid.columnWidth(1), 480);
    }

    void theStartStateOffersOnlyFilesAndLoadingBringsUpThePages() {
        const QTemporaryDir folder;
        Start start(folder.path());
        const MainCommands& commands = start.window->commands();
        QVERIFY(commands.fileMenu->menuAction()->isEnabled());
        QVERIFY(!commands.graphsMenu->menuAction()->isEnabled());
        QVERIFY(!commands.utilityMenu->menuAction()->isEnabled());
        QVERIFY(!commands.reportMenu->menuAction()->isEnabled());
        QVERIFY(start.window->pages().isHidden());

        start.loadDepthFile();
        QVERIFY(start.port.commandsBalanced());
        QVERIFY(start.window->job().data.Depth.size() > 2);
        QVERIFY(commands.graphsMenu->menuAction()->isEnabled());
        QVERIFY(commands.reportMenu->menuAction()->isEnabled());
        QVERIFY(!start.window->pages().isHidden());
        QCOMPARE(start.window->pages().tabText(start.window->pages().currentIndex()),
                 QStringLiteral("Depth Data"));
        const WellInfo& info = start.window->wellInfo();
        QCOMPARE(info.cell(22, WellInfo::LabelColumn), std::string("Depth File"));
        QCOMPARE(info.cell(22, WellInfo::ValueColumn), depthFixture.toStdString());
        QCOMPARE(info.cell(23, WellInfo::LabelColumn), std::string("Depth Start Time"));
        QVERIFY(!info.cell(12, WellInfo::ValueColumn).empty());  // TEST DATE
        QVERIFY(!info.cell(10, WellInfo::ValueColumn).empty());  // GAUGE DEPTH (MD)
    }

    void aSecondDepthFileIsRefusedUntilClear() {
        const QTemporaryDir folder;
        Start start(folder.path());
        start.loadDepthFile();
        const std::size_t points = start.window->job().data.Depth.size();
        start.loadDepthFile();
        QCOMPARE(start.openDialogs(), 1);
        QCOMPARE(
            start.port.textsOf(ScriptedUserPort::Kind::Warning).back(),
            std::string("You must Clear all previously opened files before opening a new one."));
        QCOMPARE(start.window->job().data.Depth.size(), points);
    }

    void clearAnsweredNoChangesNothingAndYesReturnsToTheStartState() {
        const QTemporaryDir folder;
        Start start(folder.path());
        start.loadDepthFile();
        const std::vector<double> depths = values(start.window->job().data.Depth.ys());
        const int wellInfoRows = start.window->wellInfo().rowCount();

        start.port.answers.push_back(false);
        start.window->commands().clear->trigger();
        QCOMPARE(start.port.textsOf(ScriptedUserPort::Kind::YesNo).back(),
                 std::string("Do you really want to Close all open Graphs?"));
        QCOMPARE(values(start.window->job().data.Depth.ys()), depths);
        QCOMPARE(start.window->wellInfo().rowCount(), wellInfoRows);
        QVERIFY(start.window->job().flags.dataLoaded);
        QVERIFY(!start.window->pages().isHidden());

        start.port.answers.push_back(true);
        start.window->commands().clear->trigger();
        QVERIFY(start.window->job().data.Depth.empty());
        QVERIFY(start.window->job().flags.emptyJob);
        QVERIFY(start.window->pages().isHidden());
        QVERIFY(!start.window->commands().graphsMenu->menuAction()->isEnabled());
        QCOMPARE(start.window->wellInfo().rowCount(), 23);
        start.loadDepthFile();
        QCOMPARE(values(start.window->job().data.Depth.ys()), depths);
    }

    void metersRelabelsWithoutConverting() {
        const QTemporaryDir folder;
        Start start(folder.path());
        start.loadDepthFile();
        const std::vector<double> depths = values(start.window->job().data.Depth.ys());
        const std::vector<double> speeds = values(start.window->job().data.Speed.xs());
        auto* chart1 = start.window->findChild<QCustomPlot*>(QStringLiteral("Chart1"));
        auto* chart2 = start.window->findChild<QCustomPlot*>(QStringLiteral("Chart2"));
        QVERIFY(chart1 && chart2);

        start.window->commands().meters->trigger();
        QVERIFY(start.window->commands().meters->isChecked());
        QVERIFY(!start.window->commands().feet->isChecked());
        QCOMPARE(start.window->job().units.depth, std::string(" m"));
        QCOMPARE(chart1->yAxis->label(), QStringLiteral("Depth m"));
        QCOMPARE(chart2->yAxis2->label(), QStringLiteral("Depth m"));
        QCOMPARE(chart2->yAxis->label(), QStringLiteral("Speed (m/min)"));
        QCOMPARE(values(start.window->job().data.Depth.ys()), depths);
        QCOMPARE(values(start.window->job().data.Speed.xs()), speeds);
        QCOMPARE(chart1->plottable(0)->interface1D()->dataMainValue(2), depths[2]);
    }

    void closingAsksToSaveOnlyWithDataAndKeepsTheWindowUnlessNo() {
        const QTemporaryDir folder;
        const QString settingsPath = folder.filePath(QStringLiteral("QZ_Veltrx.ini"));
        const QString picture = folder.filePath(QStringLiteral("Plot03.wmf"));
        Start start(folder.path());
        start.window->show();
        start.loadDepthFile();
        QFile(picture).open(QIODevice::WriteOnly);

        start.exitAnswers = {YesNoCancel::Cancel, YesNoCancel::Yes};
        QVERIFY(!start.window->close());
        QVERIFY(!start.window->close());
        QVERIFY(!QFile::exists(settingsPath));
        QVERIFY(QFile::exists(picture));

        start.exitAnswers = {YesNoCancel::No};
        QVERIFY(start.window->close());
        QVERIFY(QFile::exists(settingsPath));
        QVERIFY(!QFile::exists(picture));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Well_info.txt"))));
    }

    void theCrosshairFollowsTheShownDepthChart() {
        const QTemporaryDir folder;
        Start start(folder.path());
        start.window->show();
        start.loadDepthFile();
        auto* chart1 = start.window->findChild<QCustomPlot*>(QStringLiteral("Chart1"));
        auto* chart2 = start.window->findChild<QCustomPlot*>(QStringLiteral("Chart2"));
        auto* box = start.window->findChild<QCheckBox*>(QStringLiteral("CheckBoxCrosshair"));
        QVERIFY(chart1 && chart2 && box && box->isVisible());

        start.window->commands().baseDepth->trigger();
        box->setChecked(true);
        QCOMPARE(chart1->itemCount(), 1);  // the horizontal line only
        QCOMPARE(chart2->itemCount(), 0);
        start.window->commands().baseTime->trigger();
        QCOMPARE(chart1->itemCount(), 0);
        QCOMPARE(chart2->itemCount(), 2);
        box->setChecked(false);
        QCOMPARE(chart2->itemCount(), 0);
    }

    void deleteRowAsksWithTheCellTextAndKeepsTheRowCount() {
        const QTemporaryDir folder;
        Start start(folder.path());
        JobLogPage& page = start.window->reportInfo().jobLogPage();
        page.addRow();
        QAbstractItemModel& model = *page.grid().model();
        model.setData(model.index(0, JobLog::CommentsColumn), QStringLiteral("tool at bottom"));
        model.setData(model.index(1, JobLog::CommentsColumn), QStringLiteral("pulling out"));
        page.grid().setCurrentIndex(model.index(0, JobLog::CommentsColumn));

        start.port.answers = {false, true};
        page.deleteRow();
        QCOMPARE(start.window->jobLog().cell(0, JobLog::CommentsColumn),
                 std::string("tool at bottom"));
        page.deleteRow();
        QCOMPARE(start.port.textsOf(ScriptedUserPort::Kind::YesNo).back(),
                 std::string("Erase this Row = tool at bottom ?"));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, JobLog::CommentsColumn).data().toString(),
                 QStringLiteral("pulling out"));
        QCOMPARE(model.index(1, JobLog::CommentsColumn).data().toString(), QString());
    }

    void readoutsNameThePointBeforeTheOneUnderTheMouseOnTheTimeChart() {
        const QTemporaryDir folder;
        Start start(folder.path());
        start.window->show();
        start.loadDepthFile();
        start.window->commands().baseTime->trigger();
        auto* chart2 = start.window->findChild<BaseTimeChart*>(QStringLiteral("Chart2"));
        QVERIFY(QTest::qWaitForWindowExposed(start.window.get()));
        chart2->replot();
        const DataSet& depth = start.window->job().data.Depth;
        const double between = (depth.x(1) + depth.x(2)) / 2;
        const QPointF mouse(chart2->xAxis->coordToPixel(chartSecondsFromDateTime(between)),
                            chart2->yAxis2->coordToPixel(depth.y(2)));
        QMouseEvent move(QEvent::MouseMove, mouse, chart2->mapToGlobal(mouse), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart2, &move);
        QCOMPARE(start.window->statusPanel(0).text(),
                 QStringLiteral("Depth: ") + readoutNumber(depth.y(1)) + " " +
                     QString::fromStdString(start.window->job().units.depth));
        QVERIFY(start.window->statusPanel(1).text().startsWith(QStringLiteral("Time: ")));
    }
};

}  // namespace veltrix

QTEST_MAIN(veltrix::MainWindowTest)
#include "main_window_test.moc"
