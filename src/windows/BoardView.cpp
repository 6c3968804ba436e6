#include "BoardView.h"

#include "Speech.h"

#include "Artwork.h"
#include "BoardAccess.h"
#include "Language.h"
#include "BoardKeys.h"
#include "Game.h"
#include "ImageStore.h"
#include "Palette.h"
#include "Speech.h"
#include "Twips.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include <utility>

namespace korbo {

namespace {

// The width of a hint's ring round a die or a category button, in twips.
constexpr int HintRing = 45;

// Where each category button and its score label stand, in twips.
struct CategoryPlace { int buttonLeft, buttonTop, labelLeft, labelTop; };
constexpr CategoryPlace kPlaces[CategoryCount + 1] = {
    {},
    {60, 120, 60, 960}, {900, 120, 900, 960}, {1740, 120, 1740, 960}, {2580, 120, 2580, 960},
    {3420, 120, 3420, 960}, {4260, 120, 4260, 960}, {5100, 120, 5100, 960},
    {60, 5220, 60, 4920}, {900, 5220, 900, 4920}, {1740, 5220, 1740, 4920},
    {2580, 5220, 2580, 4920}, {3420, 5220, 3420, 4920}, {4260, 5220, 4260, 4920},
    {5100, 5220, 5100, 4920},
};
constexpr int kJokerLeft[JokersPerGame + 1] = {0, 4980, 5100, 5220};
constexpr int kJokerTop[JokersPerGame + 1] = {0, 1680, 1860, 2040};


} // namespace

QFont boardFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setPointSizeF(8.25);
    font.setBold(true);
    // A bitmap font of that name would not narrow or shrink to fit a caption.
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

namespace {

// Letters narrowed beyond this start to run together; before going further the
// text is made smaller.
constexpr int kNarrowest = 75;
constexpr int kNarrowestAtSmallest = 50;
constexpr int kStretchStep = 5;
constexpr qreal kSmallestPoints = 7.0;
constexpr qreal kPointStep = 0.5;

bool fits(const QFont &font, const QString &text, const QRect &area, int flags)
{
    return area.contains(QFontMetrics(font).boundingRect(area, flags, text));
}

} // namespace

QFont fittedFont(const QFont &font, const QString &text, const QRect &area, int flags)
{
    QFont fitted = font;
    const int designedStretch = font.stretch() > 0 ? font.stretch() : 100;
    for (int stretch = designedStretch; stretch >= kNarrowest; stretch -= kStretchStep) {
        fitted.setStretch(stretch);
        if (fits(fitted, text, area, flags))
            return fitted;
    }
    for (qreal points = font.pointSizeF() - kPointStep; points >= kSmallestPoints; points -= kPointStep) {
        fitted.setPointSizeF(points);
        if (fits(fitted, text, area, flags))
            return fitted;
    }
    for (int stretch = kNarrowest - kStretchStep; stretch >= kNarrowestAtSmallest; stretch -= kStretchStep) {
        fitted.setStretch(stretch);
        if (fits(fitted, text, area, flags))
            break;
    }
    return fitted;
}

// ---------------------------------------------------------------- die

DieWidget::DieWidget(int index, Game &game, ImageStore &images, QWidget *parent)
    : QWidget(parent), m_index(index), m_game(game), m_images(images)
{
    setObjectName(QStringLiteral("imgDice%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::TabFocus);
}

void DieWidget::toggleHold()
{
    m_game.run(m_game.toggleHold(m_index));
}

void DieWidget::tellChanges(int face, bool held)
{
    if (face != m_toldFace || held != m_toldHeld) {
        TellNameChanged(this);
        TellDescriptionChanged(this);
    }
    m_toldFace = face;
    m_toldHeld = held;
}

void DieWidget::paintEvent(QPaintEvent *)
{
    const int face = m_game.board.die(m_index).face;
    const QPixmap &picture = m_images.liveFace(face >= 1 && face <= ImageStore::FaceCount ? face : 1);
    QPainter painter(this);
    drawFitted(painter, rect(), picture);
}

void DieWidget::mousePressEvent(QMouseEvent *event)
{
    // The left button holds or unholds the die; any other moves every die of its face
    // that lies on the same side.
    if (event->button() == Qt::LeftButton)
        toggleHold();
    else
        m_game.run(m_game.moveFace(m_index));
}

// ---------------------------------------------------------------- joker

const char *const JokerWidget::MimeType = "application/x-korbo-joker";

JokerWidget::JokerWidget(int index, Game &game, ImageStore &images, QWidget *parent)
    : QWidget(parent), m_index(index), m_game(game), m_images(images)
{
    setObjectName(QStringLiteral("joker%1").arg(index));
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void JokerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFitted(painter, rect(), m_images.joker());
}

void JokerWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The token is dragged as soon as the button goes down.
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData;
    mime->setData(QLatin1String(MimeType), QByteArray::number(m_index));
    drag->setMimeData(mime);
    drag->setPixmap(m_images.joker());
    drag->setHotSpot(QPoint(width() / 2, height() / 2));
    drag->exec(Qt::MoveAction);
}

void JokerWidget::mouseMoveEvent(QMouseEvent *)
{
    m_game.explainJoker();
}

// ---------------------------------------------------------------- wrapping button

QRect WrappingButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont WrappingButton::captionFont() const
{
    return fittedFont(font(), text(), captionRect(), CaptionFlags);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(captionFont());
    painter.drawText(captionRect(), CaptionFlags, text());
}

// ---------------------------------------------------------------- category button

CategoryButton::CategoryButton(int category, QWidget *parent) : QToolButton(parent), m_category(category)
{
    setObjectName(QStringLiteral("butCat%1").arg(category));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::pressed, this, &CategoryButton::showPicture);
    connect(this, &QAbstractButton::released, this, &CategoryButton::showPicture);
}

void CategoryButton::setPictures(QSize size, std::function<QPixmap()> normal, std::function<QPixmap()> pressed)
{
    m_pictureSize = size;
    m_normal = std::move(normal);
    m_pressed = std::move(pressed);
    showPicture();
}

QRect CategoryButton::captionRoom() const
{
    // The style draws the caption inside the button's frame, and shortens with "..."
    // a caption that would touch it.
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) + 1;
    return rect().adjusted(frame, 0, -frame, 0);
}

