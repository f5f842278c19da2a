#pragma once

#include "app/AppContext.h"
#include "app/Workspace.h"
#include "widgets/BandedDialog.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QFrame;

namespace zz {

class ClickableLabel;
class FlatButton;
class TFAbout;
class TFBootTCP;
class TFEnableFunctions;
class TFNew_Project;
class TFOpenConf;
class TFParGen2;
class TFSoftOptions;
class TFTranslateTable_914;

// The main window: shows the active configuration and leads through the numbered steps,
// one modal dialog per step. It runs the workspace start-up when it is created and creates
// every other window once, in a fixed order.
class TFZevazerazueFirmWare : public QWidget, public LanguageAware {
    Q_OBJECT
public:
    TFZevazerazueFirmWare(AppContext& context, const QString& appDir);
    ~TFZevazerazueFirmWare() override;

    void Set_Lang() override;
    void Change_Language();
    void Check_Conf_En_Translate_Table();
    void Update_Device(int TypeUpdate);
    void Create_New_Project();
    void Open_Project();
    void Timer_UpdateTimer();

    const StartupReport& startupReport() const { return m_startupReport; }
    QTimer& updateTimer() { return m_timerUpdate; }

    // The windows created at start, in their creation order.
    QList<QWidget*> programWindows() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void createWindows();
    void Btn_Click(QObject* button);
    void applyConfigurationLabels();
    void applyUpdateLinkText();
    void refreshTranslateTableButton();
    void applyUpdateTimerRule();
    void saveSettingsShowingErrors();

    AppContext& m_context;
    UComon& m_state;
    StartupReport m_startupReport;
    bool m_shownOnce = false;
    QTimer m_timerUpdate;

    TitleBand* m_titleBand = nullptr;
    QLabel* m_LL_Update = nullptr;
    FlatButton* m_Btn_Info = nullptr;
    FlatButton* m_Btn_Opz = nullptr;
    FlatButton* m_Btn_Close = nullptr;
    QLabel* m_L_Begin = nullptr;
    QFrame* m_Shape2 = nullptr;
    QLabel* m_L_Name_Conf = nullptr;
    QLabel* m_L_Name_Conf_L2 = nullptr;
    QLabel* m_L_Step[5] = {};
    FlatButton* m_Btn_New = nullptr;
    FlatButton* m_Btn_Open = nullptr;
    FlatButton* m_Btn_Prm_Gen = nullptr;
    FlatButton* m_Btn_TranslateTable = nullptr;
    FlatButton* m_Btn_Enable_Functions = nullptr;
    FlatButton* m_Btn_CreateBin_UDP = nullptr;
    ClickableLabel* m_L_Ostrel = nullptr;

    TFNew_Project* m_newProject = nullptr;
    TFOpenConf* m_openConf = nullptr;
    TFSoftOptions* m_softOptions = nullptr;
    TFAbout* m_about = nullptr;
    TFTranslateTable_914* m_translateTable = nullptr;
    TFBootTCP* m_bootTcp = nullptr;
    TFParGen2* m_parGen = nullptr;
    TFEnableFunctions* m_enableFunctions = nullptr;
};

} // namespace zz
