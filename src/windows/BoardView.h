#pragma once

#include "GameState.h"
#include "Twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <array>
#include <functional>

namespace korbo {

class Speaker;

class Game;
class ImageStore;

// One die on the board (imgDice): clicked to sort it. Jokers dropped on it are taken
// by the board. The keyboard reaches it by Tab and the arrow keys; a click leaves
// the focus where it was.
class DieWidget : public QWidget {
    Q_OBJECT
public:
    DieWidget(int index, Game &game, ImageStore &images, QWidget *parent);
    int index() const { return m_index; }
    // Into the held row, or back into play.
    void toggleHold();
    // Tells a listening screen reader when the face or the side has changed.
    void tellChanges(int face, bool held);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_index;
    Game &m_game;
    ImageStore &m_images;
    int m_toldFace = 0;
    bool m_toldHeld = false;
};

// A joker token, dragged onto a die to throw it again.
class JokerWidget : public QWidget {
    Q_OBJECT
public:
    JokerWidget(int index, Game &game, ImageStore &images, QWidget *parent);
    static const char *const MimeType;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_index;
    Game &m_game;
    ImageStore &m_images;
};

// A push button whose caption wraps onto a second line when it is too wide, as the
// throw button's "Start Game" does, and narrows or shrinks where one word is too wide.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    static constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
    // Where the caption is drawn, and in which font.
    QRect captionRect() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent *) override;
};

// A category button (butCat): picture and caption, the used picture while pressed.
class CategoryButton : public QToolButton {
    Q_OBJECT
public:
    CategoryButton(int category, QWidget *parent);
    int category() const { return m_category; }
    // `font`, or narrower where the caption (a language's word may be longer than the
    // English) would not fit the button's width.
    QFont fitted(const QFont &font) const;
    // Where the caption may stand.
    QRect captionRoom() const;
    // Pictures of `size` (logical pixels), fetched when they are first painted: the
    // normal one, none when `normal` is empty, and the one shown while the button is down.
    void setPictures(QSize size, std::function<QPixmap()> normal, std::function<QPixmap()> pressed);

signals:
    void hovered(int category);
    void altReleased(int category);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture();

    int m_category;
    QSize m_pictureSize;
    std::function<QPixmap()> m_normal;
    std::function<QPixmap()> m_pressed;
};

// The status line (announce): one line in the board's font, narrowed if need be. A
// line that still does not fit wraps to two, made smaller until both fit between the
// strip's edges; only what does not fit even then is cut short at its end. Its text
// stays whole: a screen reader reads it, and its tooltip shows it when cut.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(const QFont &font, QWidget *parent);
    void setStatus(const QString &text);
    // The font as designed, at the board's zoom.
    void setDesignedFont(const QFont &font);
    // How the text is drawn: the font and the lines.
    struct Shown {
        QFont font;
        QStringList lines;
    };
    const Shown &shown() const { return m_shown; }
    static constexpr qreal SmallestPoints = 6.75; // 9 pixels at the board's scale

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Shown layOut(const QString &text) const;

    QFont m_designed;
    Shown m_shown;
};

// The board: the green table with its tray, held row and status strip, and every
// control on it, drawn from the game's board model.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(Game &game, ImageStore &images, QWidget *parent = nullptr);

    Game &game() const { return m_game; }

    // How large the board is drawn, in percent: every control's place, size and font
    // and every picture follow it. The board stands in the middle of the room the
    // window gives it, at the largest zoom that fits, the felt filling any margin.
    int zoom() const { return m_zoom.percent; }
    // A zoom chosen by the keys: the window is asked to fit it, and where it cannot
    // grow (maximised, full screen) the board stays at most as large as fits, until
    // the window's size changes.
    void setZoom(int percent);
    // The board's size at a zoom, and the largest zoom at which it fits `room`.
    static QSize sizeAt(int percent);
    static int fittingZoom(QSize room);
    // Where a point of the design, in twips, stands on the board now.
    QPoint toPixels(int left, int top) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    CategoryButton *butCat(int c) const { return m_butCat[c]; }
    QLabel *labCat(int c) const { return m_labCat[c]; }
    DieWidget *imgDice(int d) const { return m_imgDice[d]; }
    JokerWidget *joker(int k) const { return m_joker[k]; }
    WrappingButton *butThrow() const { return m_butThrow; }
    StatusLine *announce() const { return m_announce; }
    // What a screen reader is told without the focus moving.
    Speaker *speaker() const { return m_speaker; }
    // The control whose keyboard focus the board holds while it is hidden or disabled.
    QWidget *parkedControl() const { return m_parked; }
    // A control of the board took the keyboard's focus.
    void rememberFocus(QWidget *control);
    // The board's window is active again (another window or a dialog closed): the keys
    // go back to the control that last had them, or the board holds them for it until
    // it is back, so the keys always reach the board.
    void restoreFocus();

    // Position and size of every line, in twips: x1, y1, x2, y2, width.
    struct Line { int x1, y1, x2, y2, width; QColor colour; };
    static const std::array<Line, 10> &lines();

signals:
    void zoomChanged(int percent);
    void categoryClicked(int c);
    void categoryHovered(int c);
    void categoryAltReleased(int c);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Every control placed, sized and lettered for the zoom.
    void layOut();
    QRect toPixels(int left, int top, int width, int height) const;
    void syncDie(int d);
    void syncCategory(int c);
    void syncThrowButton();
    void syncJoker(int k);
    void syncAnnounce();
    // A control that goes away with the keyboard's focus (a die picked up for a throw,
    // the throw button after the last throw) leaves it with the board, and gets it
    // back when it returns, so the player keeps their place and no other control's
    // explanation pops up.
    void park(QWidget *control);
    void unpark(QWidget *control);

    Game &m_game;
    ImageStore &m_images;
    Table1<CategoryButton *, CategoryCount> m_butCat{};
    Table1<QLabel *, CategoryCount> m_labCat{};
    QFont m_categoryFont; // the category buttons' captions, as designed at the zoom
    Zoom m_zoom;
    QPoint m_origin; // where the design's top-left corner stands
    Table1<DieWidget *, DiceCount> m_imgDice{};
    Table1<JokerWidget *, JokersPerGame> m_joker{};
    WrappingButton *m_butThrow = nullptr;
    StatusLine *m_announce = nullptr;
    Speaker *m_speaker = nullptr;
    QPointer<QWidget> m_parked;
    QPointer<QWidget> m_lastFocused;
};

// The board's fonts: bold 8.25 pt in the classic sans serif, or the nearest there is.
QFont boardFont();
// `font`, or where `text` drawn with `flags` would not fit `area`, the same font made
// narrower and then smaller until it does, so a caption or a name stays whole inside
// its control's designed size.
QFont fittedFont(const QFont &font, const QString &text, const QRect &area, int flags);

} // namespace korbo