QFont CategoryButton::fitted(const QFont &font) const
{
    return fittedFont(font, text(), captionRoom(), Qt::AlignCenter | Qt::TextShowMnemonic);
}

void CategoryButton::showPicture()
{
    const std::function<QPixmap()> &picture = isDown() && m_pressed ? m_pressed : m_normal;
    setIcon(picture ? deferredIcon(m_pictureSize, picture) : QIcon());
    if (picture)
        setIconSize(m_pictureSize);
    const bool hasText = !text().isEmpty();
    setToolButtonStyle(!picture ? Qt::ToolButtonTextOnly
                       : hasText ? Qt::ToolButtonTextUnderIcon
                                 : Qt::ToolButtonIconOnly);
}

void CategoryButton::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(m_category);
    QToolButton::mouseMoveEvent(event);
}

void CategoryButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Alt alone held while releasing plays the category's sounds.
    if (event->modifiers() == Qt::AltModifier)
        emit altReleased(m_category);
    QToolButton::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------- status line

namespace {
// Lines of `text` no wider than `width` in `font`, broken between words.
QStringList wrapped(const QString &text, const QFont &font, qreal width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}
} // namespace

StatusLine::StatusLine(const QFont &font, QWidget *parent) : QLabel(parent), m_designed(font)
{
    setFont(font);
    setAlignment(Qt::AlignCenter);
    m_shown.font = font;
}

void StatusLine::setDesignedFont(const QFont &font)
{
    m_designed = font;
    setFont(font);
    setStatus(text());
}

void StatusLine::setStatus(const QString &text)
{
    m_shown = layOut(text);
    const bool whole = m_shown.lines.join(QLatin1Char(' ')).simplified() == text.simplified();
    setToolTip(whole ? QString() : text);
    setText(text);
    update();
}

