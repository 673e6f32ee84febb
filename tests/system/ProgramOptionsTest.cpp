#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace corlinth {
namespace {

struct ProgramRun {
    int exitCode;
    std::string out;
    std::string err;
};

ProgramRun runProgram(const QStringList& arguments, const QString& midiApiVariable = {}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("CORLINTH_MIDI_API"));
    if (!midiApiVariable.isEmpty()) {
        environment.insert(QStringLiteral("CORLINTH_MIDI_API"), midiApiVariable);
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CORLINTH_PROGRAM), arguments);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return {-1, "", "did not end"};
    }
    return {program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

TEST(ProgramOptions, RefusesWhatItDoesNotKnowBeforeOpeningAnyWindow) {
    struct Row {
        QStringList arguments;
        QString variable;
        const char* message;
    };
    const Row rows[] = {
        {{"--midi-api", "oss"}, {}, "corlinth: --midi-api: unknown MIDI system \"oss\""},
        {{"--midi-api"}, {}, "corlinth: --midi-api needs a value (alsa or jack)"},
        {{"--mac-mode", "--firmware"}, {}, "corlinth: unknown option \"--firmware\""},
        {{}, "Jack", "corlinth: CORLINTH_MIDI_API: unknown MIDI system \"Jack\""},
    };
    for (const Row& row : rows) {
        const ProgramRun run = runProgram(row.arguments, row.variable);
        EXPECT_EQ(run.exitCode, 2) << row.message;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage: corlinth"), std::string::npos);
    }
    const ProgramRun help = runProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--midi-api alsa|jack"), std::string::npos);
}

}  // namespace
}  // namespace corlinth
