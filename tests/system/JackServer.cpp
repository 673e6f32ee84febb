#include "JackServer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/types.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <cstdlib>
#include <sstream>

namespace corlinth::testing {
namespace {

// Generous: on a busy machine a server without realtime scheduling is slow to come up.
constexpr int kStartTimeoutMs = 30000;
constexpr int kStopGraceMs = 20000;

// JACK keeps a registry of at most eight servers, and a server that did not end cleanly
// (its test was killed) stays in it until a server of the same name starts again. The tests
// therefore take their names from a small pool, the first one no other test holds, so that
// such leftovers are reclaimed instead of filling the registry.
constexpr int kServerNames = 4;

std::string serverName(int number) {
    return "corlinth-test-" + std::to_string(number);
}

// Runs a JACK tool to its end; its standard output, or nothing when it failed.
std::optional<std::string> runTool(const QProcessEnvironment& environment, const QString& tool,
                                   const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return process.readAllStandardOutput().toStdString();
}

// Stops our own child, by its own process ID, with the signal it ends cleanly on; the
// server needs its time to say goodbye to its clients and leave the registry.
void stop(QProcess& process, int signal, int graceMs) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    ::kill(static_cast<pid_t>(process.processId()), signal);
    if (!process.waitForFinished(graceMs)) {
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

JackServer::JackServer() {
    if (const char* previous = std::getenv("JACK_DEFAULT_SERVER")) {
        m_previousServer = previous;
        m_hadPreviousServer = true;
    }
    setenv("JACK_NO_START_SERVER", "1", 1);
    for (int number = 1; number <= kServerNames && !m_running; ++number) {
        m_name = serverName(number);
        // A test running beside this one holds the name's lock; the lock goes with the
        // process, however it ends.
        const std::string lockPath =
            QDir::tempPath().toStdString() + "/" + m_name + ".jack-test.lock";
        m_lock = ::open(lockPath.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
        if (m_lock < 0) {
            m_failure = "cannot open " + lockPath;
            continue;
        }
        if (::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
            ::close(m_lock);
            m_lock = -1;
            continue;
        }
        if (start()) {
            setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
            return;
        }
        ::close(m_lock);
        m_lock = -1;
    }
    if (m_failure.empty()) {
        m_failure = "every test server name is in use";
    }
}

bool JackServer::start() {
    m_jackd.setProcessEnvironment(environment());
    m_jackd.setProcessChannelMode(QProcess::MergedChannels);
    m_jackd.start(
        QStringLiteral("jackd"),
        {QStringLiteral("--no-realtime"), QStringLiteral("-n"), QString::fromStdString(m_name),
         QStringLiteral("-d"), QStringLiteral("dummy"), QStringLiteral("-r"),
         QString::number(sampleRate), QStringLiteral("-p"), QString::number(period)});
    if (!m_jackd.waitForStarted(kStartTimeoutMs)) {
        m_failure = "jackd did not start: " + m_jackd.errorString().toStdString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs) {
        if (m_jackd.state() == QProcess::NotRunning) {
            m_failure = "jackd ended: " + m_jackd.readAll().toStdString();
            return false;
        }
        if (!ports().empty()) {
            m_running = true;
            return true;
        }
        QThread::msleep(50);
    }
    m_failure = "jackd did not answer within thirty seconds";
    stop(m_jackd, SIGTERM, kStopGraceMs);
    return false;
}

JackServer::~JackServer() {
    stop(m_jackd, SIGTERM, kStopGraceMs);
    if (m_lock >= 0) {
        ::close(m_lock);
    }
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
    // jack_midi_dump closes its client on an interrupt; a termination kills it uncleanly.
    stop(m_dump, SIGINT, kStopGraceMs);
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