StatusLine::Shown StatusLine::layOut(const QString &text) const
{
    const QRect area = contentsRect();
    QFont font = m_designed;
    const auto narrowed = [&](int stretch) {
        font.setStretch(stretch);
        return font;
    };
    // One line: the designed size, narrowed at most to three quarters.
    for (int stretch = 100; stretch >= kNarrowest; stretch -= kStretchStep)
        if (QFontMetricsF(narrowed(stretch)).horizontalAdvance(text) <= area.width())
            return {font, {text}};
    // Two lines, each as tall as the font: smaller until both fit the box.
    QStringList lines;
    for (qreal points = m_designed.pointSizeF(); points >= SmallestPoints; points -= kPointStep / 2) {
        font.setPointSizeF(points);
        if (2 * QFontMetricsF(font).height() > area.height())
            continue;
        for (int stretch = 100; stretch >= kNarrowest; stretch -= kStretchStep) {
            lines = wrapped(text, narrowed(stretch), area.width());
            if (lines.size() <= 2)
                return {font, lines};
        }
    }
    // Even then too long: the second line ends where it must, cut short.
    font.setPointSizeF(SmallestPoints);
    lines = wrapped(text, narrowed(kNarrowest), area.width());
    const QString rest = lines.mid(1).join(QLatin1Char(' '));
    return {font, {lines.value(0), QFontMetricsF(font).elidedText(rest, Qt::ElideRight, area.width())}};
}

void StatusLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(m_shown.font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRectF area = contentsRect();
    const qreal lineHeight = QFontMetricsF(m_shown.font).height();
    qreal top = area.top() + (area.height() - lineHeight * m_shown.lines.size()) / 2;
    for (const QString &line : m_shown.lines) {
        painter.drawText(QRectF(area.left(), top, area.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop, line);
        top += lineHeight;
    }
}

// ---------------------------------------------------------------- board

const std::array<BoardView::Line, 10> &BoardView::lines()
{
    static const QColor black(0, 0, 0), white(255, 255, 255);
    static const std::array<Line, 10> all = {{
        {60, 1260, 4800, 1260, 2, black},       // tray top
        {4800, 1260, 4800, 3840, 2, LineGreen}, // tray right
        {60, 3840, 4800, 3840, 2, LineGreen},   // tray bottom
        {60, 1260, 60, 3840, 2, black},         // tray left
        {60, 3960, 4800, 3960, 1, black},       // held row top
        {60, 3960, 60, 4800, 1, black},         // held row left
        {60, 4800, 4800, 4800, 1, LineGreen},   // held row bottom
        {4800, 3960, 4800, 4800, 1, LineGreen}, // held row right
        {-60, 6090, 6240, 6090, 1, black},      // status strip top edge
        {-60, 6420, 6180, 6420, 1, white},      // status strip lower edge
    }};
    return all;
}

BoardView::BoardView(Game &game, ImageStore &images, QWidget *parent)
    : QWidget(parent), m_game(game), m_images(images)
{
    setObjectName(QStringLiteral("board"));
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAcceptDrops(true);
    setAutoFillBackground(false);

    const QFont font = boardFont();

    m_butThrow = new WrappingButton(this);
    m_butThrow->setObjectName(QStringLiteral("butThrow"));
    connect(m_butThrow, &QPushButton::clicked, this, [this] { m_game.run(m_game.throwDice()); });
    // Its caption says which throw comes next, or "Start Game".
    ShowTranslated(m_butThrow, "accessibleDescription", "korbo::BoardView", QT_TR_NOOP("Throws the dice in play, or starts a game"));

    for (int c = 1; c <= CategoryCount; ++c) {
        auto *button = new CategoryButton(c, this);
        connect(button, &QAbstractButton::clicked, this, [this, c] { emit categoryClicked(c); });
        connect(button, &CategoryButton::hovered, this, &BoardView::categoryHovered);
        connect(button, &CategoryButton::altReleased, this, &BoardView::categoryAltReleased);
        m_butCat[c] = button;

        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("labCat%1").arg(c));
        label->setAlignment(Qt::AlignCenter);
        m_labCat[c] = label;
    }

    for (int d = 1; d <= DiceCount; ++d)
        m_imgDice[d] = new DieWidget(d, game, images, this);
    for (int k = 1; k <= JokersPerGame; ++k)
        m_joker[k] = new JokerWidget(k, game, images, this);

    m_announce = new StatusLine(font, this);
    m_announce->setObjectName(QStringLiteral("announce"));
    m_announce->setAutoFillBackground(true);
    SetSurface(m_announce, StripGrey, StripText);

    // Keyboard order: the throw button first, then the dice and the categories.
    QWidget *previous = m_butThrow;
    for (int d = 1; d <= DiceCount; ++d)
        setTabOrder(std::exchange(previous, m_imgDice[d]), m_imgDice[d]);
    for (int c = 1; c <= CategoryCount; ++c)
        setTabOrder(std::exchange(previous, m_butCat[c]), m_butCat[c]);
    new BoardKeys(*this, game);
    InstallBoardAccessibility();
    // Each new status line, the dice once a throw or a joker comes to rest and each
    // score shown or entered are spoken to a screen reader wherever the focus is (a
    // reader is not told of a description's change as text).
    m_speaker = new Speaker(this);
    connect(&game.board, &Board::announceChanged, m_speaker, [this] { m_speaker->say(m_game.board.announce()); });
    connect(&game, &Game::told, m_speaker, &Speaker::tell);

    Board &board = game.board;
    connect(&board, &Board::dieChanged, this, &BoardView::syncDie);
    connect(&board, &Board::categoryChanged, this, &BoardView::syncCategory);
    connect(&board, &Board::throwButtonChanged, this, &BoardView::syncThrowButton);
    connect(&board, &Board::jokerChanged, this, &BoardView::syncJoker);
    connect(&board, &Board::announceChanged, this, &BoardView::syncAnnounce);
    connect(&board, &Board::marksChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &Board::diceStyleApplied, this, [this](int style) { m_images.ApplyDiceStyle(style); });
    connect(&images, &ImageStore::liveFacesChanged, this, [this] {
        for (int d = 1; d <= DiceCount; ++d)
            m_imgDice[d]->update();
    });
    connect(&images, &ImageStore::picturesRedrawn, this, [this] {
        for (int c = 1; c <= CategoryCount; ++c)
            m_butCat[c]->update();
        for (int k = 1; k <= JokersPerGame; ++k)
            m_joker[k]->update();
    });

    resize(sizeAt(m_zoom.percent));
    layOut();
    for (int k = 1; k <= JokersPerGame; ++k)
        syncJoker(k);
    syncThrowButton();
    syncAnnounce();
}

