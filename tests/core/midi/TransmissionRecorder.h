#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/midi/MidiOutput.h"
#include "core/midi/TransmissionView.h"
#include "core/midi/VirtualClock.h"

namespace corlinth::testing {

// One log for the port and the window together, each entry stamped with the virtual time,
// so that a test reads the whole pass in order: "2872 short B0 07 00".
class EventLog {
  public:
    explicit EventLog(const VirtualClock& clock) : m_clock(clock) {}
    void add(const std::string& what) {
        entries.push_back(std::to_string(m_clock.now()) + " " + what);
    }
    std::vector<std::string> entries;

  private:
    const VirtualClock& m_clock;
};

// A MIDI output that writes every call into the log and fails where a test asks it to. It
// also insists on being used properly: no sending or closing while closed, no second open.
class RecordingMidiOutput final : public MidiOutput {
  public:
    explicit RecordingMidiOutput(EventLog& log) : m_log(log) {}

    bool failOpen = false;
    bool failClose = false;
    std::set<int> failingSends;  // 0-based numbers of the send calls that fail
    int sends = 0;

    std::vector<MidiPort> listPorts() override { return {{"USB MIDI", 3}}; }
    bool open(int portId) override {
        m_log.add("open " + std::to_string(portId));
        if (m_open) {
            ADD_FAILURE() << "port opened twice";
        }
        m_open = !failOpen;
        return !failOpen;
    }
    bool sendShort(const Bytes& message) override { return send("short", message); }
    bool sendLong(const Bytes& message) override { return send("long", message); }
    bool close() override {
        m_log.add("close");
        if (!m_open) {
            ADD_FAILURE() << "port closed while closed";
        }
        m_open = false;
        return !failClose;
    }
    bool isOpen() const override { return m_open; }

  private:
    bool send(const char* kind, const Bytes& message) {
        m_log.add(std::string(kind) + " " + hexLine(message));
        if (!m_open) {
            ADD_FAILURE() << "sent while closed";
        }
        return failingSends.count(sends++) == 0;
    }

    EventLog& m_log;
    bool m_open = false;
};

// A window that logs what the engine asks of it. Highlights and focus requests, which come with
// every step, are kept apart from the log.
class RecordingView final : public TransmissionView {
  public:
    RecordingView(EventLog& log, const VirtualClock& clock) : m_log(log), m_clock(clock) {}

    bool boxVisible = false;
    std::vector<std::string> highlights;  // "539 line 0 (0, 29)"
    int focusRequests = 0;

    bool messageBoxVisible() const override { return boxVisible; }
    void setButtonCaption(std::string_view caption) override {
        m_log.add("caption " + std::string(caption));
    }
    void showNotice(NoticeKind kind, std::string_view text) override {
        m_log.add(std::string(kind == NoticeKind::Warning ? "warning " : "information ") +
                  std::string(text));
        boxVisible = true;
    }
    void highlightLine(const LineSelection& line) override {
        highlights.push_back(std::to_string(m_clock.now()) + " line " + std::to_string(line.line) +
                             " (" + std::to_string(line.start) + ", " +
                             std::to_string(line.length) + ")");
    }
    void caretToStart() override { m_log.add("caret start"); }
    void caretToEnd() override { m_log.add("caret end"); }
    void focusWindow() override { ++focusRequests; }

  private:
    EventLog& m_log;
    const VirtualClock& m_clock;
};

}  // namespace corlinth::testing
