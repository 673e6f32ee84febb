#include "core/app/ProductRegistry.h"

#include <array>

namespace corlinth {
namespace {

using W = std::string_view;

constexpr std::array<W, 3> kVantrelWindows{"TVantrelSetting", "TVantrelSysPop", "TTransportForm"};
constexpr std::array<W, 3> kSodrinWindows{"TSodrinSetting", "TSodrinSysPop", "TTransportForm"};
constexpr std::array<W, 15> kKeltoWindows{
    "TTransportForm",  "TKeltoEcho",      "TKeltoToggle",    "TKeltoNoteOn",       "TKeltoControl",
    "TKeltoPitch",     "TKeltoProgram",   "TKeltoStartStop", "TKeltoIncDec",       "TKeltoSysex",
    "TKeltoRechannel", "TKeltoTranspose", "TKeltoTempo",     "TKeltoNoteOnFilter", "TKeltoSysPop"};
constexpr std::array<W, 15> kStrayneWindows{
    "TTransportForm",  "TStrayneEcho",         "TStrayneToggle",    "TStrayneNoteOn",
    "TStrayneControl", "TStraynePitch",        "TStrayneProgram",   "TStrayneStartStop",
    "TStrayneIncDec",  "TStrayneSysex",        "TStrayneRechannel", "TStrayneTranspose",
    "TStrayneTempo",   "TStrayneNoteOnFilter", "TStrayneSysPop"};
constexpr std::array<W, 14> kPirrowWindows{
    "TTransportForm",      "TPirrowDevice",    "TPirrowNoteOn",    "TPirrowControl",
    "TPirrowPitch",        "TPirrowProgram",   "TPirrowStartStop", "TPirrowIncDec",
    "TPirrowSysex",        "TPirrowRechannel", "TPirrowTranspose", "TPirrowTempo",
    "TPirrowNoteOnFilter", "TPirrowSysPop"};
constexpr std::array<W, 7> kBrannicWindows{"TTransportForm",  "TBrannicLink",    "TBrannicNote",
                                           "TBrannicControl", "TBrannicProgram", "TBrannicSysex",
                                           "TBrannicSysPop"};
constexpr std::array<W, 7> kTessolWindows{"TTransportForm", "TTessolLink",    "TTessolNote",
                                          "TTessolControl", "TTessolProgram", "TTessolSysex",
                                          "TTessolSysPop"};
constexpr std::array<W, 4> kGavrelWindows{"TTransportForm", "TGavrelDevice", "TGavrelControl",
                                          "TGavrelSysPop"};
constexpr std::array<W, 4> kHennicWindows{"TTransportForm", "THennicDevice", "THennicControl",
                                          "THennicSysPop"};
constexpr std::array<W, 3> kOmbrelWindows{"TBtnBottomDlg1", "TBtnBottomDlg2", "TTransportForm"};
constexpr std::array<W, 2> kDaskinWindows{"TBtnBottomDlg", "TTransportForm"};

constexpr std::array<ExampleDocument, 1> kHennicExamples{
    {{"HennicExample", "\\Example (Breath controller message).rtf"}}};
constexpr std::array<ExampleDocument, 1> kKeltoExamples{
    {{"KeltoExample", "\\Example (Program Change messages).rtf"}}};
constexpr std::array<ExampleDocument, 1> kStrayneExamples{
    {{"StrayneExample", "\\Example (Increment Decrement Program Change).rtf"}}};
constexpr std::array<ExampleDocument, 1> kPirrowExamples{
    {{"PirrowExample", "\\Example (Sustain message).rtf"}}};
constexpr std::array<ExampleDocument, 1> kGavrelExamples{
    {{"GavrelExample", "\\Example (Channel volume message).rtf"}}};
constexpr std::array<ExampleDocument, 1> kBrannicExamples{
    {{"BrannicExample", "\\Example (Pulses in response to Program Changes).rtf"}}};
constexpr std::array<ExampleDocument, 1> kTessolExamples{
    {{"TessolExample", "\\Example (Closing relay below a threshold value).rtf"}}};

// The rule units share their twenty example names; resource N goes with name N.
constexpr std::array<W, 20> kRuleExampleNames{
    "\\Example 01 (Filtering MIDI events).rtf",
    "\\Example 02 (Filtering all but one type of MIDI event).rtf",
    "\\Example 03 (Filtering all but new Program Change events).rtf",
    "\\Example 04 (Mapping MIDI events).rtf",
    "\\Example 05 (Triggering MIDI events).rtf",
    "\\Example 06 (Scaling Control Change messages).rtf",
    "\\Example 07 (Crossfading Control Change messages).rtf",
    "\\Example 08 (Transposing Notes).rtf",
    "\\Example 09 (Scaling Velocities).rtf",
    "\\Example 10 (Applying a Control Change level to Velocities).rtf",
    "\\Example 11 (Toggling between two MIDI events).rtf",
    "\\Example 12 (Using a CC to map to different Notes).rtf",
    "\\Example 13 (Cycling through a sequence of Notes).rtf",
    "\\Example 14 (Splitting a Keyboard into two zones).rtf",
    "\\Example 15 (Changing the mod wheel function on the fly).rtf",
    "\\Example 16 (Sending an event when all mutes are on).rtf",
    "\\Example 17 (Sending an event when all sliders are down).rtf",
    "\\Example 18 (Mapping to Bank Select messages).rtf",
    "\\Example 19 (Mapping from NRPN to CC messages).rtf",
    "\\Example 20 (Mapping from CC to NRPN messages).rtf",
};
constexpr std::array<W, 20> kSodrinExampleResources{
    "SodrinExample1",  "SodrinExample2",  "SodrinExample3",  "SodrinExample4",  "SodrinExample5",
    "SodrinExample6",  "SodrinExample7",  "SodrinExample8",  "SodrinExample9",  "SodrinExample10",
    "SodrinExample11", "SodrinExample12", "SodrinExample13", "SodrinExample14", "SodrinExample15",
    "SodrinExample16", "SodrinExample17", "SodrinExample18", "SodrinExample19", "SodrinExample20",
};
constexpr std::array<W, 20> kVantrelExampleResources{
    "VantrelExample1",  "VantrelExample2",  "VantrelExample3",  "VantrelExample4",
    "VantrelExample5",  "VantrelExample6",  "VantrelExample7",  "VantrelExample8",
    "VantrelExample9",  "VantrelExample10", "VantrelExample11", "VantrelExample12",
    "VantrelExample13", "VantrelExample14", "VantrelExample15", "VantrelExample16",
    "VantrelExample17", "VantrelExample18", "VantrelExample19", "VantrelExample20",
};

constexpr std::array<ExampleDocument, 20> ruleExamples(const std::array<W, 20>& resources) {
    std::array<ExampleDocument, 20> examples{};
    for (std::size_t i = 0; i < examples.size(); ++i) {
        examples[i] = {resources[i], kRuleExampleNames[i]};
    }
    return examples;
}
constexpr std::array<ExampleDocument, 20> kSodrinExamples = ruleExamples(kSodrinExampleResources);
constexpr std::array<ExampleDocument, 20> kVantrelExamples = ruleExamples(kVantrelExampleResources);

constexpr std::array<ExampleDocument, 5> kDaskinExamples{{
    {"DaskinExample1", "\\Example 1 (Filtering All-Notes-Off message).mid"},
    {"DaskinExample2", "\\Example 2 (Filtering and routing specific channels).mid"},
    {"DaskinExample3", "\\Example 3 (Splitting a keyboard).mid"},
    {"DaskinExample4",
     "\\Example 4 (Mapping a single incoming channel to 2 outgoing channels).mid"},
    {"DaskinExample5", "\\Example 5 (Rechannelizing specific channels).mid"},
}};
constexpr std::array<ExampleDocument, 4> kOmbrelExamples{{
    {"OmbrelExample1", "\\Example 1 (Applying a CC value to velocities).mid"},
    {"OmbrelExample2", "\\Example 2 (Applying curves to different channels).mid"},
    {"OmbrelExample3", "\\Example 3 (Applying the user curve to all channels).mid"},
    {"OmbrelExample4", "\\Example 4 (Correcting maximum velocity limitations).mid"},
}};

constexpr EditorKind T = EditorKind::Text;
constexpr EditorKind S = EditorKind::Structured;

// Installation order: the first run writes the documents product by product in this order.
const std::array<ProductRecord, 11> kProducts{{
    {"Hennic", 0x17, T, "THennicMain", kHennicWindows, "Hennic", "\\Hennic", "HennicHelp",
     "\\Hennic Corlinth Help.pdf", 1333, kHennicExamples, false, true},
    {"Sodrin", 0x28, T, "TSodrinMain", kSodrinWindows, "Sodrin", "\\Sodrin", "SodrinHelp",
     "\\Sodrin Corlinth Help.pdf", 2333, kSodrinExamples, false, false},
    {"Vantrel", 0x29, T, "TVantrelMain", kVantrelWindows, "Vantrel", "\\Vantrel", "VantrelHelp",
     "\\Vantrel Corlinth Help.pdf", 2333, kVantrelExamples, false, false},
    {"Kelto", 0x24, T, "TKeltoMain", kKeltoWindows, "Kelto", "\\Kelto", "KeltoHelp",
     "\\Kelto Corlinth Help.pdf", 4333, kKeltoExamples, false, false},
    {"Strayne", 0x14, T, "TStrayneMain", kStrayneWindows, "Strayne", "\\Strayne", "StrayneHelp",
     "\\Strayne Corlinth Help.pdf", 4333, kStrayneExamples, false, false},
    {"Pirrow", 0x04, T, "TPirrowMain", kPirrowWindows, "Pirrow", "\\Pirrow", "PirrowHelp",
     "\\Pirrow Corlinth Help.pdf", 2333, kPirrowExamples, true, false},
    {"Gavrel", 0x16, T, "TGavrelMain", kGavrelWindows, "Gavrel", "\\Gavrel", "GavrelHelp",
     "\\Gavrel Corlinth Help.pdf", 1333, kGavrelExamples, false, false},
    {"Brannic", 0x26, T, "TBrannicMain", kBrannicWindows, "Brannic", "\\Brannic", "BrannicHelp",
     "\\Brannic Corlinth Help.pdf", 4333, kBrannicExamples, false, false},
    {"Tessol", 0x06, T, "TTessolMain", kTessolWindows, "Tessol", "\\Tessol", "TessolHelp",
     "\\Tessol Corlinth Help.pdf", 2333, kTessolExamples, true, false},
    {"Daskin", 0x01, S, "TForm2", kDaskinWindows, "Daskin", "\\Daskin", "DaskinHelp",
     "\\Daskin Corlinth Help.pdf", 0, kDaskinExamples, false, false},
    {"Ombrel", 0x09, S, "TForm5", kOmbrelWindows, "Ombrel", "\\Ombrel", "OmbrelHelp",
     "\\Ombrel Corlinth Help.pdf", 0, kOmbrelExamples, false, false},
}};

}  // namespace

std::span<const ProductRecord> allProducts() {
    return kProducts;
}

const ProductRecord* findProduct(std::string_view name) {
    for (const ProductRecord& record : kProducts) {
        if (record.displayName == name) {
            return &record;
        }
    }
    return nullptr;
}

}  // namespace corlinth