QSize BoardView::sizeAt(int percent)
{
    return Zoom{percent}.pxSize(geometry::BoardWidth, geometry::BoardHeight);
}

int BoardView::fittingZoom(QSize room)
{
    int percent = Zoom::Largest;
    while (percent > Zoom::Smallest && !QRect(QPoint(), room).contains(QRect(QPoint(), sizeAt(percent))))
        --percent;
    return percent;
}

QSize BoardView::sizeHint() const
{
    return sizeAt(m_zoom.percent);
}

QSize BoardView::minimumSizeHint() const
{
    return sizeAt(Zoom::Smallest);
}

void BoardView::setZoom(int percent)
{
    percent = std::clamp(percent, Zoom::Smallest, Zoom::Largest);
    if (percent == m_zoom.percent)
        return;
    m_zoom.percent = percent;
    layOut();
    updateGeometry();
    emit zoomChanged(percent);
}

void BoardView::resizeEvent(QResizeEvent *)
{
    const int fitting = fittingZoom(size());
    const QSize board = sizeAt(fitting);
    const QPoint origin(std::max(0, (width() - board.width()) / 2), std::max(0, (height() - board.height()) / 2));
    if (fitting == m_zoom.percent && origin == m_origin)
        return;
    const bool changed = fitting != m_zoom.percent;
    m_zoom.percent = fitting;
    layOut();
    if (changed)
        emit zoomChanged(fitting);
}

QPoint BoardView::toPixels(int left, int top) const
{
    return m_origin + m_zoom.px(left, top);
}

QRect BoardView::toPixels(int left, int top, int width, int height) const
{
    return m_zoom.pxRect(left, top, width, height).translated(m_origin);
}

