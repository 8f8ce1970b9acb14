#include "rvxmod/app/pages/tool_info/tool_info_panel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "rvxmod/app/dialogs/job_info_form.h"
#include "rvxmod/app/main_window.h"
#include "rvxmod/app/pages/config/download_options.h"
#include "rvxmod/app/pages/config/memory_tool_actions.h"
#include "rvxmod/app/pages/config/memory_tools.h"
#include "rvxmod/app/pages/config_page.h"
#include "rvxmod/app/pages/tool_info/download_settings.h"
#include "rvxmod/app/pages/tool_info/job_grid_view.h"
#include "rvxmod/app/pages/tool_info/port_choice.h"
#include "rvxmod/app/pages/tool_info/tool_chain_grid_view.h"
#include "rvxmod/app/pages/tool_info_page.h"
#include "rvxmod/app/tool_session.h"
#include "rvxmod/download/tool_memory_cal_source.h"
#include "rvxmod/link/monitor_text.h"
#include "rvxmod/link/tool_string_grid.h"
#include "rvxmod/memory/job_list.h"
#include "rvxmod/memory/memory_usage.h"

namespace rvxmod::app {
namespace {
constexpr int kDeviceEditWidth = 260;
constexpr int kJobActionsWidth = 170;
}  // namespace

ToolInfoPanel::ToolInfoPanel(TForm1& window, std::unique_ptr<ToolSession> session)
    : Retranslated(window.toolInfoPage().content()->parentWidget()),
      window_(window),
      startDialogValue_(rvx::nowDateTime()),
      deviceLabel_(new QLabel(this)),
      device_(new QLineEdit(this)),
      connect_(new QPushButton(this)),
      toolGrid_(new ToolChainGridView(this)),
      jobGrid_(new JobGridView(this)),
      usageLabel_(new QLabel(this)),
      usage_(new QProgressBar(this)),
      download_(new QPushButton(this)),
      downloadAll_(new QCheckBox(this)),
      eraseAll_(new QPushButton(this)),
      received_(new QPlainTextEdit(this)),
      clearReceived_(new QPushButton(this)) {
    setObjectName(QStringLiteral("ToolInfoPanel"));
    device_->setObjectName(QStringLiteral("EditComDevice"));
    device_->setMinimumWidth(kDeviceEditWidth);
    connect_->setObjectName(QStringLiteral("ButtonConnectRVX"));
    usage_->setObjectName(QStringLiteral("ProgressBarMemUsage"));
    download_->setObjectName(QStringLiteral("buttonDownload"));
    downloadAll_->setObjectName(QStringLiteral("CheckBoxDownloadAllJobs"));
    eraseAll_->setObjectName(QStringLiteral("ButtonEraseAllJobs"));
    received_->setObjectName(QStringLiteral("MemoDataReceived"));
    clearReceived_->setObjectName(QStringLiteral("ButtonClear"));

    usage_->setRange(0, memory::kFullMemoryPercent);
    usage_->setValue(0);
    downloadAll_->setChecked(true);
    download_->setEnabled(false);
    eraseAll_->setEnabled(false);
    received_->setReadOnly(true);
    received_->hide();
    clearReceived_->hide();
    jobGrid_->showNotConnected();

    auto* line = new QHBoxLayout;
    line->addWidget(deviceLabel_);
    line->addWidget(device_);
    line->addWidget(connect_);
    line->addStretch();
    auto* actions = new QWidget(this);
    actions->setFixedWidth(kJobActionsWidth);
    auto* jobActions = new QVBoxLayout(actions);
    jobActions->setContentsMargins(0, 0, 0, 0);
    jobActions->addWidget(download_);
    jobActions->addWidget(downloadAll_);
    jobActions->addSpacing(12);
    jobActions->addWidget(eraseAll_);
    jobActions->addStretch();
    jobActions->addWidget(usageLabel_);
    jobActions->addWidget(usage_);
    auto* jobs = new QHBoxLayout;
    jobs->addWidget(jobGrid_);
    jobs->addSpacing(8);
    jobs->addWidget(actions);
    jobs->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(line);
    layout->addWidget(toolGrid_, 0, Qt::AlignLeft);
    layout->addSpacing(8);
    layout->addLayout(jobs);
    layout->addStretch();
    layout->addWidget(received_);
    layout->addWidget(clearReceived_, 0, Qt::AlignLeft);
    window.toolInfoPage().content()->addWidget(this);

    connect(connect_, &QPushButton::clicked, this, &ToolInfoPanel::ButtonConnectRVXClick);
    connect(eraseAll_, &QPushButton::clicked, this, &ToolInfoPanel::ButtonEraseAllJobsClick);
    connect(download_, &QPushButton::clicked, this, &ToolInfoPanel::buttonDownloadClick);
    connect(jobGrid_, &JobGridView::downloadRequested, this, &ToolInfoPanel::buttonDownloadClick);
    connect(jobGrid_, &JobGridView::jobInfoRequested, this, &ToolInfoPanel::showJobInfo);
    connect(clearReceived_, &QPushButton::clicked, received_, &QPlainTextEdit::clear);
    window.commandControls().add({device_, connect_, download_, downloadAll_, eraseAll_});
    setSession(std::move(session));
    window.installEventFilter(this);
    if (auto* memoryTools = window.configPage().findChild<MemoryTools*>())
        wireMemoryTools(*memoryTools, *this, window.userPort());
    retranslateUi();
}

ToolInfoPanel::~ToolInfoPanel() = default;

bool ToolInfoPanel::setSession(std::unique_ptr<ToolSession> session) {
    if (session_ && session_->busy()) return false;
    session_ = std::move(session);
    connect(session_.get(), &ToolSession::finished, this, [this] {
        if (after_) std::exchange(after_, {})();
    });
    watchReceivedData();
    return true;
}

bool ToolInfoPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && session_->busy()) {
        event->ignore();
        return true;
    }
    return Retranslated::eventFilter(watched, event);
}

