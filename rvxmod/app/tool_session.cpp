#include "rvxmod/app/tool_session.h"

#include "rvxmod/link/serial_device_port.h"
#include "rvxmod/memory/connect_hooks.h"
#include "rvxmod/memory/job_list.h"

namespace rvxmod::app {

ToolSession::ToolSession(std::unique_ptr<link::Clock> clock, std::unique_ptr<link::Port> port,
                         QObject* parent)
    : QObject(parent), clock_(std::move(clock)), port_(std::move(port)), link_(*port_, *clock_) {}

ToolSession::~ToolSession() {
    if (worker_) worker_->wait();
}

std::unique_ptr<ToolSession> ToolSession::overSerialDevices() {
    auto clock = std::make_unique<link::SteadyClock>();
    auto port = std::make_unique<link::SerialDevicePort>(*clock);
    return std::make_unique<ToolSession>(std::move(clock), std::move(port));
}

bool ToolSession::start(std::function<void()> operation) {
    if (worker_) return false;
    worker_.reset(QThread::create(std::move(operation)));
    // Queued to this object's thread: the worker is joined and dropped there.
    connect(worker_.get(), &QThread::finished, this, &ToolSession::collectWorker,
            Qt::QueuedConnection);
    worker_->start();
    return true;
}

void ToolSession::collectWorker() {
    worker_->wait();
    worker_.reset();
    Q_EMIT finished();
}

void ToolSession::connectToolString(const link::ConnectOptions& options, rvx::UserPort& user) {
    const link::ConnectHooks hooks = memory::memoryConnectHooks(link_, toolString_, buffers_, user);
    connected_ = false;
    buffers_ = {};
    connected_ = link::connectToolString(link_, toolString_, user, options, hooks).connected;
}

}  // namespace rvxmod::app
