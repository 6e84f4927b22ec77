// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace tenvari {

// Turns the signals with which a desktop session or a terminal asks a
// program to end (SIGTERM at log-out and shutdown, SIGHUP when its terminal
// closes, SIGINT for Ctrl+C) into received(), emitted from the event loop.
//
// The signal handler only writes a byte into a pipe, which is safe at any
// moment; a socket notifier on the other end emits received() once for
// every batch of signals that arrived. While an object lives, those signals
// no longer end the process by themselves. One object at a time; the
// destructor puts the previous handlers back.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void drain();

    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, kSignals.size()> previous_{};
    bool installed_ = false;
};

} // namespace tenvari
