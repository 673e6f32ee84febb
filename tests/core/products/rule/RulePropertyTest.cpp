#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "RuleBuilders.h"
#include "core/document/SettingLine.h"
#include "core/products/rule/RuleComment.h"
#include "core/products/rule/RuleDecoder.h"
#include "core/products/rule/RuleDialogChoices.h"
#include "core/products/rule/RuleEncoder.h"

namespace corlinth {
namespace {

// Settings as the dialog can build them: each group offers its own event types and value
// sources, and entered System Exclusive events hold at most two placeholders, each once.
class SettingGenerator {
  public:
    SettingGenerator(const RuleProfile& profile, unsigned seed) : m_profile(profile), m_rng(seed) {}

    RuleSetting next() {
        RuleSetting s;
        s.settingNumber = pick(1, m_profile.settingCount);
        s.function = static_cast<RuleFunction>(pick(0, kRuleFunctionCount - 1));
        s.powerUpOff = coin();
        s.stopAfter = coin();
        switch (s.function) {
            case RuleFunction::Filter:
                s.input = event(14, Group::Incoming);
                break;
            case RuleFunction::Map:
                s.input = event(13, Group::Incoming);
                s.output = event(13, Group::MapOutput);
                break;
            case RuleFunction::Trigger:
                s.input = event(9, Group::Incoming);
                s.output = event(13, Group::TriggerOutput);
                break;
            case RuleFunction::Sequence:
                s.input = event(13, Group::Incoming);
                s.sequence = {pick(1, m_profile.settingCount),
                              pick(1, 31),
                              pick(2, 31),
                              static_cast<SequenceJump>(pick(0, 2)),
                              pick(1, 31),
                              coin() ? SequenceEnd::Loop : SequenceEnd::Remain};
                break;
            case RuleFunction::SequenceEvent:
                s.output = event(13, Group::SequenceEvent);
                break;
            case RuleFunction::Switch:
                s.input = event(9, Group::Incoming);
                // The dialog refuses two equal actions.
                s.switching.target = pick(1, m_profile.settingCount);
                s.switching.inRangeAction = static_cast<SwitchAction>(pick(0, 2));
                s.switching.outOfRangeAction = static_cast<SwitchAction>(
                    (static_cast<int>(s.switching.inRangeAction) + pick(1, 2)) % 3);
                break;
            case RuleFunction::Store:
                s.input = event(9, Group::StoreInput);
                s.store = {pick(0, m_profile.variableCount), pick(0, m_profile.variableCount),
                           range(), range()};
                break;
        }
        // The dialog refuses "same" channel going out when nothing with a channel comes in.
        const bool mapOrTrigger =
            s.function == RuleFunction::Map || s.function == RuleFunction::Trigger;
        if (mapOrTrigger && !isChannelEvent(s.input.type) && s.output.channel == kSameChannel) {
            s.output.channel = pick(1, 16);
        }
        return s;
    }

  private:
    enum class Group { Incoming, StoreInput, MapOutput, TriggerOutput, SequenceEvent };

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool coin() { return pick(0, 1) == 1; }
    ValueRange range() { return {coin(), pick(0, 127), pick(0, 127)}; }

    ValueSource source(Group group, bool first) {
        std::vector<SourceKind> kinds{SourceKind::Fixed};
        const bool incoming = group == Group::Incoming || group == Group::StoreInput;
        if (incoming) {
            kinds.push_back(first ? SourceKind::ValueX : SourceKind::ValueY);
        } else if (group != Group::TriggerOutput) {
            kinds.push_back(SourceKind::ValueX);
            kinds.push_back(SourceKind::ValueY);
        }
        if (group != Group::StoreInput) {
            kinds.push_back(SourceKind::Variable);
        }
        const SourceKind kind = kinds[static_cast<std::size_t>(pick(0, int(kinds.size()) - 1))];
        ValueRange r = range();
        if (group == Group::SequenceEvent) {
            r.on = true;
        }
        switch (kind) {
            case SourceKind::Fixed:
                return ValueSource::fixed(pick(0, 127));
            case SourceKind::Variable:
                return ValueSource::variable(pick(1, m_profile.variableCount));
            case SourceKind::ValueX:
                return ValueSource::valueX(r);
            case SourceKind::ValueY:
                return ValueSource::valueY(r);
        }
        return {};
    }

