#pragma once

namespace larkspan {

// The five body colour attributes, in this order everywhere: slots, menus, check boxes, colour buttons.
enum class ColorAttribute : int { Background = 0, Text = 1, Link = 2, VisitedLink = 3, ActiveLink = 4 };
inline constexpr int ColorAttributeCount = 5;

} // namespace larkspan
