#include "Board.h"

#include "Options.h"

namespace korbo {

namespace {
// The dice as the board is first laid out, before any throw moves them.
constexpr int kInitialDieTops[DiceCount + 1] = {0, 4020, 3000, 1320, 1740, 1860, 1980};
} // namespace

Board::Board(QObject *parent) : QObject(parent), m_throwCaption(tr("Start Game")),
    m_title(QStringLiteral("Korbo"))
{
    for (int d = 1; d <= DiceCount; ++d)
        m_dice[d].top = kInitialDieTops[d];
    for (int c = 1; c <= CategoryCount; ++c)
        m_categories[c].caption = initialCategoryCaption(c);
}

void Board::setDieTop(int d, int top)
{
    if (m_dice[d].top == top)
        return;
    m_dice[d].top = top;
    emit dieChanged(d);
}

void Board::setDieVisible(int d, bool visible)
{
    if (m_dice[d].visible == visible)
        return;
    m_dice[d].visible = visible;
    emit dieChanged(d);
}

void Board::setDieFace(int d, int face)
{
    if (m_dice[d].face == face)
        return;
    m_dice[d].face = face;
    emit dieChanged(d);
}

void Board::setCategoryCaption(int c, const QString &caption)
{
    if (m_categories[c].caption == caption)
        return;
    m_categories[c].caption = caption;
    emit categoryChanged(c);
}

void Board::setCategoryPicture(int c, ButtonPicture picture)
{
    if (m_categories[c].picture == picture)
        return;
    m_categories[c].picture = picture;
    emit categoryChanged(c);
}

void Board::setCategoryPressedPicture(int c, bool shown)
{
    if (m_categories[c].pressedPicture == shown)
        return;
    m_categories[c].pressedPicture = shown;
    emit categoryChanged(c);
}

void Board::setCategoryEnabled(int c, bool enabled)
{
    if (m_categories[c].enabled == enabled)
        return;
    m_categories[c].enabled = enabled;
    emit categoryChanged(c);
}

void Board::setCategoryLabel(int c, const QString &text)
{
    if (m_categories[c].label == text)
        return;
    m_categories[c].label = text;
    emit categoryChanged(c);
}

void Board::setCategoryLabelColour(int c, const QColor &colour)
{
    if (m_categories[c].labelColour == colour)
        return;
    m_categories[c].labelColour = colour;
    emit categoryChanged(c);
}

void Board::setThrowCaption(const QString &caption)
{
    if (m_throwCaption == caption)
        return;
    m_throwCaption = caption;
    emit throwButtonChanged();
}

void Board::setThrowEnabled(bool enabled)
{
    if (m_throwEnabled == enabled)
        return;
    m_throwEnabled = enabled;
    emit throwButtonChanged();
}

void Board::setJokerVisible(int k, bool visible)
{
    if (m_jokers[k] == visible)
        return;
    m_jokers[k] = visible;
    emit jokerChanged(k);
}

void Board::setAnnounce(const QString &text)
{
    if (m_announce == text)
        return;
    m_announce = text;
    emit announceChanged();
}

void Board::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged();
}

void Board::applyDiceStyle(int style)
{
    m_diceStyle = style;
    emit diceStyleApplied(style);
}

void Board::setMarks(const Table1<bool, DiceCount> &dice, int category)
{
    if (dice == m_markedDice && category == m_markedCategory)
        return;
    m_markedDice = dice;
    m_markedCategory = category;
    emit marksChanged();
}

void RefreshCategoryButtons(Board &board, const GameState &state, const Options &options)
{
    for (int c = 1; c <= CategoryCount; ++c) {
        if (options.textButtons()) {
            board.setCategoryPicture(c, ButtonPicture::None);
            board.setCategoryCaption(c, categoryName(c));
            board.setCategoryPressedPicture(c, false);
        } else {
            board.setCategoryCaption(c, QString());
            board.setCategoryPressedPicture(c, true);
            const bool used = state.roundNo > 0 && state.score[state.curPlayer][c] != NotScored;
            board.setCategoryPicture(c, used ? ButtonPicture::Used : ButtonPicture::Open);
        }
    }
}

void ResetBoardArea(Board &board)
{
    for (int i = 1; i <= CategoryCount; ++i) {
        if (i <= JokersPerGame)
            board.setJokerVisible(i, false);
        if (i <= DiceCount)
            board.setDieVisible(i, false);
        board.setCategoryLabel(i, QString());
        board.setCategoryEnabled(i, true);
    }
    board.setTitle(QStringLiteral("Korbo"));
}

} // namespace korbo