void ToolInfoPanel::runOnTool(std::function<void()> work, std::function<void()> after) {
    if (session_->busy()) return;
    after_ = std::move(after);
    session_->start(std::move(work));
}

void ToolInfoPanel::ButtonConnectRVXClick() {
    toolGrid_->clearCells();
    jobGrid_->clearCells();
    usage_->setValue(0);
    received_->clear();
    const Preferences shown = window_.currentPreferences();
    const auto* quickConnect =
        window_.toolInfoPage().findChild<QCheckBox*>(QStringLiteral("CheckBoxQuickConnect"));
    const link::ConnectOptions options =
        connectOptionsOf({shown.comFind, shown.comNumber, device_->text().trimmed().toStdString(),
                          quickConnect && quickConnect->isVisible() && quickConnect->isChecked()});
    rvx::UserPort& user = window_.userPort();
    runOnTool([this, options, &user] { session_->connectToolString(options, user); },
              [this] { UpdateToolInfoGrids(); });
}

void ToolInfoPanel::ButtonEraseAllJobsClick() {
    rvx::UserPort& user = window_.userPort();
    ToolSession& session = *session_;
    runOnTool(
        [&session, &user] {
            memory::eraseAllJobs(session.link(), session.toolString(), session.buffers(), user);
        },
        [this] { UpdateToolInfoGrids(); });
}

void ToolInfoPanel::buttonDownloadClick() {
    const Preferences shown = window_.currentPreferences();
    const std::filesystem::path startup = window_.startupDirectory().toStdString();
    const DownloadSettings settings =
        downloadSettingsOf(shown, window_.configPage().downloadOptions().timeFilter(), startup);
    const DownloadRequest request{downloadAll_->isChecked(),
                                  static_cast<std::size_t>(std::max(jobGrid_->currentRow(), 0)),
                                  startup};
    auto summary = std::make_shared<DownloadSummary>();
    rvx::UserPort& user = window_.userPort();
    ToolSession& session = *session_;
    rvx::DateTime& startValue = startDialogValue_;
    runOnTool(
        [&session, &user, &startValue, settings, request, summary] {
            ToolMemoryCalSource calFiles(session.link(), session.toolString().Memory, user);
            const DownloadSession download{
                session.link(), session.toolString(), session.buffers().badBlocks, calFiles, user,
                startValue};
            *summary = rvxmod::buttonDownloadClick(download, settings, request);
        },
        [this, summary] {
            for (const DownloadedJob& job : summary->jobs)
                jobGrid_->setSampleCell(static_cast<int>(job.jobIndex), job.sampleCell);
        });
}

void ToolInfoPanel::UpdateToolInfoGrids() {
    const bool connected = session_->connected();
    download_->setEnabled(connected);
    eraseAll_->setEnabled(connected);
    if (!connected) {
        jobGrid_->showNotConnected();
        return;
    }
    UpdateToolChainGrid();
    const ConnectedToolString& toolString = session_->toolString();
    if (!toolString.MemoryPresent || toolString.QuickConnect) return;
    jobGrid_->showGrid(memory::jobGridOf(toolString.Memory, window_.userPort()));
    usage_->setValue(session_->buffers().usagePercent);
}

void ToolInfoPanel::resetMemoryUsage() {
    usage_->setValue(0);
}

void ToolInfoPanel::UpdateToolChainGrid() {
    toolGrid_->showGrid(link::UpdateToolChainGrid(session_->toolString()));
}

void ToolInfoPanel::showJobInfo(int row) {
    const auto& jobs = session_->toolString().Memory.Jobs;
    if (!window_.accessLevels().supervisor || session_->busy() || row < 0 ||
        static_cast<std::size_t>(row) >= jobs.size())
        return;
    auto* form =
        new TFormJobInfo(jobs[static_cast<std::size_t>(row)], static_cast<std::size_t>(row), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
}

void ToolInfoPanel::watchReceivedData() {
    // Queued to the memo, so a line still on its way when the page closes is dropped.
    QPlainTextEdit* memo = received_;
    session_->link().setMonitor([memo](std::span<const std::uint8_t> bytes) {
        const QString line = QString::fromStdString(link::receivedDataLine(bytes));
        QMetaObject::invokeMethod(
            memo, [memo, line] { memo->appendPlainText(line); }, Qt::QueuedConnection);
    });
}

void ToolInfoPanel::retranslateUi() {
    deviceLabel_->setText(tr("Device"));
    device_->setPlaceholderText(tr("e.g. /dev/ttyUSB0 or a simulator link"));
    connect_->setText(tr("Connect"));
    connect_->setToolTip(tr("Connect tool chain to software"));
    usageLabel_->setText(tr("Memory Usage"));
    download_->setText(tr("Download Job"));
    downloadAll_->setText(tr("Download all jobs"));
    eraseAll_->setText(tr("Erase All Jobs"));
    clearReceived_->setText(tr("Clear"));
}

}  // namespace rvxmod::app
