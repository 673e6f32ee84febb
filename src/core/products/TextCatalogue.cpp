#include "core/products/TextCatalogue.h"

namespace corlinth {

const TextCatalogue* textCatalogue(std::string_view productName) {
    // Each product family adds its products here as its catalogue is built.
    (void)productName;
    return nullptr;
}

}  // namespace corlinth