    std::string sysex(Group group, EventSpec& e) {
        std::vector<std::string> placeholders;
        if (group != Group::TriggerOutput) {
            placeholders = {"XX", "YY"};
        }
        if (group != Group::StoreInput) {
            for (int v = 1; v <= m_profile.variableCount; ++v) {
                placeholders.push_back("V" + std::to_string(v));
            }
        }
        std::vector<std::string> bytes;
        const int data = pick(1, 8);
        for (int i = 0; i < data; ++i) {
            bytes.push_back(hexByte(static_cast<Byte>(pick(0, 127))));
        }
        const int count = placeholders.empty() ? 0 : pick(0, 2);
        for (int i = 0; i < count && !placeholders.empty(); ++i) {
            const std::size_t which =
                static_cast<std::size_t>(pick(0, int(placeholders.size()) - 1));
            const std::size_t at = static_cast<std::size_t>(pick(0, int(bytes.size())));
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), placeholders[which]);
            placeholders.erase(placeholders.begin() + static_cast<std::ptrdiff_t>(which));
        }
        std::string text = "F0";
        for (const std::string& b : bytes) {
            text += " " + b;
        }
        text += " F7";
        e.x = ValueSource::valueX(range());
        e.y = ValueSource::valueY(range());
        if (group == Group::SequenceEvent) {
            e.x.range.on = e.y.range.on = true;
        }
        return text;
    }

    EventSpec event(int lastType, Group group) {
        EventSpec e;
        e.type = static_cast<EventType>(pick(0, lastType));
        e.channel = pick(0, 16);  // 0: "all" coming in, "same" going out
        if (e.type == EventType::SystemExclusive) {
            e.sysex = sysex(group, e);
        } else {
            e.x = source(group, true);
            e.y = source(group, false);
        }
        return e;
    }

    const RuleProfile& m_profile;
    std::mt19937 m_rng;
};

class RuleRoundTrip : public ::testing::TestWithParam<const RuleProfile*> {};

TEST_P(RuleRoundTrip, EncodingDecodingAndEncodingAgainGivesTheSameLines) {
    const RuleProfile& profile = *GetParam();
    SettingGenerator generate(profile, 20251211);
    for (int i = 0; i < 20000; ++i) {
        const RuleSetting s = generate.next();
        const RuleLines lines = encodeRule(profile, s);
        const std::optional<RuleSetting> decoded = decodeRule(profile, entryOf(lines));
        ASSERT_TRUE(decoded.has_value()) << i << ": " << lines.messageLine;
        ASSERT_EQ(encodeRule(profile, *decoded), lines)
            << i << ": " << ::testing::PrintToString(s) << "\n decoded "
            << ::testing::PrintToString(*decoded);
        ASSERT_EQ(canonical(*decoded), *decoded) << i << ": " << lines.messageLine;
        // What canonical leaves out neither the lines nor the comment use.
        const RuleSetting c = canonical(s);
        ASSERT_EQ(encodeRule(profile, c), lines) << i;
        ASSERT_EQ(ruleComment(c), ruleComment(s)) << i;
        // The dialog, preset from the entry and closed with OK, writes the entry again.
        RuleDialogChoices choices = defaultRuleChoices();
        applyDecoded(choices, *decoded);
        ASSERT_EQ(encodeRule(profile, ruleSettingOf(choices)), lines)
            << i << ": " << ::testing::PrintToString(*decoded);
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, RuleRoundTrip,
                         ::testing::Values(&vantrelProfile(), &sodrinProfile()),
                         [](const auto& info) { return std::string(info.param->productName); });

}  // namespace
}  // namespace corlinth
