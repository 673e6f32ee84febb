#include "core/products/rule/RuleSysexEntry.h"

#include <array>

#include "core/products/common/SysexEntry.h"

namespace corlinth {

SysexPermissions sysexPermissions(SysexField field) {
    switch (field) {
        case SysexField::Incoming:
            return {true, true, false};
        case SysexField::MapOutput:
            return {true, true, true};
        case SysexField::TriggerOutput:
            return {false, true, false};
        case SysexField::SequenceEvent:
            return {true, true, true};
        case SysexField::StoreInput:
            return {true, false, false};
    }
    return {false, false, false};
}

std::string_view sysexHint(const RuleProfile& profile, SysexPermissions permissions) {
    if (permissions.values && permissions.variables) {
        return profile.sysexHintAll;
    }
    if (permissions.values) {
        return sysextext::hintValues;
    }
    if (permissions.variables) {
        return profile.sysexHintVariables;
    }
    return {};
}

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// What the scan of an entry found; the warning is chosen from these afterwards.
struct Findings {
    bool malformed = false;
    int xx = 0;
    int yy = 0;
    std::array<int, 10> variables{};
    bool yyBeforeXx = false;
};

Findings scan(const RuleProfile& profile, const std::string& e, bool outgoing) {
    Findings f;
    const std::size_t n = e.size();
    // Besides F0 first and F7 last, the last byte must stand on its own after a blank.
    if (n <= 7 || e[0] != 'F' || e[1] != '0' || e[n - 2] != 'F' || e[n - 1] != '7' ||
        e[n - 3] != ' ') {
        f.malformed = true;
    }
    const char lastVariable = static_cast<char>('0' + profile.variableCount);
    bool valueOrVariableSeen = false;
    // Positions count from 1: byte k (from 0) has its digits at 3k + 1 and 3k + 2 and its
    // separator at 3k; the first and the last byte are F0 and F7.
    for (std::size_t pos = 3; pos + 2 <= n; ++pos) {
        const char c = e[pos - 1];
        const char next = pos < n ? e[pos] : '\0';
        const char before = e[pos - 2];
        switch (pos % 3) {
            case 0:
                f.malformed |= c != ' ';
                break;
            case 1:
                if (c >= '0' && c <= '7') {
                    break;
                }
                if (c == 'X' && next == 'X') {
                    ++f.xx;
                    valueOrVariableSeen = true;
                } else if (c == 'Y' && next == 'Y') {
                    ++f.yy;
                    f.yyBeforeXx |= !outgoing && !valueOrVariableSeen;
                } else if (c == 'V' && next >= '1' && next <= lastVariable) {
                    ++f.variables[static_cast<std::size_t>(next - '0')];
                    valueOrVariableSeen = true;
                } else {
                    f.malformed = true;
                }
                break;
            default:
                if (c == 'X' || c == 'Y') {
                    f.malformed |= before != c;
                } else if (before == 'V') {
                    // checked with the V
                } else {
                    f.malformed |= !isHexDigit(c);
                }
                break;
        }
    }
    return f;
}

}  // namespace

SysexTestResult systest(const RuleProfile& profile, std::string_view entry,
                        SysexPermissions permissions) {
    SysexTestResult result{normaliseSysexEntry(entry), {}};
    const std::string& e = result.normalised;
    if (e.size() >= 96) {
        result.warning = sysextext::tooLong;
        return result;
    }
    const Findings f = scan(profile, e, permissions.outgoing);
    int variableTotal = 0;
    bool variableTwice = false;
    for (const int count : f.variables) {
        variableTotal += count;
        variableTwice |= count > 1;
    }
    if (f.xx > 1 || f.yy > 1) {
        result.warning = sysextext::valueTwice;
    } else if (variableTwice) {
        result.warning = sysextext::variableTwice;
    } else if (!permissions.values && f.xx + f.yy > 0) {
        result.warning = sysextext::valuesNotAllowed;
    } else if (!permissions.variables && variableTotal > 0) {
        result.warning = sysextext::variablesNotAllowed;
    } else if (f.yyBeforeXx) {
        result.warning = sysextext::yyBeforeXx;
    } else if (f.xx + f.yy + variableTotal > 2) {
        result.warning = sysextext::tooMany;
    } else if (f.malformed) {
        result.warning = sysextext::invalid;
    }
    return result;
}

}  // namespace corlinth
