#pragma once

#include <QPoint>
#include <QRect>
#include <functional>

#include "core/app/Answer.h"
#include "core/document/SettingHandover.h"

class QWidget;

namespace corlinth::gui {

class EditorEnvironment;

// The editor as its setting dialogs see it: whether a dialog edits an existing setting, the
// setting it edits, and the calls that put a finished setting into the document.
class SettingEditor {
  public:
    virtual ~SettingEditor() = default;

    // A dialog opened by "Edit Setting..." decodes this when it becomes active; its OK then
    // replaces the setting instead of inserting a new one.
    virtual bool editMode() const = 0;
    virtual const ParsedSetting& parsedSetting() const = 0;
    virtual void insertline(const SettingHandover& setting) = 0;
    virtual void replaceline(const SettingHandover& setting) = 0;

    // The continuation code the shared message box continues with when it closes.
    virtual int pendingAction() const = 0;
    virtual void setPendingAction(int code) = 0;
    // A family's dialogs continue the codes they set (4, 5; the rule units 4 to 13) here.
    using Continuation = std::function<void(int code, Answer answer)>;
    virtual void setDialogContinuation(Continuation continuation) = 0;

    // Shows a dialog centred over the editor window, left and top at least 0, in front.
    virtual void showCentred(QWidget* dialog) = 0;
    virtual QPoint centre() const = 0;
    virtual EditorEnvironment& environment() const = 0;
};

}  // namespace corlinth::gui
