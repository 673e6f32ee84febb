// Prints how long the editor takes with a large settings document: 10,000 settings, about
// 1.5 MB of RTF. Figures, not assertions: run it with ./test.sh --bench.
#include <sys/resource.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextBlock>
#include <chrono>
#include <cstdio>

#include "core/app/ProductRegistry.h"
#include "core/document/EditorOperations.h"
#include "core/document/EditorProfile.h"
#include "core/document/Extraction.h"
#include "core/document/MidiFileExport.h"
#include "core/document/RtfWriter.h"
#include "core/document/SettingLine.h"
#include "gui/document/DocumentText.h"
#include "gui/document/FileDialogs.h"
#include "gui/document/TextEditorWindow.h"
#include "gui/support/FakeEnvironment.h"
#include "platform/FileService.h"

using namespace corlinth;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

RichDocument largeDocument(int settings) {
    RichDocument doc;
    for (int i = 0; i < settings; ++i) {
        const int controller = i % 128;
        const int value = (i * 7) % 128;
        const int channel = i % 16;
        RichLine message;
        message.append(hexLine({0xF0, 0x00, 0x00, 0x50, 0x04, 0x02, static_cast<Byte>(controller),
                                static_cast<Byte>(value), static_cast<Byte>(channel), 0xF7}),
                       true);
        RichLine comment;
        comment.append("{ Program the Pirrow to generate CC#" + std::to_string(controller) +
                           " of value " + std::to_string(value) + " on MIDI Channel " +
                           std::to_string(channel + 1) +
                           " when the footswitch is depressed, and send a value of zero when it "
                           "is released  (right-click to edit) }",
                       false);
        doc.lines.push_back(message);
        doc.lines.push_back(comment);
        doc.lines.push_back(RichLine{});
    }
    return doc;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kSettings = 10000;
    QTemporaryDir dir;
    const std::string path = dir.filePath("large.rtf").toStdString();
    const std::string rtf = writeRtf(largeDocument(kSettings), "Tahoma", 9);
    platform::writeFileAtomically(path, rtf);

    gui::testing::FakeEnvironment env;
    env.m_root = dir.path();
    gui::TextEditorWindow window(env, *findProduct("Pirrow"));
    window.show();
    QApplication::processEvents();

    std::printf("document: %d settings, %.2f MB of RTF\n", kSettings, rtf.size() / 1e6);

    auto start = Clock::now();
    gui::FileDialogs::queueAnswer(QString::fromStdString(path));
    window.openDocument();
    QApplication::processEvents();
    std::printf("open:                  %8.1f ms\n", msSince(start));

    // Edit Setting near the end: the search reads the lines around the caret in place.
    const std::size_t caret = window.text()->lineCount() - 5;
    start = Clock::now();
    const auto find = findSettingForEdit(*window.text(), caret, *editorProfile("Pirrow"), nullptr);
    std::printf("Edit Setting search:   %8.2f ms%s\n", msSince(start), find ? "" : " (not found!)");

    start = Clock::now();
    SettingHandover setting;
    setting.messageLine = "F0 00 00 50 04 05 F7";
    setting.comment = {"{ Program the Pirrow to send out MIDI Start and Stop messages }", "", ""};
    window.text()->setCaretToLine(static_cast<int>(caret));
    window.insertline(setting);
    std::printf("insert one setting:    %8.1f ms\n", msSince(start));

    start = Clock::now();
    const std::vector<std::string> after = window.text()->lines();
    MessageExtractor extractor(after);
    std::size_t messages = 0;
    while (extractor.getmtext())
        ++messages;
    std::printf("extract all messages:  %8.1f ms (%zu messages)\n", msSince(start), messages);

    start = Clock::now();
    const Bytes file =
        exportMidiFile(after, midiExportProfile(*editorProfile("Pirrow")), &parseLine);
    std::printf("export as MIDI file:   %8.1f ms (%zu bytes)\n", msSince(start), file.size());

    std::printf("peak memory:           %8.1f MB\n", peakKilobytes() / 1024.0);
    return 0;
}
