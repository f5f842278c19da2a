#pragma once

#include <QFrame>
#include <QLabel>

class QHBoxLayout;

namespace zz {

// The band at the top of every window: the software code (never translated) over the
// window's description; extra controls go to its right end.
class TitleBand : public QFrame {
    Q_OBJECT
public:
    explicit TitleBand(const QString& softwareCode, QWidget* parent = nullptr);

    QLabel* codeLabel() const { return m_code; }
    QLabel* descriptionLabel() const { return m_description; }
    // A widget added with a stretch takes the band's free room instead of the gap before it.
    void addTrailingWidget(QWidget* widget, int stretch = 0);

private:
    QLabel* m_code;
    QLabel* m_description;
    QHBoxLayout* m_trailing;
};

// The band of buttons at the bottom of a dialog, aligned to the right.
class ButtonBand : public QFrame {
    Q_OBJECT
public:
    explicit ButtonBand(QWidget* parent = nullptr);
    void addButton(QWidget* button);

private:
    QHBoxLayout* m_layout;
};

} // namespace zz
