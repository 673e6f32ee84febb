#include "gui/document/TextEditorWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextBlock>
#include <QUrl>
#include <QVBoxLayout>

#include "core/app/DocumentPaths.h"
#include "core/document/EditorTexts.h"
#include "core/document/MidiFileExport.h"
#include "core/document/RtfReader.h"
#include "core/document/RtfWriter.h"
#include "core/document/VersionOneImport.h"
#include "core/products/TextCatalogue.h"
#include "gui/document/DocumentText.h"
#include "gui/document/EditorEnvironment.h"
#include "gui/document/FileDialogs.h"
#include "platform/FileService.h"

namespace corlinth::gui {
namespace {

namespace texts = editor_texts;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TextEditorWindow::TextEditorWindow(EditorEnvironment& environment, const ProductRecord& product,
                                   const TextCatalogue* catalogue, QWidget* parent)
    : QMainWindow(parent),
      m_env(environment),
      m_product(product),
      m_profile(editorProfile(product.displayName)),
      m_catalogue(catalogue ? catalogue : textCatalogue(product.displayName)),
      m_editHint(editHintSuffix(environment.mode())) {
    Q_ASSERT(m_profile);
    setObjectName(q(product.mainWindow));

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    setCentralWidget(m_panel);
    m_text = new DocumentText(m_panel);
    m_text->setEditorFont(editorFont(environment.mode()));
    m_text->setControlClickEdits(environment.mode() == PlatformMode::Mac);
    m_text->installEventFilter(this);
    connect(m_text, &DocumentText::editRequested, this, &TextEditorWindow::requestEdit);

    buildMenus();

    // Created off the screen; the layout timer gives the window its place once it exists.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(0, screen.height(), screen.width() / 2, 0);
    m_layoutTimer.setSingleShot(true);
    m_layoutTimer.setInterval(1);
    connect(&m_layoutTimer, &QTimer::timeout, this, &TextEditorWindow::layoutTimer);
    m_layoutTimer.start();

    m_decodeTimer.setSingleShot(true);
    m_decodeTimer.setInterval(1);
    connect(&m_decodeTimer, &QTimer::timeout, this, &TextEditorWindow::decodeTimer);

    m_exportTimer.setSingleShot(true);
    m_exportTimer.setInterval(m_profile->exportDelayMs);
    connect(&m_exportTimer, &QTimer::timeout, this, &TextEditorWindow::saveas);

    initialize();
}

TextEditorWindow::~TextEditorWindow() = default;

QAction* TextEditorWindow::addItem(QMenu* menu, std::string_view caption,
                                   const QKeySequence& shortcut, std::function<void()> act) {
    const bool mac = m_env.mode() == PlatformMode::Mac;
    QAction* action =
        menu->addAction(q(mac ? texts::macMenuCaption(caption) : std::string(caption)));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, std::move(act));
    return action;
}

void TextEditorWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    if (m_env.mode() == PlatformMode::Mac) {
        const FontSpec font = macMenuFont();
        QFont menuFont(q(font.family), font.pointSize);
        menuFont.setBold(font.bold);
        bar->setFont(menuFont);
    }

    m_fileMenu = bar->addMenu(q(texts::fileMenu));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    addItem(m_fileMenu, texts::newItem, QKeySequence(Qt::CTRL | Qt::Key_N),
            [this] { newDocument(); });
    addItem(m_fileMenu, texts::openItem, QKeySequence(Qt::CTRL | Qt::Key_O),
            [this] { openDocument(); });
    addItem(m_fileMenu, texts::saveItem, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { xsave(); });
    addItem(m_fileMenu, texts::saveAsItem, QKeySequence(), [this] { xsaveas(); });
    m_fileMenu->addSeparator();
    addItem(m_fileMenu, texts::exportItem, QKeySequence(), [this] { generateMidiFile(); });
    m_fileMenu->addSeparator();
    if (m_product.versionOneImportMenu) {
        addItem(m_fileMenu, texts::importItem, QKeySequence(), [this] { importVersionOne(); });
        m_fileMenu->addSeparator();
    }
    addItem(m_fileMenu, texts::exitItem, QKeySequence(), [this] { close(); });

