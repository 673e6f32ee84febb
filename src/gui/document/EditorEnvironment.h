#pragma once

#include <QPoint>
#include <QString>
#include <string_view>

#include "core/app/FixedTexts.h"

class QWidget;

namespace corlinth::gui {

// What an editor window needs from the program around it: the mode, the folders, the shared
// message box (whose answer comes back through the editor's `mainjump`), and the other
// windows of the product, found by name.
class EditorEnvironment {
  public:
    virtual ~EditorEnvironment() = default;

    virtual PlatformMode mode() const = 0;
    virtual QString documentsRoot() const = 0;
    // The folder the help documents were written to (the program's folder).
    virtual QString programFolder() const = 0;
    virtual bool firmwareMenuEnabled() const = 0;
    // Mac mode chooses the port once at start-up; without one the editor does not transmit.
    virtual bool hasChosenPort() const = 0;

    // The shared message box, centred on `centre`; shown without being modal.
    virtual void question(const QString& text, QPoint centre) = 0;
    virtual void warning(const QString& text, QPoint centre) = 0;
    virtual void information(const QString& text, QPoint centre) = 0;
    virtual bool messageShowing() const = 0;

    // A window of the product (a setting dialog, the transmission window), by its name.
    virtual QWidget* window(std::string_view name) const = 0;
    virtual void showAbout(QPoint centre) = 0;
    virtual void beep() = 0;
};

}  // namespace corlinth::gui
