#include "gui/support/number_locale.h"

#include "engine/core/text_utils.h"

namespace mv::gui {

QLocale NumberLocale() {
    return DecimalSeparator() == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                     : QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace mv::gui
