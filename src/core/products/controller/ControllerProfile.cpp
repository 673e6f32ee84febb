#include "core/products/controller/ControllerProfile.h"

#include <array>

#include "core/app/ProductRegistry.h"

namespace corlinth {
namespace {

ControllerProfile makeProfile(std::string_view product, std::string_view limitLabelEnd) {
    return {product, findProduct(product)->deviceId, limitLabelEnd};
}

const std::array<ControllerProfile, 2>& profiles() {
    static const std::array<ControllerProfile, 2> all{makeProfile("Gavrel", ""),
                                                      makeProfile("Hennic", ":")};
    return all;
}

}  // namespace

std::string ControllerProfile::windowName(std::string_view role) const {
    return "T" + std::string(product) + std::string(role);
}

Bytes ControllerProfile::message(Byte command, const Bytes& data) const {
    Bytes out{0xF0, 0x00, 0x00, 0x50, deviceId, command};
    for (const Byte b : data) {
        out.push_back(b);
    }
    out.push_back(0xF7);
    return out;
}

const ControllerProfile* controllerProfile(std::string_view product) {
    for (const ControllerProfile& profile : profiles()) {
        if (profile.product == product) {
            return &profile;
        }
    }
    return nullptr;
}

}  // namespace corlinth
