// Every window as the player sees it: each control inside its window, no control on
// top of another, every caption whole, measured in the font the control draws it in.
#include "AboutWindow.h"
#include "BestPlay.h"
#include "BoardView.h"
#include "Language.h"
#include "OptionsDialog.h"
#include "PlayersDialog.h"
#include "RecordsWindow.h"
#include "ScoresWindow.h"
#include "StatisticsWindow.h"
#include "UserDiceDialog.h"
#include "VarsMonitor.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <cmath>
#include <set>

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
    const QString x = a->objectName(), y = b ? b->objectName() : QString();
    return std::any_of(std::begin(kIntended), std::end(kIntended), [&](const auto &i) {
        const QStringList pairs = QString::fromLatin1(i.pairs).split(QLatin1Char(' '));
        return pairs.contains(x + QLatin1Char('|') + y) || (b && pairs.contains(y + QLatin1Char('|') + x));
    });
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
    if (auto *status = qobject_cast<StatusLine *>(w)) {
        const QFontMetricsF metrics(status->shown().font);
        bool fit = metrics.height() * status->shown().lines.size() <= status->contentsRect().height();
        for (const QString &line : status->shown().lines)
            fit = fit && metrics.horizontalAdvance(line) <= status->contentsRect().width();
        return fit;
    }
    if (auto *button = qobject_cast<WrappingButton *>(w))
        return fits(button->captionFont(), button->captionRect(), WrappingButton::CaptionFlags, button->text());
    if (auto *button = qobject_cast<CategoryButton *>(w))
        return fits(button->font(), button->captionRoom(), Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    if (auto *label = qobject_cast<QLabel *>(w))
        return fits(label->font(), label->contentsRect(),
                    int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)
                        | (label->buddy() ? Qt::TextShowMnemonic : 0),
                    label->text());
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
    const QRect area = qobject_cast<QPushButton *>(w) // a push button keeps 2 pixels clear at each side
        ? button->style()->subElementRect(contents, &option, button).adjusted(2, 0, -2, 0)
        : contents != QStyle::SE_PushButtonContents ? button->style()->subElementRect(contents, &option, button)
                                                    : button->contentsRect();
    return fits(button->font(), area, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
}

// Walks the visible controls of `parent`, and of the frames and the board among them
// (other controls are checked as wholes).
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
        if (qobject_cast<QGroupBox *>(w) || qobject_cast<BoardView *>(w))
            expectLaidOut(w, path);
    }
}

void expectLaidOut(QWidget *window)
{
    SCOPED_TRACE(nameOf(window).toStdString());
    window->show();
    expectLaidOut(window, nameOf(window));
    // Guards controls with no caption (the Players dialog's name and PC boxes, the records
    // lists, the name to find) that a screen reader could only call "edit" or "check box".
    for (QWidget *control : window->findChildren<QWidget *>())
        EXPECT_TRUE(!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window)
                    || !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << nameOf(control).toStdString() << " has no name to be read";
}

// The texts a control shows; with `set`, replaced by those (the first by the first...).
QStringList texts(QWidget *w, const QStringList *set = nullptr)
{
    QStringList was;
    const auto take = [&](const QString &text, auto put) {
        if (set)
            put(set->value(was.size()));
        was << text;
    };
    if (auto *status = qobject_cast<StatusLine *>(w))
        take(status->text(), [status](const QString &t) { status->setStatus(t); });
    else if (auto *label = qobject_cast<QLabel *>(w))
        take(label->text(), [label](const QString &t) { label->setText(t); });
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        take(button->text(), [button](const QString &t) { button->setText(t); });
    else if (auto *box = qobject_cast<QGroupBox *>(w))
        take(box->title(), [box](const QString &t) { box->setTitle(t); });
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        take(edit->text(), [edit](const QString &t) { edit->setText(t); });
    else if (auto *list = qobject_cast<QListWidget *>(w))
        for (int i = 0; i < list->count(); ++i)
            take(list->item(i)->text(), [item = list->item(i)](const QString &t) { item->setText(t); });
    else if (auto *bar = qobject_cast<QMenuBar *>(w))
        for (QAction *action : bar->actions())
            take(action->text(), [action](const QString &t) { action->setText(t); });
    return was;
}

