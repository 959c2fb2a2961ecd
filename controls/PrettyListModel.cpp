#include "controls/PrettyListModel.h"

#include "controls/LeadingNumber.h"

#include <cmath>

namespace stoupe {

void PrettyListModel::insertAt(int index, const QString& text, qint32 data) {
    if (index < 0 || index > ListCount())
        index = ListCount();
    m_items.insert(index, Item{text, data});
    // Indexes that name items keep naming the same items.
    for (int* kept : {&m_selected, &m_lastIndex, &m_defaultIndex}) {
        if (*kept >= index)
            ++*kept;
    }
    if (m_listener.inserted)
        m_listener.inserted(index, text);
}

void PrettyListModel::setShown(const QString& text) {
    m_shown = text;
    if (m_listener.shown)
        m_listener.shown(text);
}

void PrettyListModel::AddItem(const QString& Item, int Index) {
    insertAt(Index, Item, 0);
}

void PrettyListModel::AddItemAndData(QString Item, qint32 lData, int Index) {
    bool makeDefault = false;
    if (Item.startsWith(QLatin1Char('*'))) {
        Item.remove(0, 1);
        makeDefault = true;
    }
    if (Item.startsWith(QLatin1Char('!'))) {
        if (m_topCount == None)
            m_topCount = 0;
        Item.remove(0, 1);
        insertAt(m_topCount, Item, lData);
        if (makeDefault) {
            choose(m_topCount);
            m_defaultIndex = m_selected;
            makeDefault = false;
        }
        if (m_topCount == 0)
            insertAt(1, SeparatorText, 0);
        ++m_topCount;
    }
    const int at = Index >= 0 && Index <= ListCount() ? Index : ListCount();
    insertAt(at, Item, lData);
    if (makeDefault) {
        choose(at);
        m_defaultIndex = at;
    }
}

qint32 PrettyListModel::ItemData(int Index) const {
    if (Index < 0 || Index >= ListCount())
        return 0;
    return m_items[Index].data;
}

void PrettyListModel::setItemData(int Index, qint32 New_ItemData) {
    if (Index >= 0 && Index < ListCount())
        m_items[Index].data = New_ItemData;
}

QString PrettyListModel::List(int Index) const {
    if (Index < 0 || Index >= ListCount())
        return {};
    return m_items[Index].text;
}

void PrettyListModel::setList(int Index, const QString& New_List) {
    if (Index < 0 || Index >= ListCount())
        return;
    m_items[Index].text = New_List;
    if (m_listener.textChanged)
        m_listener.textChanged(Index, New_List);
}

void PrettyListModel::RemoveItem(int Index) {
    if (Index < 0 || Index >= ListCount())
        return;
    m_items.remove(Index);
    for (int* kept : {&m_selected, &m_lastIndex, &m_defaultIndex}) {
        if (*kept == Index)
            *kept = None;
        else if (*kept > Index)
            --*kept;
    }
    if (m_listener.removed)
        m_listener.removed(Index);
}

void PrettyListModel::SetLimits(qint16 Top, qint16 Bottom) {
    const int stepBy = Top < Bottom ? 1 : -1;
    m_topCount = None;
    m_defaultIndex = None;
    m_lastIndex = None;
    m_selected = None;
    if (m_listener.selected)
        m_listener.selected(None);
    m_items.clear();
    if (m_listener.cleared)
        m_listener.cleared();
    setShown(QString());
    for (int n = Top;; n += stepBy) {
        insertAt(ListCount(), QString::number(n), 0);
        if (n == Bottom)
            break;
    }
}

void PrettyListModel::SetIndex(float Value) {
    const double v = std::floor(double(Value));
    for (int i = ListCount() - 1; i >= 0; --i) {
        if (leadingNumber(m_items[i].text) <= v) {
            choose(i);
            return;
        }
    }
    choose(m_defaultIndex);
}

void PrettyListModel::SetIndexData(qint32 Value, bool bExact) {
    for (int i = m_topCount - 1; i >= 0; --i) {
        if (m_items[i].data == Value) {
            choose(i);
            return;
        }
    }
    // The full list starts below the separator (at 0 when there is no top block).
    for (int i = ListCount() - 1; i >= m_topCount + 1; --i) {
        const qint32 data = m_items[i].data;
        if (data == Value || (!bExact && data <= Value)) {
            choose(i);
            return;
        }
    }
    choose(m_defaultIndex);
}

void PrettyListModel::choose(int index) {
    if (index >= ListCount())
        return;
    if (index < 0) {
        m_selected = None;
        if (m_listener.selected)
            m_listener.selected(None);
        setShown(QString());
        m_lastIndex = None;
        if (m_listener.chosen)
            m_listener.chosen();
        return;
    }
    m_selected = index;
    if (m_listener.selected)
        m_listener.selected(index);
    if (m_items[index].text != SeparatorText) {
        setShown(m_items[index].text);
        m_lastIndex = index;
        if (m_listener.chosen)
            m_listener.chosen();
        return;
    }
    // The separator is no choice: back to the previous one.
    int back = m_lastIndex;
    if (back >= ListCount() || back == index)
        back = 0;
    if (back >= 0 && m_items[back].text == SeparatorText)
        back = None;
    choose(back);
}

void PrettyListModel::step(int direction, bool shift, bool ctrl) {
    const int count = ListCount();
    if (count == 0)
        return;
    const int amount = ctrl ? count : shift ? 5 : 1;
    const int target = qBound(0, m_selected + direction * amount, count - 1);
    choose(target);
}

void PrettyListModel::findByFirstLetter(QChar letter) {
    const int count = ListCount();
    const QChar wanted = letter.toCaseFolded();
    const int start = m_selected; // None starts the search at item 0
    const int tries = m_selected >= 0 ? count - 1 : count;
    for (int k = 1; k <= tries; ++k) {
        const int i = (start + k) % count;
        const QString& text = m_items[i].text;
        if (!text.isEmpty() && text[0].toCaseFolded() == wanted) {
            choose(i);
            return;
        }
    }
}

} // namespace stoupe
