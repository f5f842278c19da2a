#pragma once

#include <QColor>
#include <QPointer>
#include <QPushButton>

namespace zz {

// The flat button of every window: a caption, an optional glyph, a hint (tool tip), a fill
// colour, orange while pressed and a hot-tracking colour while the pointer is over it. A
// non-zero modal result closes the dialog it sits in with that result when clicked.
class FlatButton : public QPushButton {
    Q_OBJECT
public:
    // QDialog::Rejected is 0, so "no modal result" needs its own value.
    static constexpr int kNoModalResult = -1;

    explicit FlatButton(const QString& objectName, QWidget* parent = nullptr);

    void setHint(const QString& hint) { setToolTip(hint); }
    QString hint() const { return toolTip(); }

    void setModalResult(int result) { m_modalResult = result; }
    int modalResult() const { return m_modalResult; }

    void setFillColor(const QColor& color);
    QColor fillColor() const { return m_fill; }
    void setHotColor(const QColor& color);
    QColor hotColor() const { return m_hot; }
    void setPressedColor(const QColor& color);
    QColor pressedColor() const { return m_pressed; }

    // Alt and the caption's character at `position` presses the button, and that character is
    // underlined; -1 for none. Holds until the caption changes. A caption that marks its own
    // letter ("B&rowse...") keeps it; any other "&" is shown as itself, never a shortcut.
    void setAltShortcut(int position);
    int altShortcutPosition() const;

    // The colour the button is drawn with in its present state.
    QColor currentFillColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeDialogWithModalResult();
    // No Leave comes when the window is hidden or a modal window opens over it.
    void forgetHover();

    // The caption drawn: "&" doubled, and the one shortcut marked.
    QString drawnCaption() const;

    int m_modalResult = kNoModalResult;
    int m_shortcutPosition = -1;
    QString m_shortcutCaption; // the caption the position was given for
    bool m_hovered = false;
    QPointer<QWidget> m_watchedWindow; // watched for a modal window over it while hovered
    QColor m_fill;
    QColor m_hot;
    QColor m_pressed;
};

} // namespace zz
