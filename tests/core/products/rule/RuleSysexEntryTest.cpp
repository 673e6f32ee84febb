#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/products/rule/RuleSysexEntry.h"

namespace corlinth {
namespace {

struct EntryCase {
    const char* what;
    SysexField field;
    std::string entry;
    std::string normalised;
    std::string_view warning;  // empty: accepted
};

void expectEntries(const RuleProfile& profile, const std::vector<EntryCase>& cases) {
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.what);
        const SysexTestResult r = systest(profile, c.entry, sysexPermissions(c.field));
        EXPECT_EQ(r.normalised, c.normalised);
        EXPECT_EQ(r.warning, c.warning);
    }
}

std::string bytes(int count) {
    std::string text = "F0";
    for (int i = 0; i < count - 2; ++i) {
        text += " 01";
    }
    return text + " F7";
}

using enum SysexField;
namespace t = sysextext;

TEST(RuleSysexEntry, NormalisesAndChecksTheEntry) {
    expectEntries(
        vantrelProfile(),
        {
            {"lower case, runs of spaces, the letter o and trailing spaces",
             Incoming,
             "f0   43  1o XX    f7  ",
             "F0 43 10 XX F7",
             {}},
            {"a data byte of 80", Incoming, "F0 43 80 F7", "F0 43 80 F7", t::invalid},
            {"YY before XX coming in", Incoming, "F0 YY XX F7", "F0 YY XX F7", t::yyBeforeXx},
            {"YY before XX going out of a map", MapOutput, "F0 YY XX F7", "F0 YY XX F7", {}},
            {"YY before XX in a sequence event", SequenceEvent, "F0 YY XX F7", "F0 YY XX F7", {}},
            {"a variable before YY", Incoming, "F0 V1 YY F7", "F0 V1 YY F7", {}},
            {"YY alone coming in", StoreInput, "F0 43 YY F7", "F0 43 YY F7", t::yyBeforeXx},
            {"three placeholders", Incoming, "F0 XX YY V1 F7", "F0 XX YY V1 F7", t::tooMany},
            {"a trigger's event with XX", TriggerOutput, "F0 43 XX F7", "F0 43 XX F7",
             t::valuesNotAllowed},
            {"a trigger's event with a variable", TriggerOutput, "F0 43 V8 F7", "F0 43 V8 F7", {}},
            {"a store's event with a variable", StoreInput, "F0 43 V1 F7", "F0 43 V1 F7",
             t::variablesNotAllowed},
            {"32 bytes", Incoming, bytes(32), bytes(32), {}},
            {"33 bytes", Incoming, bytes(33), bytes(33), t::tooLong},
            {"variables run to 8", Incoming, "F0 V9 F7", "F0 V9 F7", t::invalid},
            {"too short", Incoming, "F0 F7", "F0 F7", t::invalid},
            {"empty", Incoming, "", "", t::invalid},
            {"the shortest event", Incoming, "F0 00 F7", "F0 00 F7", {}},
            {"not ending in F7", Incoming, "F0 43 10 F6", "F0 43 10 F6", t::invalid},
            {"not beginning with F0", Incoming, "F1 43 10 F7", "F1 43 10 F7", t::invalid},
            {"a leading space", Incoming, " F0 43 F7", " F0 43 F7", t::invalid},
            {"a single digit", Incoming, "F0 4 10 F7", "F0 4 10 F7", t::invalid},
            {"a digit glued to F7", Incoming, "F0 43 4F7", "F0 43 4F7", t::invalid},
            {"three digits", Incoming, "F0 431 10 F7", "F0 431 10 F7", t::invalid},
            {"a letter that is no digit", Incoming, "F0 4G F7", "F0 4G F7", t::invalid},
            {"half a placeholder", Incoming, "F0 X1 F7", "F0 X1 F7", t::invalid},
            {"mixed placeholders", Incoming, "F0 XY F7", "F0 XY F7", t::invalid},
            {"a placeholder in the second digit", Incoming, "F0 4X F7", "F0 4X F7", t::invalid},
            {"XX twice", MapOutput, "F0 XX 10 XX F7", "F0 XX 10 XX F7", t::valueTwice},
            {"YY twice", MapOutput, "F0 YY YY F7", "F0 YY YY F7", t::valueTwice},
            {"a variable twice", Incoming, "F0 V2 V2 F7", "F0 V2 V2 F7", t::variableTwice},
            // The order of the warnings decides where several apply.
            {"XX twice outranks the permissions", TriggerOutput, "F0 XX XX F7", "F0 XX XX F7",
             t::valueTwice},
            {"a variable twice outranks the permissions", StoreInput, "F0 V1 V1 F7", "F0 V1 V1 F7",
             t::variableTwice},
            {"a variable in a store's event beside XX", StoreInput, "F0 V1 XX F7", "F0 V1 XX F7",
             t::variablesNotAllowed},
            {"XX twice outranks a bad digit", Incoming, "F0 XX XX 8G F7", "F0 XX XX 8G F7",
             t::valueTwice},
            {"the order outranks the count", Incoming, "F0 YY XX V1 F7", "F0 YY XX V1 F7",
             t::yyBeforeXx},
            {"the count outranks a bad digit", Incoming, "F0 XX YY V1 G0 F7", "F0 XX YY V1 G0 F7",
             t::tooMany},
        });
}

