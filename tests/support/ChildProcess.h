// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

namespace tenvari::test {

// A helper program run as a copy of its own, for the tests that need real
// processes side by side: it talks in lines on standard output and is told
// what to do on standard input. A copy still running when the test is done
// is killed.
class ChildProcess {
public:
    static constexpr int kWaitMs = 15'000;

    ChildProcess(
        const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        process_.setProcessEnvironment(environment);
        process_.start(program, arguments);
    }
    ~ChildProcess() {
        if (process_.state() != QProcess::NotRunning)
            killHard();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line the copy says, or "" when it said nothing in time.
    QString line() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(kWaitMs))
                return {};
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    void tell(const char* line) { process_.write(line); }
    // Closes its input (which lets a waiting copy go) and waits for its end.
    bool release() {
        process_.closeWriteChannel();
        return process_.waitForFinished(kWaitMs);
    }
    // Waits for a copy that ends by itself.
    bool finished() { return process_.waitForFinished(kWaitMs); }
    // Ends the copy as a crash would: no clean-up runs. Waiting also reaps
    // it: a zombie would still count as running.
    void killHard() {
        process_.kill();
        process_.waitForFinished(kWaitMs);
    }
    // It ended by itself with status 0.
    bool endedWell() const {
        return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }
    qint64 pid() const { return process_.processId(); }
    int exitCode() const { return process_.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }

private:
    QProcess process_;
};

} // namespace tenvari::test
