#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <functional>
#include <memory>

#include "common/date_time.h"
#include "rvxmod/app/widgets/retranslated.h"

namespace rvxmod::app {

class JobGridView;
class TForm1;
class ToolChainGridView;
class ToolSession;

// The working part of the Tool Info page: connect, the tool-string and job grids, memory usage,
// erase and download. Every tool command runs on the session's worker thread.
class ToolInfoPanel : public Retranslated<QWidget> {
    Q_OBJECT
public:
    // Places itself in the window's Tool Info page.
    ToolInfoPanel(TForm1& window, std::unique_ptr<ToolSession> session);
    ~ToolInfoPanel() override;

    // Another line to the tool string, e.g. a simulator; refused while a command runs.
    bool setSession(std::unique_ptr<ToolSession> session);
    ToolSession& session() const { return *session_; }

    void ButtonConnectRVXClick();
    void ButtonEraseAllJobsClick();
    void buttonDownloadClick();

    // After a format: nothing recorded any more.
    void resetMemoryUsage();
    // Shows the tool string as the session knows it now.
    void UpdateToolChainGrid();

    // Runs work on the worker thread and then, back on this thread, `after`; nothing while
    // another tool command runs.
    void runOnTool(std::function<void()> work, std::function<void()> after);

protected:
    // The window stays open while a tool command runs: the command may be waiting on it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateToolInfoGrids();
    void showJobInfo(int row);
    void watchReceivedData();
    void retranslateUi() override;

    TForm1& window_;
    std::unique_ptr<ToolSession> session_;
    std::function<void()> after_;
    rvx::DateTime startDialogValue_;
    QLabel* deviceLabel_;
    QLineEdit* device_;
    QPushButton* connect_;
    ToolChainGridView* toolGrid_;
    JobGridView* jobGrid_;
    QLabel* usageLabel_;
    QProgressBar* usage_;
    QPushButton* download_;
    QCheckBox* downloadAll_;
    QPushButton* eraseAll_;
    QPlainTextEdit* received_;
    QPushButton* clearReceived_;
};

}  // namespace rvxmod::app