    m_editMenu = bar->addMenu(q(texts::editMenu));
    m_editMenu->setObjectName(QStringLiteral("Edit1"));
    m_undoAction = addItem(m_editMenu, texts::undoItem, QKeySequence(Qt::CTRL | Qt::Key_Z),
                           [this] { undoproc(); });
    m_editMenu->addSeparator();
    QAction* cut = m_editMenu->addAction(q(texts::cutItem), m_text, &QPlainTextEdit::cut);
    cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copy = m_editMenu->addAction(q(texts::copyItem), m_text, &QPlainTextEdit::copy);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = m_editMenu->addAction(q(texts::pasteItem), m_text, &QPlainTextEdit::paste);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    m_editMenu->addAction(q(texts::deleteItem), this,
                          [this] { m_text->textCursor().removeSelectedText(); });
    m_editMenu->addSeparator();
    QAction* selectAll =
        m_editMenu->addAction(q(texts::selectAllItem), m_text, &QPlainTextEdit::selectAll);
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    if (m_env.mode() == PlatformMode::Mac) {
        for (QAction* action : m_editMenu->actions()) {
            if (!action->isSeparator() && action != m_undoAction) {
                action->setText(q(texts::macMenuCaption(action->text().toStdString())));
            }
        }
    }
    // Undo is offered only when there is something to undo, looked at as the menu opens.
    connect(m_editMenu, &QMenu::aboutToShow, this,
            [this] { m_undoAction->setEnabled(m_text->document()->isUndoAvailable()); });

    m_settingMenu = bar->addMenu(q(texts::settingMenu));
    m_settingMenu->setObjectName(QStringLiteral("Setting1"));
    if (m_catalogue) {
        for (const SettingMenuItem& item : m_catalogue->settingMenu()) {
            if (item.caption.empty()) {
                m_settingMenu->addSeparator();
                continue;
            }
            const std::string dialog(item.dialog);
            QAction* action = m_settingMenu->addAction(q(m_env.mode() == PlatformMode::Mac
                                                             ? texts::macMenuCaption(item.caption)
                                                             : std::string(item.caption)));
            action->setObjectName(q(item.dialog));
            connect(action, &QAction::triggered, this, [this, dialog] {
                m_editMode = false;
                if (QWidget* window = m_env.window(dialog)) {
                    showCentred(window);
                }
            });
        }
    }

    m_programMenu = bar->addMenu(q(texts::programMenu));
    m_programMenu->setObjectName(QStringLiteral("Program1"));
    m_programAction = addItem(m_programMenu, texts::programItem(m_product.displayName),
                              QKeySequence(), [this] { program(); });

    if (m_product.firmwareUpdateMenu) {
        m_firmwareMenu = bar->addMenu(q(texts::firmwareMenu));
        m_firmwareMenu->setObjectName(QStringLiteral("FirmwareUpdate1"));
        m_firmwareMenu->menuAction()->setVisible(false);
    }

    m_helpMenu = bar->addMenu(q(texts::helpMenu));
    m_helpMenu->setObjectName(QStringLiteral("Help1"));
    addItem(m_helpMenu, texts::helpItem(m_product.displayName), QKeySequence(), [this] { help(); });
    m_helpMenu->addSeparator();
    addItem(m_helpMenu, texts::aboutItem, QKeySequence(), [this] { about(); });

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    addItem(m_popup, texts::editSettingItem, QKeySequence(), [this] { editSetting(); });

    // Hidden until the window has its place.
    for (QMenu* menu : {m_fileMenu, m_editMenu, m_settingMenu, m_programMenu, m_helpMenu}) {
        menu->menuAction()->setVisible(false);
    }
}

void TextEditorWindow::layoutTimer() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    if (m_env.mode() == PlatformMode::Mac) {
        setGeometry(area.left() + 7, area.top() + 10, area.width() - 14, area.height() - 104);
    } else {
        setGeometry(area.left() + 20, area.top() + 20, area.width() - 40, area.height() - 40);
    }
    for (QMenu* menu : {m_fileMenu, m_editMenu, m_settingMenu, m_programMenu, m_helpMenu}) {
        menu->menuAction()->setVisible(true);
    }
    m_text->setFocus();
}

void TextEditorWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The box sits 2 pixels from the panel's left edge; Mac mode leaves one pixel more room.
    const bool mac = m_env.mode() == PlatformMode::Mac;
    const QSize panel = m_panel->size();
    m_text->setGeometry(2, mac ? 1 : 0, panel.width() - (mac ? 3 : 2),
                        panel.height() - (mac ? 2 : 0));
}

