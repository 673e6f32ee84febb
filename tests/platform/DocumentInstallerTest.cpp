#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>

#include "core/app/InstallationPlan.h"
#include "core/document/RtfReader.h"
#include "platform/DocumentInstaller.h"
#include "platform/FileService.h"

namespace corlinth::platform {
namespace {

// Two products of the test's own, with a rich-text and a MIDI example each, and a resource
// folder that holds the documents under names of mixed case.
constexpr std::array<ExampleDocument, 2> kAlphaExamples{{
    {"AlphaExample1", "\\Example 1 (Hints).rtf"},
    {"AlphaExample2", "\\Example 2 (Bytes).mid"},
}};
constexpr std::array<ExampleDocument, 1> kBetaExamples{{{"BetaExample", "\\Example.rtf"}}};
const std::array<ProductRecord, 2> kProducts{{
    {"Alpha",
     0x70,
     EditorKind::Text,
     "TAlphaMain",
     {},
     "Alpha",
     "\\Alpha",
     "AlphaHelp",
     "\\Alpha Corlinth Help.pdf",
     2333,
     kAlphaExamples,
     false,
     false},
    {"Beta",
     0x71,
     EditorKind::Text,
     "TBetaMain",
     {},
     "Beta",
     "\\Beta",
     "BetaHelp",
     "\\Beta Corlinth Help.pdf",
     2333,
     kBetaExamples,
     false,
     false},
}};

const QByteArray kHintsRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}{\\b F0 00 00 50 04 01 00 F7}\\par \\{ Device  "
    "(right-click to edit) \\}\\par Right-click a setting to change it.\\par}";
// A MIDI file may hold the same letters; it is never rewritten.
const QByteArray kMidi = QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60Right-click", 25);
const QByteArray kPdf = "%PDF-1.4 Right-click";

class DocumentInstaller : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath("resources");
        QDir(m_dir.path()).mkpath("program");
        put("alphaexample1", kHintsRtf);
        put("ALPHAEXAMPLE2", kMidi);
        put("BetaExample", "{\\rtf1 plain}");
        put("AlphaHelp", kPdf);
        put("betahelp", kPdf);
    }
    void put(const char* name, const QByteArray& bytes) {
        QFile file(m_dir.filePath("resources/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::string at(const char* relative) const { return m_dir.filePath(relative).toStdString(); }
    InstallReport install(PlatformMode mode, const char* root = "docs") const {
        const std::vector<InstallStep> plan =
            installationPlan(kProducts, at(root), at("program"), mode, '/');
        return installDocuments(plan, ResourceFolder(at("resources")), editorFont(mode));
    }
    QTemporaryDir m_dir;
};

TEST_F(DocumentInstaller, WritesEveryDocumentByteForByteAndReadOnly) {
    // An earlier, read-only copy is replaced.
    QDir(m_dir.path()).mkpath("docs/Alpha");
    ASSERT_TRUE(writeFileAtomically(at("docs/Alpha/Example 1 (Hints).rtf"), "old"));
    ASSERT_TRUE(setReadOnly(at("docs/Alpha/Example 1 (Hints).rtf"), true));

    const InstallReport report = install(PlatformMode::Windows);
    EXPECT_TRUE(report.failures.empty()) << report.failures.front();
    EXPECT_EQ(report.documentsWritten, 5);
    const struct {
        const char* path;
        QByteArray bytes;
    } expected[] = {
        {"docs/Alpha/Example 1 (Hints).rtf", kHintsRtf},
        {"docs/Alpha/Example 2 (Bytes).mid", kMidi},
        {"docs/Beta/Example.rtf", "{\\rtf1 plain}"},
        {"program/Alpha Corlinth Help.pdf", kPdf},
        {"program/Beta Corlinth Help.pdf", kPdf},
    };
    for (const auto& file : expected) {
        EXPECT_EQ(readFile(at(file.path)), file.bytes.toStdString()) << file.path;
        EXPECT_TRUE(isReadOnly(at(file.path))) << file.path;
    }
    // Installing again (a later first run) overwrites the read-only copies.
    EXPECT_TRUE(install(PlatformMode::Windows).failures.empty());
}

TEST_F(DocumentInstaller, MacModeRewritesTheClickHintsOfRichTextOnly) {
    EXPECT_TRUE(install(PlatformMode::Mac).failures.empty());
    const std::optional<std::string> rtf = readFile(at("docs/Alpha/Example 1 (Hints).rtf"));
    ASSERT_TRUE(rtf);
    const DocumentReading reading = readRtf(*rtf);
    ASSERT_GE(reading.document.lines.size(), 3u);
    EXPECT_EQ(reading.document.lines[0].text(), "F0 00 00 50 04 01 00 F7");
    EXPECT_TRUE(reading.document.lines[0].runs[0].bold);
    EXPECT_EQ(reading.document.lines[1].text(), "{ Device  (control-click to edit) }");
    EXPECT_EQ(reading.document.lines[2].text(), "Control-click a setting to change it.");
    EXPECT_EQ(readFile(at("docs/Alpha/Example 2 (Bytes).mid")), kMidi.toStdString());
    EXPECT_EQ(readFile(at("program/Alpha Corlinth Help.pdf")), kPdf.toStdString());
    // Nothing to rewrite: the example stays exactly as shipped.
    EXPECT_EQ(readFile(at("docs/Beta/Example.rtf")), "{\\rtf1 plain}");
}

TEST_F(DocumentInstaller, ReportsWhatItCannotWriteAndGoesOn) {
    QFile::remove(m_dir.filePath("resources/ALPHAEXAMPLE2"));
    // A folder in the way of Beta's example.
    QDir(m_dir.path()).mkpath("docs/Beta/Example.rtf");
    InstallReport report = install(PlatformMode::Windows);
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0], "Resource AlphaExample2 not found");
    EXPECT_EQ(
        report.failures[1].rfind("Cannot create file \"" + at("docs/Beta/Example.rtf") + "\". ", 0),
        0u)
        << report.failures[1];
    EXPECT_EQ(report.documentsWritten, 3);
    EXPECT_TRUE(fileExists(at("program/Beta Corlinth Help.pdf")));

    // A documents root that cannot be a folder: the examples are left out, the help
    // documents (in the program's folder) are still written.
    ASSERT_TRUE(writeFileAtomically(at("plainfile"), "x"));
    report = install(PlatformMode::Windows, "plainfile");
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_NE(report.failures[0].find("Alpha"), std::string::npos);
    EXPECT_NE(report.failures[1].find("Beta"), std::string::npos);
    EXPECT_EQ(report.documentsWritten, 2);
}

}  // namespace
}  // namespace corlinth::platform
