#include "ImageStore.h"

#include "Artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace korbo {

namespace {
constexpr int UserStyle = 7;
constexpr int BuiltInStyles = 6;
} // namespace

ImageStore::ImageStore(qreal devicePixelRatio, QObject *parent)
    : QObject(parent), m_dpr(devicePixelRatio)
{
    drawBuiltIns();
    ApplyDiceStyle(1);
}

void ImageStore::drawBuiltIns()
{
    for (int style = 1; style <= BuiltInStyles; ++style)
        for (int face = 1; face <= 6; ++face)
            m_store[(style - 1) * 6 + face] =
                QPixmap::fromImage(artwork::dieFace(style, face, DieLogicalSize, m_dpr));
    // Until the user brings pictures of their own, their dice are the standard ones.
    for (int face = 1; face <= 6; ++face)
        if (!m_userFace[face])
            m_store[36 + face] = m_store[face];
    for (int c = 1; c <= 14; ++c) {
        const QSize size = artwork::categoryPictureSize(c);
        m_catOpen[c] = QPixmap::fromImage(artwork::categoryPicture(c, false, size, m_dpr));
        m_catUsed[c] = QPixmap::fromImage(artwork::categoryPicture(c, true, size, m_dpr));
    }
    m_joker = QPixmap::fromImage(artwork::jokerPicture(JokerLogicalSize, m_dpr));
    m_icon = QPixmap::fromImage(artwork::windowIcon(48, m_dpr));
}

void ImageStore::setDevicePixelRatio(qreal dpr)
{
    if (qFuzzyCompare(dpr, m_dpr))
        return;
    m_dpr = dpr;
    drawBuiltIns();
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
    for (int face = 1; face <= 6; ++face)
        m_live[face] = m_store[(style - 1) * 6 + face];
    emit liveFacesChanged();
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

} // namespace korbo
