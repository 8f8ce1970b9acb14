#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "rvxmod/app/dialogs/message_window.h"
#include "rvxmod/app/main_window.h"
#include "rvxmod/app/pages/tool_info/job_grid_view.h"
#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/tool_session.h"
#include "rvxmod/app/widgets/radio_group.h"
#include "rvxmod/sim/recorded_memory.h"
#include "rvxmod/sim/simulator_port.h"

namespace rvxmod::app {
namespace {

constexpr int kOperationTimeoutMs = 60000;
constexpr int kMemoryType = 3;

// A tool string with recorded jobs in memory, on virtual time, behind the window's Tool Info page.
struct SimulatedWindow {
    QTemporaryDir folder;
    std::unique_ptr<TForm1> window;
    sim::ToolStringSimulator simulator{sim::demoScenario()};
    std::vector<sim::RecordedJob> jobs;
    QStringList messages;
    bool answerYes = false;  // questions are cancelled unless this is set
    QTimer messageAnswerer;

    SimulatedWindow() {
        jobs = sim::recordScenarioJobs(sim::demoScenario(), simulator.flash());
        window = std::make_unique<TForm1>(
            MainWindowSetup{folder.path(), folder.filePath(QStringLiteral("QZ_RVXMod.ini"))});
        auto clock = std::make_unique<link::VirtualClock>();
        auto port = std::make_unique<sim::SimulatorPort>(simulator, *clock, "sim");
        QVERIFY(
            panel().setSession(std::make_unique<ToolSession>(std::move(clock), std::move(port))));
        // Every message is noted and closed, so a worker waiting on it goes on.
        QObject::connect(&messageAnswerer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != &window->messageWindow()) return;
            messages << modal->findChild<QPlainTextEdit*>()->toPlainText();
            auto* yes = modal->findChild<QPushButton*>(QStringLiteral("ButtonYes"));
            if (answerYes && yes->isVisible())
                yes->click();
            else
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        messageAnswerer.start(10);
    }

    ToolInfoPanel& panel() const { return *window->findChild<ToolInfoPanel*>(); }
    template <class W>
    W* child(const char* name) const {
        return window->findChild<W*>(QLatin1String(name));
    }
    QString cell(const char* grid, int row, int column) const {
        const QTableWidgetItem* item = child<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }

    QDialog* formOpenedBy(const char* button, const char* form) const {
        child<QPushButton>(button)->click();
        return window->findChild<QDialog*>(QLatin1String(form));
    }

    void startConnect(const QString& device) const {
        child<RadioGroup>("RadioGroupComPort")->setIndex(1);
        child<QLineEdit>("EditComDevice")->setText(device);
        child<QPushButton>("ButtonConnectRVX")->click();
    }

    void connectTo(const QString& device) {
        startConnect(device);
        QTRY_VERIFY_WITH_TIMEOUT(!panel().session().busy(), kOperationTimeoutMs);
    }
};

}  // namespace

class ToolInfoPanelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectFillsToolAndJobGrids() {
        SimulatedWindow sim;
        sim.window->show();
        sim.connectTo(QStringLiteral("sim"));
        QVERIFY2(sim.messages.isEmpty(), qPrintable(sim.messages.join('\n')));
        QVERIFY(sim.panel().session().connected());

        // The memory module first, then one row per tool with its serial number padded.
        QCOMPARE(sim.cell("StringGridToolChain", 0, 0), QStringLiteral("Memory"));
        QStringList identities;
        for (int row = 1; !sim.cell("StringGridToolChain", row, 0).isEmpty(); ++row)
            identities << sim.cell("StringGridToolChain", row, 1);
        const auto& tools = sim.simulator.tools();
        QCOMPARE(identities.size(), static_cast<qsizetype>(tools.size() - 1));
        for (const sim::SimTool& tool : tools) {
            if (tool.type == kMemoryType) continue;
            const QString serial =
                QStringLiteral("%1").arg(tool.serialNumber, 5, 10, QLatin1Char('0'));
            QVERIFY2(
                std::ranges::any_of(
                    identities, [&](const QString& identity) { return identity.endsWith(serial); }),
                qPrintable(serial));
        }

