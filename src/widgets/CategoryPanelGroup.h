#pragma once

#include <QList>
#include <QScrollArea>

class QVBoxLayout;
class QWheelEvent;

namespace zz {

class CategoryPanel;

// A column of category panels stacked from the top without gaps, with a vertical scroll bar.
// While the pointer is over the column, the mouse wheel scrolls it by the system's lines per
// notch (QApplication::wheelScrollLines()), one scroll-bar line step each, even over a control
// that would use the wheel itself (a list would otherwise change its selection).
class CategoryPanelGroup : public QScrollArea {
    Q_OBJECT
public:
    explicit CategoryPanelGroup(const QString& objectName, QWidget* parent = nullptr);
    ~CategoryPanelGroup() override;

    // Appends a panel at the bottom of the column.
    CategoryPanel* addPanel(const QString& objectName);
    const QList<CategoryPanel*>& panels() const { return m_panels; }

    // Scrolls for a wheel turned with the pointer at `globalPos`. False (nothing done) when the
    // pointer is not over the column's client area, else true.
    bool scrollByWheel(const QPoint& globalPos, QPoint angleDelta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_column;
    QVBoxLayout* m_columnLayout;
    QList<CategoryPanel*> m_panels;
    int m_pendingWheelDelta = 0; // below one notch, from high-resolution wheels
};

} // namespace zz