void BoardView::layOut()
{
    const QSize board = sizeAt(m_zoom.percent);
    m_origin = QPoint(std::max(0, (width() - board.width()) / 2), std::max(0, (height() - board.height()) / 2));
    QFont font = boardFont();
    font.setPointSizeF(m_zoom.points(font.pointSizeF()));
    m_categoryFont = font;
    m_categoryFont.setBold(false);
    m_butThrow->setGeometry(toPixels(4980, 2760, 780, 780));
    m_butThrow->setFont(font);
    for (int c = 1; c <= CategoryCount; ++c) {
        m_butCat[c]->setGeometry(toPixels(kPlaces[c].buttonLeft, kPlaces[c].buttonTop, 780, 780));
        m_butCat[c]->setFont(m_categoryFont);
        m_labCat[c]->setGeometry(toPixels(kPlaces[c].labelLeft, kPlaces[c].labelTop, 735, 255));
        m_labCat[c]->setFont(font);
    }
    for (int d = 1; d <= DiceCount; ++d)
        m_imgDice[d]->setFixedSize(m_zoom.pxSize(geometry::DieSize, geometry::DieSize));
    for (int k = 1; k <= JokersPerGame; ++k) {
        m_joker[k]->setFixedSize(m_zoom.pxSize(480, 480));
        m_joker[k]->move(toPixels(kJokerLeft[k], kJokerTop[k]));
    }
    // Between the strip's two edges; a single line stands where the design has it.
    m_announce->setGeometry(toPixels(-60, 6105, 5955, 315));
    m_announce->setDesignedFont(font);
    // The pictures are drawn afresh for the new size, so they stay sharp.
    m_images.setBoardZoom(m_zoom.percent);
    for (int d = 1; d <= DiceCount; ++d)
        syncDie(d);
    for (int c = 1; c <= CategoryCount; ++c)
        syncCategory(c);
    update();
}

void BoardView::syncDie(int d)
{
    const DieView &die = m_game.board.die(d);
    DieWidget *widget = m_imgDice[d];
    widget->move(toPixels(geometry::dieLeft(d), die.top));
    if (!die.visible)
        park(widget);
    widget->setVisible(die.visible);
    if (die.visible)
        unpark(widget);
    widget->update();
    widget->tellChanges(die.face, !geometry::inThrowingArea(die.top));
}

// The window's focus, whether or not it is the active window: while another window
// has the keys a control can still go grey or away, and Qt cannot give the keys back
// to it when the board's window is active again.
void BoardView::park(QWidget *control)
{
    if (window()->focusWidget() == control) {
        m_parked = control;
        setFocus(Qt::OtherFocusReason);
    }
}

void BoardView::unpark(QWidget *control)
{
    if (m_parked == control && window()->focusWidget() == this) {
        m_parked = nullptr;
        control->setFocus(Qt::OtherFocusReason);
    }
}

void BoardView::rememberFocus(QWidget *control)
{
    m_lastFocused = control;
}

void BoardView::restoreFocus()
{
    if (!window()->isActiveWindow())
        return;
    QWidget *now = QApplication::focusWidget();
    if (now == this || (now && isAncestorOf(now)))
        return;
    QWidget *wanted = m_lastFocused ? m_lastFocused.data() : m_butThrow;
    if (wanted->isVisible() && wanted->isEnabled()) {
        wanted->setFocus(Qt::OtherFocusReason);
    } else {
        // It comes back with its control; meanwhile the board takes the keys for it.
        m_parked = wanted;
        setFocus(Qt::OtherFocusReason);
    }
}

void BoardView::syncCategory(int c)
{
    const CategoryView &view = m_game.board.category(c);
    CategoryButton *button = m_butCat[c];
    button->setText(view.caption);
    button->setEnabled(view.enabled);
    std::function<QPixmap()> normal, pressed;
    if (view.picture != ButtonPicture::None)
        normal = [this, c, used = view.picture == ButtonPicture::Used] { return m_images.categoryPicture(c, used); };
    if (view.pressedPicture)
        pressed = [this, c] { return m_images.categoryPicture(c, true); };
    // The icons of a row take the room of its largest picture, so the captions under
    // them stand at one height.
    // The captions of a row share one font, narrowed for the longest, for the same reason.
    QSize room;
    QFont captions = m_categoryFont;
    const auto smaller = [](const QFont &a, const QFont &b) {
        const auto stretch = [](const QFont &f) { return f.stretch() > 0 ? f.stretch() : 100; };
        return std::pair(a.pointSizeF(), stretch(a)) < std::pair(b.pointSizeF(), stretch(b));
    };
    for (int other = c <= Quad ? Ones : Twins; other <= (c <= Quad ? Quad : Korbo); ++other) {
        room = room.expandedTo(m_images.boardPictureSize(artwork::categoryPictureSize(other)));
        captions = std::min(captions, m_butCat[other]->fitted(m_categoryFont), smaller);
    }
    for (int other = c <= Quad ? Ones : Twins; other <= (c <= Quad ? Quad : Korbo); ++other)
        m_butCat[other]->setFont(captions);
    button->setPictures(room, std::move(normal), std::move(pressed));

    QLabel *label = m_labCat[c];
    const bool changed =
        label->text() != view.label || label->palette().color(QPalette::WindowText) != view.labelColour;
    label->setText(view.label);
    // A score stands on its plate; an empty label leaves the felt bare.
    SetSurface(label, ScorePlate, view.labelColour);
    label->setAutoFillBackground(!view.label.isEmpty());
    if (changed)
        TellDescriptionChanged(button);
}

