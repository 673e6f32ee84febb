#include "core/products/TextCatalogue.h"

#include "core/products/controller/ControllerCatalogue.h"
#include "core/products/footswitch/FootswitchCatalogue.h"
#include "core/products/rule/RuleCatalogue.h"

namespace corlinth {

const TextCatalogue* textCatalogue(std::string_view productName) {
    // Each product family adds its products here as its catalogue is built.
    if (const TextCatalogue* footswitch = footswitchCatalogue(productName)) {
        return footswitch;
    }
    if (const TextCatalogue* rule = ruleCatalogue(productName)) {
        return rule;
    }
    if (const TextCatalogue* controller = controllerCatalogue(productName)) {
        return controller;
    }
    return nullptr;
}

}  // namespace corlinth
