#pragma once

#include "GameState.h"
#include "Options.h"
#include "Twips.h"

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <QIcon>

#include <array>
#include <functional>
#include <future>
#include <memory>

namespace korbo {

// Every picture the game draws: the faces of the seven dice styles, the faces in use
// now, the category button pictures, the joker, the window icon and the logo.
// Built-in pictures are drawn for the screen's pixel density; the user's own dice
// replace the "User Defined" faces.
class ImageStore : public QObject {
    Q_OBJECT
public:
    // The store keeps every dice style's six faces one style after another, in the
    // order the Options dialog lists the styles, from slot 1; the user's own dice,
    // listed last, are the last six.
    static constexpr int FaceCount = 6; // pictures in a dice style, one for each face
    static constexpr int storeSlot(int style, int face) { return (style - 1) * FaceCount + face; }
    static constexpr int userSlot(int face) { return storeSlot(StyleUserDefined, face); }
    static constexpr int slotStyle(int slot) { return (slot - 1) / FaceCount + 1; }
    static constexpr int slotFace(int slot) { return (slot - 1) % FaceCount + 1; }
    // Slots run 1..StoreSlots; the last is storeSlot(DiceStyleCount, FaceCount).
    static constexpr int StoreSlots = DiceStyleCount * FaceCount;
    static constexpr int DieLogicalSize = 48;
    static constexpr int JokerLogicalSize = 32;
    static constexpr int IconLogicalSize = 48;
    // Larger user pictures than this are refused: a damaged or hostile file claiming
    // a huge size must not eat the machine's memory.
    static constexpr int MaxUserPictureSide = 1024;

    explicit ImageStore(qreal devicePixelRatio = 1.0, QObject *parent = nullptr);
    ~ImageStore() override;

    // Draws every built-in picture again for another pixel density.
    void setDevicePixelRatio(qreal dpr);
    qreal devicePixelRatio() const { return m_dpr; }

    // The board's pictures (the live faces, the categories, the joker) are drawn at
    // their designed size times the board's zoom, in percent.
    void setBoardZoom(int percent);
    QSize boardPictureSize(QSize designed) const;

    // imgDiceStore: a face by its storeSlot(), 1..StoreSlots.
    const QPixmap &storeFace(int slot) const;
    void setStoreFace(int slot, const QPixmap &picture);
    // The face pictures of the style in use, at the board's zoom.
    const QPixmap &liveFace(int face) const;
    // Copies the six faces of `style` into the live faces.
    void ApplyDiceStyle(int style);
    int liveStyle() const { return m_liveStyle; }

    // imgCat0 / imgCat1: a category's normal and used picture.
    const QPixmap &categoryPicture(int category, bool used) const;
    const QPixmap &joker() const;
    const QPixmap &windowIcon() const;
    QPixmap logo(QSize logicalSize) const;

    // Loads a picture file for the user's dice; a null pixmap when the file is
    // missing, unreadable, not a picture or too large.
    QPixmap loadUserPicture(const QString &path) const;
    // dudd1..dudd6 in `folder`: for each face the icon first, then the GIF, so the
    // GIF wins when both are there. The extension may be in either case; the
    // lower-case name is taken when both are there. Files that do not load are passed over.
    // Returns how many pictures were loaded.
    int loadUserDice(const QString &folder);

signals:
    void liveFacesChanged();
    // Every built-in picture was drawn again, for another pixel density.
    void picturesRedrawn();

private:
    // Built-in pictures are drawn the first time they are asked for, so start-up
    // draws only what the first board shows.
    void forgetBuiltIns();

    qreal m_dpr;
    int m_boardZoom = Zoom::Designed;
    mutable Table1<QPixmap, StoreSlots> m_store{};
    mutable Table1<QPixmap, FaceCount> m_live{};
    mutable Table1<QPixmap, CategoryCount> m_catOpen{};
    mutable Table1<QPixmap, CategoryCount> m_catUsed{};
    Table1<bool, FaceCount> m_userFace{};
    mutable QPixmap m_joker;
    mutable QPixmap m_icon;
    // The open category pictures, which the first board shows, and the window icon
    // are drawn on a worker while the window is being built.
    mutable std::future<Table1<QImage, CategoryCount>> m_openPictures;
    mutable std::future<QImage> m_iconPicture;
    void collectOpenPictures() const;
    void collectIcon() const;
    int m_liveStyle = StyleStandard;
};

// Draws a die picture into a box: as it is when it fits exactly, otherwise scaled to
// fit with its proportions kept, in the middle (the user's own pictures may be any size).
void drawFitted(QPainter &painter, const QRect &box, const QPixmap &picture);

// An icon whose picture is fetched only when it is first painted, so a window can be
// built while its pictures are still being drawn. `logicalSize` is the icon's size;
// a smaller picture stands in its middle. The picture is asked for again each time,
// so it should come from the store.
QIcon deferredIcon(QSize logicalSize, std::function<QPixmap()> fetch);

} // namespace korbo
