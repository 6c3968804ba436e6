#include "ImageStore.h"

#include "Artwork.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace korbo {

namespace {
// "GIF89a", then the canvas width and height (two bytes each, low byte first).
constexpr int GifHeaderBytes = 10;

class DeferredPictureEngine : public QIconEngine {
public:
    DeferredPictureEngine(QSize logicalSize, std::function<QPixmap()> fetch)
        : m_size(logicalSize), m_fetch(std::move(fetch))
    {
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_size.scaled(size.boundedTo(m_size), Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size}; }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        drawFitted(*painter, rect, scaledPixmap(rect.size() * scale, mode, state, scale));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels, as QIcon asks for it.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QPixmap picture = m_fetch();
        if (picture.isNull() || size.isEmpty())
            return {};
        // Buttons repaint often: the last answer is kept while the question is the same.
        if (picture.cacheKey() == m_lastSource && size == m_lastSize && mode == m_lastMode)
            return m_lastAnswer;
        QPixmap answer = picture;
        // Never enlarged, as with any other icon; smaller only when asked for less.
        if (answer.width() > size.width() || answer.height() > size.height()) {
            answer = answer.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            answer.setDevicePixelRatio(scale);
        }
        // A picture smaller than the icon stands in its middle, so the icons of a row
        // take the same room and their captions line up.
        const QSize box = (QSizeF(m_size) * scale).toSize().boundedTo(size);
        if (answer.width() < box.width() || answer.height() < box.height()) {
            QPixmap padded(box.expandedTo(answer.size()));
            padded.fill(Qt::transparent);
            QPainter painter(&padded);
            painter.drawPixmap((padded.width() - answer.width()) / 2, (padded.height() - answer.height()) / 2, answer);
            painter.end();
            padded.setDevicePixelRatio(scale);
            answer = padded;
        }
        if (mode == QIcon::Disabled) {
            // Greyed the way the style greys any other disabled picture.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            answer = QApplication::style()->generatedIconPixmap(QIcon::Disabled, answer, &option);
        }
        m_lastSource = picture.cacheKey();
        m_lastSize = size;
        m_lastMode = mode;
        m_lastAnswer = answer;
        return answer;
    }

    QIconEngine *clone() const override { return new DeferredPictureEngine(m_size, m_fetch); }

private:
    QSize m_size;
    std::function<QPixmap()> m_fetch;
    qint64 m_lastSource = 0;
    QSize m_lastSize;
    QIcon::Mode m_lastMode = QIcon::Normal;
    QPixmap m_lastAnswer;
};
} // namespace

QIcon deferredIcon(QSize logicalSize, std::function<QPixmap()> fetch)
{
    return QIcon(new DeferredPictureEngine(logicalSize, std::move(fetch)));
}

ImageStore::ImageStore(qreal devicePixelRatio, QObject *parent)
    : QObject(parent), m_dpr(devicePixelRatio)
{
    // The board's pictures first; then the icon, which a window manager asks for as
    // the window is shown (and some platforms never ask for).
    auto categories = std::make_shared<std::promise<Table1<QImage, CategoryCount>>>();
    m_openPictures = categories->get_future();
    m_iconPicture = std::async(std::launch::async, [dpr = m_dpr, categories] {
        Table1<QImage, CategoryCount> pictures;
        for (int c = 1; c <= CategoryCount; ++c)
            pictures[c] = artwork::categoryPicture(c, false, artwork::categoryPictureSize(c), dpr);
        categories->set_value(std::move(pictures));
        return artwork::windowIcon(IconLogicalSize, dpr);
    });
    ApplyDiceStyle(StyleStandard);
}

ImageStore::~ImageStore()
{
    if (m_iconPicture.valid())
        m_iconPicture.wait();
}

void ImageStore::collectOpenPictures() const
{
    if (!m_openPictures.valid())
        return;
    const Table1<QImage, CategoryCount> pictures = m_openPictures.get();
    for (int c = 1; c <= CategoryCount; ++c)
        m_catOpen[c] = QPixmap::fromImage(pictures[c]);
}

void ImageStore::collectIcon() const
{
    if (m_iconPicture.valid())
        m_icon = QPixmap::fromImage(m_iconPicture.get());
}

void ImageStore::forgetBuiltIns()
{
    for (int slot = 1; slot <= StoreSlots; ++slot)
        if (!diceStyleEntry(slotStyle(slot)).userPictures || !m_userFace[slotFace(slot)])
            m_store[slot] = QPixmap();
    collectOpenPictures();
    collectIcon();
    m_catOpen.fill(QPixmap());
    m_catUsed.fill(QPixmap());
    m_joker = QPixmap();
    m_icon = QPixmap();
}

const QPixmap &ImageStore::storeFace(int slot) const
{
    QPixmap &picture = m_store[slot];
    if (picture.isNull()) {
        // Until the user brings pictures of their own, their dice are the standard ones.
        if (diceStyleEntry(slotStyle(slot)).userPictures)
            picture = storeFace(storeSlot(StyleStandard, slotFace(slot)));
        else
            picture = QPixmap::fromImage(artwork::dieFace(slotStyle(slot), slotFace(slot), DieLogicalSize, m_dpr));
    }
    return picture;
}

const QPixmap &ImageStore::categoryPicture(int category, bool used) const
{
    if (!used)
        collectOpenPictures();
    QPixmap &picture = used ? m_catUsed[category] : m_catOpen[category];
    if (picture.isNull())
        picture = QPixmap::fromImage(artwork::categoryPicture(
            category, used, boardPictureSize(artwork::categoryPictureSize(category)), m_dpr));
    return picture;
}

