#pragma once

#include <string_view>

namespace corlinth {

// What the selection window draws on a product's button: the unit seen from above, with the
// controls that tell the family apart, and a line saying what it is. One drawing for all
// products, led by this profile.
enum class PictureKind { Footswitch, Pedal, Breath, Relay, Rule, Router, Velocity };

struct ProductPicture {
    std::string_view product;
    PictureKind kind;
    int count;  // footswitches, relay contacts, rule unit size (2 the larger), router outputs
    std::string_view tagline;
};

// The picture of a product by display name; nullptr for a name that is no product.
const ProductPicture* productPicture(std::string_view displayName);

}  // namespace corlinth
