#include "core/app/ProductPictures.h"

#include <array>

namespace corlinth {
namespace {

constexpr std::array<ProductPicture, 11> kPictures{{
    {"Pirrow", PictureKind::Footswitch, 1, "Single footswitch"},
    {"Strayne", PictureKind::Footswitch, 2, "Two footswitches"},
    {"Kelto", PictureKind::Footswitch, 8, "Eight footswitch inputs"},
    {"Gavrel", PictureKind::Pedal, 1, "Expression pedal"},
    {"Hennic", PictureKind::Breath, 1, "Breath sensor"},
    {"Tessol", PictureKind::Relay, 1, "One relay contact"},
    {"Brannic", PictureKind::Relay, 8, "Eight relay contacts"},
    {"Vantrel", PictureKind::Rule, 2, "MIDI rule processor"},
    {"Sodrin", PictureKind::Rule, 1, "Compact MIDI rule processor"},
    {"Daskin", PictureKind::Router, 2, "Two-output MIDI router"},
    {"Ombrel", PictureKind::Velocity, 1, "Velocity curves"},
}};

}  // namespace

const ProductPicture* productPicture(std::string_view displayName) {
    for (const ProductPicture& picture : kPictures) {
        if (picture.product == displayName) {
            return &picture;
        }
    }
    return nullptr;
}

}  // namespace corlinth
