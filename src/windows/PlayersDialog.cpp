#include "PlayersDialog.h"

#include "BoardView.h"
#include "Keyboard.h"
#include "Palette.h"
#include "Twips.h"
#include "Widening.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace korbo {

namespace {

constexpr int kRowTops[MaxPlayers + 1] = {0, 120, 540, 960, 1380, 1800, 2220};

} // namespace

PlayersDialog::PlayersDialog(Game &game, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_game(game)
{
    setObjectName(QStringLiteral("PlayerNames"));
    AnswerStandardKeys(this);
    setWindowTitle(tr("Players Names"));
    setFixedSize(pxSize(2490, 3180));
    setModal(true);
    SetSurface(this, PaleGreen);
    setAutoFillBackground(true);

    // The players of this run's game, or before any the company of the last run's.
    Seats seats;
    const GameState &state = game.state();
    const bool named = std::any_of(state.playerName.begin(), state.playerName.end(),
                                   [](const QString &name) { return !name.isEmpty(); });
    seats.names = named ? state.playerName : game.options().lastNames;
    seats.computer = named ? state.pcPlayer : game.options().lastComputer;

    QFont nameFont;
    nameFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    nameFont.setPointSizeF(9.75);

    for (int i = 1; i <= MaxPlayers; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtPlayerName%1").arg(i));
        box->setGeometry(pxRect(480, kRowTops[i], 1815, 255));
        box->setMaxLength(MaxNameLength);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(nameFont);
        box->setStyleSheet(QStringLiteral(
            "QLineEdit { background: white; color: %1; border: 1px solid rgb(128,128,128);"
            " padding: 0px; }").arg(TextGreen.name()));
        box->setText(seats.names[i].left(MaxNameLength));
        box->installEventFilter(this);
        // The boxes have no captions: a screen reader is told what each is for.
        box->setAccessibleName(tr("Player %1 name").arg(i));
        m_names[i] = box;

        auto *pc = new QCheckBox(this);
        pc->setObjectName(QStringLiteral("chkPCplay%1").arg(i));
        pc->setGeometry(pxRect(120, kRowTops[i], 255, 255));
        pc->setChecked(seats.computer[i]);
        pc->installEventFilter(this);
        m_pc[i] = pc;
        // Only a named seat can be the computer's: a tick on an empty row would start
        // the game with one player fewer than the player meant. The PC boxes come
        // after the names on the keyboard's way, so each is called by its row's name.
        const auto follow = [pc, i](const QString &name) {
            pc->setEnabled(!name.isEmpty());
            if (name.isEmpty())
                pc->setChecked(false);
            pc->setAccessibleName(name.isEmpty() ? tr("Player %1 played by the PC").arg(i) : tr("%1 played by the PC").arg(name));
        };
        follow(box->text());
        connect(box, &QLineEdit::textChanged, pc, follow);
    }

    auto *label = new QLabel(tr("PC"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(boardFont());
    label->move(px(0, 2580));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("butClose"));
    m_ok->setGeometry(pxRect(480, 2640, 855, 375));
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("butCancel"));
    m_cancel->setGeometry(pxRect(1440, 2640, 855, 375));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        SaveSettings();
        close();
    });
    connect(m_cancel, &QPushButton::clicked, this, &PlayersDialog::reject);

    // The name boxes come first in the keyboard order, then OK and Cancel, then the
    // PC boxes, which Space checks.
    for (int i = 1; i < MaxPlayers; ++i)
        setTabOrder(m_names[i], m_names[i + 1]);
    setTabOrder(m_names[MaxPlayers], m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_pc[1]);
    for (int i = 1; i < MaxPlayers; ++i)
        setTabOrder(m_pc[i], m_pc[i + 1]);
    m_names[1]->setFocus();
    WidenForTexts(this);
}

void PlayersDialog::SaveSettings()
{
    // Close the gaps: names move up into empty boxes above them, keeping their order.
    for (bool moved = true; moved;) {
        moved = false;
        for (int i = 1; i < MaxPlayers; ++i) {
            if (m_names[i]->text().isEmpty() && !m_names[i + 1]->text().isEmpty()) {
                // Whether the computer plays a seat goes with its name.
                const bool computer = m_pc[i + 1]->isChecked();
                m_names[i]->setText(m_names[i + 1]->text());
                m_names[i + 1]->clear();
                m_pc[i]->setChecked(computer);
                moved = true;
            }
        }
    }
    Seats seats;
    for (int i = 1; i <= MaxPlayers; ++i) {
        seats.names[i] = m_names[i]->text();
        seats.computer[i] = m_pc[i]->isChecked();
    }
    m_saved = m_game.setPlayers(seats);
}

void PlayersDialog::closeEvent(QCloseEvent *event)
{
    if (m_cancelled)
        m_cancelled = false;
    else
        SaveSettings();
    // Ends the dialog as its answer: whoever waits for it hears that it finished.
    done(m_saved ? QDialog::Accepted : QDialog::Rejected);
    event->accept();
}

void PlayersDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool PlayersDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // On a PC box Enter is OK, as in an empty name box.
            if (std::find(m_pc.begin(), m_pc.end(), watched) != m_pc.end()) {
                SaveSettings();
                close();
                return true;
            }
            for (int i = 1; i <= MaxPlayers; ++i) {
                if (watched != m_names[i])
                    continue;
                if (m_names[i]->text().isEmpty() || i == MaxPlayers) {
                    SaveSettings();
                    close();
                } else {
                    m_names[i + 1]->setFocus();
                }
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbo
