#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "core/document/MidiFileSkeleton.h"
#include "core/products/TextCatalogue.h"
#include "gui/document/DocumentText.h"
#include "gui/document/FileDialogs.h"
#include "gui/document/TextEditorWindow.h"
#include "gui/support/FakeEnvironment.h"
#include "platform/FileService.h"

namespace corlinth::gui {
namespace {

using testing::FakeEnvironment;
using Lines = std::vector<std::string>;

// Edits every setting of device 04 but command 08, all in one dialog.
class PirrowLikeCatalogue : public TextCatalogue {
  public:
    std::string_view dialogFor(const Bytes& line) const override {
        if (line.size() > 5 && line[4] == 0x04 && line[5] != 0x08)
            return "TPirrowControl";
        return {};
    }
    std::span<const SettingMenuItem> settingMenu() const override { return m_menu; }
    std::array<SettingMenuItem, 3> m_menu{{{"Device Parameters...", "TPirrowDevice"},
                                           {"", ""},
                                           {"Generate Control Change... ", "TPirrowControl"}}};
};

SettingHandover controlChange() {
    SettingHandover s;
    s.messageLine = "F0 00 00 50 04 02 40 7F 00 F7";
    s.comment = {"{ Program the Pirrow to generate CC#", "64 of value 127",
                 " on MIDI Channel 1 when the footswitch is depressed, and send a value of zero "
                 "when it is released }"};
    return s;
}

const std::string kControlComment =
    "{ Program the Pirrow to generate CC#64 of value 127 on MIDI Channel 1 when the footswitch is "
    "depressed, and send a value of zero when it is released  (right-click to edit) }";

class TextEditorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FileDialogs::clearQueuedAnswers();
        m_env.m_root = m_dir.path();
        m_env.m_windows["TPirrowControl"] = &m_dialog;
    }

    std::unique_ptr<TextEditorWindow> open(const char* product) {
        auto window =
            std::make_unique<TextEditorWindow>(m_env, *findProduct(product), &m_catalogue);
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->layoutPending(); }, 2000));
        return window;
    }

    static Lines linesOf(TextEditorWindow& w) { return w.text()->lines(); }

    static std::vector<bool> boldOf(TextEditorWindow& w) {
        std::vector<bool> out;
        for (const RichLine& line : w.text()->richDocument().lines) {
            out.push_back(!line.runs.empty() && line.runs.front().bold);
        }
        return out;
    }

    // What a right-click at the start of `line` does, up to the pop-up.
    bool rightClick(TextEditorWindow& w, int line) {
        QSignalSpy offered(&w, &TextEditorWindow::editSettingOffered);
        const QTextBlock block = w.text()->document()->findBlockByNumber(line);
        QTextCursor cursor(block);
        const QRect rect = w.text()->cursorRect(cursor);
        w.requestEdit(rect.center() + QPoint(1, 0), QPoint(10, 10));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.decodePending(); }, 2000));
        w.popupMenu()->hide();
        return offered.count() == 1;
    }

    QTemporaryDir m_dir;
    FakeEnvironment m_env;
    PirrowLikeCatalogue m_catalogue;
    QWidget m_dialog;
};