void BoardView::syncThrowButton()
{
    const bool enabled = m_game.board.throwEnabled();
    m_butThrow->setText(m_game.board.throwCaption());
    if (!enabled)
        park(m_butThrow);
    m_butThrow->setEnabled(enabled);
    if (enabled)
        unpark(m_butThrow);
}

void BoardView::syncJoker(int k)
{
    m_joker[k]->setVisible(m_game.board.jokerVisible(k));
    for (int token = 1; token <= JokersPerGame; ++token)
        TellDescriptionChanged(m_joker[token]);
}

void BoardView::syncAnnounce()
{
    // The label tells a listening screen reader of each new text itself, as long as it
    // is named by its text, so it is given no name of its own.
    m_announce->setStatus(m_game.board.announce());
}

void BoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), BoardGreen);
    // The status strip runs from edge to edge of the window, margins too.
    const QRect strip = toPixels(-120, 6060, 6315, 675).intersected(QRect(QPoint(), sizeAt(m_zoom.percent)).translated(m_origin));
    painter.fillRect(0, strip.top(), width(), strip.height(), StripGrey);
    for (const Line &line : lines()) {
        painter.setPen(QPen(line.colour, std::max(1, m_zoom.px(line.width * TwipsPerPixel)), Qt::SolidLine, Qt::FlatCap));
        QLine drawn(toPixels(line.x1, line.y1), toPixels(line.x2, line.y2));
        if (line.x1 < 0) // the strip's edges
            drawn.setLine(0, drawn.y1(), width(), drawn.y2());
        painter.drawLine(drawn);
    }
    // A hint's marks: a ring round each die and the category it means, drawn on the
    // table so it shows round the control whatever its picture.
    const Board &board = m_game.board;
    const int ring = m_zoom.px(HintRing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(PreviewYellow, ring));
    painter.setBrush(Qt::NoBrush);
    auto mark = [&](const QWidget *control) {
        const QRectF around = QRectF(control->geometry()).adjusted(-ring, -ring, ring, ring);
        painter.drawRoundedRect(around, 2 * ring, 2 * ring);
    };
    for (int d = 1; d <= DiceCount; ++d)
        if (board.dieMarked(d) && board.die(d).visible)
            mark(m_imgDice[d]);
    if (const int c = board.markedCategory())
        mark(m_butCat[c]);
}

void BoardView::mouseMoveEvent(QMouseEvent *event)
{
    // Only the bare table shows the prompt again; labels and dice leave the line alone.
    if (!childAt(event->position().toPoint()))
        m_game.showPrompt();
}

namespace {
// The joker token a drag carries; 0 when it carries none.
int draggedJoker(const QMimeData *mime)
{
    return mime->data(QLatin1String(JokerWidget::MimeType)).toInt();
}
} // namespace

// The board answers for a joker's whole drag, dice included, so it is asked again on
// every move: a throw that ends while the token is held over a die lets the die
// take it from then on.
void BoardView::dragEnterEvent(QDragEnterEvent *event)
{
    if (draggedJoker(event->mimeData()))
        event->accept(); // the move that follows says whether a drop would be taken
}

void BoardView::dragMoveEvent(QDragMoveEvent *event)
{
    // A drop that would be refused shows the no-drop pointer and no invitation; the
    // table's hint shows over the bare table, not while still on the token.
    const int k = draggedJoker(event->mimeData());
    QWidget *under = childAt(event->position().toPoint());
    auto *die = qobject_cast<DieWidget *>(under);
    if (k && die && m_game.canPlayJoker(die->index(), k)) {
        event->acceptProposedAction();
        m_game.explainJokerOverDie();
        return;
    }
    event->ignore();
    if (k && !under)
        m_game.explainJokerOverTable();
}

void BoardView::dropEvent(QDropEvent *event)
{
    const int k = draggedJoker(event->mimeData());
    auto *die = qobject_cast<DieWidget *>(childAt(event->position().toPoint()));
    if (!die || !m_game.canPlayJoker(die->index(), k)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_game.run(m_game.playJoker(die->index(), k));
}

} // namespace korbo
