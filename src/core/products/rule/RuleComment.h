#pragma once

#include <string>

#include "core/products/rule/RuleSetting.h"

namespace corlinth {

// The English comment of a rule setting: "{ Setting #1: Filter all Control Change #7 events on
// MIDI channel 1. Continue to process settings }". The setting is described as the encoder
// writes it (an outgoing "same" channel resolved, reversed incoming ranges turned round); the
// editor adds its edit hint before the closing brace.
std::string ruleComment(const RuleSetting& setting);

}  // namespace corlinth
