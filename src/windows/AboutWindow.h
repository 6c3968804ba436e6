#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <functional>

class QUrl;

namespace korbo {

class ImageStore;

// "About Korbo": the logo, the version and, where this build names them, links to
// the game's home page and to its support address.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(ImageStore &images, const QString &homePage, const QString &supportAddress,
                QWidget *parent = nullptr);

    QLabel *labVersion() const { return m_version; }
    QLabel *labURL(int i) const { return m_links[i]; }
    QPushButton *butOK() const { return m_ok; }

    // Opens an address with the desktop; tests replace it.
    void setOpener(std::function<void(const QUrl &)> open) { m_open = std::move(open); }
    // What a click on link i hands to the desktop: a web address as it is, anything
    // else as an e-mail address.
    static QString linkTarget(const QString &caption);
    void labURLClick(int i);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *) override;

private:
    void setUnderlined(int i, bool on);

    QLabel *m_version = nullptr;
    std::array<QLabel *, 2> m_links{};
    QPushButton *m_ok = nullptr;
    // A build with neither link leaves out their half of the window, rule and all.
    bool m_anyLink = false;
    std::function<void(const QUrl &)> m_open;
};

} // namespace korbo
