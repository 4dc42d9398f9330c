#pragma once

#include "gui/core/template_main.h"

namespace mv::gui {

// The main window of the "5 of 36 + 1" game: what the template leaves to the game.
class TFormMain : public TTemplateMain {
    Q_OBJECT
public:
    TFormMain(TDataPaths paths, std::vector<std::string> args, QWidget* parent = nullptr);

protected:
    QString GameCaption() const override;
    QStringList DrawsColumnCaptions() const override;
    QStringList CombsColumnCaptions() const override;
};

}  // namespace mv::gui
