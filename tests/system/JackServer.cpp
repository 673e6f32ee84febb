#include "JackServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>
#include <atomic>
#include <cstdlib>
#include <sstream>

namespace corlinth::testing {
namespace {

constexpr int kStartTimeoutMs = 10000;

std::string uniqueServerName() {
    static std::atomic<int> counter{0};
    return "corlinth-test-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
           std::to_string(++counter);
}

// Runs a JACK tool to its end; its standard output, or nothing when it failed.
std::optional<std::string> runTool(const QProcessEnvironment& environment, const QString& tool,
                                   const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return process.readAllStandardOutput().toStdString();
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    // Our own child, by its own process ID.
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

}  // namespace

bool JackServer::toolsInstalled() {
    for (const char* tool : {"jackd", "jack_lsp", "jack_midi_dump"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            return false;
        }
    }
    return true;
}

JackServer::JackServer() : m_name(uniqueServerName()) {
    if (const char* previous = std::getenv("JACK_DEFAULT_SERVER")) {
        m_previousServer = previous;
        m_hadPreviousServer = true;
    }
    setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);

    m_jackd.setProcessEnvironment(environment());
    m_jackd.setProcessChannelMode(QProcess::MergedChannels);
    m_jackd.start(QStringLiteral("jackd"),
                  {QStringLiteral("--no-realtime"), QStringLiteral("-n"),
                   QString::fromStdString(m_name), QStringLiteral("-d"), QStringLiteral("dummy"),
                   QStringLiteral("-r"), QString::number(sampleRate), QStringLiteral("-p"),
                   QString::number(period)});
    if (!m_jackd.waitForStarted(kStartTimeoutMs)) {
        m_failure = "jackd did not start: " + m_jackd.errorString().toStdString();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs) {
        if (m_jackd.state() == QProcess::NotRunning) {
            m_failure = "jackd ended: " + m_jackd.readAll().toStdString();
            return;
        }
        if (!ports().empty()) {
            m_running = true;
            return;
        }
        QThread::msleep(50);
    }
    m_failure = "jackd did not answer within ten seconds";
}

JackServer::~JackServer() {
    stop(m_jackd);
    if (m_hadPreviousServer) {
        setenv("JACK_DEFAULT_SERVER", m_previousServer.c_str(), 1);
    } else {
        unsetenv("JACK_DEFAULT_SERVER");
    }
}

QProcessEnvironment JackServer::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("JACK_DEFAULT_SERVER"), QString::fromStdString(m_name));
    environment.insert(QStringLiteral("JACK_NO_START_SERVER"), QStringLiteral("1"));
    return environment;
}

std::vector<std::string> JackServer::ports() const {
    std::vector<std::string> ports;
    const auto listing = runTool(environment(), QStringLiteral("jack_lsp"),
                                 {QStringLiteral("-s"), QString::fromStdString(m_name)});
    if (!listing) {
        return ports;
    }
    std::istringstream lines(*listing);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            ports.push_back(line);
        }
    }
    return ports;
}

JackMidiDump::JackMidiDump(const JackServer& server, std::string clientName)
    : m_client(std::move(clientName)) {
    m_dump.setProcessEnvironment(server.environment());
    // Line-buffered, so that each message can be read as soon as it arrives.
    const QString stdbuf = QStandardPaths::findExecutable(QStringLiteral("stdbuf"));
    QStringList arguments{QStringLiteral("-a"), QString::fromStdString(m_client)};
    if (!stdbuf.isEmpty()) {
        arguments.prepend(QStringLiteral("jack_midi_dump"));
        arguments.prepend(QStringLiteral("-oL"));
        m_dump.start(stdbuf, arguments);
    } else {
        m_dump.start(QStringLiteral("jack_midi_dump"), arguments);
    }
    if (!m_dump.waitForStarted(kStartTimeoutMs)) {
        m_failure = "jack_midi_dump did not start: " + m_dump.errorString().toStdString();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs) {
        if (m_dump.state() == QProcess::NotRunning) {
            m_failure = "jack_midi_dump ended: " + m_dump.readAllStandardError().toStdString();
            return;
        }
        for (const std::string& port : server.ports()) {
            if (port == portName()) {
                m_running = true;
                return;
            }
        }
        QThread::msleep(50);
    }
    m_failure = "the port " + portName() + " did not appear";
}

JackMidiDump::~JackMidiDump() {
    stop(m_dump);
}

void JackMidiDump::readOutput() {
    m_pending += m_dump.readAllStandardOutput().toStdString();
    std::size_t end;
    while ((end = m_pending.find('\n')) != std::string::npos) {
        const std::string line = m_pending.substr(0, end);
        m_pending.erase(0, end + 1);
        // "  32512: 90 3c 64 note on  (channel  0): pitch  60, velocity 100"
        std::istringstream in(line);
        ReceivedMessage message;
        char colon = 0;
        if (!(in >> message.frame >> colon) || colon != ':') {
            continue;
        }
        for (std::string word; in >> word;) {
            if (word.size() != 2 || !std::isxdigit(static_cast<unsigned char>(word[0])) ||
                !std::isxdigit(static_cast<unsigned char>(word[1]))) {
                break;
            }
            message.bytes.push_back(static_cast<Byte>(std::stoi(word, nullptr, 16)));
        }
        if (!message.bytes.empty()) {
            m_received.push_back(std::move(message));
        }
    }
}

std::vector<ReceivedMessage> JackMidiDump::waitForMessages(std::size_t count, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    readOutput();
    while (m_received.size() < count && clock.elapsed() < timeoutMs) {
        m_dump.waitForReadyRead(50);
        readOutput();
    }
    return m_received;
}

}  // namespace corlinth::testing
