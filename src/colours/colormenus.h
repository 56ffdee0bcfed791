// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colours/colorattribute.h"
#include "colours/namedcolors.h"

#include <QCoreApplication>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace larkspan {

// The five colour menus of 18 items, each under a hidden top-level menu that is only ever shown as a pop-up.
// Each menu shows at most one check mark.
class ColorMenus {
    Q_DECLARE_TR_FUNCTIONS(ColorMenus)

public:
    // chosen runs with the attribute and the item index whenever the user picks an item.
    ColorMenus(QWidget* owner, std::function<void(ColorAttribute, int)> chosen);

    // The hidden top-level menu, "zmnuColors0" to "zmnuColors4", that holds the attribute's items.
    QMenu* menu(ColorAttribute attribute) const { return menus[std::size_t(attribute)]; }
    QAction* item(ColorAttribute attribute, int index) const;

    void removeCheckMarks(ColorAttribute attribute);
    // Moves the check mark to one item; an index outside the menu only removes it.
    void checkItem(ColorAttribute attribute, int index);
    // The checked item, or -1 when none is.
    int checkedItem(ColorAttribute attribute) const;

private:
    std::array<QMenu*, ColorAttributeCount> menus{};
    std::array<std::array<QAction*, ColorMenuItemCount>, ColorAttributeCount> items{};
};

} // namespace larkspan
