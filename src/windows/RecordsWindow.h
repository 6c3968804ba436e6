#pragma once

#include <QDate>
#include <QFont>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace korbo {

class Records;

// "Korbo Records": the two records lists side by side, with buttons to mark the
// lines of a name or of today. It shows the Records object it is given and follows
// its changes; it never edits the lists.
class RecordsWindow : public QWidget {
    Q_OBJECT
public:
    // Pixels kept clear between a button's caption and its edges.
    static constexpr int CaptionMargin = 3;
    explicit RecordsWindow(Records &records, QWidget *parent = nullptr);

    // Where "today" comes from for "Find Today's"; the clock's date unless set.
    void setTodaySource(std::function<QDate()> today);

    // Shows the window modeless, or brings it to the front when already shown.
    void showRecords();

public slots:
    // Marks every line of both lists holding the find box's text, in any case.
    void findName();
    // Marks every line of both lists dated today.
    void findTodays();
    // Unmarks every line of both lists.
    void unselectAll();
    // Hides the window, leaving no line marked and the find box empty.
    void closeRecords();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Every text in the language in use.
    void retranslate();
    void refresh();
    void takeName(QListWidgetItem *item);
    void selectWhere(const std::function<bool(const QString &)> &matches);

    Records &m_records;
    std::function<QDate()> m_today;

    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    std::array<QLabel *, 4> m_colHead{};
    QListWidget *m_listHI = nullptr;
    QListWidget *m_listLO = nullptr;
    QPushButton *m_butUnselect = nullptr;
    QPushButton *m_butTodays = nullptr;
    QPushButton *m_butFindName = nullptr;
    QLineEdit *m_txtFindName = nullptr;
    QPushButton *m_command1 = nullptr;
    int m_lineRoom = 0;  // the width a list gives a line
    QFont m_buttonFont;  // the buttons' font before any is narrowed
    QFont m_headingFont; // the same for the column headings
};

} // namespace korbo
