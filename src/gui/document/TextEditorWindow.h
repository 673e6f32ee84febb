#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/app/Answer.h"
#include "core/app/ProductRegistry.h"
#include "core/document/EditorOperations.h"
#include "core/document/EditorProfile.h"
#include "core/document/Extraction.h"
#include "core/document/SettingHandover.h"
#include "gui/document/SettingEditor.h"

class QAction;
class QMenu;

namespace corlinth {
class TextCatalogue;
}

namespace corlinth::gui {

class DocumentText;
class EditorEnvironment;

// The editor of the nine text products: one settings document in a rich-text box, the menus,
// the file operations, and the hand-over with the product's setting dialogs. What differs
// between products comes from the product record, the editor profile and the catalogue.
class TextEditorWindow : public QMainWindow, public SettingEditor {
    Q_OBJECT
  public:
    // The catalogue is the product's own unless another is given (tests give their own).
    TextEditorWindow(EditorEnvironment& environment, const ProductRecord& product,
                     const TextCatalogue* catalogue = nullptr, QWidget* parent = nullptr);
    ~TextEditorWindow() override;

    // Continuation codes of the shared message box.
    enum Pending {
        None = 0,
        NewDocument = 1,
        OpenDocument = 2,
        CloseWindow = 3,
        ImportFile = 6,
        ExportFile = 14,
    };

    // `mainjump`: the shared message box has closed with `answer`.
    void mainjump(Answer answer);

    // SettingEditor, for the dialogs.
    bool editMode() const override { return m_editMode; }
    const ParsedSetting& parsedSetting() const override { return m_parsed; }
    void insertline(const SettingHandover& setting) override;
    void replaceline(const SettingHandover& setting) override;
    int pendingAction() const override { return m_pending; }
    void setPendingAction(int code) override { m_pending = code; }
    void setDialogContinuation(Continuation continuation) override;
    void showCentred(QWidget* dialog) override;
    QPoint centre() const override;
    EditorEnvironment& environment() const override { return m_env; }

    // The menu's Program caption is set by the shell once the product's windows exist.
    void setProgramCaption(const QString& caption);
    void setFirmwareMenuVisible(bool visible);

    // The transmission window calls this when it closes.
    void transportClosed();
    bool transportOpen() const { return m_transportOpen; }

    DocumentText* text() const { return m_text; }
    const QString& fileName() const { return m_fileName; }
    const ProductRecord& product() const { return m_product; }
    const EditorProfile& profile() const { return *m_profile; }
    const TextCatalogue* catalogue() const { return m_catalogue; }
    bool replacementPending() const { return m_replacementPending; }

    // Menu operations, also reached by tests.
    void newDocument();
    void openDocument();
    bool xsave();
    bool xsaveas();
    void generateMidiFile();
    void importVersionOne();
    void program();
    void help();
    void about();
    void undoproc();
    // Edit Setting at a point of the text box's viewport (what a right-click does).
    void requestEdit(const QPoint& viewportPoint, const QPoint& globalPoint);
    // "Edit Setting..." in the pop-up menu.
    void editSetting();
    QMenu* popupMenu() const { return m_popup; }
    // The deferred work after creation and after a right-click is still to come.
    bool layoutPending() const { return m_layoutTimer.isActive(); }
    bool decodePending() const { return m_decodeTimer.isActive(); }
    QMenu* settingMenu() const { return m_settingMenu; }

  signals:
    // Closing the editor ends the program.
    void editorClosed();
    // The pop-up with "Edit Setting..." was offered at this screen point.
    void editSettingOffered(const QPoint& globalPoint);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    QAction* addItem(QMenu* menu, std::string_view caption, const QKeySequence& shortcut,
                     std::function<void()> act);
    void layoutTimer();
    void decodeTimer();
    void initialize();
    void newroutine();
    bool openit();
    bool loadFile(const QString& path);
    bool writeDocument(const QString& path);
    void refuseReadOnly();
    void saveas();
    void saveit(const QString& path);
    void importit();
    MessageExtractor::LineParser lineParser() const;
    void setMenusEnabled(bool enabled);
    void updateTitle();
    QString documentsFolder() const;
    void warnLater(const QString& text);
    void showWarning(const QString& text);
    void showInformation(const QString& text);
    void showQuestion(int code, const QString& text);

    EditorEnvironment& m_env;
    const ProductRecord& m_product;
    const EditorProfile* m_profile;
    const TextCatalogue* m_catalogue;
    std::string m_editHint;

    DocumentText* m_text = nullptr;
    QWidget* m_panel = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_settingMenu = nullptr;
    QMenu* m_programMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_firmwareMenu = nullptr;
    QMenu* m_popup = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_programAction = nullptr;

    QTimer m_layoutTimer;
    QTimer m_decodeTimer;
    QTimer m_exportTimer;

    QString m_fileName;
    bool m_editMode = false;
    bool m_replacementPending = false;
    bool m_transportOpen = false;
    bool m_closeConfirmed = false;
    bool m_saveRefused = false;  // the last save did not write (cancelled, read-only, failed)
    int m_pending = None;
    int m_savedSelectionStart = 0;
    int m_savedSelectionEnd = 0;
    QPoint m_pickPoint;
    ParsedSetting m_parsed;
    EditedSetting m_edited;
    std::string m_pendingDialog;  // the dialog "Edit Setting..." opens
    Continuation m_dialogContinuation;
};

}  // namespace corlinth::gui
