#pragma once

#include "colours/colorattribute.h"

#include <QCoreApplication>

#include <array>
#include <string>

namespace larkspan {

class frmWiz;

// The Colors page: default or custom colours, the colour buttons and menus, the live preview, the background image.
class ColourPage {
    Q_DECLARE_TR_FUNCTIONS(ColourPage)

public:
    explicit ColourPage(frmWiz& wiz);

    // Gives the colour buttons their first look.
    void formLoad();
    void optRadio_Click(int index);
    void chkBox_Click(int index);
    // The attribute text of one colour slot, as the page writers read it.
    std::string slotText(ColorAttribute attribute) const;

private:
    frmWiz& wiz;
    std::array<std::string, ColorAttributeCount> colourSlots;
};

} // namespace larkspan