// The window drawn with the control's text and without it (taken away and given back),
// within the control: what the text adds is then what the player reads.
struct TextPixels {
    QImage with, without;
    QRect area;
    TextPixels(QWidget *window, QWidget *control)
        : with(window->grab().toImage()),
          area(QRect(control->mapTo(window, QPoint(0, 0)), control->size()).intersected(window->rect()))
    {
        const QStringList kept = texts(control), none;
        texts(control, &none);
        without = window->grab().toImage();
        texts(control, &kept);
    }
    // The first row the text draws on, or -1.
    int firstRow() const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    return y;
        return -1;
    }
    // The contrast of the text's strongest pixel with what lies behind it, as a screen
    // reader's guidelines measure it (1 to 21).
    double contrast() const
    {
        const auto luminance = [](QRgb c) {
            const auto channel = [](int v) {
                const double s = v / 255.0;
                return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
        };
        double best = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const double a = luminance(with.pixel(x, y)), b = luminance(without.pixel(x, y));
                best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
            }
        return best;
    }
};

// Every text a player reads or a screen reader speaks in `window`: captions, titles,
// tooltips, accessible names and descriptions, and the menus' entries, as plain text.
QStringList shownTexts(QWidget *window)
{
    QStringList all{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !w->isVisibleTo(window) || qobject_cast<QListWidget *>(w))
            continue; // the records' lines are the file's, not the game's words
        all << texts(w) << w->toolTip();
        if (QAccessibleInterface *access = QAccessible::queryAccessibleInterface(w))
            all << access->text(QAccessible::Name) << access->text(QAccessible::Description);
    }
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *top : bar->actions())
            for (QAction *entry : top->menu()->actions())
                if (!entry->menu() || entry->objectName() != QLatin1String("menuLanguage"))
                    all << entry->text();
    for (QString &text : all)
        if (Qt::mightBeRichText(text))
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
    return all;
}

// Guards a text shown without passing through the catalogue: in the pseudo-language
// every letter the game writes is an accented one, so a plain letter left over is a
// text outside tr(), or a sentence joined from pieces. `data` (players' names, the
// game's addresses) is the player's or the build's, and stays as it is.
void expectAllTranslated(QWidget *window, const QStringList &data)
{
    SCOPED_TRACE(nameOf(window).toStdString());
    static const QRegularExpression plainLetters(QStringLiteral("[A-Za-z]{2,}"));
    for (QString text : shownTexts(window)) {
        for (const QString &d : data) {
            text.remove(d);
            if (text.endsWith(QChar(0x2026)) && d.startsWith(text.chopped(1)))
                text.clear(); // a name cut short where it does not fit
        }
        EXPECT_FALSE(text.contains(plainLetters)) << text.toStdString();
    }
}

// The language a test speaks, back to English after it.
struct Speaking {
    explicit Speaking(const char *code) { UseLanguage(QString::fromLatin1(code)); }
    ~Speaking() { UseLanguage(QStringLiteral("en")); }
};

constexpr const char *kPseudo = "en_XA";
// Every language the game speaks, English as it was designed first, and the
// pseudo-language, 40 % longer than English.
const char *const kLanguages[] = {"en", "de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", kPseudo};

TEST(Languages, EachOneTheGameSpeaksIsLaidOutBelow)
{
    // Guards a translation added to the game without the layout check below.
    QStringList spoken = AvailableLanguages(), checked;
    for (const char *code : kLanguages)
        checked << QLatin1String(code);
    spoken.sort();
    checked.sort();
    EXPECT_EQ(spoken, checked);
}

struct Shown {
    const char *language;
    int zoom;
};

// Every language at the designed size; English, the longest language and the
// pseudo-language also with the board and the sheet zoomed.
std::vector<Shown> shownWays()
{
    std::vector<Shown> all;
    for (const char *code : kLanguages)
        all.push_back({code, Zoom::Designed});
    for (int zoom : {150, 200})
        for (const char *code : {"en", "de", kPseudo})
            all.push_back({code, zoom});
    return all;
}

