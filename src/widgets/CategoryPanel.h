#pragma once

#include <QWidget>

namespace zz {

// The heading band of a category panel: its caption and, at the right end, a chevron that
// points up while the panel is open and down while it is collapsed. A click, or Space or
// Enter while it has the focus, asks the panel to collapse or expand.
class CategoryPanelHeading : public QWidget {
    Q_OBJECT
public:
    explicit CategoryPanelHeading(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    void setCollapsed(bool collapsed);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_caption;
    bool m_collapsed = false;
};

// One section of a category panel group: a heading over a content area that holds the
// section's controls. Collapsing hides the content, so the panel shrinks to its heading.
class CategoryPanel : public QWidget {
    Q_OBJECT
public:
    explicit CategoryPanel(const QString& objectName, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const;

    CategoryPanelHeading* heading() const { return m_heading; }
    // The controls of the section go into this widget (give it a layout).
    QWidget* content() const { return m_content; }

    bool isCollapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed);
    void toggleCollapsed() { setCollapsed(!m_collapsed); }

signals:
    void collapsedChanged(bool collapsed);

private:
    CategoryPanelHeading* m_heading;
    QWidget* m_content;
    bool m_collapsed = false;
};

} // namespace zz
