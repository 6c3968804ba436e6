#pragma once

#include <QProxyStyle>

namespace korbo {

// The desktop's own style with one change: the chevron a menu bar shows when its
// menus do not fit is drawn here instead of read from the style's picture files.
// Every menu bar asks for that chevron as it is made, and reading those files
// loads every picture-format plugin on the system, which cost the board a visible
// part of its start-up for a button that a fixed-size window never shows.
class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    GameStyle();
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// Makes GameStyle the application's style unless it already is.
void InstallGameStyle();

} // namespace korbo
