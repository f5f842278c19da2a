#pragma once

#include "widgets/TitleBand.h"

#include <QDialog>

class QVBoxLayout;

namespace zz {

class FlatButton;

// Takes its texts from the string table; the main window calls Set_Lang again after a
// language change.
class LanguageAware {
public:
    virtual ~LanguageAware() = default;
    virtual void Set_Lang() = 0;
};

// A dialog with the title band on top, its own content in the middle and the button band at
// the bottom. Every showing opens centred on the screen and no larger than it.
class BandedDialog : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    BandedDialog(const QString& objectName, const QString& softwareCode, QWidget* parent);

    TitleBand* titleBand() const { return m_titleBand; }
    ButtonBand* buttonBand() const { return m_buttonBand; }
    // The layout that holds the dialog's own controls, between the two bands.
    QVBoxLayout* bodyLayout() const { return m_body; }

    // A flat button appended to the button band; a modal result closes the dialog with it.
    FlatButton* addBandButton(const QString& objectName, int modalResult = -1);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TitleBand* m_titleBand;
    QVBoxLayout* m_body;
    ButtonBand* m_buttonBand;
};

} // namespace zz
