#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "gui/document/EditorEnvironment.h"

namespace corlinth::gui::testing {

// The program around an editor, as far as the editor's tests need it: messages are recorded
// instead of shown, and windows are whatever the test registers under a name.
class FakeEnvironment : public EditorEnvironment {
  public:
    struct Message {
        enum Kind { Question, Warning, Information } kind;
        QString text;
    };

    PlatformMode mode() const override { return m_mode; }
    QString documentsRoot() const override { return m_root; }
    QString programFolder() const override { return m_root; }
    bool firmwareMenuEnabled() const override { return false; }
    bool hasChosenPort() const override { return m_hasPort; }
    void question(const QString& text, QPoint) override {
        m_messages.push_back({Message::Question, text});
    }
    void warning(const QString& text, QPoint) override {
        m_messages.push_back({Message::Warning, text});
    }
    void information(const QString& text, QPoint) override {
        m_messages.push_back({Message::Information, text});
    }
    bool messageShowing() const override { return false; }
    QWidget* window(std::string_view name) const override {
        const auto it = m_windows.find(std::string(name));
        return it == m_windows.end() ? nullptr : it->second;
    }
    void showAbout(QPoint) override { ++m_aboutShown; }
    void beep() override {}

    PlatformMode m_mode = PlatformMode::Windows;
    QString m_root;
    bool m_hasPort = true;
    std::vector<Message> m_messages;
    std::map<std::string, QWidget*> m_windows;
    int m_aboutShown = 0;
};

}  // namespace corlinth::gui::testing