TEST_F(TextEditorWindowTest, OpensWithTheInitialDocumentAndMenus) {
    auto w = open("Pirrow");
    EXPECT_EQ(w->objectName(), "TPirrowMain");
    EXPECT_EQ(w->windowTitle(), "Quarnell Pirrow Corlinth - [Untitled]");
    ASSERT_EQ(linesOf(*w).size(), 3u);
    EXPECT_EQ(linesOf(*w)[0], "F0 00 00 50 04 00 01 00 F7");
    EXPECT_EQ(boldOf(*w), (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(w->text()->isModified());
    QStringList menus;
    for (QAction* action : w->menuBar()->actions()) {
        if (action->isVisible())
            menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "Setting", "Program", "Help"}));
    QStringList settings;
    for (QAction* action : w->settingMenu()->actions()) {
        settings << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(settings, (QStringList{"Device Parameters...", "-", "Generate Control Change... "}));
}

TEST_F(TextEditorWindowTest, InsertIntoAnEmptyDocumentAndUndoItInOneStep) {
    auto w = open("Gavrel");
    EXPECT_EQ(linesOf(*w), (Lines{""}));
    w->insertline(controlChange());
    EXPECT_EQ(linesOf(*w), (Lines{"F0 00 00 50 04 02 40 7F 00 F7", kControlComment, ""}));
    EXPECT_EQ(boldOf(*w), (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(w->text()->isModified());
    w->undoproc();
    EXPECT_EQ(linesOf(*w), (Lines{""}));
}

TEST_F(TextEditorWindowTest, InsertAfterTheInitialSettingAndUndo) {
    auto w = open("Pirrow");
    w->text()->moveCaretToEnd();
    const Lines before = linesOf(*w);
    w->insertline(controlChange());
    const Lines after = linesOf(*w);
    ASSERT_EQ(after.size(), 6u);
    EXPECT_EQ(after[2], "");
    EXPECT_EQ(after[3], "F0 00 00 50 04 02 40 7F 00 F7");
    EXPECT_EQ(after[4], kControlComment);
    EXPECT_EQ(w->text()->caretLine(), 5);
    w->undoproc();
    EXPECT_EQ(linesOf(*w), before);
}

TEST_F(TextEditorWindowTest, RightClickEditsAndReplacesTheFirstLineSetting) {
    auto w = open("Pirrow");
    ASSERT_TRUE(rightClick(*w, 1));  // on the comment of the setting on the first line
    w->editSetting();
    EXPECT_TRUE(w->editMode());
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(hexLine(w->parsedSetting().bytes), "F0 00 00 50 04 00 01 00 F7");
    const Lines before = linesOf(*w);
    w->replaceline(controlChange());
    EXPECT_FALSE(w->editMode());
    EXPECT_EQ(linesOf(*w), (Lines{"F0 00 00 50 04 02 40 7F 00 F7", kControlComment, ""}));
    EXPECT_EQ(w->text()->caretLine(), 2);
    EXPECT_TRUE(w->replacementPending());
    w->undoproc();
    EXPECT_EQ(linesOf(*w), before);
}

TEST_F(TextEditorWindowTest, RightClickBetweenTwoSettingsEditsTheUpperOne) {
    auto w = open("Pirrow");
    w->text()->setRichDocument(RichDocument::fromPlainLines(
        {"F0 00 00 50 04 00 01 00 F7", "{ a }", "", "", "F0 00 00 50 04 02 40 7F 00 F7"}));
    // Line 2 lies two lines from either setting line.
    ASSERT_TRUE(rightClick(*w, 2));
    EXPECT_EQ(hexLine(w->parsedSetting().bytes), "F0 00 00 50 04 00 01 00 F7");
    ASSERT_TRUE(rightClick(*w, 3));  // one nearer the lower one
    EXPECT_EQ(hexLine(w->parsedSetting().bytes), "F0 00 00 50 04 02 40 7F 00 F7");
}

TEST_F(TextEditorWindowTest, RightClickGivesTheSettingItsBlankLine) {
    auto w = open("Pirrow");
    w->text()->setRichDocument(
        RichDocument::fromPlainLines({"{ free comment }", "F0 00 00 50 04 05 F7", "{ start }"}));
    ASSERT_TRUE(rightClick(*w, 1));
    EXPECT_EQ(w->text()->lines(),
              (Lines{"{ free comment }", "", "F0 00 00 50 04 05 F7", "{ start }"}));
    EXPECT_EQ(w->text()->textCursor().selectedText(),
              QStringLiteral("F0 00 00 50 04 05 F7\u2029{ start }"));
}

TEST_F(TextEditorWindowTest, NonEditableLinesOfferNoMenuAndKeepTheSelection) {
    auto w = open("Kelto");
    QTextCursor cursor = w->text()->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    w->text()->setTextCursor(cursor);
    EXPECT_FALSE(rightClick(*w, 0));  // the clear-all line
    EXPECT_EQ(w->text()->textCursor().anchor(), 3);
    EXPECT_EQ(w->text()->textCursor().position(), 7);
}

TEST_F(TextEditorWindowTest, SaveAsAddsTheExtensionAndWritesBoldRuns) {
    auto w = open("Pirrow");
    const QString chosen = m_dir.filePath("My Setup");
    FileDialogs::queueAnswer(chosen);
    ASSERT_TRUE(w->xsaveas());
    ASSERT_EQ(FileDialogs::askedRequests().size(), 1u);
    EXPECT_EQ(FileDialogs::askedRequests()[0].proposedName, "Pirrow Settings.rtf");
    EXPECT_EQ(FileDialogs::askedRequests()[0].title, "Save As");
    EXPECT_EQ(w->fileName(), chosen + ".rtf");
    EXPECT_EQ(w->windowTitle(), "Quarnell Pirrow Corlinth - My Setup.rtf");
    const auto bytes = platform::readFile((chosen + ".rtf").toStdString());
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("\\b F0 00 00 50 04 00 01 00 F7\\b0\\par"), std::string::npos);
    EXPECT_FALSE(w->text()->isModified());

    // Opening it again gives the same lines and bold runs.
    auto other = open("Pirrow");
    FileDialogs::queueAnswer(chosen + ".rtf");
    other->openDocument();
    EXPECT_EQ(other->text()->richDocument(), w->text()->richDocument());
    EXPECT_EQ(other->text()->textCursor().position(),
              other->text()->document()->characterCount() - 1);
}

TEST_F(TextEditorWindowTest, SavingOverAReadOnlyFileWarnsAndChangesNothing) {
    auto w = open("Pirrow");
    const std::string path = m_dir.filePath("locked.rtf").toStdString();
    ASSERT_TRUE(platform::writeFileAtomically(path, "previous"));
    ASSERT_TRUE(platform::setReadOnly(path, true));
    FileDialogs::queueAnswer(QString::fromStdString(path));
    EXPECT_FALSE(w->xsaveas());
    QTest::qWait(30);
    ASSERT_EQ(m_env.m_messages.size(), 1u);
    EXPECT_EQ(m_env.m_messages[0].text,
              "This file is set to read-only. Try saving with a different file name.");
    EXPECT_EQ(platform::readFile(path), "previous");
    EXPECT_TRUE(w->fileName().isEmpty());
}

TEST_F(TextEditorWindowTest, AFailedWriteKeepsTheDocumentAndStopsTheWaitingNew) {
    auto w = open("Pirrow");
    w->text()->moveCaretToEnd();
    w->insertline(controlChange());
    const Lines edited = linesOf(*w);
    FileDialogs::queueAnswer(m_dir.filePath("vanished/folder/x.rtf"));
    w->newDocument();  // modified: asks first
    ASSERT_EQ(m_env.m_messages.size(), 1u);
    EXPECT_EQ(m_env.m_messages[0].text, "The text has changed. Do you want to save the changes?");
    w->mainjump(Answer::Yes);
    ASSERT_EQ(m_env.m_messages.size(), 2u);
    EXPECT_EQ(m_env.m_messages[1].kind, FakeEnvironment::Message::Warning);
    EXPECT_EQ(linesOf(*w), edited);
    EXPECT_TRUE(w->text()->isModified());
}

TEST_F(TextEditorWindowTest, ClosingAskAndContinuesByTheAnswer) {
    auto w = open("Pirrow");
    QSignalSpy closed(w.get(), &TextEditorWindow::editorClosed);
    w->text()->moveCaretToEnd();
    w->insertline(controlChange());
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pendingAction(), TextEditorWindow::CloseWindow);
    w->mainjump(Answer::Cancel);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(closed.count(), 0);
    w->close();
    w->mainjump(Answer::No);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(TextEditorWindowTest, ProgramLocksTheDocumentUntilTheTransportCloses) {
    QWidget transport;
    m_env.m_windows["TTransportForm"] = &transport;
    auto w = open("Pirrow");
    w->program();
    EXPECT_TRUE(transport.isVisible());
    EXPECT_TRUE(w->text()->isReadOnly());
    EXPECT_FALSE(w->settingMenu()->isEnabled());
    EXPECT_FALSE(rightClick(*w, 0));  // no Edit Setting while sending
    w->transportClosed();
    EXPECT_FALSE(w->text()->isReadOnly());
    EXPECT_TRUE(w->settingMenu()->isEnabled());

    m_env.m_mode = PlatformMode::Mac;
    m_env.m_hasPort = false;
    auto mac = open("Pirrow");
    transport.hide();
    mac->program();
    EXPECT_FALSE(transport.isVisible());
    ASSERT_FALSE(m_env.m_messages.empty());
    EXPECT_EQ(m_env.m_messages.back().text,
              "Please restart the Corlinth to select a MIDI interface");
}

TEST_F(TextEditorWindowTest, GenerateMidiFileWarnsThenWritesTheExport) {
    auto w = open("Pirrow");
    w->generateMidiFile();
    ASSERT_EQ(m_env.m_messages.size(), 1u);
    EXPECT_EQ(m_env.m_messages[0].kind, FakeEnvironment::Message::Question);
    EXPECT_EQ(m_env.m_messages[0].text.toStdString(), smfWarningText());
    const QString chosen = m_dir.filePath("export");  // no extension: ".mid" is added
    FileDialogs::queueAnswer(chosen);
    w->mainjump(Answer::Yes);
    // The file dialog follows the answer after the export delay.
    ASSERT_TRUE(QTest::qWaitFor([] { return !FileDialogs::hasQueuedAnswers(); }, 3000));
    ASSERT_EQ(FileDialogs::askedRequests().size(), 1u);
    EXPECT_EQ(FileDialogs::askedRequests()[0].proposedName, "Pirrow Settings.mid");
    EXPECT_EQ(FileDialogs::askedRequests()[0].filter, "MIDI files (*.MID)|*.MID|");
    const auto file = platform::readFile((chosen + ".mid").toStdString());
    ASSERT_TRUE(file);
    std::string expected("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk", 18);
    const std::string events =
        std::string("\0\xFF\x58\x04\x04\x02\x18\x08\0\xFF\x51\x03\x07\xA1\x20\0\xFF\x02\x1C", 19) +
        std::string(midiFile::notice) +
        std::string(
            "\x14\xB0\x40\0\x02\xF0\x08\0\0\x50\x04\0\x01\0\xF7\x88\0\xB0\x40\0\0"
            "\xFF\x2F\0",
            24);
    expected += std::string("\0\0\0", 3) + static_cast<char>(events.size()) + events;
    EXPECT_EQ(*file, expected);
}

TEST_F(TextEditorWindowTest, AnsweringNoToTheExportWarningWritesNothing) {
    auto w = open("Pirrow");
    w->generateMidiFile();
    w->mainjump(Answer::No);
    QTest::qWait(1100);
    EXPECT_TRUE(FileDialogs::askedRequests().empty());
    EXPECT_EQ(w->pendingAction(), TextEditorWindow::None);
}

TEST_F(TextEditorWindowTest, UndoIsOfferedOnlyWhenThereIsSomethingToUndo) {
    auto w = open("Pirrow");
    QMenu* edit = nullptr;
    for (QAction* action : w->menuBar()->actions()) {
        if (action->text() == "Edit")
            edit = action->menu();
    }
    ASSERT_NE(edit, nullptr);
    QAction* undo = edit->actions().front();
    EXPECT_EQ(undo->text(), "Undo");
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    emit edit->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
    w->insertline(controlChange());
    emit edit->aboutToShow();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(edit->actions()[5]->text(), "Delete                ");
}

TEST_F(TextEditorWindowTest, MacModePadsTheMenusAndSaysControlClick) {
    m_env.m_mode = PlatformMode::Mac;
    auto w = open("Pirrow");
    EXPECT_EQ(w->settingMenu()->actions().front()->text(), "     Device Parameters...        ");
    EXPECT_TRUE(w->text()->lines()[1].ends_with("on power-up  (control-click to edit) }"));
    EXPECT_EQ(w->text()->font().family(), "Arial");
    w->insertline(controlChange());
    EXPECT_NE(w->text()->toPlainText().indexOf("released  (control-click to edit) }"), -1);
}

TEST_F(TextEditorWindowTest, OpenTakesPlainTextAndTheEditorFont) {
    const std::string path = m_dir.filePath("typed.txt").toStdString();
    ASSERT_TRUE(platform::writeFileAtomically(path, "F0 00 00 50 04 05 F7\r\n{ start }\r\n"));
    auto w = open("Pirrow");
    FileDialogs::queueAnswer(QString::fromStdString(path));
    w->openDocument();
    EXPECT_EQ(linesOf(*w), (Lines{"F0 00 00 50 04 05 F7", "{ start }", ""}));
    EXPECT_EQ(w->windowTitle(), "Quarnell Pirrow Corlinth - typed.txt");
    EXPECT_EQ(QTextCursor(w->text()->document()->firstBlock()).charFormat().font().family(),
              "Tahoma");
    EXPECT_FALSE(w->text()->isModified());
    EXPECT_FALSE(w->text()->document()->isUndoAvailable());
}

}  // namespace
}  // namespace corlinth::gui
