#pragma once

#include <QLabel>

namespace zz {

// A label (text or picture) that reports a click with the left mouse button, and Space or
// Enter when it has the keyboard focus.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& objectName, QWidget* parent = nullptr);

    // Blue, underlined, hand cursor: the look of a web address.
    void showAsLink();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zz
