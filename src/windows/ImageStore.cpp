#include "ImageStore.h"

#include "Artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace korbo {

namespace {
constexpr int UserStyle = 7;
} // namespace

ImageStore::ImageStore(qreal devicePixelRatio, QObject *parent)
    : QObject(parent), m_dpr(devicePixelRatio)
{
    m_openPictures = std::async(std::launch::async, [dpr = m_dpr] {
        Pictures pictures;
        pictures.icon = artwork::windowIcon(48, dpr);
        for (int c = 1; c <= 14; ++c)
            pictures.categories[c] = artwork::categoryPicture(c, false, artwork::categoryPictureSize(c), dpr);
        return pictures;
    });
    ApplyDiceStyle(1);
}

ImageStore::~ImageStore()
{
    if (m_openPictures.valid())
        m_openPictures.wait();
}

void ImageStore::collectOpenPictures() const
{
    if (!m_openPictures.valid())
        return;
    const Pictures pictures = m_openPictures.get();
    for (int c = 1; c <= 14; ++c)
        m_catOpen[c] = QPixmap::fromImage(pictures.categories[c]);
    m_icon = QPixmap::fromImage(pictures.icon);
}

void ImageStore::forgetBuiltIns()
{
    for (int slot = 1; slot <= StoreSlots; ++slot)
        if (slot <= 36 || !m_userFace[slot - 36])
            m_store[slot] = QPixmap();
    collectOpenPictures();
    m_catOpen.fill(QPixmap());
    m_catUsed.fill(QPixmap());
    m_joker = QPixmap();
    m_icon = QPixmap();
}

const QPixmap &ImageStore::storeFace(int slot) const
{
    QPixmap &picture = m_store[slot];
    if (picture.isNull()) {
        if (slot > 36) // until the user brings pictures of their own, their dice are the standard ones
            picture = storeFace(slot - 36);
        else
            picture = QPixmap::fromImage(artwork::dieFace((slot - 1) / 6 + 1, (slot - 1) % 6 + 1, DieLogicalSize, m_dpr));
    }
    return picture;
}

const QPixmap &ImageStore::categoryPicture(int category, bool used) const
{
    if (!used)
        collectOpenPictures();
    QPixmap &picture = used ? m_catUsed[category] : m_catOpen[category];
    if (picture.isNull())
        picture = QPixmap::fromImage(
            artwork::categoryPicture(category, used, artwork::categoryPictureSize(category), m_dpr));
    return picture;
}

const QPixmap &ImageStore::joker() const
{
    if (m_joker.isNull())
        m_joker = QPixmap::fromImage(artwork::jokerPicture(JokerLogicalSize, m_dpr));
    return m_joker;
}

const QPixmap &ImageStore::windowIcon() const
{
    collectOpenPictures();
    if (m_icon.isNull())
        m_icon = QPixmap::fromImage(artwork::windowIcon(48, m_dpr));
    return m_icon;
}

void ImageStore::setDevicePixelRatio(qreal dpr)
{
    if (qFuzzyCompare(dpr, m_dpr))
        return;
    m_dpr = dpr;
    forgetBuiltIns();
    ApplyDiceStyle(m_liveStyle);
}

void ImageStore::setStoreFace(int slot, const QPixmap &picture)
{
    m_store[slot] = picture;
    if (slot > 36)
        m_userFace[slot - 36] = true;
}

void ImageStore::ApplyDiceStyle(int style)
{
    if (style < 1 || style > UserStyle)
        style = 1;
    m_liveStyle = style;
    // Built-in faces never change, so they are fetched when a die is first painted;
    // the user's pictures are taken now, as they are at this moment.
    for (int face = 1; face <= 6; ++face)
        m_live[face] = style == UserStyle ? storeFace((style - 1) * 6 + face) : QPixmap();
    emit liveFacesChanged();
}

const QPixmap &ImageStore::liveFace(int face) const
{
    if (m_live[face].isNull())
        m_live[face] = storeFace((m_liveStyle - 1) * 6 + face);
    return m_live[face];
}

QPixmap ImageStore::logo(QSize logicalSize) const
{
    return QPixmap::fromImage(artwork::logo(logicalSize, m_dpr));
}

QPixmap ImageStore::loadUserPicture(const QString &path) const
{
    QImageReader reader(path);
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
    for (int face = 1; face <= 6; ++face) {
        for (const char *ext : {".ico", ".gif"}) {
            const QString path = dir.filePath(QStringLiteral("dudd%1%2").arg(face).arg(QLatin1String(ext)));
            if (!QFileInfo::exists(path))
                continue;
            const QPixmap picture = loadUserPicture(path);
            if (picture.isNull())
                continue;
            setStoreFace(36 + face, picture);
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
