#pragma once

#include "controls/PrettyListModel.h"

#include <QImage>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace stoupe {

// The drop-down list of the personal and physical details pages: a flat
// read-only text box showing the chosen item, an arrow picture at its right
// edge, and a drop-down list lying hidden behind the text box that the arrow
// opens. The list logic lives in PrettyListModel.
class ucPrettyControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int InnerHeight = 19;

    explicit ucPrettyControl(QWidget* parent = nullptr);

    void AddItem(const QString& Item, int Index = PrettyListModel::None);
    void AddItemAndData(const QString& Item, qint32 lData, int Index = PrettyListModel::None);
    qint32 ItemData(int Index) const { return m_model.ItemData(Index); }
    void setItemData(int Index, qint32 New_ItemData) { m_model.setItemData(Index, New_ItemData); }
    QString List(int Index) const { return m_model.List(Index); }
    void setList(int Index, const QString& New_List) { m_model.setList(Index, New_List); }
    int ListIndex() const { return m_model.ListIndex(); }
    void setListIndex(int New_ListIndex) { m_model.setListIndex(New_ListIndex); }
    void RemoveItem(int Index) { m_model.RemoveItem(Index); }
    int ListCount() const { return m_model.ListCount(); }
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage& New_Picture);
    bool Enabled() const { return isEnabled(); }
    void SetIndex(float Value) { m_model.SetIndex(Value); }
    void SetLimits(qint16 Top, qint16 Bottom) { m_model.SetLimits(Top, Bottom); }
    void SetIndexData(qint32 Value, bool bExact = false) { m_model.SetIndexData(Value, bExact); }

    const PrettyListModel& model() const { return m_model; }
    // The constituent controls, for the page and for tests.
    QLineEdit* textBox() const { return m_text; }
    QComboBox* comboBox() const { return m_combo; }
    QLabel* arrow() const { return m_image; }

signals:
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutParts();
    bool handleKey(QKeyEvent* key);

    PrettyListModel m_model;
    QLineEdit* m_text = nullptr;
    QComboBox* m_combo = nullptr;
    QFrame* m_frame = nullptr;
    QLabel* m_image = nullptr;
    QImage m_picture;
    bool m_dropping = false;
};

} // namespace stoupe
