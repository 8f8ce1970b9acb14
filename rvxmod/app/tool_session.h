#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

#include "common/user_port.h"
#include "rvxmod/link/clock.h"
#include "rvxmod/link/connect_sequence.h"
#include "rvxmod/link/port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_buffers.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::app {

// The program's line to the tool string and what it knows about it. Tool operations run on a
// worker thread so the windows stay live; the user port hands their dialogs to the window thread.
// One operation at a time: a second start while one runs is refused.
class ToolSession : public QObject {
    Q_OBJECT
public:
    // The port is opened on the clock's time; both live as long as the session.
    ToolSession(std::unique_ptr<link::Clock> clock, std::unique_ptr<link::Port> port,
                QObject* parent = nullptr);
    ~ToolSession() override;
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    // The serial devices of the machine on wall-clock time.
    static std::unique_ptr<ToolSession> overSerialDevices();

    // Runs the operation on the worker thread; false when one is still running.
    bool start(std::function<void()> operation);
    bool busy() const { return worker_ != nullptr; }

    // The Connect button's sequence with the memory module's steps; call from an operation.
    void connectToolString(const link::ConnectOptions& options, rvx::UserPort& user);
    bool connected() const { return connected_; }

    // Only while no operation runs, or from inside one.
    link::ToolLink& link() { return link_; }
    ConnectedToolString& toolString() { return toolString_; }
    memory::MemoryBuffers& buffers() { return buffers_; }

Q_SIGNALS:
    // On the session's thread, once the operation has returned.
    void finished();

private:
    void collectWorker();

    std::unique_ptr<link::Clock> clock_;
    std::unique_ptr<link::Port> port_;
    link::ToolLink link_;
    ConnectedToolString toolString_;
    memory::MemoryBuffers buffers_;
    bool connected_ = false;
    std::unique_ptr<QThread> worker_;
};

}  // namespace rvxmod::app
