#include "core/hydrology/NoRunoffMessages.h"

namespace hydrim {

const std::string& NoRunoffText(Side side, bool twoSlopes) {
    if (!twoSlopes) {
        return NoRunoffOnlySlope;
    }
    return side == Side::Left ? NoRunoffLeftOfTwo : NoRunoffRightOfTwo;
}

std::string VariantINoRunoffMessage(int returnPeriod, Side side, bool twoSlopes) {
    return "Pro počet let N=" + std::to_string(returnPeriod) + ".\n" + NoRunoffText(side, twoSlopes);
}

} // namespace hydrim
