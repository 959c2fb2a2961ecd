#pragma once

#include <QString>
#include <QVector>

#include <functional>

namespace stoupe {

// The list behind the drop-down list control, without any widget: items with
// a 32-bit data value, a default item, a block of favourites copied to the top
// above a separator line, lists of consecutive numbers, selection by value or
// by data, keyboard stepping and first-letter search.
//
// Every selection the control makes itself counts as a click on that item
// (see choose): the shown text follows, and Change is reported.
class PrettyListModel {
public:
    static constexpr int None = -1;
    static inline const QString SeparatorText = QStringLiteral("---------");

    // The widget that shows the list listens here.
    struct Listener {
        std::function<void(int index, const QString& text)> inserted;
        std::function<void(int index)> removed;
        std::function<void(int index, const QString& text)> textChanged;
        std::function<void()> cleared;
        std::function<void(int index)> selected;   // the list's current item
        std::function<void(const QString&)> shown; // the text box's text
        std::function<void()> chosen;              // a real item was chosen: Change
    };
    void setListener(Listener listener) { m_listener = std::move(listener); }

    // Index None (or any negative index) adds at the end.
    void AddItem(const QString& Item, int Index = None);
    // A leading "*" marks the default item, then a leading "!" a favourite.
    void AddItemAndData(QString Item, qint32 lData, int Index = None);
    qint32 ItemData(int Index) const;
    void setItemData(int Index, qint32 New_ItemData);
    QString List(int Index) const;
    void setList(int Index, const QString& New_List);
    void RemoveItem(int Index);
    int ListCount() const { return int(m_items.size()); }

    int ListIndex() const { return m_selected; }
    // Behaves as a click on that item.
    void setListIndex(int New_ListIndex) { choose(New_ListIndex); }

    void SetIndex(float Value);
    void SetLimits(qint16 Top, qint16 Bottom);
    void SetIndexData(qint32 Value, bool bExact = false);

    // A click on an item of the list (by the user, or by the control itself):
    // a real item is shown and remembered and Change is reported; the
    // separator brings back the previous choice instead. None selects nothing.
    void choose(int index);

    // Up (-1) or Down (+1); with Shift by 5, with Ctrl by the item count (Ctrl wins).
    void step(int direction, bool shift, bool ctrl);
    // First-letter search: the next item after the selected one, wrapping round.
    void findByFirstLetter(QChar letter);

    int TopCount() const { return m_topCount; }
    int DefaultIndex() const { return m_defaultIndex; }
    QString ShownText() const { return m_shown; }

private:
    struct Item {
        QString text;
        qint32 data = 0;
    };
    void insertAt(int index, const QString& text, qint32 data);
    void setShown(const QString& text);

    QVector<Item> m_items;
    Listener m_listener;
    int m_selected = None;
    int m_topCount = None;
    int m_lastIndex = None;
    int m_defaultIndex = None;
    QString m_shown;
};

} // namespace stoupe
