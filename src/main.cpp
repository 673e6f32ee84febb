#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/app/FixedTexts.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"
#include "platform/RtMidiOutput.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(corlinth::gui::qt(corlinth::texts::applicationTitle));
    // The run ends when the editor closes, or when the selection or interface window is
    // closed before a product is chosen; a moment with no window on the screen (between the
    // tip and the buttons) is no reason to stop.
    QApplication::setQuitOnLastWindowClosed(false);

    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) {
        arguments.push_back(given[i].toStdString());
    }
    const corlinth::CommandLineParse parse = corlinth::parseCommandLine(
        arguments,
        qEnvironmentVariable(corlinth::commandLine::midiApiVariable.data()).toStdString());
    if (!parse.error.empty()) {
        std::fprintf(stderr, "corlinth: %s\n%s", parse.error.c_str(),
                     corlinth::commandLine::usage.data());
        return 2;
    }
    if (parse.showUsage) {
        std::fputs(corlinth::commandLine::usage.data(), stdout);
        return 0;
    }

    corlinth::platform::RtMidiOutput midi(parse.options.midiApi);
    corlinth::gui::Shell shell(parse.options, midi,
                               corlinth::gui::StartupEnvironment::ofThisProcess());
    shell.start();
    return QApplication::exec();
}