const QPixmap &ImageStore::joker() const
{
    if (m_joker.isNull())
        m_joker = QPixmap::fromImage(artwork::jokerPicture(boardPictureSize({JokerLogicalSize, 0}).width(), m_dpr));
    return m_joker;
}

const QPixmap &ImageStore::windowIcon() const
{
    collectIcon();
    if (m_icon.isNull())
        m_icon = QPixmap::fromImage(artwork::windowIcon(IconLogicalSize, m_dpr));
    return m_icon;
}

void ImageStore::setDevicePixelRatio(qreal dpr)
{
    if (qFuzzyCompare(dpr, m_dpr))
        return;
    m_dpr = dpr;
    forgetBuiltIns();
    ApplyDiceStyle(m_liveStyle);
    emit picturesRedrawn();
}

void ImageStore::setStoreFace(int slot, const QPixmap &picture)
{
    m_store[slot] = picture;
    if (diceStyleEntry(slotStyle(slot)).userPictures)
        m_userFace[slotFace(slot)] = true;
}

void ImageStore::ApplyDiceStyle(int style)
{
    style = knownDiceStyle(style);
    m_liveStyle = style;
    // Built-in faces never change, so they are fetched when a die is first painted;
    // the user's pictures are taken now, as they are at this moment.
    for (int face = 1; face <= FaceCount; ++face)
        m_live[face] = diceStyleEntry(style).userPictures ? storeFace(storeSlot(style, face)) : QPixmap();
    emit liveFacesChanged();
}

const QPixmap &ImageStore::liveFace(int face) const
{
    if (m_live[face].isNull())
        m_live[face] = m_boardZoom == Zoom::Designed
            ? storeFace(storeSlot(m_liveStyle, face))
            : QPixmap::fromImage(artwork::dieFace(m_liveStyle, face, boardPictureSize({DieLogicalSize, 0}).width(), m_dpr));
    return m_live[face];
}

QSize ImageStore::boardPictureSize(QSize designed) const
{
    return {qRound(designed.width() * m_boardZoom / double(Zoom::Designed)), qRound(designed.height() * m_boardZoom / double(Zoom::Designed))};
}

void ImageStore::setBoardZoom(int percent)
{
    if (percent == m_boardZoom)
        return;
    m_boardZoom = percent;
    collectOpenPictures();
    m_catOpen.fill(QPixmap());
    m_catUsed.fill(QPixmap());
    m_joker = QPixmap();
    ApplyDiceStyle(m_liveStyle); // the built-in faces are drawn again when next painted
    emit picturesRedrawn();
}

QPixmap ImageStore::logo(QSize logicalSize) const
{
    return QPixmap::fromImage(artwork::logo(logicalSize, m_dpr));
}

QPixmap ImageStore::loadUserPicture(const QString &path) const
{
    // Only a plain file: a pipe would keep the game waiting, a device never ends.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    // A GIF is drawn onto a canvas of the size its header names, whatever the size of
    // its frames, which is all the reader tells: a 32-byte file can ask for 100 MB.
    const QByteArray head = file.peek(GifHeaderBytes);
    if (head.size() == GifHeaderBytes && head.startsWith("GIF8")) {
        const auto le16 = [&head](int at) { return uchar(head[at]) | uchar(head[at + 1]) << 8; };
        if (le16(6) > MaxUserPictureSide || le16(8) > MaxUserPictureSide)
            return {};
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize claimed = reader.size();
    if (!claimed.isValid() || claimed.width() > MaxUserPictureSide
        || claimed.height() > MaxUserPictureSide)
        return {};
    QImage image;
    if (!reader.read(&image) || image.isNull() || image.width() > MaxUserPictureSide
        || image.height() > MaxUserPictureSide)
        return {};
    return QPixmap::fromImage(image);
}

int ImageStore::loadUserDice(const QString &folder)
{
    int loaded = 0;
    const QDir dir(folder);
    // Name filters ignore letter case, so this also finds copies saved under an
    // upper-case extension by earlier versions (dudd3.GIF).
    const QStringList present = dir.entryList({QStringLiteral("dudd?.*")}, QDir::Files, QDir::Name);
    for (int face = 1; face <= FaceCount; ++face) {
        for (const char *ext : {".ico", ".gif"}) {
            const QString name = QStringLiteral("dudd%1%2").arg(face).arg(QLatin1String(ext));
            // The lower-case name, which Save writes, wins over other spellings.
            QString found = name;
            if (!present.contains(name)) {
                const auto other = std::find_if(present.begin(), present.end(), [&name](const QString &n) {
                    return n.compare(name, Qt::CaseInsensitive) == 0;
                });
                if (other == present.end())
                    continue;
                found = *other;
            }
            const QPixmap picture = loadUserPicture(dir.filePath(found));
            if (picture.isNull())
                continue;
            setStoreFace(userSlot(face), picture);
            ++loaded;
        }
    }
    return loaded;
}

void drawFitted(QPainter &painter, const QRect &box, const QPixmap &picture)
{
    if (picture.isNull())
        return;
    const QSizeF logical = picture.deviceIndependentSize();
    if (logical.toSize() == box.size()) {
        painter.drawPixmap(box.topLeft(), picture);
        return;
    }
    const QSizeF fitted = logical.scaled(QSizeF(box.size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF(box.x() + (box.width() - fitted.width()) / 2,
                                box.y() + (box.height() - fitted.height()) / 2),
                        fitted);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    painter.restore();
}

} // namespace korbo