void TextEditorWindow::setProgramCaption(const QString& caption) {
    m_programAction->setText(caption);
}

void TextEditorWindow::setFirmwareMenuVisible(bool visible) {
    if (m_firmwareMenu) {
        m_firmwareMenu->menuAction()->setVisible(visible);
    }
}

void TextEditorWindow::updateTitle() {
    const std::string name =
        m_fileName.isEmpty() ? std::string() : QFileInfo(m_fileName).fileName().toStdString();
    setWindowTitle(q(texts::windowTitle(m_product.displayName, name)));
}

QString TextEditorWindow::documentsFolder() const {
    return q(joinDocumentPath(m_env.documentsRoot().toStdString(), m_product.documentsFolder,
                              platform::nativeSeparator()));
}

QPoint TextEditorWindow::centre() const {
    return frameGeometry().center();
}

void TextEditorWindow::showCentred(QWidget* dialog) {
    const QRect frame = frameGeometry();
    const int left = std::max(0, frame.left() + frame.width() / 2 - dialog->width() / 2);
    const int top = std::max(0, frame.top() + frame.height() / 2 - dialog->height() / 2);
    dialog->move(left, top);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TextEditorWindow::setDialogContinuation(Continuation continuation) {
    m_dialogContinuation = std::move(continuation);
}

void TextEditorWindow::showQuestion(int code, const QString& text) {
    m_pending = code;
    m_env.question(text, centre());
}

void TextEditorWindow::showWarning(const QString& text) {
    m_env.warning(text, centre());
}

void TextEditorWindow::showInformation(const QString& text) {
    m_env.information(text, centre());
}

void TextEditorWindow::warnLater(const QString& text) {
    QTimer::singleShot(10, this, [this, text] { showWarning(text); });
}

// ---- documents ------------------------------------------------------------------------------

void TextEditorWindow::initialize() {
    m_fileName.clear();
    newroutine();
    m_text->document()->clearUndoRedoStacks();
    m_replacementPending = false;
}

void TextEditorWindow::newroutine() {
    m_text->setRichDocument([this] {
        const std::vector<std::string> lines = initialDocumentLines(*m_profile, m_editHint);
        RichDocument doc = RichDocument::fromPlainLines(lines);
        if (!m_profile->initialMessageLine.empty()) {
            doc.lines[0].runs[0].bold = true;
        }
        return doc;
    }());
    m_settingMenu->menuAction()->setVisible(m_layoutTimer.isActive() ? false : true);
    updateTitle();
    m_text->setModified(false);
}

void TextEditorWindow::newDocument() {
    if (m_text->isModified()) {
        showQuestion(NewDocument, q(texts::changedQuestion));
        return;
    }
    initialize();
}

void TextEditorWindow::openDocument() {
    if (m_text->isModified()) {
        showQuestion(OpenDocument, q(texts::changedQuestion));
        return;
    }
    openit();
}

bool TextEditorWindow::openit() {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = q(texts::openTitle);
    request.folder = documentsFolder();
    request.filter = q(texts::openFilter);
    request.defaultExtension = q(texts::documentExtension);
    const bool mac = m_env.mode() == PlatformMode::Mac;
    if (mac)
        hide();
    const std::optional<QString> path = FileDialogs::ask(this, request);
    if (mac)
        show();
    return path && loadFile(*path);
}

bool TextEditorWindow::loadFile(const QString& path) {
    std::string error;
    const std::optional<std::uint64_t> size = platform::fileSize(path.toStdString());
    if (size && *size > texts::documentSizeLimit) {
        showWarning(q(texts::tooLargeWarning));
        return false;
    }
    const std::optional<std::string> bytes =
        platform::readFile(path.toStdString(), &error, texts::documentSizeLimit);
    if (!bytes) {
        showWarning(QString::fromStdString(error));
        return false;
    }
    const DocumentReading reading = readDocumentFile(*bytes);
    m_text->hide();
    m_text->setRichDocument(reading.document);
    m_fileName = path;
    updateTitle();
    m_text->moveCaretToEnd();
    m_text->setModified(false);
    m_text->document()->clearUndoRedoStacks();
    m_replacementPending = false;
    m_text->show();
    return true;
}

bool TextEditorWindow::writeDocument(const QString& path) {
    const FontSpec font = editorFont(m_env.mode());
    const std::string rtf = writeRtf(m_text->richDocument(), font.family, font.pointSize);
    const platform::FileResult result = platform::writeFileAtomically(path.toStdString(), rtf);
    if (!result) {
        showWarning(QString::fromStdString(result.error));
        return false;
    }
    m_text->setModified(false);
    m_replacementPending = false;
    return true;
}

void TextEditorWindow::refuseReadOnly() {
    m_saveRefused = true;
    warnLater(q(texts::readOnlyWarning));
}

bool TextEditorWindow::xsave() {
    if (m_fileName.isEmpty()) {
        return xsaveas();
    }
    m_saveRefused = false;
    if (platform::isReadOnly(m_fileName.toStdString())) {
        refuseReadOnly();
        return false;
    }
    // A write that fails leaves the old file and the document as they were, and counts as
    // refused, so that a New, Open or Close waiting on it does not throw the text away.
    m_saveRefused = !writeDocument(m_fileName);
    return !m_saveRefused;
}

bool TextEditorWindow::xsaveas() {
    m_saveRefused = true;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = q(texts::saveAsTitle);
    request.folder = documentsFolder();
    request.filter = q(texts::saveFilter);
    request.defaultExtension = q(texts::documentExtension);
    request.proposedName =
        m_fileName.isEmpty() ? q(texts::proposedDocumentName(m_product.displayName)) : m_fileName;
    const bool mac = m_env.mode() == PlatformMode::Mac;
    if (mac)
        hide();
    const std::optional<QString> chosen = FileDialogs::ask(this, request);
    show();
    if (!chosen) {
        return false;
    }
    const QString path = q(texts::withExtension(chosen->toStdString(), texts::documentExtension));
    if (platform::isReadOnly(path.toStdString())) {
        refuseReadOnly();
        return false;
    }
    if (!writeDocument(path)) {
        return false;
    }
    m_saveRefused = false;
    m_fileName = path;
    updateTitle();
    return true;
}

// ---- continuation ---------------------------------------------------------------------------

void TextEditorWindow::mainjump(Answer answer) {
    const int code = m_pending;
    if (code > 100) {
        // A message shown while another action waits: that action is still pending.
        m_pending = code - 100;
        return;
    }
    m_pending = None;
    switch (code) {
        case NewDocument:
            if (answer == Answer::Yes) {
                xsave();
                if (!m_saveRefused)
                    initialize();
            } else if (answer == Answer::No) {
                initialize();
            }
            break;
        case OpenDocument:
            if (answer == Answer::Yes) {
                xsave();
                if (!m_saveRefused)
                    openit();
            } else if (answer == Answer::No) {
                openit();
            }
            break;
        case CloseWindow:
            if (answer == Answer::Yes) {
                xsave();
                if (!m_saveRefused) {
                    m_closeConfirmed = true;
                    close();
                }
            } else if (answer == Answer::No) {
                m_closeConfirmed = true;
                close();
            }
            break;
        case ImportFile:
            if (answer == Answer::Yes) {
                xsave();
                if (!m_saveRefused)
                    importit();
            } else if (answer == Answer::No) {
                importit();
            }
            break;
        case ExportFile:
            if (answer == Answer::Yes) {
                m_exportTimer.start();
            }
            break;
        case None:
            break;
        default:
            if (m_dialogContinuation) {
                m_dialogContinuation(code, answer);
            }
            break;
    }
}

void TextEditorWindow::closeEvent(QCloseEvent* event) {
    if (m_text->isModified() && !m_closeConfirmed) {
        event->ignore();
        showQuestion(CloseWindow, q(texts::changedQuestion));
        return;
    }
    event->accept();
    emit editorClosed();
}

// ---- insert, replace, undo ------------------------------------------------------------------

void TextEditorWindow::insertline(const SettingHandover& setting) {
    const int anchor = m_text->lineOfPosition(m_text->textCursor().selectionEnd());
    const EditPlan plan =
        planInsert(*m_text, static_cast<std::size_t>(anchor), setting, m_editHint);
    m_text->hide();
    m_text->applyPlan(plan);
    m_replacementPending = false;
    m_text->show();
    m_text->setFocus();
}

void TextEditorWindow::replaceline(const SettingHandover& setting) {
    m_editMode = false;
    const EditPlan plan = planReplace(*m_text, m_edited, setting, m_editHint);
    m_text->hide();
    m_text->applyPlan(plan);
    m_text->show();
    m_text->setFocus();
    m_replacementPending = true;
}

void TextEditorWindow::undoproc() {
    // Every insert and replace is one undo step of the text, so Undo after a replacement
    // brings back exactly the text before the dialog's OK.
    m_text->hide();
    m_text->document()->undo();
    QTextCursor cursor = m_text->textCursor();
    cursor.setPosition(cursor.selectionEnd());
    m_text->setTextCursor(cursor);
    m_text->show();
    m_text->setFocus();
}

// ---- Edit Setting ---------------------------------------------------------------------------

void TextEditorWindow::requestEdit(const QPoint& viewportPoint, const QPoint& globalPoint) {
    if (m_transportOpen) {
        return;
    }
    const QTextCursor saved = m_text->textCursor();
    m_savedSelectionStart = saved.anchor();
    m_savedSelectionEnd = saved.position();
    m_text->setTextCursor(m_text->cursorForPosition(viewportPoint));
    m_pickPoint = globalPoint;
    m_decodeTimer.start();
}

void TextEditorWindow::decodeTimer() {
    const int line = m_text->caretLine();
    m_text->setCaretToLine(line);
    const std::optional<EditSettingFind> find =
        findSettingForEdit(*m_text, static_cast<std::size_t>(line), *m_profile, m_catalogue);
    auto restoreSelection = [this](int shift) {
        QTextCursor cursor = m_text->textCursor();
        const int end = m_text->document()->characterCount() - 1;
        cursor.setPosition(std::min(m_savedSelectionStart + shift, end));
        cursor.setPosition(std::min(m_savedSelectionEnd + shift, end), QTextCursor::KeepAnchor);
        m_text->setTextCursor(cursor);
    };
    if (!find) {
        restoreSelection(0);
        return;
    }
    int shift = 0;
    if (find->insertBlankLineBefore) {
        // Settings always have a blank line before them; the click puts it there.
        const int at = m_text->lineStart(static_cast<int>(find->firstLine) - 1);
        EditPlan plan;
        plan.edits.push_back({LineEdit::Kind::Insert, find->firstLine - 1, 0, {RichLine{}}});
        plan.caretLine = find->firstLine;
        m_text->applyPlan(plan);
        if (m_savedSelectionStart >= at)
            shift = 1;
    }
    m_text->selectLines(static_cast<int>(find->firstLine), static_cast<int>(find->lineCount));
    m_parsed = find->parsed;
    m_edited = EditedSetting{};
    m_edited.firstLine = find->firstLine;
    m_edited.ruleUnit = m_profile->ruleUnit;
    if (m_profile->ruleUnit) {
        std::size_t events = 0;
        for (const Bytes& bytes : m_parsed.eventBytes) {
            events += bytes.empty() ? 0 : 1;
        }
        m_edited.eventLines = events;
    }
    m_pendingDialog = std::string(find->dialog);
    if (find->dialog.empty()) {
        restoreSelection(shift);
        return;
    }
    emit editSettingOffered(m_pickPoint);
    m_popup->popup(m_pickPoint);
}

void TextEditorWindow::editSetting() {
    m_popup->hide();
    if (m_pendingDialog.empty()) {
        return;
    }
    m_editMode = true;
    if (QWidget* dialog = m_env.window(m_pendingDialog)) {
        showCentred(dialog);
    }
}

bool TextEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    // Mac mode: Option acts as the command key for bold, copy, paste, cut and undo.
    if (watched == m_text && event->type() == QEvent::KeyPress &&
        m_env.mode() == PlatformMode::Mac) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::AltModifier) {
            switch (key->key()) {
                case Qt::Key_B: {
                    QTextCharFormat format;
                    const bool bold = m_text->textCursor().charFormat().fontWeight() >= QFont::Bold;
                    format.setFontWeight(bold ? QFont::Normal : QFont::Bold);
                    m_text->textCursor().mergeCharFormat(format);
                    return true;
                }
                case Qt::Key_C:
                    m_text->copy();
                    return true;
                case Qt::Key_V:
                    m_text->paste();
                    return true;
                case Qt::Key_X:
                    m_text->cut();
                    return true;
                case Qt::Key_Z:
                    undoproc();
                    return true;
                default:
                    break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- program, help, about -------------------------------------------------------------------

void TextEditorWindow::setMenusEnabled(bool enabled) {
    for (QMenu* menu : {m_fileMenu, m_editMenu, m_settingMenu, m_programMenu, m_helpMenu}) {
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
    if (m_firmwareMenu) {
        m_firmwareMenu->menuAction()->setEnabled(enabled);
    }
}

void TextEditorWindow::program() {
    if (m_env.mode() == PlatformMode::Mac && !m_env.hasChosenPort()) {
        showInformation(q(texts::noInterfaceInformation));
        return;
    }
    m_text->setReadOnly(true);
    setMenusEnabled(false);
    m_transportOpen = true;
    if (QWidget* transport = m_env.window(windows::transport)) {
        showCentred(transport);
    }
}

void TextEditorWindow::transportClosed() {
    m_transportOpen = false;
    m_text->setReadOnly(false);
    setMenusEnabled(true);
}

void TextEditorWindow::help() {
    const QString path = q(joinDocumentPath(m_env.programFolder().toStdString(),
                                            m_product.helpFileName, platform::nativeSeparator()));
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TextEditorWindow::about() {
    m_env.showAbout(centre());
}

// ---- export and import ----------------------------------------------------------------------

void TextEditorWindow::generateMidiFile() {
    showQuestion(ExportFile, q(smfWarningText()));
}

MessageExtractor::LineParser TextEditorWindow::lineParser() const {
    if (m_catalogue) {
        const TextCatalogue* catalogue = m_catalogue;
        return [catalogue](std::string_view line) { return catalogue->bytesForSending(line); };
    }
    return &parseLine;
}

void TextEditorWindow::saveas() {
    const MidiExportProfile& exportProfile = midiExportProfile(*m_profile);
    if (const auto refusal = midiExportRefusal(m_text->lines(), exportProfile, lineParser())) {
        showWarning(q(*refusal));
        return;
    }
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = q(texts::saveAsTitle);
    request.folder = documentsFolder();
    request.filter = q(texts::midiFilter);
    request.defaultExtension = q(texts::midiExtension);
    request.proposedName = q(texts::proposedMidiName(m_product.displayName));
    const bool mac = m_env.mode() == PlatformMode::Mac;
    if (mac)
        hide();
    const std::optional<QString> chosen = FileDialogs::ask(this, request);
    if (chosen) {
        saveit(q(texts::withExtension(chosen->toStdString(), "mid")));
    }
    show();
}

void TextEditorWindow::saveit(const QString& path) {
    const QTextCursor selection = m_text->textCursor();
    const QFileInfo target(path);
    if (const auto warning = freeSpaceWarning(platform::freeSpace(path.toStdString()))) {
        showWarning(q(*warning));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Bytes file = exportMidiFile(m_text->lines(), midiExportProfile(*m_profile), lineParser());
    const platform::FileResult result =
        platform::writeFileAtomically(path.toStdString(), std::string(file.begin(), file.end()));
    QApplication::restoreOverrideCursor();
    m_text->setTextCursor(selection);
    if (!result) {
        showWarning(QString::fromStdString(result.error));
    }
}

void TextEditorWindow::importVersionOne() {
    if (m_text->isModified()) {
        showQuestion(ImportFile, q(texts::changedQuestion));
        return;
    }
    importit();
}

void TextEditorWindow::importit() {
    const VersionOneProduct* part = m_catalogue ? m_catalogue->versionOneProduct() : nullptr;
    if (!part) {
        return;
    }
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = q(texts::openTitle);
    request.folder = documentsFolder();
    request.filter = q(texts::importFilter);
    request.defaultExtension = q(texts::midiExtension);
    const std::optional<QString> chosen = FileDialogs::ask(this, request);
    if (!chosen) {
        return;
    }
    if (!platform::fileExists(chosen->toStdString())) {
        showWarning(q(::corlinth::texts::fileDoesNotExist));
        return;
    }
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<std::string> bytes =
        platform::readFile(chosen->toStdString(), &error, texts::documentSizeLimit);
    QApplication::restoreOverrideCursor();
    if (!bytes) {
        showWarning(QString::fromStdString(error));
        return;
    }
    const std::span<const Byte> file(reinterpret_cast<const Byte*>(bytes->data()), bytes->size());
    const VersionOneImport imported = importVersionOneFile(file, *part, m_env.mode());
    if (!imported.document) {
        showInformation(q(imported.message));
        return;
    }
    initialize();
    m_text->setRichDocument(*imported.document);
    m_text->moveCaretToStart();
    m_text->setModified(false);
    m_text->document()->clearUndoRedoStacks();
    updateTitle();
    show();
}

}  // namespace corlinth::gui