        // One row per recorded job, numbered from 1, each with some samples.
        for (std::size_t i = 0; i < sim.jobs.size(); ++i) {
            const int jobRow = static_cast<int>(i);
            QCOMPARE(sim.cell("StringGridJobs", jobRow, 0), QString::number(i + 1));
            QVERIFY(sim.cell("StringGridJobs", jobRow, 1).toInt() > 0);
        }
        QVERIFY(sim.cell("StringGridJobs", static_cast<int>(sim.jobs.size()), 0).isEmpty());
        const int usage = sim.child<QProgressBar>("ProgressBarMemUsage")->value();
        QVERIFY(usage > 0 && usage < 100);
        QVERIFY(sim.child<QPushButton>("buttonDownload")->isEnabled());
        QVERIFY(sim.child<QPushButton>("ButtonEraseAllJobs")->isEnabled());
        QVERIFY(sim.child<QPushButton>("ButtonConnectRVX")->isEnabled());

        sim.window->resize(900, 620);
        QTest::qWait(50);
        QVERIFY(sim.window->grab().save(QStringLiteral("/tmp/h10_tool_info_connected.png")));
    }

    void noAnswerSaysNotConnected() {
        SimulatedWindow sim;
        sim.connectTo(QStringLiteral("/dev/no-such-tool"));
        QVERIFY(!sim.panel().session().connected());
        QCOMPARE(sim.messages,
                 QStringList{QStringLiteral("Tool not responding. Check connection.")});
        QCOMPARE(sim.cell("StringGridJobs", 2, 1), QStringLiteral("Not connected"));
        QVERIFY(sim.cell("StringGridToolChain", 0, 0).isEmpty());
        QVERIFY(!sim.child<QPushButton>("buttonDownload")->isEnabled());
    }

    void windowStaysOpenWhileTheToolWorks() {
        SimulatedWindow sim;
        sim.window->show();
        sim.startConnect(QStringLiteral("sim"));
        sim.window->close();
        QVERIFY(sim.window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!sim.panel().session().busy(), kOperationTimeoutMs);
        sim.window->close();
        QVERIFY(!sim.window->isVisible());
    }

    void longPressOnAJobShowsWhereItLies() {
        SimulatedWindow sim;
        sim.window->show();
        sim.connectTo(QStringLiteral("sim"));
        auto* jobs = sim.child<QTableWidget>("StringGridJobs");
        const QPoint firstRow = jobs->visualItemRect(jobs->item(0, 0)).center();
        QTest::mousePress(jobs->viewport(), Qt::LeftButton, {}, firstRow);
        QTRY_VERIFY(sim.window->findChild<QDialog*>(QStringLiteral("FormJobInfo")));
        QTest::mouseRelease(jobs->viewport(), Qt::LeftButton, {}, firstRow);
        auto* form = sim.window->findChild<QDialog*>(QStringLiteral("FormJobInfo"));
        const auto* cells = form->findChild<QTableWidget*>();
        QCOMPARE(cells->item(0, 0)->text(), QStringLiteral("Job 1"));
        QCOMPARE(cells->rowCount(), 4);

        // A short press opens nothing more.
        delete form;
        QTest::mouseClick(jobs->viewport(), Qt::LeftButton, {}, firstRow);
        QTest::qWait(JobGridView::kLongPressMs + 100);
        QVERIFY(!sim.window->findChild<QDialog*>(QStringLiteral("FormJobInfo")));
    }

    void readBlockWritesTheBlockToTheMemo() {
        SimulatedWindow sim;
        sim.connectTo(QStringLiteral("sim"));
        const sim::FlashAddress firstJobBlock = sim.jobs.front().first;
        sim.child<QSpinBox>("SpinEditChip")->setValue(firstJobBlock.chip);
        sim.child<QSpinBox>("SpinEditSector")->setValue(firstJobBlock.sector);
        sim.child<QSpinBox>("SpinEditBlock")->setValue(firstJobBlock.block);
        sim.child<QPushButton>("ButtonReadBlock")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!sim.panel().session().busy(), kOperationTimeoutMs);

