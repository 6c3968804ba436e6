#pragma once

#include "ImageStore.h"

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace korbo {

class ImageStore;
class Messages;

// One of the six faces in the User Defined dice window: the picture fitted into the
// box, and the file last chosen for it. The selected face has a thin border.
class UserDieBox : public QWidget {
    Q_OBJECT
public:
    UserDieBox(int face, QWidget *parent);
    int face() const { return m_face; }

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    // The full path of the file last chosen for this face; empty until one is.
    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void pressed(int face);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_face;
    QPixmap m_picture;
    QString m_path;
    bool m_selected = false;
};

// "Korbo User Defined Dice": the six pictures of the User Defined dice style. A face
// is selected and a GIF or icon file loaded for it; Save puts the pictures into the
// image store and copies the chosen files into the user's folder as dudd1..dudd6,
// where the next start finds them. Cancel forgets every change.
class UserDiceDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a file to open: parent, title, initial file name, name filter. Returns
    // the initial name when the choice is cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title, const QString &initial,
                                              const QString &filter)>;

    UserDiceDialog(ImageStore &images, Messages &messages, const QString &userFolder, QWidget *parent = nullptr);

    // Replaces the open-file dialog (tests answer it).
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    UserDieBox *imgDice(int f) const { return m_dice[f]; }
    QLabel *Label1(int f) const { return m_labels[f]; }
    QPushButton *butLoad() const { return m_butLoad; }
    QPushButton *butHelp() const { return m_butHelp; }
    QPushButton *butCancel() const { return m_butCancel; }
    QPushButton *butClose() const { return m_butClose; }
    const QString &userFolder() const { return m_userFolder; }

    // The selected face, 1..6, or 0 when none is.
    int selectedDie() const { return m_selected; }
    void selectDie(int f);

    // The file types offered, as the open-file dialog takes them.
    static QString nameFilter();
    // The help text's lines, joined into the text the help box shows.
    static QString helpText();

public slots:
    void butLoadClick();
    void butHelpClick();
    // Save: the pictures go to the store, the chosen files to the user's folder.
    void butCloseClick();
    void butCancelClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // 1 to 6 select that face.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void copyUserFile(int f);

    ImageStore &m_images;
    Messages &m_messages;
    QString m_userFolder;
    FileChooser m_chooser;
    int m_selected = 0;
    Table1<UserDieBox *, ImageStore::FaceCount> m_dice{};
    Table1<QLabel *, ImageStore::FaceCount> m_labels{};
    QPushButton *m_butLoad = nullptr;
    QPushButton *m_butHelp = nullptr;
    QPushButton *m_butCancel = nullptr;
    QPushButton *m_butClose = nullptr;
};

} // namespace korbo
