#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

#include <QStringList>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QTabWidget;

namespace zz {

class ClickableLabel;
class FlatButton;

// The language and the internet options. A picked language takes effect in every window at
// once; the language and the two internet flags become the remembered settings only on OK.
class TFSoftOptions : public BandedDialog {
    Q_OBJECT
public:
    TFSoftOptions(AppContext& context, QWidget* parent);

    void Set_Lang() override;

    // The language files offered at the last showing, extension included.
    const QStringList& languages() const { return SL_Languages; }
    int shownPage() const { return Show_Page; }
    // The language OK would store.
    const QString& languageInUse() const { return Language_In_Use; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int kSlots = 6;

    void buildLanguageSheet(QWidget* sheet);
    void buildConnectionSheet(QWidget* sheet);
    void FormShow();
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void showFlag(ClickableLabel* flag, const QString& picturePath);
    void Btn_NextClick(bool forward);
    void LangClick(int slot);
    void Update_CheckBox();
    void Btn_OKClick();
    void Btn_Check_UpdateClick();
    void showCheckResult();

    AppContext& m_context;

    QStringList SL_Languages;
    int Show_Page = 1;
    QString Language_In_Use;
    bool m_pageDrawn = false;

    // A check answers later; only the answer to the latest check of the current showing counts.
    unsigned m_checkGeneration = 0;
    bool m_checkRunning = false;
    std::optional<bool> m_checkResult; // newer version found, while LL_Check_Update shows it

    QTabWidget* m_PC_Options = nullptr;
    QWidget* m_TS_Language = nullptr;
    QWidget* m_TS_Con_Options = nullptr;
    QLabel* m_L_Sel_Lang = nullptr;
    QLabel* m_L_Page_Lang = nullptr;
    std::array<ClickableLabel*, kSlots> m_I_L{};
    std::array<ClickableLabel*, kSlots> m_L_L{};
    FlatButton* m_Btn_Prev = nullptr;
    FlatButton* m_Btn_Next = nullptr;
    QCheckBox* m_CB_En_Con = nullptr;
    QCheckBox* m_CB_Update = nullptr;
    FlatButton* m_Btn_Check_Update = nullptr;
    QLabel* m_LL_Check_Update = nullptr;
    FlatButton* m_Btn_OK = nullptr;
    FlatButton* m_Btn_Cancel = nullptr;
};

} // namespace zz
