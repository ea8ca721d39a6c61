// A skin definition made from another by replacing some of its values. The dark skin is the blue
// one in other colours: its layout, edge sizes and bitmap names stay written once, in the base.
#pragma once

#include <string>
#include <string_view>

namespace zembrel::skinart {

// The base text with every key of the overlay (sections and keys spelt as in the base)
// given the overlay's value; comments, order and line ends of the base are kept. Throws
// std::runtime_error for an overlay key that the base does not have, so a misspelt key cannot
// pass unnoticed.
std::string OverlayDefinition(std::string_view base, std::string_view overlay);

}  // namespace zembrel::skinart
