#pragma once

#include "Game.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace korbo {

// "Players Names": up to six names, each with a "PC" box that makes the computer
// play that seat. OK or the close box store them, close the gaps between them and
// count the players; Cancel keeps everything as it was.
class PlayersDialog : public QDialog {
    Q_OBJECT
public:
    PlayersDialog(Game &game, QWidget *parent = nullptr);

    QLineEdit *txtPlayerName(int i) const { return m_names[i]; }
    QCheckBox *chkPCplay(int i) const { return m_pc[i]; }
    QPushButton *butClose() const { return m_ok; }
    QPushButton *butCancel() const { return m_cancel; }

    // True once the names have been stored (OK, Enter or the close box).
    bool saved() const { return m_saved; }

    static constexpr int MaxNameLength = 12;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SaveSettings();

    Game &m_game;
    Table1<QLineEdit *, MaxPlayers> m_names{};
    Table1<QCheckBox *, MaxPlayers> m_pc{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_cancelled = false;
    bool m_saved = false;
};

} // namespace korbo
