// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours/colormenus.h"

#include <QAction>
#include <QMenu>

namespace larkspan {

ColorMenus::ColorMenus(QWidget* owner, std::function<void(ColorAttribute, int)> chosen)
{
    for (const ColorAttribute attribute : AllColorAttributes) {
        const ColorAttributeProperties& attr = properties(attribute);
        auto* menu = new QMenu(QCoreApplication::translate("ColourPage", attr.hiddenMenuCaption), owner);
        menu->setObjectName(QString::fromLatin1(attr.hiddenMenuName));
        menus[std::size_t(attribute)] = menu;

        auto& row = items[std::size_t(attribute)];
        for (int i = 0; i < ColorMenuItemCount; ++i) {
            QAction* action = nullptr;
            if (i == ColorSeparatorItem) {
                action = menu->addSeparator();
            } else {
                const NamedColor* named = namedColorAt(i);
                action = menu->addAction(named ? QCoreApplication::translate("ColourPage", named->caption)
                                               : tr("&Custom..."));
            }
            action->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(attr.menuName)).arg(i));
            QObject::connect(action, &QAction::triggered, menu, [chosen, attribute, i] { chosen(attribute, i); });
            row[std::size_t(i)] = action;
        }
    }
}

QAction* ColorMenus::item(ColorAttribute attribute, int index) const
{
    if (index < 0 || index >= ColorMenuItemCount)
        return nullptr;
    return items[std::size_t(attribute)][std::size_t(index)];
}

void ColorMenus::removeCheckMarks(ColorAttribute attribute)
{
    // Only the chosen item is checkable, so the menu draws its check mark and no empty box before the others.
    for (QAction* action : items[std::size_t(attribute)]) {
        action->setChecked(false);
        action->setCheckable(false);
    }
}

void ColorMenus::checkItem(ColorAttribute attribute, int index)
{
    removeCheckMarks(attribute);
    QAction* action = item(attribute, index);
    if (action && !action->isSeparator()) {
        action->setCheckable(true);
        action->setChecked(true);
    }
}

int ColorMenus::checkedItem(ColorAttribute attribute) const
{
    const auto& row = items[std::size_t(attribute)];
    for (int i = 0; i < ColorMenuItemCount; ++i)
        if (row[std::size_t(i)]->isChecked())
            return i;
    return -1;
}

} // namespace larkspan