        const auto block = sim.simulator.flash().readBlock(firstJobBlock);
        QVERIFY(block);
        const QByteArray bytes(reinterpret_cast<const char*>(block->data()),
                               static_cast<qsizetype>(block->size()));
        QCOMPARE(sim.child<QPlainTextEdit>("MemoMemory")->toPlainText(),
                 QString::fromLatin1(bytes.toHex().toUpper()));
    }

    void formatErasesTheJobsSectorBySector() {
        SimulatedWindow sim;
        sim.connectTo(QStringLiteral("sim"));
        const sim::FlashAddress firstJobBlock = sim.jobs.front().first;
        sim.answerYes = true;
        sim.child<QPushButton>("ButtonFormat")->click();
        QCOMPARE(sim.messages.size(), 1);  // the question before the format
        auto* form = sim.window->findChild<QDialog*>(QStringLiteral("FormFormat"));
        QVERIFY(form);
        form->findChild<QPushButton*>(QStringLiteral("ButtonStartFormat"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!sim.panel().session().busy(), kOperationTimeoutMs);
        QCOMPARE(sim.messages.size(), 1);

        const auto* total = form->findChild<QProgressBar*>(QStringLiteral("ProgressBarTotal"));
        QCOMPARE(total->value(), total->maximum());
        QVERIFY(total->maximum() > 1);
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("ButtonDone"))->isHidden());
        QCOMPARE(sim.child<QProgressBar>("ProgressBarMemUsage")->value(), 0);
        const auto block = sim.simulator.flash().readBlock(firstJobBlock);
        QVERIFY(block &&
                std::ranges::all_of(*block, [](std::uint8_t byte) { return byte == 0xFF; }));
    }

    void calFilesFormListsTheCalibratedTools() {
        SimulatedWindow sim;
        sim.connectTo(QStringLiteral("sim"));
        auto* form = sim.formOpenedBy("ButtonCalFiles", "FormSaveCals");
        QVERIFY(form);
        const auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGridSaveCals"));
        // The same tools and status the Tool Info grid shows for the calibrated tools.
        QStringList calibrated;
        for (int row = 0; !sim.cell("StringGridToolChain", row, 0).isEmpty(); ++row)
            if (sim.cell("StringGridToolChain", row, 2) != QStringLiteral("N/A"))
                calibrated << sim.cell("StringGridToolChain", row, 1);
        QVERIFY(!calibrated.isEmpty());
        for (int row = 0; row < calibrated.size(); ++row) {
            QVERIFY(calibrated.contains(grid->item(row, 1)->text()));
            QCOMPARE(grid->item(row, 2)->text(), QStringLiteral("Not present"));
        }
        QVERIFY(!grid->item(static_cast<int>(calibrated.size()), 0));

        auto* box = form->findChild<QCheckBox*>(QStringLiteral("CheckBoxSave0"));
        QCOMPARE(box->text(), QStringLiteral("Dont save Cal File"));
        box->setChecked(true);
        QCOMPARE(box->text(), QStringLiteral("Save Cal File"));
    }

    void serialNumberFormWritesIntoTheToolString() {
        SimulatedWindow sim;
        sim.connectTo(QStringLiteral("sim"));
        auto* form = sim.formOpenedBy("ButtonSerialNumber", "FormSerialLength");
        QVERIFY(form);
        auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGridSNandTL"));
        // Row 0 is the memory module; row 1 the first sensor.
        const QString code = grid->item(1, 1)->text();
        grid->item(1, 2)->setText(QStringLiteral("00042"));
        form->findChild<QPushButton*>(QStringLiteral("ButtonSave"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!sim.panel().session().busy(), kOperationTimeoutMs);
        QVERIFY2(sim.messages.isEmpty(), qPrintable(sim.messages.join('\n')));

        QVERIFY(std::ranges::any_of(sim.simulator.tools(), [](const sim::SimTool& tool) {
            return tool.serialNumber == 42;
        }));
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("00042"));
        QCOMPARE(sim.cell("StringGridToolChain", 1, 1), code + QStringLiteral("00042"));
    }
};

}  // namespace rvxmod::app

QTEST_MAIN(rvxmod::app::ToolInfoPanelTest)
#include "tool_info_panel_test.moc"