struct Layout : ::testing::TestWithParam<Shown>, Speaking, WindowGame {
    Layout() : Speaking(GetParam().language)
    {
        // The window grown round the zoomed board, as the zoom keys grow it where the
        // screen has room.
        if (GetParam().zoom != Zoom::Designed) {
            window.show();
            window.board()->setZoom(GetParam().zoom);
            window.resize(window.size() + BoardView::sizeAt(GetParam().zoom) - window.board()->size());
            EXPECT_EQ(window.board()->zoom(), GetParam().zoom);
        }
    }
    bool pseudo() const { return GetParam().language == kPseudo; }
    UserDiceDialog dice{window.images(), messages, QString()};
    AboutWindow about{window.images(), MainWindow::homePage(), MainWindow::supportAddress()};
    VarsMonitor monitor{g};
    // A coached game in the history, so that the statistics show every tab.
    QTemporaryDir folder;
    HistoryStore history{[] { return QDate(2024, 12, 24); }};
    HistoryStore &withAGame()
    {
        history.open(folder.filePath(HistoryStore::FileName));
        SeatRecord seat;
        seat.seat = 1;
        seat.name = QStringLiteral("Bartholomews");
        seat.scores.fill(20);
        seat.total = 300;
        seat.pointsLost = 40.5;
        history.add({QDateTime(QDate(2024, 12, 24), QTime(20, 0)), {seat}});
        return history;
    }
    StatisticsWindow statistics{withAGame(), BestPlay::shipped(), messages};
};
INSTANTIATE_TEST_SUITE_P(Languages, Layout, ::testing::ValuesIn(shownWays()), [](const auto &info) {
    const std::string language = info.param.language == kPseudo ? "pseudo" : info.param.language;
    return info.param.zoom == Zoom::Designed ? language : language + "_at_" + std::to_string(info.param.zoom);
});

