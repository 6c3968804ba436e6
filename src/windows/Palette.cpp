#include "Palette.h"

#include <QWidget>

namespace korbo {

void SetSurface(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
}

void SetField(QWidget *widget, const QColor &base, const QColor &text)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::Text, text);
    widget->setPalette(pal);
}

} // namespace korbo
