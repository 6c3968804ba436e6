#pragma once

#include "GameState.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <array>

namespace korbo {

// Board geometry, in twips (1/1440 inch) from the top-left of the board.
namespace geometry {
inline constexpr int BoardWidth = 5940;
inline constexpr int BoardHeight = 6465;
inline constexpr int DieSize = 720;
inline constexpr int HeldTop = 4020;       // tops of dice in the held row
inline constexpr int ThrowAreaLimit = 3061; // a die whose top is above this is in the throwing area
inline constexpr int dieLeft(int d) { return 120 + 780 * (d - 1); }
inline constexpr bool inThrowingArea(int top) { return top < ThrowAreaLimit; }
} // namespace geometry

inline const QColor ScoreGreen(0, 255, 0);
inline const QColor PreviewYellow(255, 255, 0);

// What a category button shows: no picture (text buttons), the open picture or the
// used one.
enum class ButtonPicture { None, Open, Used };

struct DieView {
    int top = 0;        // twips
    bool visible = false;
    int face = 0;       // the face painted; 0 paints face 1
};

struct CategoryView {
    QString caption;
    ButtonPicture picture = ButtonPicture::Open;
    bool pressedPicture = true; // graphical buttons show the used picture while pressed
    bool enabled = true;
    QString label;              // the score beside the button
    QColor labelColour{0, 255, 0};
};

// Everything the main window shows, written by the game and drawn by the window.
// Each change is announced so the window repaints just that part.
class Board : public QObject {
    Q_OBJECT
public:
    explicit Board(QObject *parent = nullptr);

    const DieView &die(int d) const { return m_dice[d]; }
    const CategoryView &category(int c) const { return m_categories[c]; }
    const QString &throwCaption() const { return m_throwCaption; }
    bool throwEnabled() const { return m_throwEnabled; }
    bool jokerVisible(int k) const { return m_jokers[k]; }
    const QString &announce() const { return m_announce; }
    const QString &title() const { return m_title; }
    int diceStyle() const { return m_diceStyle; }

    void setDieTop(int d, int top);
    void setDieVisible(int d, bool visible);
    void setDieFace(int d, int face);

    void setCategoryCaption(int c, const QString &caption);
    void setCategoryPicture(int c, ButtonPicture picture);
    void setCategoryPressedPicture(int c, bool shown);
    void setCategoryEnabled(int c, bool enabled);
    void setCategoryLabel(int c, const QString &text);
    void setCategoryLabelColour(int c, const QColor &colour);

    void setThrowCaption(const QString &caption);
    void setThrowEnabled(bool enabled);
    void setJokerVisible(int k, bool visible);
    void setAnnounce(const QString &text);
    void setTitle(const QString &title);

    // A hint's marks: the dice it means and the category it means (0 for none),
    // until the next action.
    bool dieMarked(int d) const { return m_markedDice[d]; }
    int markedCategory() const { return m_markedCategory; }
    void setMarks(const Table1<bool, DiceCount> &dice, int category);
    void clearMarks() { setMarks({}, 0); }

    // The dice take the faces of `style`; called even when the style is unchanged,
    // so freshly imported pictures reach the dice.
    void applyDiceStyle(int style);

signals:
    void dieChanged(int d);
    void categoryChanged(int c);
    void throwButtonChanged();
    void jokerChanged(int k);
    void announceChanged();
    void titleChanged();
    void diceStyleApplied(int style);
    void marksChanged();

private:
    std::array<DieView, DiceCount + 1> m_dice{};
    std::array<CategoryView, CategoryCount + 1> m_categories{};
    std::array<bool, JokersPerGame + 1> m_jokers{};
    QString m_throwCaption;
    bool m_throwEnabled = true;
    QString m_announce;
    QString m_title;
    int m_diceStyle = 1;
    Table1<bool, DiceCount> m_markedDice{};
    int m_markedCategory = 0;
};

class Options;

// Text or picture category buttons, as the options say; with pictures, the current
// player's used categories show the used picture while a game is on.
void RefreshCategoryButtons(Board &board, const GameState &state, const Options &options);

// Clears the playing area: dice, jokers and score labels hidden or emptied, every
// category button enabled, the title back to "Korbo".
void ResetBoardArea(Board &board);

} // namespace korbo