TEST_P(Layout, TheBoardAtEveryStage)
{
    expectLaidOut(&window); // "Start Game", the designed captions beside the pictures
    t.name({QStringLiteral("WWWWWWWWWWWW")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    expectLaidOut(&window); // dice on the table, jokers out
    if (pseudo())
        expectAllTranslated(&window, {QStringLiteral("WWWWWWWWWWWW"), ProgramName});
    setOption(g, &OptionValues::textButtonsValue, 1);
    RefreshCategoryButtons(g.board, g.state(), g.options());
    for (int c = 1; c <= CategoryCount; ++c)
        g.board.setCategoryLabel(c, QStringLiteral("120"));
    g.board.setThrowCaption(Game::throwCaption(MaxThrows));
    expectLaidOut(&window); // text buttons, the widest scores
    // A coach's word with the next greeting wraps to two lines; a far longer one is
    // cut short, and is whole in the tooltip.
    const QString word = QStringLiteral("Throwing all six costs WWWWWWWWWWWW 23.4 points on average; holding 5 5 5 was "
                                        "best. Off you go, WWWWWWWWWWWW");
    for (const QString &text : {word, word.repeated(4)}) {
        g.board.setAnnounce(text);
        expectLaidOut(&window);
        EXPECT_EQ(window.board()->announce()->shown().lines.size(), 2);
        EXPECT_EQ(window.board()->announce()->toolTip().isEmpty(), text == word);
        EXPECT_EQ(window.board()->announce()->text(), text) << "what a screen reader reads";
    }
}

TEST_P(Layout, CaptionsOfARowOfCategoriesStandAtOneHeight)
{
    // Guards "Quads" drawn higher than the captions beside it, under a smaller picture,
    // and the narrowed caption of a longer word in a smaller font than its row's. Each
    // caption is measured as a capital without accents ("Ímpares", "Tríos" reach
    // higher by their accents alone), in the font and place its button gives it.
    window.show();
    for (int row : {Ones, Twins}) {
        std::set<int> heights;
        for (int c = row; c < row + 7; ++c) {
            QAbstractButton *button = window.board()->butCat(c);
            const QString caption = button->text();
            button->setText(QStringLiteral("Hx"));
            heights.insert(TextPixels(&window, button).firstRow());
            button->setText(caption);
        }
        EXPECT_EQ(heights.size(), 1u) << "row from " << categoryName(row).toStdString();
    }
}

TEST_P(Layout, EveryTextStandsOutUnderADarkTheme)
{
    // Guards a background the game fixes (the pale green, the felt, the grey strip) with
    // the writing on it left to the desktop's theme, or too faint for its background.
    if (pseudo())
        GTEST_SKIP() << "the brackets make short words far longer than any language's, and thinner when narrowed";
    const QPalette before = QApplication::palette();
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                {QPalette::Base, QColor(35, 35, 35)}, {QPalette::AlternateBase, QColor(53, 53, 53)},
                                {QPalette::Text, Qt::white}, {QPalette::Button, QColor(53, 53, 53)},
                                {QPalette::ButtonText, Qt::white}, {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, Qt::black}, {QPalette::ToolTipBase, QColor(25, 25, 25)},
                                {QPalette::ToolTipText, Qt::white}})
        dark.setColor(role, colour);
    QApplication::setPalette(dark);

    t.name({QStringLiteral("Ann"), QStringLiteral("Bob")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    t.run(g.enterCategory(Ones));
    t.run(g.throwDice());
    t.run(g.previewCategory(Twos));
    g.showScoreSheet();
    g.records.MergeResults({{QStringLiteral("Ann"), 250}}, QDate(2024, 12, 24));
    window.recordsWindow()->showRecords();
    window.optionsDialog()->show();
    PlayersDialog players(g);
    for (QWidget *shown : std::initializer_list<QWidget *>{&window, window.scores(), window.recordsWindow(),
                                                           window.optionsDialog(), &players, &dice, &about, &monitor,
                                                           &statistics}) {
        shown->show();
        for (QWidget *control : shown->findChildren<QWidget *>())
            if (control->window() == shown && control->isVisibleTo(shown) && control->isEnabled()
                && !texts(control).join(QString()).isEmpty()) {
                EXPECT_GE(TextPixels(shown, control).contrast(), 4.5)
                    << nameOf(shown).toStdString() << "/" << nameOf(control).toStdString();
            }
    }
    QApplication::setPalette(before);
}

TEST_P(Layout, EveryOtherWindow)
{
    const QString longest = QStringLiteral("WWWWWWWWWWWW");
    t.name({longest, QStringLiteral("Al"), QStringLiteral("Bartholomews"), longest, longest, longest});
    // Six of a kind in every throw: Korbo grows to its widest, the totals pass 1000.
    g.setDice(QList<int>(DiceCount * MaxPlayers * RoundCount, 6));
    t.run(g.newGame());
    t.playRounds({Korbo, Ones, Twos, Threes, Fours, Fives, Sixes, Quad, Twins, Triples, Odds, Evens, Flush, PotLuck});
    for (int i = 1; i <= 90; ++i)
        g.records.MergeResults({{longest, 9999}}, QDate(2024, 12, 24));
    window.optionsDialog()->show();
    window.scores()->show();
    window.recordsWindow()->showRecords();
    expectLaidOut(window.optionsDialog());
    expectLaidOut(window.scores());
    // The names share one font, the sheet's own size however long the longest; a name
    // cut short is whole in its tooltip and for a screen reader.
    for (int p = 1; p <= MaxPlayers; ++p) {
        QLabel *name = window.scores()->labName(p);
        EXPECT_EQ(name->font().pointSizeF(), window.scores()->font().pointSizeF()) << p;
        EXPECT_EQ(name->font().stretch(), window.scores()->labName(1)->font().stretch()) << p;
        if (name->text() != g.state().playerName[p]) {
            EXPECT_EQ(name->toolTip(), g.state().playerName[p]);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(name)->text(QAccessible::Name), g.state().playerName[p]);
        }
    }
    expectLaidOut(window.recordsWindow());

    PlayersDialog players(g);
    for (QWidget *other : std::initializer_list<QWidget *>{&players, &dice, &about, &monitor, &statistics})
        expectLaidOut(other);
    if (pseudo())
        for (QWidget *shown : std::initializer_list<QWidget *>{window.optionsDialog(), window.scores(),
                                                               window.recordsWindow(), &players, &dice, &about,
                                                               &monitor, &statistics})
            expectAllTranslated(shown, {longest, QStringLiteral("Al"), QStringLiteral("Bartholomews"), ProgramName,
                                        MainWindow::homePage(), MainWindow::supportAddress()});
}

} // namespace
