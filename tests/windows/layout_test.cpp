// Every window as the player sees it: each control inside its window, no control on
// top of another, every caption whole, measured in the font the control draws it in.
#include "AboutWindow.h"
#include "BoardView.h"
#include "OptionsDialog.h"
#include "PlayersDialog.h"
#include "RecordsWindow.h"
#include "ScoresWindow.h"
#include "UserDiceDialog.h"
#include "VarsMonitor.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace korbo;
using namespace korbo::test;

namespace {

// Where the design puts a control past its window's edge ("name|") or on another
// control ("name|other"), by the controls' names.
const struct { const char *pairs, *why; } kIntended[] = {
    {"announce|", "the status line starts left of the board, like the grey strip under it"},
    {"joker1|joker2 joker2|joker3 joker1|joker3", "the joker tokens lie stacked like a hand of cards"},
    {"Label1|ColHead Label2|ColHead ColHead|ColHead", "the records' column headings tuck under the titles"},
};

bool intended(const QWidget *a, const QWidget *b)
{
    const QString pair = a->objectName() + QLatin1Char('|') + (b ? b->objectName() : QString());
    const QString reversed = b ? b->objectName() + QLatin1Char('|') + a->objectName() : pair;
    for (const auto &i : kIntended) {
        const QStringList pairs = QString::fromLatin1(i.pairs).split(QLatin1Char(' '));
        if (pairs.contains(pair) || pairs.contains(reversed))
            return true;
    }
    return false;
}

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

bool fits(const QFont &font, const QRect &area, int flags, const QString &text)
{
    return area.contains(QFontMetrics(font).boundingRect(area, flags, text));
}

// Whether the control's caption stays whole where the control draws it.
bool captionFits(QWidget *w)
{
    if (auto *button = qobject_cast<WrappingButton *>(w))
        return fits(button->captionFont(), button->captionRect(), WrappingButton::CaptionFlags, button->text());
    if (auto *label = qobject_cast<QLabel *>(w))
        return fits(label->font(), label->contentsRect(),
                    int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return QFontMetrics(box->font()).horizontalAdvance(box->title()) < box->width();
    auto *button = qobject_cast<QAbstractButton *>(w);
    if (!button)
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<QCheckBox *>(w)      ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                          : QStyle::SE_PushButtonContents;
    const QRect area = qobject_cast<QPushButton *>(w) || contents != QStyle::SE_PushButtonContents
        ? button->style()->subElementRect(contents, &option, button)
        : button->contentsRect();
    return fits(button->font(), area, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
}

// Controls are checked as wholes; only windows, the board and frames are looked into.
bool holdsControls(const QWidget *w)
{
    return w->isWindow() || qobject_cast<const QGroupBox *>(w) || qobject_cast<const BoardView *>(w);
}

// Walks the visible controls of `parent`, and of the containers among them.
void expectLaidOut(QWidget *parent, const QString &where)
{
    QList<QWidget *> shown;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisibleTo(parent))
            shown << child;
    for (int i = 0; i < shown.size(); ++i) {
        QWidget *w = shown[i];
        const QString path = where + QLatin1Char('/') + nameOf(w);
        EXPECT_TRUE(parent->rect().contains(w->geometry()) || intended(w, nullptr))
            << path.toStdString() << " reaches past the edge";
        for (int j = i + 1; j < shown.size(); ++j)
            EXPECT_TRUE(!w->geometry().intersects(shown[j]->geometry()) || intended(w, shown[j]))
                << path.toStdString() << " overlaps " << nameOf(shown[j]).toStdString();
        EXPECT_TRUE(captionFits(w)) << path.toStdString() << " cuts its caption";
        if (holdsControls(w))
            expectLaidOut(w, path);
    }
}

void expectLaidOut(QWidget *window)
{
    SCOPED_TRACE(nameOf(window).toStdString());
    window->show();
    expectLaidOut(window, nameOf(window));
}

struct Layout : ::testing::Test, WindowGame {};

TEST_F(Layout, TheBoardAtEveryStage)
{
    expectLaidOut(&window); // "Start Game", the designed captions beside the pictures
    t.name({QStringLiteral("WWWWWWWWWWWW")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    expectLaidOut(&window); // dice on the table, jokers out
    g.options.textButtonsValue = 1;
    RefreshCategoryButtons(g.board, g.state, g.options);
    for (int c = 1; c <= CategoryCount; ++c)
        g.board.setCategoryLabel(c, QStringLiteral("120"));
    g.board.setThrowCaption(QStringLiteral("Finished"));
    expectLaidOut(&window); // text buttons, the widest scores
}

TEST_F(Layout, EveryOtherWindow)
{
    const QString longest = QStringLiteral("WWWWWWWWWWWW");
    t.name({longest, longest, longest, longest, longest, longest});
    for (int p = 1; p <= MaxPlayers; ++p)
        g.state.score[p][Korbo] = 1234; // wider than any total
    g.sheet.refresh();
    for (int i = 1; i <= 90; ++i)
        g.records.MergeResults({{longest, 9999}}, QDate(2024, 12, 24));
    window.optionsDialog()->show();
    window.scores()->show();
    window.recordsWindow()->showRecords();
    expectLaidOut(window.optionsDialog());
    expectLaidOut(window.scores());
    expectLaidOut(window.recordsWindow());

    PlayersDialog players(g);
    expectLaidOut(&players);
    UserDiceDialog dice(window.images(), messages, QString());
    expectLaidOut(&dice);
    AboutWindow about(window.images(), MainWindow::homePage(), MainWindow::supportAddress());
    expectLaidOut(&about);
    VarsMonitor monitor(g.state);
    expectLaidOut(&monitor);
}

} // namespace
