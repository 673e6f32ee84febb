#include "core/products/rule/RuleProfile.h"

namespace corlinth {
namespace {

constexpr RuleProfile kVantrel{
    "Vantrel",
    0x29,
    32,
    8,
    "TVantrelSetting",
    "TVantrelSysPop",
    "Vantrel Setting",
    "Use XX for value X, YY for value Y, V1 - V8 for variables 1 - 8",
    "Use V1 - V8 for variables 1 - 8",
    "Last step in the sequence cannot be higher than setting #64.",
};

constexpr RuleProfile kSodrin{
    "Sodrin",
    0x28,
    10,
    2,
    "TSodrinSetting",
    "TSodrinSysPop",
    "Sodrin Setting",
    "Use XX for value X, YY for value Y, V1 for variable 1, V2 for variable 2",
    "Use V1 for variable 1, V2 for variable 2",
    "Last step in the sequence cannot begin higher than setting #64.",
};

}  // namespace

const RuleProfile& vantrelProfile() {
    return kVantrel;
}

const RuleProfile& sodrinProfile() {
    return kSodrin;
}

const RuleProfile* ruleProfile(std::string_view productName) {
    if (productName == kVantrel.productName) {
        return &kVantrel;
    }
    if (productName == kSodrin.productName) {
        return &kSodrin;
    }
    return nullptr;
}

}  // namespace corlinth
