#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/app/ProductRegistry.h"

namespace corlinth {
namespace {

struct ProductRow {
    const char* name;
    int deviceId;
    EditorKind kind;
    const char* mainWindow;
    const char* firstCompanion;
    const char* lastCompanion;
    std::size_t companions;
    const char* helpFile;
    int interval;
    std::size_t examples;
    bool importMenu;
    bool firmwareMenu;
};

void PrintTo(const ProductRow& c, std::ostream* os) {
    *os << c.name;
}

class ProductRecordTest : public ::testing::TestWithParam<ProductRow> {};

TEST_P(ProductRecordTest, HoldsTheTableValues) {
    const ProductRow& row = GetParam();
    const ProductRecord* record = findProduct(row.name);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->deviceId, row.deviceId);
    EXPECT_EQ(record->editorKind, row.kind);
    EXPECT_EQ(record->mainWindow, row.mainWindow);
    ASSERT_EQ(record->companionWindows.size(), row.companions);
    EXPECT_EQ(record->companionWindows.front(), row.firstCompanion);
    EXPECT_EQ(record->companionWindows.back(), row.lastCompanion);
    EXPECT_EQ(record->documentsFolder, "\\" + std::string(row.name));
    EXPECT_EQ(record->selectionButton, row.name);
    EXPECT_EQ(record->helpResource, std::string(row.name) + "Help");
    EXPECT_EQ(record->helpFileName, row.helpFile);
    EXPECT_EQ(record->firstMessageIntervalMs, row.interval);
    EXPECT_EQ(record->examples.size(), row.examples);
    EXPECT_EQ(record->versionOneImportMenu, row.importMenu);
    EXPECT_EQ(record->firmwareUpdateMenu, row.firmwareMenu);
}

constexpr EditorKind T = EditorKind::Text;
constexpr EditorKind S = EditorKind::Structured;

INSTANTIATE_TEST_SUITE_P(
    AllProducts, ProductRecordTest,
    ::testing::Values(
        ProductRow{"Vantrel", 0x29, T, "TVantrelMain", "TVantrelSetting", "TTransportForm", 3,
                   "\\Vantrel Corlinth Help.pdf", 2333, 20, false, false},
        ProductRow{"Sodrin", 0x28, T, "TSodrinMain", "TSodrinSetting", "TTransportForm", 3,
                   "\\Sodrin Corlinth Help.pdf", 2333, 20, false, false},
        ProductRow{"Kelto", 0x24, T, "TKeltoMain", "TTransportForm", "TKeltoSysPop", 15,
                   "\\Kelto Corlinth Help.pdf", 4333, 1, false, false},
        ProductRow{"Brannic", 0x26, T, "TBrannicMain", "TTransportForm", "TBrannicSysPop", 7,
                   "\\Brannic Corlinth Help.pdf", 4333, 1, false, false},
        ProductRow{"Tessol", 0x06, T, "TTessolMain", "TTransportForm", "TTessolSysPop", 7,
                   "\\Tessol Corlinth Help.pdf", 2333, 1, true, false},
        ProductRow{"Ombrel", 0x09, S, "TForm5", "TBtnBottomDlg1", "TTransportForm", 3,
                   "\\Ombrel Corlinth Help.pdf", 0, 4, false, false},
        ProductRow{"Daskin", 0x01, S, "TForm2", "TBtnBottomDlg", "TTransportForm", 2,
                   "\\Daskin Corlinth Help.pdf", 0, 5, false, false},
        ProductRow{"Pirrow", 0x04, T, "TPirrowMain", "TTransportForm", "TPirrowSysPop", 14,
                   "\\Pirrow Corlinth Help.pdf", 2333, 1, true, false},
        ProductRow{"Strayne", 0x14, T, "TStrayneMain", "TTransportForm", "TStrayneSysPop", 15,
                   "\\Strayne Corlinth Help.pdf", 4333, 1, false, false},
        ProductRow{"Gavrel", 0x16, T, "TGavrelMain", "TTransportForm", "TGavrelSysPop", 4,
                   "\\Gavrel Corlinth Help.pdf", 1333, 1, false, false},
        ProductRow{"Hennic", 0x17, T, "THennicMain", "TTransportForm", "THennicSysPop", 4,
                   "\\Hennic Corlinth Help.pdf", 1333, 1, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProductRegistry, InstallsInTheFixedOrder) {
    std::vector<std::string> names;
    for (const ProductRecord& record : allProducts()) {
        names.emplace_back(record.displayName);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Hennic", "Sodrin", "Vantrel", "Kelto", "Strayne", "Pirrow",
                                        "Gavrel", "Brannic", "Tessol", "Daskin", "Ombrel"}));
}

TEST(ProductRegistry, ComparesWholeNamesOnly) {
    for (const char* name :
         {"", "Pirro", "Pirrow ", "pirrow", "PirrowX", "Hennic2", "Vantre", " Kelto", "Sodrin\n"}) {
        EXPECT_EQ(findProduct(name), nullptr) << '"' << name << '"';
    }
}

TEST(ProductRegistry, CompanionWindowsKeepTheirCreationOrder) {
    const ProductRecord* kelto = findProduct("Kelto");
    ASSERT_NE(kelto, nullptr);
    const std::vector<std::string> expected{
        "TTransportForm", "TKeltoEcho",         "TKeltoToggle",    "TKeltoNoteOn",
        "TKeltoControl",  "TKeltoPitch",        "TKeltoProgram",   "TKeltoStartStop",
        "TKeltoIncDec",   "TKeltoSysex",        "TKeltoRechannel", "TKeltoTranspose",
        "TKeltoTempo",    "TKeltoNoteOnFilter", "TKeltoSysPop"};
    EXPECT_EQ(
        std::vector<std::string>(kelto->companionWindows.begin(), kelto->companionWindows.end()),
        expected);
    const ProductRecord* pirrow = findProduct("Pirrow");
    ASSERT_NE(pirrow, nullptr);
    EXPECT_EQ(pirrow->companionWindows[1], "TPirrowDevice");
    EXPECT_EQ(pirrow->companionWindows[12], "TPirrowNoteOnFilter");
}

TEST(ProductRegistry, ExampleResourcesAndNamesPairUp) {
    const ProductRecord* vantrel = findProduct("Vantrel");
    const ProductRecord* sodrin = findProduct("Sodrin");
    ASSERT_TRUE(vantrel && sodrin);
    EXPECT_EQ(vantrel->examples[0].resource, "VantrelExample1");
    EXPECT_EQ(vantrel->examples[0].fileName, "\\Example 01 (Filtering MIDI events).rtf");
    EXPECT_EQ(sodrin->examples[13].resource, "SodrinExample14");
    EXPECT_EQ(sodrin->examples[13].fileName,
              "\\Example 14 (Splitting a Keyboard into two zones).rtf");
    EXPECT_EQ(vantrel->examples[19].fileName,
              "\\Example 20 (Mapping from CC to NRPN messages).rtf");
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(vantrel->examples[i].fileName, sodrin->examples[i].fileName);
    }
    EXPECT_EQ(findProduct("Daskin")->examples[3].fileName,
              "\\Example 4 (Mapping a single incoming channel to 2 outgoing channels).mid");
    EXPECT_EQ(findProduct("Ombrel")->examples[1].resource, "OmbrelExample2");
    EXPECT_EQ(findProduct("Tessol")->examples[0].fileName,
              "\\Example (Closing relay below a threshold value).rtf");

    // Resource names are looked up without regard to case, so they must differ in more than
    // case across the whole program.
    std::set<std::string> seen;
    for (const ProductRecord& record : allProducts()) {
        for (const ExampleDocument& example : record.examples) {
            std::string lower(example.resource);
            for (char& c : lower)
                c = static_cast<char>(std::tolower(c));
            EXPECT_TRUE(seen.insert(lower).second) << example.resource;
        }
    }
}

}  // namespace
}  // namespace corlinth
