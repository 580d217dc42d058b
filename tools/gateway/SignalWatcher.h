// Turns SIGTERM and SIGINT into a Qt signal through a self-pipe: the handler
// only writes one byte, everything else runs in the event loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace verdo::gateway {

class SignalWatcher : public QObject {
    Q_OBJECT
  public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;
    bool installed() const { return notifier_ != nullptr; }

  signals:
    void terminationRequested();

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace verdo::gateway