TEST(RuleSysexEntry, EachTestStartsAfresh) {
    const SysexPermissions incoming = sysexPermissions(Incoming);
    EXPECT_EQ(systest(vantrelProfile(), "F0 XX XX F7", incoming).warning, t::valueTwice);
    EXPECT_EQ(systest(vantrelProfile(), "F0 F7", incoming).warning, t::invalid);
    EXPECT_TRUE(systest(vantrelProfile(), "F0 XX F7", incoming).accepted());
}

TEST(RuleSysexEntry, SodrinKnowsTwoVariables) {
    expectEntries(sodrinProfile(),
                  {
                      {"variable 2", Incoming, "F0 V2 F7", "F0 V2 F7", {}},
                      {"variable 3", Incoming, "F0 V3 F7", "F0 V3 F7", t::invalid},
                      {"variable 8", TriggerOutput, "F0 V8 F7", "F0 V8 F7", t::invalid},
                  });
}

TEST(RuleSysexEntry, PermissionsAndHints) {
    struct Case {
        SysexField field;
        SysexPermissions permissions;
        std::string_view vantrelHint;
        std::string_view sodrinHint;
    };
    const std::vector<Case> cases{
        {Incoming,
         {true, true, false},
         "Use XX for value X, YY for value Y, V1 - V8 for variables 1 - 8",
         "Use XX for value X, YY for value Y, V1 for variable 1, V2 for variable 2"},
        {MapOutput,
         {true, true, true},
         "Use XX for value X, YY for value Y, V1 - V8 for variables 1 - 8",
         "Use XX for value X, YY for value Y, V1 for variable 1, V2 for variable 2"},
        {TriggerOutput,
         {false, true, false},
         "Use V1 - V8 for variables 1 - 8",
         "Use V1 for variable 1, V2 for variable 2"},
        {SequenceEvent,
         {true, true, true},
         "Use XX for value X, YY for value Y, V1 - V8 for variables 1 - 8",
         "Use XX for value X, YY for value Y, V1 for variable 1, V2 for variable 2"},
        {StoreInput,
         {true, false, false},
         "Use XX for value X, YY for value Y",
         "Use XX for value X, YY for value Y"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sysexPermissions(c.field), c.permissions);
        EXPECT_EQ(sysexHint(vantrelProfile(), c.permissions), c.vantrelHint);
        EXPECT_EQ(sysexHint(sodrinProfile(), c.permissions), c.sodrinHint);
    }
}

}  // namespace
}  // namespace corlinth
