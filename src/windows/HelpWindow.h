#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace korbo {

// The help page shown by the game itself, for a desktop where nothing opens it: the
// page's text and links as a browser shows them, and each die the page draws drawn
// by the game's own painter.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    // Shows the page at `path`, scrolled to the section `anchor` ("keys") when given.
    void showPage(const QString &path, const QString &anchor = {});
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

} // namespace korbo
